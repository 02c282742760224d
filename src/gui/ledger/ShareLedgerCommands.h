#pragma once
// The Share Ledger menu: Record a Transfer..., Record an Issue..., Record a
// Redemption... and Share Register.... Each commits what the displayed page
// holds, then opens its dialog over the client document; the document
// recalculates and announces the new answers, and the window follows.

namespace brevane {

class TMainWindow;

// kind: 0 transfer, 1 issue, 2 redemption.
void RecordLedgerEntry(TMainWindow &main, int kind);
void ShowShareRegister(TMainWindow &main);

} // namespace brevane
