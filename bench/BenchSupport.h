#pragma once
// Shared by the benchmarks: a full client, a median timer, and a program
// timed whole.

#include "core/dialogs/ErrorCatalogue.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace brevane::bench {

// Counts the messages instead of showing them, and prints the numbers of the
// first `echo` of them.
struct CountingSink : MessageSink
{
    explicit CountingSink(int echo = 0)
        : echo(echo)
    {}
    void Show(const ErrorMessage &message) override
    {
        if (shown++ < echo)
            std::printf("message %d\n", message.number);
    }
    int echo;
    int shown = 0;
};

// Wall time of a whole process in milliseconds; -1 (its output on standard
// error) when it failed or ran past `limitMs`.
inline double TimedProcess(const QString &program, const QStringList &args, const QProcessEnvironment &env,
                           int limitMs = 900000)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    const bool ok =
        process.waitForFinished(limitMs) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (!ok)
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), process.readAll().constData());
    return ok ? ms : -1;
}

// The median of the figures (the upper one of an even count); 0 for none.
inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Median wall time of `runs` calls, in milliseconds.
inline double MedianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

// The same in the processor time this thread spent: on a machine shared
// with other work it stays what the code costs, where the wall clock grows.
inline double MedianCpuMs(int runs, const std::function<void()> &work)
{
    const auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    };
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const double start = now();
        work();
        times.push_back(now() - start);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

inline void Report(const char *what, double ms)
{
    std::printf("%-52s %10.3f ms\n", what, ms);
}

// Every repeatable page at 100 continuations, `rows` directory rows of mixed
// roles, and (with fillAnswers) every answer 20 characters long.
inline void FillFullClient(TAnswer &store, DirectoryTable &directory, int rows, bool fillAnswers)
{
    for (int p : RepeatablePages)
        store.PgCt[p] = 100;
    if (fillAnswers) {
        const QString text = QStringLiteral("Answer text 20 chars");
        for (int p = 0; p < PageCount; ++p)
            for (int c = 0; c <= PageContinuationMax[p]; ++c)
                for (int k = 0; k <= PageAnswerMax[p]; ++k)
                    store.SetText(p, c, k, text);
    }
    static const char *const codes[] = {"DOSCI", "SI", "DI", "CB", "MI", "MB", "RI", "RB", "GI", "OSI"};
    directory.Clear();
    directory.SetRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        directory.SetCell(r, ColCode, QString::fromLatin1(codes[r % 10]));
        directory.SetCell(r, ColName, QStringLiteral("Person Number %1").arg(r));
        directory.SetCell(r, ColAddress, QStringLiteral("%1 Main Street").arg(r));
        directory.SetCell(r, ColCity, QStringLiteral("Columbus"));
        directory.SetCell(r, ColState, QStringLiteral("OH"));
        directory.SetCell(r, ColZIP, QStringLiteral("43215"));
        directory.SetCell(r, ColByName, QStringLiteral("Signer %1").arg(r));
        directory.SetCell(r, ColCash, r % 2 ? QStringLiteral("X") : QString());
        directory.SetCell(r, ColNoncash, r % 2 ? QString() : QStringLiteral("X"));
        directory.SetCell(r, ColContribution, QStringLiteral("1,000.00"));
        directory.SetCell(r, ColInterest, QStringLiteral("5"));
        directory.SetCell(r, ColNoOfShares, QStringLiteral("100"));
        directory.SetCell(r, ColClassOfShares, QStringLiteral("common"));
    }
}

} // namespace brevane::bench
