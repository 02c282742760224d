#include "gui/dialogs/TfrmShrinkFont.h"
#include "gui/dialogs/DialogButtons.h"

#include "gui/dialogs/HelpCommands.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace brevane {

TfrmShrinkFont::TfrmShrinkFont(double fontShrink, const QString &programFolder, QWidget *parent)
    : QDialog(parent)
    , programFolder_(programFolder)
{
    setObjectName(QStringLiteral("frmShrinkFont"));
    setWindowTitle(QStringLiteral("Shrink Font Amount"));

    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(QStringLiteral("Use the list box below to set the amount by which fonts will be reduced. "
                                           "The choices are available in half-point increments. "),
                            this);
    text->setWordWrap(true);
    layout->addWidget(text);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->addItems({QStringLiteral("0.0"), QStringLiteral("0.5"), QStringLiteral("1.0"), QStringLiteral("1.5"),
                        QStringLiteral("2.0"), QStringLiteral("2.5"), QStringLiteral("3.0")});
    layout->addWidget(ListBox1);

    auto *buttons = new QHBoxLayout;
    auto *help = new QPushButton(QStringLiteral("?"), this);
    help->setObjectName(QStringLiteral("btnHelp"));
    buttons->addWidget(help);
    buttons->addStretch();
    AddOkCancelButtons(this, buttons);
    layout->addLayout(buttons);
    connect(help, &QPushButton::clicked, this, &TfrmShrinkFont::HelpOnClick);

    // The item for the amount, in half points; an amount outside the list selects nothing.
    const double steps = fontShrink / 0.5;
    if (std::isfinite(steps) && steps >= 0 && steps < ListBox1->count())
        ListBox1->setCurrentRow(int(steps));
}

std::optional<double> TfrmShrinkFont::SelectedAmount() const
{
    const int row = ListBox1->currentRow();
    if (row < 0 || !ListBox1->item(row)->isSelected())
        return std::nullopt;
    return 0.5 * row;
}

void TfrmShrinkFont::HelpOnClick()
{
    OpenHelpPage(programFolder_, QString::fromLatin1(HelpShrinkFontPath));
}

std::optional<double> ShrinkFontOnClick(QWidget *parent, double fontShrink, const QString &programFolder)
{
    TfrmShrinkFont dialog(fontShrink, programFolder, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.SelectedAmount();
}

} // namespace brevane
