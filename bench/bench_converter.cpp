// LibreOffice kept loaded (the converter process) against LibreOffice
// started for each document:
//  1. Save as PDF of Select All on the filled client as the program does it
//     (print document built, converted through the warm converter process,
//     the PDF checked and put in place) against a cold
//     `soffice --convert-to pdf` of the same document, alternating in one
//     run so that other work on the machine falls on both alike. The cold
//     start depends much on the profile: soffice is timed with a profile it
//     made itself and with a copy of the one the converter process made;
//  2. the PDFs of 20 clients in one batch (`brevane-cli pdf --out-dir`)
//     against 20 separate conversions (brevane-cli pdf with LibreOffice
//     started for each, as before the converter process).
//
//   build-bench/bench/bench_converter [runs] [clients]   (default 7 and 20;
//   needs soffice and brevane-converter)
#include "BenchSupport.h"
#include "DocumentFill.h"
#include "FilledClient.h"
#include "core/document/ClientDocument.h"
#include "core/files/ClientFile.h"
#include "core/files/Folders.h"
#include "core/output/PdfExport.h"
#include "core/output/PrintSelection.h"
#include "core/output/WarmConverter.h"

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
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const int clients = argc > 2 ? std::max(1, atoi(argv[2])) : 20;
    const QString cli =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../src/cli/brevane-cli"));
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    QTemporaryDir dir;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));
    PdfSettings settings = PdfSettingsFromEnvironment();
    if (!QFileInfo::exists(cli) || soffice.isEmpty() || settings.helper.isEmpty()) {
        std::fprintf(stderr, "needs %s, soffice on the PATH and brevane-converter\n", qPrintable(cli));
        return 1;
    }

    ClientDocument client;
    brevane::test::FillDocument(
        client, [&](TAnswer &answers, DirectoryTable &rows) { brevane::test::FillClient(answers, rows); });
    if (!client.Recalculate())
        std::fprintf(stderr, "the calculation reported a failure\n");
    const QString clientFile = dir.filePath(QStringLiteral("filled.cl1"));
    SaveClientFile(clientFile, *client.Answers(), client.Directory());
    PrintSelection selection;
    selection.checked = SelectAllBoxes({});
    QStringList boxes;
    for (const SelectionBox &box : SelectionBoxes())
        if (selection.IsChecked(box.name))
            boxes << box.name;
    Folders folders;
    folders.programFolder = FindProgramFolder(QCoreApplication::applicationDirPath());

    // 1. Save as PDF, warm, against a cold soffice.
    QString document;
    if (!client.BuildTitledPrintDocument(selection, folders.Rtf(), folders.Dat(), &document) && document.isEmpty())
        return 1;
    const QString rtf = dir.filePath(QStringLiteral("job.rtf"));
    WritePrintDocument(rtf, document);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QStringList cold = {QStringLiteral("--headless"),
                              QStringLiteral("-env:UserInstallation=") +
                                  QUrl::fromLocalFile(dir.filePath(QStringLiteral("cold-profile"))).toString(),
                              QStringLiteral("--convert-to"),
                              QStringLiteral("pdf"),
                              QStringLiteral("--outdir"),
                              dir.filePath(QStringLiteral("cold")),
                              rtf};
    WarmConverter warm(ConverterSettingsOf(settings));
    PdfExport pdf(settings, nullptr, &warm);
    const QString out = dir.filePath(QStringLiteral("warm.pdf"));
    auto saveAsPdf = [&] {
        QElapsedTimer timer;
        timer.start();
        QString built;
        static_cast<void>(client.BuildTitledPrintDocument(selection, folders.Rtf(), folders.Dat(), &built));
        const bool ok = pdf.Convert(built, out) == PdfResult::Written;
        return ok ? double(timer.nsecsElapsed()) / 1e6 : -1.0;
    };
    // The first of each makes its profile and, for the converter process,
    // loads LibreOffice: reported, not in the medians.
    const double firstWarm = saveAsPdf();
    const double firstCold = bench::TimedProcess(soffice, cold, env);
    if (firstWarm < 0 || firstCold < 0)
        return 1;
    std::printf("first conversion (profile made, LibreOffice loaded): converter process %.0f ms, soffice %.0f ms\n",
                firstWarm, firstCold);
    // A copy of the profile the converter process made, for soffice.
    const QString copied = dir.filePath(QStringLiteral("converter-profile"));
    if (bench::TimedProcess(QStringLiteral("cp"), {QStringLiteral("-a"), settings.profileFolder, copied}, env) < 0)
        return 1;
    QStringList coldOnCopy = cold;
    coldOnCopy[1] = QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(copied).toString();
    if (bench::TimedProcess(soffice, coldOnCopy, env) < 0)
        return 1;
    std::vector<double> warmMs, coldMs, copyMs;
    for (int i = 0; i < runs; ++i) {
        const double a = saveAsPdf();
        const double b = bench::TimedProcess(soffice, cold, env);
        const double d = bench::TimedProcess(soffice, coldOnCopy, env);
        if (a < 0 || b < 0 || d < 0)
            return 1;
        warmMs.push_back(a);
        coldMs.push_back(b);
        copyMs.push_back(d);
        std::printf("run %d: Save as PDF warm %.0f ms, soffice --convert-to pdf %.0f ms (its own profile), "
                    "%.0f ms (the converter's profile)\n",
                    i + 1, a, b, d);
    }
    const double w = bench::Median(warmMs), c = bench::Median(coldMs), k = bench::Median(copyMs);
    std::printf("Save as PDF of Select All (%lld boxes), median of %d runs:\n", qlonglong(boxes.size()), runs);
    std::printf("  warm: build + converter process + check   %8.0f ms\n", w);
    std::printf("  cold: soffice, a profile it made          %8.0f ms   (%.1f x warm)\n", c, c / w);
    std::printf("  cold: soffice, the converter's profile    %8.0f ms   (%.1f x warm)\n", k, k / w);

    // 2. A batch of clients against one conversion each. The profile is
    // let go first: a converter holding it would send every other
    // conversion to a new profile of its own.
    warm.Stop();
    QStringList files;
    for (int i = 0; i < clients; ++i) {
        const QString file = dir.filePath(QStringLiteral("client%1.cl1").arg(i + 1, 2, 10, QLatin1Char('0')));
        QFile::copy(clientFile, file);
        files << file;
    }
    QDir().mkpath(dir.filePath(QStringLiteral("batch")));
    QDir().mkpath(dir.filePath(QStringLiteral("single")));
    const double batch = bench::TimedProcess(
        cli,
        QStringList{QStringLiteral("pdf"), QStringLiteral("--out-dir"), dir.filePath(QStringLiteral("batch"))} + files +
            QStringList{QStringLiteral("--boxes")} + boxes,
        env);
    QProcessEnvironment coldEnv = env;
    coldEnv.insert(QStringLiteral("BREVANE_PDF_CONVERTER"), soffice);
    double separate = 0;
    for (const QString &file : files) {
        const double one =
            bench::TimedProcess(cli,
                                QStringList{QStringLiteral("pdf"), file,
                                            dir.filePath(QStringLiteral("single/") +
                                                         QFileInfo(file).completeBaseName() + QStringLiteral(".pdf"))} +
                                    boxes,
                                coldEnv);
        if (one < 0)
            return 1;
        separate += one;
    }
    if (batch < 0)
        return 1;
    std::printf("%d clients, Select All each:\n", clients);
    std::printf("  one batch (brevane-cli pdf --out-dir)     %8.0f ms\n", batch);
    std::printf("  %d separate conversions (soffice each)    %8.0f ms\n", clients, separate);
    std::printf("  separate / batch                          %8.1f x\n", separate / batch);
    return 0;
}
