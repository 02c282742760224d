// The answer store and the client file on a full client: store create plus
// destroy, WriteClientFile, ReadClientFile, beside reading the same file's
// bytes with no parsing. Writes the client to the path given (default
// /tmp/brevane-full.cl1) for measuring brevane-cli on it.
#include "BenchSupport.h"
#include "core/files/ClientFile.h"
#include "core/files/LineText.h"

#include <QCoreApplication>
#include <QFile>

using namespace brevane;
using namespace brevane::bench;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/brevane-full.cl1");
    constexpr int runs = 41;

    Report("store create + destroy", MedianMs(runs, [] { TAnswer store; }));

    TAnswer store;
    DirectoryTable directory;
    FillFullClient(store, directory, 300, true);
    QByteArray bytes;
    Report("WriteClientFile (to memory)", MedianMs(runs, [&] { bytes = WriteClientFile(store, directory); }));
    Report("SaveClientFile (to disk, safe save)", MedianMs(runs, [&] { SaveClientFile(path, store, directory); }));

    QByteArray raw;
    Report("raw read of the file's bytes", MedianMs(runs, [&] {
               QFile f(path);
               f.open(QIODevice::ReadOnly);
               raw = f.readAll();
           }));
    Report("raw read + every line decoded, no parsing", MedianMs(runs, [&] {
               QFile f(path);
               f.open(QIODevice::ReadOnly);
               LineReader lines(f.readAll());
               while (!lines.AtEnd())
                   lines.ReadLine();
           }));
    Report("ReadClientFile (from memory)", MedianMs(runs, [&] {
               TAnswer back;
               DirectoryTable backDirectory;
               ReadClientFile(raw, back, backDirectory);
           }));
    Report("LoadClientFile (from disk, into a fresh store)", MedianMs(runs, [&] {
               TAnswer back;
               DirectoryTable backDirectory;
               LoadClientFile(path, back, backDirectory);
           }));
    std::printf("file: %s, %lld bytes, %lld lines\n", qPrintable(path), (long long)raw.size(),
                (long long)raw.count('\n'));
    return 0;
}
