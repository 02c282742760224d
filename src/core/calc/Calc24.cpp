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
    const int first = pc.Continuation() * LinesPerSheet;
    // The original issue reaches this sheet only when the sheet before ends
    // with a line: an empty last line there means it ended earlier. A sheet
    // it does not reach holds none of its lines (the program would have
    // begun it on the first line) and is left as it is.
    if (pc.Continuation() > 0) {
        const int last = LinesPerSheet - 1;
        const int before = pc.Continuation() - 1;
        const bool reaches = !pc.OtherCopy(before, AnswerOf(last, CertificateColumn)).isEmpty() ||
                             !pc.OtherCopy(before, AnswerOf(last, FromColumn)).isEmpty();
        if (!reaches && pc.Get(AnswerOf(0, FromColumn)).isEmpty())
            return;
    }
    const QList<JournalLine> issue =
        OriginalIssue(pc.Directory(), pc.G(G0::DirectorsMeetingDate), price, first, LinesPerSheet);
    const JournalLine none;
    for (int l = 0; l < LinesPerSheet; ++l) {
        // The program's lines are the empty ones and those that read as an
        // original issue, which says so under transferred from; beyond the
        // issue only the latter are cleared.
        const QString &from = pc.Get(AnswerOf(l, FromColumn));
        if (from.trimmed().isEmpty()) {
            if (l >= issue.size())
                continue;
            bool empty = true;
            for (int c = 0; c < Columns && empty; ++c)
                empty = pc.Get(AnswerOf(l, c)).trimmed().isEmpty();
            if (!empty)
                continue;
        } else if (from != OriginalIssueText() || !pc.Get(AnswerOf(l, OldCertificateColumn)).isEmpty()) {
            JournalLine held;
            held.from = from;
            held.oldCertificate = pc.Get(AnswerOf(l, OldCertificateColumn));
            if (!IsOriginalIssue(held))
                continue;
        }
        const JournalLine &line = l < issue.size() ? issue[l] : none;
        // A line of the program's names no certificate surrendered, so the
        // old certificate's column is never the program's to write.
        for (int c = 0; c < Columns; ++c) {
            if (c == OldCertificateColumn)
                continue;
            const QString &text = line.Column(c);
            if (pc.Get(AnswerOf(l, c)) != text)
                pc.Guarded(AnswerOf(l, c), text);
        }
    }
}

} // namespace brevane
