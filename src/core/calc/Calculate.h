#pragma once
// The calculation driver: one run recomputes every derived answer of every
// form page in a fixed order.

#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

namespace brevane {

// One calculation run over `store` (nothing happens when it is null). A page
// procedure that fails keeps what it wrote before the failure; the run goes
// on with the next procedure and shows 18047 once at the end. Returns false
// when a procedure failed. Whatever shows the answers refreshes afterwards
// (the client document announces the change).
bool Calculate(TAnswer *store, const DirectoryTable &directory);

// The pages that have a page procedure, in the order a run calculates them
// (the repeatable pages once per continuation in use).
const QList<int> &CalculatedPages();

} // namespace brevane
