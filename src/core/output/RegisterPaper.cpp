#include "core/output/RegisterPaper.h"

#include "core/forms/PageZero.h"
#include "core/output/RtfText.h"
#include "core/store/Answers.h"
#include "core/store/Conversions.h"

namespace brevane::ledger {

namespace {

// Letter paper, half-inch margins as on the ledger sheets: 7.5 inches of
// text. The columns' right edges, in twips.
constexpr int CellEdges[] = {1100, 6000, 7500, 9200, 10800};

QString longDate(const QDate &date)
{
    return ConvertDate(ShortDateText(date));
}

QString paragraph(const QString &format, const QString &text)
{
    return QStringLiteral("\\pard") + format + QLatin1Char(' ') + text + QStringLiteral("\\par\r\n");
}

// One table row, a cell per column, each with a hairline below; the heading
// row repeats where the table continues on another page.
QString row(const QStringList &cells, bool heading)
{
    QString rtf = QStringLiteral("\\trowd\\trgaph72");
    if (heading)
        rtf += QStringLiteral("\\trhdr");
    for (int edge : CellEdges)
        rtf += QStringLiteral("\\clbrdrb\\brdrs\\brdrw5\\cellx") + QString::number(edge);
    rtf += QStringLiteral("\r\n");
    for (int c = 0; c < cells.size(); ++c) {
        // Shares are figures: they line up on the right.
        rtf += QStringLiteral("\\pard\\intbl\\sa20\\sl0") + (c == 2 ? QStringLiteral("\\qr") : QStringLiteral("\\ql")) +
               (heading ? QStringLiteral("\\b ") : QStringLiteral(" ")) + EscapeRtfText(cells[c]) +
               (heading ? QStringLiteral("\\b0") : QString()) + QStringLiteral("\\cell\r\n");
    }
    rtf += QStringLiteral("\\row\r\n");
    return rtf;
}

} // namespace

QString RegisterPaperCaption()
{
    return QStringLiteral("Share Register");
}

QDate RegisterDay(const Register &reg)
{
    if (reg.asOf.isValid())
        return reg.asOf;
    QDate last;
    for (const Certificate &c : reg.certificates) {
        if (c.issuedOn.isValid() && (!last.isValid() || c.issuedOn > last))
            last = c.issuedOn;
        if (c.cancelled && c.cancelledOn.isValid() && (!last.isValid() || c.cancelledOn > last))
            last = c.cancelledOn;
    }
    return last;
}

QString RegisterPaper(const TAnswer &answers, const Register &reg)
{
    const QString entity = answers.Text(0, 0, G0::EntityName).simplified();
    const QString secretary = answers.Text(0, 0, G0::Secretary).simplified();
    const QDate day = RegisterDay(reg);
    const QString onDay =
        day.isValid() ? QStringLiteral("on ") + longDate(day) : QStringLiteral("as the share ledger stands");

    QString rtf;
    // Letter paper with the ledger sheets' half-inch margins.
    constexpr int margins[4] = {720, 720, 720, 720};
    rtf += PrintTemplateOpening(12240, 15840, false, margins, 10);

    rtf += paragraph(QStringLiteral("\\qc\\sb0\\sa240\\keepn\\fs28\\b"), QStringLiteral("SHARE REGISTER\\b0\\fs20"));
    if (!entity.isEmpty())
        rtf += paragraph(QStringLiteral("\\qc\\sa180\\keepn\\fs22\\b"),
                         EscapeRtfText(entity) + QStringLiteral("\\b0\\fs20"));
    rtf += paragraph(QStringLiteral("\\ql\\sa160\\sl264\\slmult1"),
                     EscapeRtfText(QStringLiteral("The shareholders of record %1, as the share ledger and journal "
                                                  "shows them: each certificate outstanding, its holder and the "
                                                  "shares it represents.")
                                       .arg(onDay)));

    if (reg.outstanding.isEmpty()) {
        rtf +=
            paragraph(QStringLiteral("\\ql\\sa160"), EscapeRtfText(QStringLiteral("No certificate is outstanding.")));
    } else {
        rtf += row({QStringLiteral("Cert. no."), QStringLiteral("Shareholder"), QStringLiteral("Shares"),
                    QStringLiteral("Class"), QStringLiteral("Date of issue")},
                   true);
        for (const Certificate &c : reg.outstanding)
            rtf += row({QString::number(c.number), c.holder, SharesText(c.shares), c.shareClass,
                        c.issuedOn.isValid() ? longDate(c.issuedOn) : c.issued},
                       false);
        // The table ends before the next paragraph.
        rtf += QStringLiteral("\\pard\\sa0\\fs4\\par\\fs20\r\n");
    }

    const std::optional<qint64> authorized = WholeNumber(reg.authorized);
    QString totals = QStringLiteral("Shares outstanding: %1.").arg(SharesText(reg.totalOutstanding));
    if (authorized)
        totals +=
            QStringLiteral(" Shares authorized by the articles of incorporation: %1.").arg(SharesText(*authorized));
    rtf += paragraph(QStringLiteral("\\ql\\sb200\\sa160"), EscapeRtfText(totals));

    rtf += paragraph(QStringLiteral("\\ql\\sb240\\sa160\\sl264\\slmult1\\keepn"),
                     EscapeRtfText(QStringLiteral("I certify that this is the register of the shareholders of "
                                                  "record of %1 %2, as its share ledger and journal shows them.")
                                       .arg(entity.isEmpty() ? QStringLiteral("the corporation") : entity, onDay)));
    rtf += paragraph(QStringLiteral("\\ql\\sb480\\sa0\\keepn"), QStringLiteral("______________________________"));
    rtf += paragraph(
        QStringLiteral("\\ql\\sa0"),
        EscapeRtfText(secretary.isEmpty() ? QStringLiteral("Secretary") : secretary + QStringLiteral(", Secretary")));
    rtf += QStringLiteral("}\r\n");
    return rtf;
}

} // namespace brevane::ledger
