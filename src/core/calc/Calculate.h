#pragma once
// The calculation driver: one run recomputes every derived answer of every
// form page in a fixed order.

#include "core/dialogs/Outcome.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

namespace brevane {

// One calculation run over `store` (nothing happens when it is null). A page
// procedure that fails keeps what it wrote before the failure; the run goes
// on with the next procedure and fails with 18047 once at the end, naming
// every page that failed (the message's page is the first). A conversion
// that cannot read an answer still shows its message as it happens.
// Whatever shows the answers refreshes afterwards (the client document
// announces the change).
Outcome Calculate(TAnswer *store, const DirectoryTable &directory);

// The pages that have a page procedure, in the order a run calculates them
// (the repeatable pages once per continuation in use).
const QList<int> &CalculatedPages();

} // namespace brevane
