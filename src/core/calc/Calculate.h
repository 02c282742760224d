#pragma once
// The calculation driver: one run recomputes every derived answer of every
// form page in a fixed order, then refreshes the displayed page's controls.

#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

namespace brevane {

// What the run needs from the window showing a page. Headless runs pass none.
class CalcTransfer
{
public:
    virtual ~CalcTransfer() = default;
    virtual void ControlsToAnswers() {}
    virtual void AnswersToControls() {}
    virtual void SetBusyCursor(bool /*busy*/) {}
};

// One calculation run over `store` (nothing happens when it is null). With
// componentTransfer the displayed page's controls are written to the store
// first. A page procedure that fails keeps what it wrote before the failure;
// the run goes on with the next procedure and shows 18047 once at the end.
// Returns false when a procedure failed.
bool Calculate(TAnswer *store, const DirectoryTable &directory, bool componentTransfer,
               CalcTransfer *transfer = nullptr);

// The pages that have a page procedure, in the order a run calculates them
// (the repeatable pages once per continuation in use).
const QList<int> &CalculatedPages();

} // namespace brevane
