// A PDF of "Select All" on a filled client, whole process: brevane-cli pdf
// (read, calculate, merge, LibreOffice) against LibreOffice converting the
// same print document alone (soffice --convert-to pdf of the RTF that
// brevane-cli print writes). Both keep a warm LibreOffice profile; the runs
// alternate so that other work on the machine falls on both alike.
//
//   build-bench/bench/bench_pdf [runs]      (default 5; needs soffice)
#include "BenchSupport.h"
#include "FilledClient.h"
#include "core/files/ClientFile.h"
#include "core/output/PrintSelection.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace brevane;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const QString cli =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../src/cli/brevane-cli"));
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (!QFileInfo::exists(cli) || soffice.isEmpty()) {
        std::fprintf(stderr, "needs %s and soffice on the PATH\n", qPrintable(cli));
        return 1;
    }
    QTemporaryDir dir;
    TAnswer store;
    DirectoryTable directory;
    brevane::test::FillClient(store, directory);
    const QString client = dir.filePath(QStringLiteral("filled.cl1"));
    SaveClientFile(client, store, directory);
    QStringList boxes;
    const CheckedBoxes all = SelectAllBoxes({});
    for (const SelectionBox &box : SelectionBoxes())
        if (all.contains(box.name))
            boxes << box.name;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CACHE_HOME"), dir.filePath(QStringLiteral("cache")));
    const QString rtf = dir.filePath(QStringLiteral("job.rtf"));
    if (bench::TimedProcess(cli, QStringList{QStringLiteral("print"), client, rtf} + boxes, env) < 0)
        return 1;
    const QStringList ours =
        QStringList{QStringLiteral("pdf"), client, dir.filePath(QStringLiteral("ours.pdf"))} + boxes;
    const QStringList alone = {QStringLiteral("--headless"),
                               QStringLiteral("-env:UserInstallation=") +
                                   QUrl::fromLocalFile(dir.filePath(QStringLiteral("alone-profile"))).toString(),
                               QStringLiteral("--convert-to"),
                               QStringLiteral("pdf"),
                               QStringLiteral("--outdir"),
                               dir.filePath(QStringLiteral("alone")),
                               rtf};

    // The first start of each makes its profile: not measured.
    if (bench::TimedProcess(cli, ours, env) < 0 || bench::TimedProcess(soffice, alone, env) < 0)
        return 1;
    std::vector<double> oursMs, aloneMs;
    for (int i = 0; i < runs; ++i) {
        const double a = bench::TimedProcess(cli, ours, env);
        const double b = bench::TimedProcess(soffice, alone, env);
        if (a < 0 || b < 0)
            return 1;
        oursMs.push_back(a);
        aloneMs.push_back(b);
        std::printf("run %d: brevane-cli pdf %.0f ms, soffice alone %.0f ms\n", i + 1, a, b);
    }
    const double o = bench::Median(oursMs), s = bench::Median(aloneMs);
    std::printf("Select All, %lld boxes, median of %d runs:\n", qlonglong(boxes.size()), runs);
    std::printf("  brevane-cli pdf (whole process)    %8.0f ms\n", o);
    std::printf("  soffice --convert-to pdf alone     %8.0f ms\n", s);
    std::printf("  overhead of brevane-cli            %+7.1f %%\n", 100.0 * (o - s) / s);
    return 0;
}
