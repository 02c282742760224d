#include "gui/check/CheckPanel.h"

#include "core/check/ClientCheck.h"
#include "core/document/ClientDocument.h"
#include "core/forms/FormCatalogue.h"
#include "core/output/PrintSelection.h"
#include "core/store/PageCatalogue.h"
#include "gui/common/MainWindow.h"
#include "gui/screens/PageControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWidget>

namespace brevane {

namespace {

// The control of the displayed page that holds answer `answer`.
QWidget *controlOfAnswer(QWidget *page, int answer)
{
    if (!page)
        return nullptr;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        if (auto *edit = dynamic_cast<TEdit *>(w); edit && edit->AnswerIndex() == answer)
            return edit;
        if (auto *memo = dynamic_cast<TMemo *>(w); memo && memo->Tag == answer)
            return memo;
        if (auto *box = dynamic_cast<TCheckBox *>(w); box && box->AnswerIndex() == answer)
            return box;
    }
    return nullptr;
}

} // namespace

bool GoToFinding(TMainWindow &main, const Finding &finding)
{
    if (finding.OnDirectory()) {
        main.ShowDirectoryRow(qMax(0, finding.row));
        return true;
    }
    if (!finding.OnField())
        return false;
    main.ShowPage(MakePageTag(finding.answerPage, 0));
    QWidget *control = controlOfAnswer(main.pnlMainForm, finding.answer);
    if (!control)
        return false;
    // After a modal window the main window may not be the active one yet;
    // the focus is wanted in the field now, for typing at once.
    main.Window()->activateWindow();
    control->setFocus(Qt::OtherFocusReason);
    main.ScrollOnEnter(control);
    return true;
}

TCheckPanel::TCheckPanel(TMainWindow &main, QWidget *parent)
    : QDockWidget(QStringLiteral("Check before filing"), parent)
    , main_(main)
{
    setObjectName(QStringLiteral("dockCheck"));
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    allForms_ = new QCheckBox(QStringLiteral("All forms (not only the forms this client uses)"), body);
    allForms_->setObjectName(QStringLiteral("cbxCheckAllForms"));
    summary_ = new QLabel(body);
    summary_->setObjectName(QStringLiteral("lblCheckSummary"));
    nothing_ = new QLabel(QStringLiteral("Nothing found"), body);
    nothing_->setObjectName(QStringLiteral("lblNothingFound"));
    nothing_->setAlignment(Qt::AlignCenter);
    list_ = new QTreeWidget(body);
    list_->setObjectName(QStringLiteral("lstFindings"));
    list_->setHeaderLabels(
        {QStringLiteral("Form"), QStringLiteral("Page"), QStringLiteral("Field"), QStringLiteral("What is wrong")});
    list_->setRootIsDecorated(false);
    list_->setWordWrap(true);
    list_->header()->setStretchLastSection(true);
    list_->setColumnWidth(0, 260);
    list_->setColumnWidth(1, 90);
    list_->setColumnWidth(2, 300);
    layout->addWidget(allForms_);
    layout->addWidget(summary_);
    layout->addWidget(nothing_);
    layout->addWidget(list_, 1);
    setWidget(body);

    connect(allForms_, &QCheckBox::toggled, this, [this] { Refresh(); });
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item, int) { itemActivated(item); });
    // Every recalculation ends with AnswersChanged: after each field exit the
    // list is current. A hidden panel waits for the next Check.
    connect(&main_.Document(), &ClientDocument::AnswersChanged, this, [this] {
        if (isVisible())
            Refresh();
    });
}

void TCheckPanel::CheckClick()
{
    show();
    raise();
    Refresh();
}

void TCheckPanel::Refresh()
{
    ClientDocument &document = main_.Document();
    QStringList boxes;
    if (allForms_->isChecked())
        boxes = AllBoxes();
    else if (document.Answers())
        boxes = BoxesInUse(*document.Answers(), document.Directory());
    findings_ = CheckForms(document, boxes);

    list_->clear();
    QStyle *style = QApplication::style();
    const QIcon mustFix = style->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon look = style->standardIcon(QStyle::SP_MessageBoxInformation);
    int toFix = 0;
    for (const Finding &f : findings_) {
        QString what = f.text + QLatin1Char('.');
        if (const QString others = AlsoOn(f); !others.isEmpty())
            what += QLatin1Char(' ') + others;
        auto *item = new QTreeWidgetItem(list_, {FormName(f.box), FormPage(f), f.label, what});
        item->setIcon(0, f.severity == Severity::MustFix ? mustFix : look);
        item->setToolTip(0, SeverityText(f.severity));
        item->setToolTip(3, FindingSentence(f));
        toFix += f.severity == Severity::MustFix;
    }
    nothing_->setVisible(findings_.isEmpty());
    list_->setVisible(!findings_.isEmpty());
    summary_->setText(findings_.isEmpty()
                          ? QString()
                          : QStringLiteral("%1 must be fixed before filing, %2 worth a look. Double-click one to go "
                                           "to it.")
                                .arg(toFix)
                                .arg(findings_.size() - toFix));
    summary_->setVisible(!findings_.isEmpty());
}

void TCheckPanel::itemActivated(QTreeWidgetItem *item)
{
    const int k = list_->indexOfTopLevelItem(item);
    if (k < 0 || k >= findings_.size())
        return;
    // Going to a page recalculates and refreshes the list: work on a copy.
    const Finding finding = findings_[k];
    GoToFinding(main_, finding);
}

} // namespace brevane
