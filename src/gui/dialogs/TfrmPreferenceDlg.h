#pragma once
// The preferences dialog ("Brevane Preferences"): shows the default file
// locations and switches the two toolbars on and off at once.
//
//     PreferenceHooks hooks;
//     hooks.clientFolder = [this] { return folders.clientFolder; };
//     hooks.tempFolder = [this] { return folders.tempFolder; };
//     hooks.showIconToolbar = [this](bool on) { pnlToolBar->setVisible(on); };
//     hooks.showLabelToolbar = [this](bool on) { pnlCaptionButtonBar->setVisible(on); };
//     Preferences p = PreferencesClick(this, {showIcons, showLabels}, hooks);
//     showIcons = p.showIconToolbar; showLabels = p.showLabelToolbar;

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace brevane {

struct Preferences
{
    bool showIconToolbar = true;
    bool showLabelToolbar = true;
};

struct PreferenceHooks
{
    std::function<QString()> clientFolder; // the folders as currently stored
    std::function<QString()> tempFolder;
    std::function<void(bool)> showIconToolbar;  // show or hide pnlToolBar at once
    std::function<void(bool)> showLabelToolbar; // show or hide pnlCaptionButtonBar at once
};

class TfrmPreferenceDlg : public QDialog
{
    Q_OBJECT
public:
    TfrmPreferenceDlg(const Preferences &preferences, PreferenceHooks hooks, QWidget *parent = nullptr);

    // The boxes' states (the preferences take them when the dialog closes).
    Preferences Result() const;

    QLabel *lblClientFolder = nullptr;
    QLabel *lblTempFolder = nullptr;
    QPushButton *btnChangeClient = nullptr; // Tag 0
    QPushButton *btnChangeTemp = nullptr;   // Tag 1
    QCheckBox *cbxShowIconToolBar = nullptr;
    QCheckBox *cbxShowLabelToolbar = nullptr;

private:
    void SelectClientFileDirectoryClick(int tag);
    void ShowIconToolBarClick();
    void ShowLabelToolbarClick();
    PreferenceHooks hooks_;
};

// Shows the dialog until the user closes it; returns the preferences then.
Preferences PreferencesClick(QWidget *parent, const Preferences &preferences, const PreferenceHooks &hooks);

} // namespace brevane
