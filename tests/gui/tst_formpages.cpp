// The pages the user meets: every page of the page tree, built from the page
// screens the build generates from forms/, on a filled client opened from
// its file. Each opens without a message, shows the client's answers, and
// takes a field exit (transfer, full calculation, refill) without one.
//
// While the build has generated no page screens yet, the tests are skipped.
#include "FilledClient.h"
#include "GuiFixture.h"
#include "TestSupport.h"
#include "core/files/ClientFile.h"
#include "core/forms/FormCatalogue.h"
#include "core/forms/PageFacts.h"
#include "core/store/PageCatalogue.h"
#include "gui/app/MainMenus.h"
#include "gui/app/Navigation.h"
#include "gui/dialogs/UserDialogs.h"

#include <QLineEdit>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace brevane;
using namespace brevane::test;

namespace {

QString supportFolder()
{
    return qEnvironmentVariable("BREVANE_BINARY_DIR") + QStringLiteral("/support");
}

// The first control of the shown page that the user can type into.
QLineEdit *firstEditable(TfrmMain &w)
{
    const auto edits = w.pnlMainForm->findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits) {
        if (!edit->isReadOnly() && edit->isEnabled() && edit->focusPolicy() != Qt::NoFocus)
            return edit;
    }
    return nullptr;
}

// The edit of an answer on the shown page ("edt17", or "edtHELP17" when it
// has a help button).
QLineEdit *field(TfrmMain &w, int answer)
{
    for (const char *prefix : {"edt", "edtHELP"}) {
        if (auto *edit = w.pnlMainForm->findChild<QLineEdit *>(QLatin1String(prefix) + QString::number(answer)))
            return edit;
    }
    return nullptr;
}

} // namespace

class tst_formpages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyTreePageOpens();
    void answersShowInTheirFields_data();
    void answersShowInTheirFields();

private:
    // A main window on the generated support files with the filled client
    // opened through File, Open.
    std::unique_ptr<TfrmMain> openFilledClient();

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TestDialogs> dialogs_;
};

void tst_formpages::initTestCase()
{
    if (QDir(supportFolder() + QStringLiteral("/PSF")).entryList({QStringLiteral("page*.psf")}).isEmpty())
        QSKIP("the build has not generated the page screens yet");
}

void tst_formpages::init()
{
    UseUnitedStatesLocale();
    dir_ = std::make_unique<QTemporaryDir>();
    dialogs_ = std::make_unique<TestDialogs>();
}

void tst_formpages::cleanup()
{
    dialogs_.reset();
    dir_.reset();
}

std::unique_ptr<TfrmMain> tst_formpages::openFilledClient()
{
    const QString path = dir_->filePath(QStringLiteral("filled.cl1"));
    {
        auto store = std::make_unique<TAnswer>();
        DirectoryTable directory;
        FillClient(*store, directory);
        QString error;
        if (!SaveClientFile(path, *store, directory, &error))
            qWarning("%s", qPrintable(error));
    }
    TStartOptions options;
    options.installRoot = dir_->filePath(QStringLiteral("root/"));
    options.programFolder = supportFolder();
    options.screenSize = QSize(1400, 900);
    auto w = std::make_unique<TfrmMain>(options);
    w->GraphicsAdapterAdjust = true;
    w->show();
    QApplication::setActiveWindow(w.get());
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("the main window did not become active");
    dialogs_->fileAnswers << path;
    w->Menus().Action(QStringLiteral("mnuOpen"))->trigger();
    return w;
}

