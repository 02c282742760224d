// The paper view beside the page, with a stand-in converter process
// (FakeConverter.h): View > Paper shows it and the settings keep it; a field
// exit brings new paper; the converter killed in the middle of a render, or
// hung until the time limit, is told in the panel (never in a message box)
// and the next render works; without LibreOffice the panel says what to
// install and the page works as before.
#include "CheckClient.h"
#include "FakeConverter.h"
#include "GuiFixture.h"
#include "core/files/ClientFile.h"
#include "core/output/WarmConverter.h"
#include "gui/app/MainMenus.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/output/PaperView.h"

#include <QSignalSpy>

#include <csignal>

using namespace brevane;
using namespace brevane::test;

namespace {

QString supportFolder()
{
    return qEnvironmentVariable("BREVANE_BINARY_DIR") + QStringLiteral("/support");
}

// A conversion takes a moment even with a stand-in.
constexpr int RenderWaitMs = 30000;

} // namespace

class tst_paperview : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showsThePaperAfterEachFieldExitAndIsRemembered();
    void converterKilledDuringARenderRecovers();
    void hungConverterStoppedAtTheTimeLimit();
    void withoutLibreOfficeSaysWhatToInstall();

private:
    std::unique_ptr<TfrmMain> open(const QString &root = QString());
    QLineEdit *entityName(TfrmMain &w);
    QTemporaryDir dir_;
    QString helper_;
    QString log_;
    std::unique_ptr<TestDialogs> dialogs_;
};

void tst_paperview::initTestCase()
{
    UseUnitedStatesLocale();
    if (QDir(supportFolder() + QStringLiteral("/PSF")).entryList({QStringLiteral("page*.psf")}).isEmpty())
        QSKIP("the build has not generated the page screens yet");
    helper_ = WriteFakeHelper(dir_.path());
    QVERIFY(!helper_.isEmpty());
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("cache"))));
}

void tst_paperview::init()
{
    static int run = 0;
    log_ = dir_.filePath(QStringLiteral("log%1").arg(++run));
    qputenv("FAKE_LOG", QFile::encodeName(log_));
    qputenv("FAKE_MODE", "write");
    qputenv("BREVANE_CONVERTER_HELPER", QFile::encodeName(helper_));
    qputenv("BREVANE_PDF_CONVERTER", "/bin/sh"); // stands for soffice
    qunsetenv("BREVANE_PDF_TIME_LIMIT");
}

void tst_paperview::cleanup()
{
    dialogs_.reset();
    qunsetenv("BREVANE_CONVERTER_HELPER");
    qunsetenv("BREVANE_PDF_CONVERTER");
    qunsetenv("BREVANE_PDF_TIME_LIMIT");
}

std::unique_ptr<TfrmMain> tst_paperview::open(const QString &root)
{
    const QString path = dir_.filePath(QStringLiteral("client.cl1"));
    CalcClient client;
    CompleteCorporation(client);
    SaveClientFile(path, client.store, client.directory);
    TStartOptions options;
    options.installRoot = root.isEmpty() ? dir_.filePath(QStringLiteral("root%1/").arg(log_.right(1))) : root;
    options.programFolder = supportFolder();
    options.screenSize = QSize(1400, 900);
    auto w = std::make_unique<TfrmMain>(options);
    w->GraphicsAdapterAdjust = true;
    w->show();
    QApplication::setActiveWindow(w.get());
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("the main window did not become active");
    dialogs_.reset();
    dialogs_ = std::make_unique<TestDialogs>();
    dialogs_->fileAnswers << path;
    w->Menus().Action(QStringLiteral("mnuOpen"))->trigger();
    return w;
}

QLineEdit *tst_paperview::entityName(TfrmMain &w)
{
    w.ShowPage(MakePageTag(0, 0));
    for (QLineEdit *edit : w.pnlMainForm->findChildren<QLineEdit *>())
        if (auto *control = dynamic_cast<TEdit *>(edit); control && control->AnswerIndex() == G0::EntityName)
            return edit;
    return nullptr;
}

