#pragma once
// A small client for calculation tests: page-0 answers, directory rows and
// overrides set in a few lines, then one or more calculation runs; and the
// check that overridden answers keep or lose the user's text.

#include "core/calc/Calculate.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QList>
#include <QString>
#include <QTest>

#include <initializer_list>
#include <optional>
#include <utility>

namespace brevane::test {

struct CalcClient
{
    TAnswer store;
    DirectoryTable directory;

    CalcClient() { directory.Clear(); }

    // G n = text.
    CalcClient &g(int n, const QString &text)
    {
        store.SetText(0, 0, n, text);
        return *this;
    }
    CalcClient &g(std::initializer_list<std::pair<int, const char *>> answers)
    {
        for (const auto &[n, text] : answers)
            store.SetText(0, 0, n, QString::fromUtf8(text));
        return *this;
    }
    // Appends a directory row: code, name, then further columns in order
    // (Address, City, State, ZIP, ByName, Cash, Noncash, Contribution,
    // Interest, NoOfShares, ClassOfShares).
    CalcClient &row(std::initializer_list<const char *> cells)
    {
        directory.AddRow();
        int column = 0;
        for (const char *cell : cells)
            directory.SetCell(directory.RowCount() - 1, column++, QString::fromUtf8(cell));
        return *this;
    }
    // Sets answer k of page p (continuation c) and marks it overridden.
    CalcClient &overridden(int p, int k, const QString &text, int c = 0)
    {
        store.SetText(p, c, k, text);
        store.SetOvRide(p, c, k, true);
        return *this;
    }
    // Answer k of page p (continuation c).
    QString at(int p, int k, int c = 0) const { return store.Text(p, c, k); }

    // A run whose messages are shown (a test's recorder sees them); false
    // when it failed.
    bool calculate()
    {
        const Outcome run = Calculate(&store, directory);
        run.show();
        return run.ok();
    }
};

// Answer k of page p, continuation c.
struct AnswerAt
{
    int page;
    int answer;
    int continuation = 0;
};

// The user types over each of `answers` (marking it overridden), then the
// calculation runs twice. After each run a guarded answer still holds the
// user's text; any other has been recomputed: to `recomputed` when it is
// given, otherwise at least to something other than the user's text.
inline void checkOverrides(CalcClient &client, const QList<AnswerAt> &answers, bool guarded,
                           const std::optional<QString> &recomputed = std::nullopt)
{
    auto typed = [](const AnswerAt &a) {
        return QStringLiteral("typed by the user into %1/%2/%3").arg(a.page).arg(a.continuation).arg(a.answer);
    };
    for (const AnswerAt &a : answers)
        client.overridden(a.page, a.answer, typed(a), a.continuation);
    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        for (const AnswerAt &a : answers) {
            const QString text = client.at(a.page, a.answer, a.continuation);
            if (guarded)
                QCOMPARE(text, typed(a));
            else if (recomputed)
                QCOMPARE(text, *recomputed);
            else
                QVERIFY(text != typed(a));
        }
    }
}

} // namespace brevane::test
