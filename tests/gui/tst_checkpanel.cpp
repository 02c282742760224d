// The Check panel and the check before Preview and Print in the program: a
// client with a planted fault, the panel listing it, a double click landing
// in the field with the focus, the list emptying after the field is mended,
// and printing stopped at a finding that must be fixed.
#include "CheckClient.h"
#include "GuiFixture.h"
#include "core/files/ClientFile.h"
#include "gui/app/MainMenus.h"
#include "gui/check/CheckPanel.h"
#include "gui/check/TfrmCheckBeforePrint.h"
#include "gui/dialogs/UserDialogs.h"

#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

using namespace brevane;
using namespace brevane::test;

namespace {

QString supportFolder()
{
    return qEnvironmentVariable("BREVANE_BINARY_DIR") + QStringLiteral("/support");
}

// Clicks the button of the modal window that opens next, once it is shown.
void clickInNextModal(const QString &button, std::function<void(QWidget *)> look = {})
{
    QTimer::singleShot(0, [button, look] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            clickInNextModal(button, look);
            return;
        }
        if (look)
            look(modal);
        if (auto *b = modal->findChild<QAbstractButton *>(button))
            b->click();
    });
}

} // namespace

class tst_checkpanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void panelListsGoesToAndRefreshes();
    void printStopsAtWhatMustBeFixed();

private:
    std::unique_ptr<TfrmMain> open(bool withFault);
    QTemporaryDir dir_;
    std::unique_ptr<TestDialogs> dialogs_;
};

void tst_checkpanel::initTestCase()
{
    UseUnitedStatesLocale();
    if (QDir(supportFolder() + QStringLiteral("/PSF")).entryList({QStringLiteral("page*.psf")}).isEmpty())
        QSKIP("the build has not generated the page screens yet");
}

std::unique_ptr<TfrmMain> tst_checkpanel::open(bool withFault)
{
    const QString path = dir_.filePath(QStringLiteral("client.cl1"));
    CalcClient client;
    CompleteCorporation(client);
    if (withFault)
        client.g(G0::AgentStreet, QStringLiteral("P.O. Box 118"));
    SaveClientFile(path, client.store, client.directory);
    TStartOptions options;
    options.installRoot = dir_.filePath(QStringLiteral("root/"));
    options.programFolder = supportFolder();
    options.screenSize = QSize(1400, 900);
    auto w = std::make_unique<TfrmMain>(options);
    w->GraphicsAdapterAdjust = true;
    w->show();
    QApplication::setActiveWindow(w.get());
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("the main window did not become active");
    dialogs_.reset(); // the old one puts back what it replaced
    dialogs_ = std::make_unique<TestDialogs>();
    dialogs_->fileAnswers << path;
    w->Menus().Action(QStringLiteral("mnuOpen"))->trigger();
    return w;
}

void tst_checkpanel::panelListsGoesToAndRefreshes()
{
    MessageRecorder messages;
    auto w = open(true);
    TCheckPanel &panel = w->CheckPanel();
    QVERIFY(!panel.isVisible());
    QCOMPARE(w->Menus().Action("mnuCheck")->shortcut(), QKeySequence(Qt::Key_F9));
    w->Menus().Action("mnuCheck")->trigger();
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.List()->topLevelItemCount(), 1);
    QCOMPARE(panel.List()->topLevelItem(0)->text(0), QStringLiteral("532A"));
    QCOMPARE(panel.List()->topLevelItem(0)->text(1), QStringLiteral("page 2 of 3"));
    QCOMPARE(panel.List()->topLevelItem(0)->text(2), QStringLiteral("Street address in Ohio"));
    QVERIFY(!panel.NothingFound()->isVisible());

    // A double click lands in the field, with the focus.
    w->ShowPage(MakePageTag(21, 0));
    QTreeWidgetItem *item = panel.List()->topLevelItem(0);
    emit panel.List()->itemActivated(item, 0);
    QCOMPARE(w->CurrentPage, 0);
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(edit);
    QCOMPARE(dynamic_cast<TEdit *>(edit)->AnswerIndex(), G0::AgentStreet);

    // Mending the field and leaving it empties the list.
    TypeOver(edit, QStringLiteral("45 Market Street"));
    QCOMPARE(panel.Findings().size(), 0);
    QVERIFY(panel.NothingFound()->isVisible());

    // All forms: the later filings want their own entries.
    panel.AllForms()->setChecked(true);
    QVERIFY(panel.List()->topLevelItemCount() > 0);
    QCOMPARE(messages.numbers(), QList<int>{});
}

void tst_checkpanel::printStopsAtWhatMustBeFixed()
{
    auto w = open(true);
    w->ShowPage(MakePageTag(3, 0)); // the articles: their box is ticked when the dialog opens
    QStringList listed;
    clickInNextModal(QStringLiteral("btnPreviewPrint"));
    QTimer::singleShot(0, [&] {
        clickInNextModal(QStringLiteral("btnGoToFirst"), [&](QWidget *modal) {
            if (auto *list = modal->findChild<QListWidget *>(QStringLiteral("lstMustFix")))
                for (int i = 0; i < list->count(); ++i)
                    listed << list->item(i)->text();
        });
    });
    w->Menus().Action(QStringLiteral("mnuPrint"))->trigger();
    QCOMPARE(listed, QStringList{QStringLiteral("532A, page 2 of 3, \"Street address in Ohio\": the statutory "
                                                "agent's address is a post-office box.")});
    QCOMPARE(w->CurrentPage, 0);
    // The window's focus is in the field (the offscreen platform leaves no
    // window active after a modal one closes).
    auto *edit = dynamic_cast<TEdit *>(w->focusWidget());
    QVERIFY(edit);
    QCOMPARE(edit->AnswerIndex(), G0::AgentStreet);
    QVERIFY(QDir(w->folders.tempFolder).entryList({QStringLiteral("send_temp*")}).isEmpty());
}

QTEST_MAIN(tst_checkpanel)
#include "tst_checkpanel.moc"
