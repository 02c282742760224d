// Share ledger and journal (one page per continuation in use): the
// corporation's name, the class of its shares, the sheet's number, and the
// original issue as the board accepted the subscriptions, one certificate a
// subscriber from the first line of the first sheet on (a further sheet
// takes the lines the first cannot hold). The program writes only lines that
// are empty or read as an original issue, answer by answer unless
// overridden; every other line is a command's (a transfer, an issue, a
// redemption) or the user's, and stays as written. What is left of an
// original issue that no longer is one is cleared.
#include "core/calc/PageProcedures.h"

#include "core/ledger/ShareLedger.h"

namespace brevane {

void Calc24(PageCalc &pc)
{
    using namespace ledger;
    pc.Always(EntityNameAnswer, pc.G(G0::EntityName));
    pc.Guarded(ClassAnswer, pc.G(G0::ShareClass));
    pc.Guarded(SheetNumberAnswer, QString::number(pc.Continuation() + 1));

    const QString &price = pc.G(G0::SharePrice).trimmed().isEmpty() ? pc.G(G0::ParValue) : pc.G(G0::SharePrice);
    const QList<JournalLine> issue = OriginalIssue(pc.Directory(), pc.G(G0::DirectorsMeetingDate), price);
    const qsizetype first = qsizetype(pc.Continuation()) * LinesPerSheet;
    for (int l = 0; l < LinesPerSheet; ++l) {
        const qsizetype at = first + l;
        JournalLine held;
        for (int c = 0; c < Columns; ++c)
            held.SetColumn(c, pc.Get(AnswerOf(l, c)));
        if (!held.IsEmpty() && !IsOriginalIssue(held))
            continue;
        const JournalLine line = at < issue.size() ? issue[at] : JournalLine();
        for (int c = 0; c < Columns; ++c)
            pc.Guarded(AnswerOf(l, c), line.Column(c));
    }
}

} // namespace brevane
