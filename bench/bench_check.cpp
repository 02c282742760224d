// The check before filing, as it runs after every field exit: every print
// box (every page) of a full client with 300 directory rows of mixed roles
// and every answer filled; and the forms such a client uses.
#include "BenchSupport.h"
#include "core/check/ClientCheck.h"
#include "core/dialogs/ErrorCatalogue.h"

#include <QCoreApplication>

using namespace brevane;
using namespace brevane::bench;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CountingSink sink;
    InstallMessageSink(&sink);
    constexpr int runs = 501;
    const QDate today(2026, 1, 5);

    TAnswer full;
    DirectoryTable directory;
    FillFullClient(full, directory, 300, true);
    full.SetText(0, 0, 0, QStringLiteral("Acme Holdings, Inc."));
    full.SetText(0, 0, 12, QStringLiteral("1/5/2026"));
    full.SetText(0, 0, 15, QStringLiteral("1,000"));
    full.SetText(0, 0, 17, QStringLiteral("10.00"));

    const QStringList all = AllBoxes();
    int findings = 0;
    // The wall clock, and the processor time (which a busy machine does not inflate).
    const auto measure = [&](const char *what, const QStringList &boxes) {
        const auto check = [&] { findings = int(CheckForms(full, directory, boxes, today).size()); };
        const double wall = MedianMs(runs, check);
        const double cpu = MedianCpuMs(runs, check);
        std::printf("%-52s %10.1f us, %10.1f us processor (%d findings)\n", what, wall * 1000, cpu * 1000, findings);
    };
    measure("check of every box, full client, 300 rows", all);
    measure("check of the forms in use, full client", BoxesInUse(full, directory));
    std::printf("messages shown during the runs: %d\n", sink.shown);
    return 0;
}
