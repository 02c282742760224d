#include "core/calc/Calculate.h"

#include "core/calc/PageProcedures.h"
#include "core/check/Finding.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/store/PageCatalogue.h"

#include <QStringList>

#include <exception>
#include <utility>

namespace brevane {

namespace {

struct Procedure
{
    int page;
    PageProcedure calc;
};

// Ascending page order: every page that reads another page's results (17 and
// 21 read 8, 18 reads 11, 19 reads 18, 58 reads 57, 68 reads 59) comes after it.
Procedure Procedures[] = {
    {1, &Calc1},   {2, &Calc2},   {3, &Calc3},   {4, &Calc4},   {7, &Calc7},   {8, &Calc8},   {9, &Calc9},
    {10, &Calc10}, {11, &Calc11}, {12, &Calc12}, {15, &Calc15}, {17, &Calc17}, {18, &Calc18}, {19, &Calc19},
    {20, &Calc20}, {21, &Calc21}, {22, &Calc22}, {23, &Calc23}, {24, &Calc24}, {25, &Calc25}, {26, &Calc26},
    {27, &Calc27}, {28, &Calc28}, {29, &Calc29}, {30, &Calc30}, {31, &Calc31}, {32, &Calc32}, {33, &Calc33},
    {34, &Calc34}, {36, &Calc36}, {37, &Calc37}, {38, &Calc38}, {39, &Calc39}, {40, &Calc40}, {41, &Calc41},
    {43, &Calc43}, {44, &Calc44}, {45, &Calc45}, {46, &Calc46}, {50, &Calc50}, {51, &Calc51}, {52, &Calc52},
    {54, &Calc54}, {55, &Calc55}, {57, &Calc57}, {58, &Calc58}, {59, &Calc59}, {60, &Calc60}, {62, &Calc62},
    {63, &Calc63}, {64, &Calc64}, {65, &Calc65}, {66, &Calc66}, {68, &Calc68}, {75, &Calc75}, {76, &Calc76},
    {77, &Calc77}, {78, &Calc78}, {79, &Calc79}, {80, &Calc80}, {81, &Calc81}, {86, &Calc86}};

} // namespace

QString FailureCause(const std::exception &error)
{
    if (const auto *range = dynamic_cast<const AnswerRangeError *>(&error))
        return QStringLiteral("its calculation could not be completed: it reached past its page's entries "
                              "(page %1, entry %2)")
            .arg(range->page)
            .arg(range->answer);
    const QString what = QString::fromUtf8(error.what()).trimmed();
    return what.isEmpty() ? QStringLiteral("its calculation could not be completed")
                          : QStringLiteral("its calculation could not be completed: ") + what;
}

PageProcedure SetPageProcedure(int page, PageProcedure procedure)
{
    for (Procedure &p : Procedures)
        if (p.page == page)
            return std::exchange(p.calc, procedure);
    return nullptr;
}

const QList<int> &CalculatedPages()
{
    static const QList<int> pages = [] {
        QList<int> list;
        for (const Procedure &p : Procedures)
            list.append(p.page);
        return list;
    }();
    return pages;
}

Outcome Calculate(TAnswer *store, const DirectoryTable &directory)
{
    if (!store)
        return {};
    store->PageFailures.clear();
    auto run = [&](int page, int continuation, PageProcedure calc) {
        // The rows of the page's growing tables beyond those it keeps are
        // the run's own: the procedure writes them anew.
        store->ClearRows(page, continuation);
        PageCalc pc(*store, directory, page, continuation);
        try {
            calc(pc);
        } catch (const std::exception &e) {
            // What the procedure wrote before the failure stays; the later
            // pages are still calculated, and the other papers print. The
            // paper of this one is named with the cause, and is left out of
            // the print document and found by the check until it calculates.
            if (!store->PageFailures.contains(page))
                store->PageFailures.insert(page, FailureCause(e));
        }
    };
    for (const Procedure &p : Procedures) {
        if (IsRepeatablePage(p.page)) {
            const int inUse = qMin(store->PgCt[p.page], PageContinuationMax[p.page] + 1);
            for (int c = 0; c < inUse; ++c)
                run(p.page, c, p.calc);
        } else {
            run(p.page, 0, p.calc);
        }
    }

    Outcome outcome;
    for (auto it = store->PageFailures.cbegin(); it != store->PageFailures.cend(); ++it)
        outcome.fail(msg::CalculationFailed, PaperName(it.key()) + QStringLiteral(": ") + *it, it.key());
    return outcome;
}

} // namespace brevane
