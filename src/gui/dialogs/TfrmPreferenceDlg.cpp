#include "gui/dialogs/TfrmPreferenceDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brevane {

TfrmPreferenceDlg::TfrmPreferenceDlg(const Preferences &preferences, PreferenceHooks hooks, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , hooks_(std::move(hooks))
{
    setObjectName(QStringLiteral("frmPreferenceDlg"));
    setWindowTitle(QStringLiteral("Brevane Preferences"));
    setMinimumWidth(560);

    auto *layout = new QVBoxLayout(this);
    auto *locations = new QGroupBox(QStringLiteral("Set default file locations:"), this);
    auto *grid = new QGridLayout(locations);
    auto addRow = [&](int row, const QString &caption, QLabel *&path, QPushButton *&change, const QString &name) {
        grid->addWidget(new QLabel(caption, locations), row, 0);
        path = new QLabel(locations);
        path->setObjectName(name);
        path->setTextFormat(Qt::PlainText);
        path->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(path, row, 1);
        change = new QPushButton(QStringLiteral("Change"), locations);
        change->setProperty("Tag", row);
        change->setAutoDefault(false);
        grid->addWidget(change, row, 2);
        connect(change, &QPushButton::clicked, this, [this, row] { SelectClientFileDirectoryClick(row); });
    };
    addRow(0, QStringLiteral("Client files:"), lblClientFolder, btnChangeClient, QStringLiteral("lblClientFolder"));
    addRow(1, QStringLiteral("Temporary files:"), lblTempFolder, btnChangeTemp, QStringLiteral("lblTempFolder"));
    grid->setColumnStretch(1, 1);
    layout->addWidget(locations);

    cbxShowIconToolBar = new QCheckBox(QStringLiteral("Show Tarnwick Hollow Software icon toolbar"), this);
    cbxShowIconToolBar->setObjectName(QStringLiteral("cbxShowIconToolBar"));
    cbxShowIconToolBar->setChecked(preferences.showIconToolbar);
    cbxShowLabelToolbar = new QCheckBox(QStringLiteral("Show Tarnwick Hollow Software label toolbar"), this);
    cbxShowLabelToolbar->setObjectName(QStringLiteral("cbxShowLabelToolbar"));
    cbxShowLabelToolbar->setChecked(preferences.showLabelToolbar);
    layout->addWidget(cbxShowIconToolBar);
    layout->addWidget(cbxShowLabelToolbar);
    layout->addStretch();
    connect(cbxShowIconToolBar, &QCheckBox::toggled, this, &TfrmPreferenceDlg::ShowIconToolBarClick);
    connect(cbxShowLabelToolbar, &QCheckBox::toggled, this, &TfrmPreferenceDlg::ShowLabelToolbarClick);

    SelectClientFileDirectoryClick(0);
    SelectClientFileDirectoryClick(1);
}

Preferences TfrmPreferenceDlg::Result() const
{
    return {cbxShowIconToolBar->isChecked(), cbxShowLabelToolbar->isChecked()};
}

// The folders are changed through the Default File Locations commands; here a
// row only shows its folder again as currently stored.
void TfrmPreferenceDlg::SelectClientFileDirectoryClick(int tag)
{
    if (tag == 0)
        lblClientFolder->setText(hooks_.clientFolder ? hooks_.clientFolder() : QString());
    else
        lblTempFolder->setText(hooks_.tempFolder ? hooks_.tempFolder() : QString());
}

void TfrmPreferenceDlg::ShowIconToolBarClick()
{
    if (hooks_.showIconToolbar)
        hooks_.showIconToolbar(cbxShowIconToolBar->isChecked());
}

void TfrmPreferenceDlg::ShowLabelToolbarClick()
{
    if (hooks_.showLabelToolbar)
        hooks_.showLabelToolbar(cbxShowLabelToolbar->isChecked());
}

Preferences PreferencesClick(QWidget *parent, const Preferences &preferences, const PreferenceHooks &hooks)
{
    TfrmPreferenceDlg dialog(preferences, hooks, parent);
    dialog.exec();
    return dialog.Result();
}

} // namespace brevane
