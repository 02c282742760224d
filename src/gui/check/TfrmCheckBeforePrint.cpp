#include "gui/check/TfrmCheckBeforePrint.h"

#include "core/check/ClientCheck.h"
#include "gui/check/CheckPanel.h"
#include "gui/common/MainWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace brevane {

TfrmCheckBeforePrint::TfrmCheckBeforePrint(const QList<Finding> &mustFix, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCheckBeforePrint"));
    setWindowTitle(QStringLiteral("Check before filing"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(QStringLiteral("The State or a signer would reject these papers as they stand. "
                                            "%1 must be fixed before filing:")
                                 .arg(mustFix.size()),
                             this);
    intro->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstMustFix"));
    list_->setWordWrap(true);
    for (const Finding &f : mustFix)
        list_->addItem(FindingSentence(f));
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *goTo = buttons->addButton(QStringLiteral("&Go to first"), QDialogButtonBox::AcceptRole);
    goTo->setObjectName(QStringLiteral("btnGoToFirst"));
    QPushButton *anyway = buttons->addButton(QStringLiteral("&Print anyway"), QDialogButtonBox::AcceptRole);
    anyway->setObjectName(QStringLiteral("btnPrintAnyway"));
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    goTo->setDefault(true);
    connect(goTo, &QPushButton::clicked, this, [this] {
        chosen_ = GoToFirst;
        accept();
    });
    connect(anyway, &QPushButton::clicked, this, [this] {
        chosen_ = PrintAnyway;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(intro);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(760, 360);
}

bool CheckBeforePrint(TMainWindow &main, const QStringList &boxes)
{
    QList<Finding> mustFix;
    for (const Finding &f : CheckForms(main.Document(), boxes))
        if (f.severity == Severity::MustFix)
            mustFix << f;
    if (mustFix.isEmpty())
        return true;
    TfrmCheckBeforePrint::Choice chosen = TfrmCheckBeforePrint::Cancel;
    {
        TfrmCheckBeforePrint dialog(mustFix, main.Window());
        dialog.exec();
        chosen = dialog.Chosen();
    }
    // The window is gone, so the focus it gives back goes before this one.
    if (chosen == TfrmCheckBeforePrint::GoToFirst)
        GoToFinding(main, mustFix.first());
    return chosen == TfrmCheckBeforePrint::PrintAnyway;
}

} // namespace brevane