void tst_formpages::everyTreePageOpens()
{
    MessageRecorder recorder;
    auto w = openFilledClient();
    QCOMPARE(recorder.numbers(), QList<int>{});
    QCOMPARE(QFileInfo(w->Document().FileName).fileName(), QStringLiteral("filled.cl1"));

    QStringList faults;
    QSet<int> shown;
    const auto check = [&](const QString &where, int tag) {
        if (w->CurrentPage != tag / 100 || w->CurrentContinuation != qMax(tag % 100, 0))
            faults << where + QStringLiteral(" shows page %1.%2").arg(w->CurrentPage).arg(w->CurrentContinuation);
        if (w->pnlMainForm->findChildren<QWidget *>().size() < 3)
            faults << where + QStringLiteral(" shows no controls");
        // Leaving a field runs the whole calculation on the filled client.
        if (QLineEdit *edit = firstEditable(*w)) {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Tab);
        }
        if (!recorder.numbers().isEmpty())
            faults << where + QStringLiteral(" gave message ") + QString::number(recorder.numbers().first());
        recorder.clear();
        shown << tag / 100;
    };
    for (QTreeWidgetItemIterator it(w->TreeView1); *it; ++it) {
        QTreeWidgetItem *item = *it;
        if (TMainMenus::KindOf(item) != TreeItemKind::Page)
            continue;
        const int tag = TMainMenus::TagOf(item);
        w->Menus().TreeItemClicked(item);
        check(QStringLiteral("%1 (page tag %2)").arg(item->text(0)).arg(tag), tag);
    }
    // The pages no item offers are reached by Next from the page before them.
    for (int page = 0; page < PageCount; ++page) {
        const QList<int> sequence = PageSequence(page);
        if (shown.contains(page) || sequence.indexOf(page) < 1)
            continue;
        w->Navigation().DisplayAPage(w->Invisible(sequence.at(sequence.indexOf(page) - 1) * 100));
        recorder.clear();
        w->Navigation().NextClick();
        check(QStringLiteral("Next to page %1").arg(page), page * 100);
        w->Navigation().PriorClick();
        check(QStringLiteral("Prior from page %1").arg(page), sequence.at(sequence.indexOf(page) - 1) * 100);
    }
    // The repeatable pages open through their View items, which ask for a
    // copy when there are two: both copies are shown directly.
    for (int page : RepeatablePages) {
        for (int copy : {0, 1}) {
            w->Navigation().DisplayAPage(w->Invisible(page * 100 + copy));
            check(QStringLiteral("copy %1 of page %2").arg(copy + 1).arg(page), page * 100 + copy);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    // The exits above did run: a money entry that does not read is reported.
    w->Navigation().DisplayAPage(w->Invisible(0));
    QLineEdit *money = field(*w, 17);
    QVERIFY(money);
    money->setFocus();
    money->setText(QStringLiteral("12x"));
    QTest::keyClick(money, Qt::Key_Tab);
    QVERIFY(recorder.numbers().contains(21202));
    // Every page with a screen was shown (the directory worksheet and the
    // print dialog are windows of their own).
    for (int page = 0; page < PageCount; ++page) {
        if (FactsOfPage(page).hasScreen)
            QVERIFY2(shown.contains(page), qPrintable(QStringLiteral("page %1 is neither in the tree nor reached by Next").arg(page)));
    }
}

void tst_formpages::answersShowInTheirFields_data()
{
    QTest::addColumn<int>("pageTag");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("red");
    QTest::newRow("general information: name") << 0 << 0 << EntityName << false;
    QTest::newRow("general information: money") << 0 << 17 << "1,234.50" << false;
    QTest::newRow("articles signature: overridden signer") << 400 << 2 << OverriddenSigner << true;
    QTest::newRow("order and waiver: derived name") << 700 << 0 << EntityName << false;
}

void tst_formpages::answersShowInTheirFields()
{
    QFETCH(int, pageTag);
    QFETCH(int, answer);
    QFETCH(QString, expected);
    QFETCH(bool, red);
    MessageRecorder recorder;
    auto w = openFilledClient();
    w->Navigation().DisplayAPage(w->Invisible(pageTag));
    QLineEdit *edit = field(*w, answer);
    QVERIFY(edit);
    QCOMPARE(edit->text(), expected);
    QCOMPARE(edit->palette().color(QPalette::Text) == QColor(Qt::red), red);
    QCOMPARE(recorder.numbers(), QList<int>{});
}

QTEST_MAIN(tst_formpages)
#include "tst_formpages.moc"
