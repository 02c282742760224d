#pragma once
// The share register as a paper for the minute book: the corporation's
// shareholders of record on a day (one row per outstanding certificate:
// number, holder, shares, class, date of issue), the shares outstanding
// against those the articles authorize, and the secretary's certificate.
// It prints in the layout of the share ledger's sheets, after any forms of
// the same print job.

#include "core/ledger/ShareLedger.h"

#include <QString>

namespace brevane {

class TAnswer;

namespace ledger {

// What the paper is called in a PDF's title.
QString RegisterPaperCaption();

// The day the register speaks of: its own day, else the last day the
// journal it was read from names (an invalid date for an empty journal).
QDate RegisterDay(const Register &reg);

// The paper as a whole RTF document in the print templates' form (their
// fonts, the header mark before the body), ready to open a print document
// or to be appended to one. The entity's name and the secretary come from
// the General Information Worksheet.
QString RegisterPaper(const TAnswer &answers, const Register &reg);

} // namespace ledger
} // namespace brevane
