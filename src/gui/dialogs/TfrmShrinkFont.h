#pragma once
// The font shrink dialog ("Shrink Font Amount"): the amount, in half points
// from 0.0 to 3.0, taken from every label's font size when a page is built.
//
//     if (auto amount = ShrinkFontOnClick(this, fontShrink, folders.programFolder)) {
//         fontShrink = *amount;
//         ... DisplayAPage with mnuInvisible carrying Tag 0 ...
//     }

#include <QDialog>

#include <optional>

class QListWidget;

namespace brevane {

class TfrmShrinkFont : public QDialog
{
    Q_OBJECT
public:
    TfrmShrinkFont(double fontShrink, const QString &programFolder, QWidget *parent = nullptr);

    // The amount the selected item stands for; nothing when no item is selected.
    std::optional<double> SelectedAmount() const;

    QListWidget *ListBox1 = nullptr;

private:
    void HelpOnClick();
    QString programFolder_;
};

// Shows the dialog; the new amount on "Ok" with an item selected, nothing otherwise.
std::optional<double> ShrinkFontOnClick(QWidget *parent, double fontShrink, const QString &programFolder);

} // namespace brevane
