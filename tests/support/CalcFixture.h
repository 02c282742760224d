#pragma once
// A small client for calculation tests: page-0 answers, directory rows and
// overrides set in a few lines, then one or more calculation runs.

#include "calc/Calculate.h"
#include "store/Answers.h"
#include "store/DirectoryTable.h"

#include <QString>

#include <initializer_list>
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

    bool calculate() { return Calculate(&store, directory, false); }
};

} // namespace brevane::test
