// The paper view on the filled client with the program's forms and the real
// LibreOffice kept loaded: the time from a field exit (the name typed over
// and left) to the new paper on screen, warm, on page 0 and on the 533A.
//
//   QT_QPA_PLATFORM=offscreen build-bench/bench/bench_paper_gui [runs]
//   (default 15; needs soffice and brevane-converter)
#include "BenchSupport.h"
#include "DocumentFill.h"
#include "FilledClient.h"
#include "core/document/ClientDocument.h"
#include "core/files/Folders.h"
#include "core/output/WarmConverter.h"
#include "gui/app/Navigation.h"
#include "gui/app/TfrmMain.h"
#include "gui/output/PaperView.h"
#include "gui/screens/CalcCommands.h"
#include "gui/screens/PageControls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace brevane;
using namespace brevane::bench;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// How many papers the view showed and how many renders failed.
struct Counts
{
    int shown = 0;
    int failed = 0;
};

// Waits for the paper view to end its render; false when it failed.
bool waitForPaper(PaperView &paper, const Counts &counts, int shownBefore, int failedBefore)
{
    QElapsedTimer limit;
    limit.start();
    while (counts.shown == shownBefore && counts.failed == failedBefore && limit.elapsed() < 300000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (counts.failed != failedBefore)
        std::fprintf(stderr, "the paper failed: %s\n", qPrintable(paper.Message()));
    return counts.shown != shownBefore;
}

// The first field of the page that holds an answer, one the user types in
// where there is one; on a page whose fields all come from the worksheet, a
// calculated one (its exit runs the same calculation and refresh).
QLineEdit *firstEdit(TfrmMain &window, int page)
{
    window.ShowPage(MakePageTag(page, 0));
    QLineEdit *calculated = nullptr;
    for (QLineEdit *edit : window.pnlMainForm->findChildren<QLineEdit *>()) {
        auto *control = dynamic_cast<TEdit *>(edit);
        if (!control || control->AnswerIndex() < 0 || !edit->isEnabled() || edit->text().isEmpty())
            continue;
        if (!edit->isReadOnly())
            return edit;
        if (!calculated)
            calculated = edit;
    }
    if (calculated)
        std::printf("page %d: every field is calculated; timing the exit of %s\n", page,
                    qPrintable(calculated->objectName()));
    return calculated;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    CountingSink sink;
    InstallMessageSink(&sink);
    QTemporaryDir dir;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));

    TStartOptions options;
    options.installRoot = dir.filePath(QStringLiteral("root/"));
    options.programFolder = FindProgramFolder(QCoreApplication::applicationDirPath());
    options.screenSize = QSize(1920, 1080);
    TfrmMain window(options);
    window.resize(1800, 1000);
    window.show();
    QCoreApplication::processEvents();
    if (!window.Converter() || !window.Converter()->Available()) {
        std::fprintf(stderr, "needs soffice and brevane-converter\n");
        return 1;
    }
    brevane::test::FillDocument(
        window.Document(), [&](TAnswer &answers, DirectoryTable &rows) { brevane::test::FillClient(answers, rows); });
    static_cast<void>(window.Document().Recalculate());

    PaperView &paper = window.Paper();
    Counts counts;
    QObject::connect(&paper, &PaperView::PaperShown, [&counts] { ++counts.shown; });
    QObject::connect(&paper, &PaperView::PaperFailed, [&counts] { ++counts.failed; });
    for (int page : {0, 50}) {
        QLineEdit *edit = firstEdit(window, page);
        if (!edit) {
            std::fprintf(stderr, "no edit on page %d\n", page);
            return 1;
        }
        QElapsedTimer first;
        first.start();
        int s = counts.shown, f = counts.failed;
        if (paper.isHidden())
            window.SetPaperViewShown(true);
        else
            paper.Refresh();
        if (!waitForPaper(paper, counts, s, f))
            return 1;
        std::printf("page %d: first paper %.0f ms (%d sheets)\n", page, double(first.nsecsElapsed()) / 1e6,
                    paper.PagesShown());
        const QString original = edit->text();
        std::vector<double> ms;
        for (int i = 0; i < runs; ++i) {
            edit->setFocus();
            edit->setText(original + QStringLiteral(" %1").arg(i));
            s = counts.shown;
            f = counts.failed;
            QElapsedTimer timer;
            timer.start();
            window.Calc().CalcOnExit(edit);
            if (!waitForPaper(paper, counts, s, f))
                return 1;
            // On screen: the panel painted.
            paper.repaint();
            ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        Report(page == 0 ? "paper view, field exit to new paper, page 0, full client"
                         : "paper view, field exit to new paper, 533A, full client",
               median(ms));
    }
    std::printf("converter processes started: %d; messages shown: %d\n", window.Converter()->Starts(), sink.shown);
    InstallMessageSink(nullptr);
    return 0;
}
