#pragma once
// The calculation driver: one run recomputes every derived answer of every
// form page in a fixed order.

#include "core/dialogs/Outcome.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <exception>

namespace brevane {

class PageCalc;

// One calculation run over `store` (nothing happens when it is null). A page
// procedure that fails keeps what it wrote before the failure; the run goes
// on with the next procedure, records the page and why in the store's
// PageFailures (the print job leaves its paper out, the check names it) and
// fails with 18047 once for each such page, naming its paper and the cause.
// A conversion that cannot read an answer still shows its message as it
// happens. Whatever shows the answers refreshes afterwards (the client
// document announces the change).
Outcome Calculate(TAnswer *store, const DirectoryTable &directory);

using PageProcedure = void (*)(PageCalc &);
// Puts `procedure` in the run order in place of the page's own and gives
// back the one it replaced (nullptr for a page without one, which is left
// as it is): a test's way to a procedure that cannot complete.
PageProcedure SetPageProcedure(int page, PageProcedure procedure);

// Why a page procedure could not complete, in the user's words.
QString FailureCause(const std::exception &error);

// The pages that have a page procedure, in the order a run calculates them
// (the repeatable pages once per continuation in use).
const QList<int> &CalculatedPages();

} // namespace brevane
