// The client register over a folder of 1,000 filled clients (corporations,
// professional associations and companies in ten subfolders), as File >
// Clients reads it: the first reading, a refresh with nothing changed, and
// a refresh after ten clients were saved again. Also the office calendar of
// the next 90 days over the register.
//   bench_register [FOLDER]   (default: a temporary folder, removed after)
#include "BenchSupport.h"
#include "FilledClient.h"
#include "core/calc/Calculate.h"
#include "core/dialogs/Outcome.h"
#include "core/files/ClientFile.h"
#include "core/office/ClientRegister.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <ctime>
#include <memory>

using namespace brevane;
using namespace brevane::bench;

namespace {

constexpr int Clients = 1000;

// The processor time this process used, in milliseconds: on a busy machine
// the wall time also counts the other programs' turns.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Writes the clients: one filled client calculated per kind, saved under a
// thousand names with their own entity name and charter number.
qint64 writeClients(const QString &folder)
{
    struct Kind
    {
        QString suffix;
        QString profession;
        bool company;
    };
    const Kind kinds[] = {{QStringLiteral("Inc."), QString(), false},
                          {QStringLiteral("Co., L.P.A."), QStringLiteral("law"), false},
                          {QStringLiteral("LLC"), QString(), true}};
    qint64 bytes = 0;
    for (int k = 0; k < 3; ++k) {
        auto store = std::make_unique<TAnswer>();
        DirectoryTable directory;
        test::FillClient(*store, directory);
        store->SetText(0, 0, 96, kinds[k].profession);
        // The filled client has members; only the company keeps them.
        for (int r = 0; r < directory.RowCount(); ++r) {
            QString code = directory.Cell(r, ColCode);
            if (!kinds[k].company)
                code.remove(QLatin1Char('M')).remove(QLatin1Char('G'));
            directory.SetCell(r, ColCode, code);
        }
        (void)Calculate(store.get(), directory);
        for (int i = k; i < Clients; i += 3) {
            store->SetText(0, 0, 0, QStringLiteral("Client %1 %2").arg(i).arg(kinds[k].suffix));
            store->SetText(0, 0, 8, QString::number(3000000 + i));
            const QString sub = folder + QStringLiteral("/group%1").arg(i % 10);
            QDir().mkpath(sub);
            const QString path = sub + QStringLiteral("/client%1.cl1").arg(i, 4, 10, QLatin1Char('0'));
            const QByteArray file = WriteClientFile(*store, directory);
            QFile out(path);
            if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
                return -1;
            bytes += file.size();
        }
    }
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CountingSink sink(3);
    InstallMessageSink(&sink);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const qint64 bytes = writeClients(folder);
    if (bytes < 0) {
        std::printf("cannot write the clients into %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("%d client files, %.1f MB, in %s\n", Clients, double(bytes) / 1e6, qPrintable(folder));
    const QDate today(2026, 6, 15);
    constexpr int runs = 5;

    int listed = 0;
    const double cpuBefore = cpuMs();
    Report("first reading of the register (1,000 clients)", MedianMs(runs, [&] {
               ClientRegister fresh(folder);
               fresh.Refresh(today);
               listed = int(fresh.Clients().size());
           }));
    Report("  processor time of one first reading (mean)", (cpuMs() - cpuBefore) / runs);
    ClientRegister kept(folder);
    kept.Refresh(today);
    Report("refresh, nothing changed", MedianMs(runs, [&] { kept.Refresh(today); }));
    int round = 0;
    Report("refresh after 10 clients were saved again", MedianMs(runs, [&] {
               // Appending a blank line changes size and time: each is read again.
               for (int i = 0; i < 10; ++i) {
                   QFile f(kept.Clients().at(i * 97 + round).path);
                   if (f.open(QIODevice::Append))
                       f.write("\r\n");
               }
               ++round;
               kept.Refresh(today);
           }));
    int due = 0;
    Report("office calendar, next 90 days",
           MedianMs(runs, [&] { due = int(OfficeDueDates(kept.Clients(), today, today.addDays(90)).size()); }));
    int mustFix = 0;
    for (const ClientSummary &client : kept.Clients())
        mustFix += client.mustFix > 0;
    std::printf("listed %d clients, %d with must-fix findings, %d dates in the next 90 days; %d messages\n", listed,
                mustFix, due, sink.shown);
    return 0;
}
