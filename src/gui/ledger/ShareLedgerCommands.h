#pragma once
// The Share Ledger menu: Record a Transfer..., Record an Issue..., Record a
// Redemption... and Share Register.... Each commits what the displayed page
// holds, then opens its dialog over the client document; the document
// recalculates and announces the new answers, and the window follows.

#include <QString>

namespace brevane {

class TMainWindow;

// The display format of the dialogs' date edits: the region's short date with
// the year in four figures, as the user types dates on the pages.
QString RegionalDateFormat();

// kind: 0 transfer, 1 issue, 2 redemption.
void RecordLedgerEntry(TMainWindow &main, int kind);
void ShowShareRegister(TMainWindow &main);

} // namespace brevane