void tst_paperview::showsThePaperAfterEachFieldExitAndIsRemembered()
{
    MessageRecorder messages;
    const QString root = dir_.filePath(QStringLiteral("remembered/"));
    {
        auto w = open(root);
        PaperView &paper = w->Paper();
        QVERIFY(paper.isHidden());
        QSignalSpy shown(&paper, &PaperView::PaperShown);
        w->Menus().Action("mnuPaper")->trigger();
        QVERIFY(paper.isVisible());
        QVERIFY(w->settings.paperView);
        QVERIFY(w->Menus().Action("mnuPaper")->isChecked());
        // The render starts once the event that asked for it is done; the
        // panel is not left empty while the first paper is drawn.
        QCoreApplication::processEvents();
        QVERIFY(paper.Rendering());
        QVERIFY(paper.Message().startsWith(QStringLiteral("Drawing the paper")));
        QTRY_VERIFY_WITH_TIMEOUT(shown.size() >= 1, RenderWaitMs);
        QCOMPARE(paper.PagesShown(), 1);
        QCOMPARE(paper.Message(), QString());
        QCOMPARE(paper.PaperOfPage(), 0);

        // A field exit: the typing goes on at once, the paper follows.
        QLineEdit *name = entityName(*w);
        QVERIFY(name);
        QTRY_VERIFY_WITH_TIMEOUT(!paper.Rendering(), RenderWaitMs);
        const qsizetype before = shown.size();
        TypeOver(name, QStringLiteral("Harbor Light Tools, Inc."));
        QTRY_VERIFY_WITH_TIMEOUT(shown.size() > before, RenderWaitMs);
        // One converter process for every render.
        QCOMPARE(w->Converter()->Starts(), 1);
        w->Document().SetModified(false);
        QVERIFY(w->close());
    }
    // The next start shows it again.
    auto again = open(root);
    QVERIFY(again->Paper().isVisible());
    again->Menus().Action("mnuPaper")->trigger();
    QVERIFY(again->Paper().isHidden());
    QVERIFY(!again->settings.paperView);
    QCOMPARE(messages.numbers(), QList<int>{});
}

// LibreOffice crashing in the middle of a render: the panel says so, no
// message box opens, and the next field exit brings the paper with a new
// converter process.
void tst_paperview::converterKilledDuringARenderRecovers()
{
    MessageRecorder messages;
    auto w = open();
    PaperView &paper = w->Paper();
    QSignalSpy shown(&paper, &PaperView::PaperShown);
    QSignalSpy failed(&paper, &PaperView::PaperFailed);
    w->SetPaperViewShown(true);
    QTRY_VERIFY_WITH_TIMEOUT(shown.size() == 1, RenderWaitMs);

    QFile hold(log_ + QStringLiteral(".hold"));
    QVERIFY(hold.open(QIODevice::WriteOnly));
    hold.close();
    QLineEdit *name = entityName(*w);
    QVERIFY(name);
    TypeOver(name, QStringLiteral("Crash Test Tools, Inc."));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(log_ + QStringLiteral(".busy")), RenderWaitMs);
    QVERIFY(paper.Rendering());
    const qint64 pid = w->Converter()->HelperProcessId();
    QVERIFY(pid > 0);
    ::kill(pid_t(pid), SIGKILL);
    QTRY_VERIFY_WITH_TIMEOUT(failed.size() == 1, RenderWaitMs);
    QVERIFY2(paper.Message().startsWith(QStringLiteral("The paper could not be shown: ")), qPrintable(paper.Message()));
    QVERIFY2(paper.Message().contains(QStringLiteral("ended unexpectedly")), qPrintable(paper.Message()));
    // The paper shown before stays under the message.
    QCOMPARE(paper.PagesShown(), 1);

    QVERIFY(QFile::remove(log_ + QStringLiteral(".hold")));
    TypeOver(name, QStringLiteral("Recovered Tools, Inc."));
    QTRY_VERIFY_WITH_TIMEOUT(shown.size() == 2, RenderWaitMs);
    QCOMPARE(paper.Message(), QString());
    QCOMPARE(w->Converter()->Starts(), 2);
    QCOMPARE(messages.numbers(), QList<int>{});
}

void tst_paperview::hungConverterStoppedAtTheTimeLimit()
{
    MessageRecorder messages;
    qputenv("FAKE_MODE", "hang");
    qputenv("BREVANE_PDF_TIME_LIMIT", "1");
    auto w = open();
    PaperView &paper = w->Paper();
    QSignalSpy failed(&paper, &PaperView::PaperFailed);
    w->SetPaperViewShown(true);
    QTRY_VERIFY_WITH_TIMEOUT(failed.size() == 1, RenderWaitMs);
    QCOMPARE(paper.Message(), QStringLiteral("The paper could not be shown: LibreOffice took longer than allowed "
                                             "and was stopped"));
    QCOMPARE(w->Converter()->HelperProcessId(), 0);
    QCOMPARE(messages.numbers(), QList<int>{});
}

// Without LibreOffice the panel names the package, and the page is edited
// as before.
void tst_paperview::withoutLibreOfficeSaysWhatToInstall()
{
    MessageRecorder messages;
    qputenv("BREVANE_PDF_CONVERTER", "/nonexistent/soffice");
    auto w = open();
    w->SetPaperViewShown(true);
    PaperView &paper = w->Paper();
    QTRY_VERIFY(!paper.Message().isEmpty());
    QVERIFY2(paper.Message().contains(QStringLiteral("Install the package libreoffice-writer")),
             qPrintable(paper.Message()));
    QCOMPARE(paper.PagesShown(), 0);
    QLineEdit *name = entityName(*w);
    QVERIFY(name);
    TypeOver(name, QStringLiteral("No Office Tools, Inc."));
    QCOMPARE(w->Document().Answers()->Text(0, 0, G0::EntityName), QStringLiteral("No Office Tools, Inc."));
    QVERIFY(!paper.Rendering());
    QCOMPARE(messages.numbers(), QList<int>{});
}

QTEST_MAIN(tst_paperview)
#include "tst_paperview.moc"
