#include "PrintTemplate.h"

#include "core/files/LineText.h"
#include "core/files/Windows1252.h"
#include "core/output/RtfText.h"
#include "core/output/TemplateMerge.h"

#include <QMap>
#include <QSet>

#include <algorithm>
#include <utility>

namespace formgen {

namespace {

QString hex2(uchar b)
{
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}

QString fs(int points)
{
    return QStringLiteral("\\fs") + QString::number(points * 2);
}

QString tabStops(const FormPage &page)
{
    QString out;
    for (int t : page.tabs)
        out += QStringLiteral("\\tx") + QString::number(t);
    return out;
}

QString variable(const Field &f)
{
    return QLatin1Char('/') + QString(KindMark(f.kind)) + QString::number(f.answer) + QLatin1Char('/');
}

// The fill group after an occurrence's variable: the line to fill in by hand
// that the occurrence prints while its answer is empty. A sentence never
// loses a word to an empty answer; on keep-blank pages a line of its own
// (an address line, a table row) prints nothing, and on zero-blank pages
// numbers and amounts print nothing. Page 0 keeps the merge's short line;
// check boxes and memos have none.
QString fillGroup(const FormPage &page, const Block &b, const Piece &p, const Field &f)
{
    if (page.number == 0 || p.whenEmpty == Piece::Nothing)
        return QString();
    switch (f.kind) {
    case Kind::Check:
    case Kind::Estimate:
    case Kind::Memo:
        return QString();
    default:
        break;
    }
    const bool number =
        f.kind == Kind::Money || f.kind == Kind::Percent || f.kind == Kind::Whole || f.kind == Kind::Short;
    if (p.whenEmpty == Piece::PageRule) {
        if (number && page.zeroBlank)
            return QString();
        const bool ownLine = b.row || b.type == Block::Item;
        if (!number && page.keepBlank && ownLine)
            return QString();
    }
    return QLatin1String(brevane::FillGroupOpening) + QString(std::clamp(FieldChars(f), 8, 24), QLatin1Char('_')) +
           QLatin1Char('}');
}

} // namespace

QString EscapeWording(const QString &text)
{
    QString out;
    for (QChar c : text) {
        const ushort u = c.unicode();
        if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('/')) {
            out += QStringLiteral("\\'2F");
        } else if (u == 0xA0) {
            out += QStringLiteral("\\~");
        } else if (c == QLatin1Char('\t')) {
            out += QStringLiteral("\\tab ");
        } else if (u >= 32 && u < 127) {
            out += c;
        } else if (u < 32) {
            continue;
        } else {
            const QByteArray b = brevane::Encode1252(QString(c));
            if (b.size() == 1 && uchar(b[0]) >= 0x80 && brevane::Decode1252(b) == QString(c))
                out += QStringLiteral("\\'") + hex2(uchar(b[0]));
            else
                out += QStringLiteral("\\u") + QString::number(qint16(u)) + QLatin1Char('?');
        }
    }
    return out;
}

QByteArray PrintTemplate(const FormPage &page)
{
    const int body = page.fontSize;
    QString rtf;
    rtf += brevane::PrintTemplateOpening(page.PaperWidth(), page.PaperHeight(), page.landscape, page.margins, body);

    const QString tabs = tabStops(page);
    // A growing table's first row stands once, in a group after a mark that
    // names the table (its first answer, the step from row to row and the
    // rows the page keeps); the merge writes the group once for each row the
    // client has. The lines of one row keep together on a sheet.
    int openTable = -1;
    const auto lastLineOfRow = [&](qsizetype i) {
        for (qsizetype j = i + 1; j < page.blocks.size(); ++j)
            if (page.blocks[j].inPrint)
                return page.blocks[j].table != page.blocks[i].table || page.blocks[j].tableRow != 0;
        return true;
    };
    // One block of the wording as RTF. `keepWithNext` keeps it on the sheet
    // of the line after it; `ownRunningHeading` is a table heading that the
    // page repeats by its running heading.
    const auto blockRtf = [&](const Block &b, bool keepWithNext, bool ownRunningHeading) -> QString {
        if (b.type == Block::Space) {
            QString space;
            for (int i = 0; i < b.spaceLines; ++i)
                space += QStringLiteral("\\pard\\sa0\\par\r\n");
            return space;
        }
        QString para;
        int cells = 0; // cells opened in a table row
        if (b.row) {
            // A table row: one cell per tab stop, the last to the text's edge,
            // each with a hairline below.
            para += QStringLiteral("\\trowd\\trgaph72");
            // A bold row is a table's heading: repeated at the top of each
            // page the table continues on (a growing table's by the page's
            // running heading instead).
            if (b.bold && !ownRunningHeading)
                para += QStringLiteral("\\trhdr");
            // A row signed by hand: room to sign above the line, and never
            // split across two sheets.
            if (b.sign)
                para += QStringLiteral("\\trrh720\\trkeep");
            QList<int> edges = page.tabs;
            edges.append(page.TextWidth());
            for (int edge : edges)
                para += QStringLiteral("%1\\clbrdrb\\brdrs\\brdrw5\\cellx")
                            .arg(b.sign ? QStringLiteral("\\clvertalb") : QString()) +
                        QString::number(edge);
            para += QLatin1Char(' ');
            cells = int(edges.size());
        }
        para += QStringLiteral("\\pard");
        if (b.row)
            para += QStringLiteral("\\intbl");
        const char *align = b.align == Block::Center ? "\\qc" : b.align == Block::Right ? "\\qr" : "\\ql";
        para += QLatin1String(align);
        int size = b.small ? body - 2 : body;
        bool bold = b.bold;
        switch (b.type) {
        case Block::Title:
            para += QStringLiteral("\\sb0\\sa240\\keepn");
            size = body + 4;
            bold = true;
            break;
        case Block::Subtitle:
            para += QStringLiteral("\\sa180\\keepn");
            size = body + 1;
            bold = true;
            break;
        case Block::Heading:
            para += QStringLiteral("\\sb200\\sa100\\keepn");
            bold = true;
            break;
        case Block::Item:
            para += QStringLiteral("\\sa60");
            break;
        default:
            para += QStringLiteral("\\sa160\\sl264\\slmult1");
            break;
        }
        if (b.row)
            para += QStringLiteral("\\sa20\\sl0");
        if (b.indent)
            para += QStringLiteral("\\li720");
        if (keepWithNext && !b.row)
            para += QStringLiteral("\\keepn");
        // A line of its own whose value stands at a tab stop ("Name | value"):
        // a value too long for the line wraps under itself, at the first tab
        // stop, not back at the left margin under the label.
        const bool tabbed =
            std::any_of(b.pieces.cbegin(), b.pieces.cend(), [](const Piece &p) { return p.type == Piece::Tab; });
        if (b.type == Block::Item && !b.row && !b.indent && tabbed && !page.tabs.isEmpty())
            para += QStringLiteral("\\li%1\\fi-%1").arg(page.tabs.first());
        para += tabs;
        para += fs(size);
        if (bold)
            para += QStringLiteral("\\b");
        para += QLatin1Char(' ');
        // A chosen alternative prints without its box, and so without the
        // blank that stood after the box.
        bool afterChoice = false;
        for (const Piece &p : b.pieces) {
            const bool dropBlank = std::exchange(afterChoice, false);
            switch (p.type) {
            case Piece::Words: {
                QString text = p.text;
                if (dropBlank && text.startsWith(QLatin1Char(' ')))
                    text.remove(0, 1);
                if (p.bold && !bold)
                    para += QStringLiteral("\\b ") + EscapeWording(text) + QStringLiteral("\\b0 ");
                else
                    para += EscapeWording(text);
                break;
            }
            case Piece::Tab:
                if (b.row && cells > 1) {
                    para += QStringLiteral("\\cell ");
                    --cells;
                } else {
                    para += QStringLiteral("\\tab ");
                }
                break;
            case Piece::Answer:
                if (p.choice) {
                    afterChoice = true;
                    break;
                }
                para += variable(page.fields[p.answer]) + fillGroup(page, b, p, page.fields[p.answer]);
                break;
            case Piece::Help:
                break;
            }
        }
        if (bold)
            para += QStringLiteral("\\b0");
        if (size != body)
            para += fs(body);
        if (b.row) {
            while (cells-- > 1)
                para += QStringLiteral("\\cell ");
            para += QStringLiteral("\\cell\\row");
        } else {
            para += QStringLiteral("\\par");
        }
        // A line or a table row printed only while an answer holds something
        // (if=N) and only while another is empty (unless=N): the merge drops
        // the group otherwise, and the second group inside the first. A
        // chosen alternative prints only while ticked.
        int printIf = b.printIf;
        for (const Piece &p : b.pieces)
            if (p.type == Piece::Answer && p.choice && printIf < 0)
                printIf = p.answer;
        if (printIf >= 0)
            para = QLatin1String(brevane::PrintIfOpening) + QString::number(printIf) + QStringLiteral("}{") + para +
                   QLatin1Char('}');
        if (b.printUnless >= 0)
            para = QLatin1String(brevane::PrintIfOpening) + QLatin1Char('!') + QString::number(b.printUnless) +
                   QStringLiteral("}{") + para + QLatin1Char('}');
        para += QStringLiteral("\r\n");
        return para;
    };
    // A growing table's heading row (the bold row right before it) is also
    // the running heading of the page's sheets after the first, so that a
    // table that continues over sheets shows its heading on each in every
    // word processor; the first sheet has none.
    QSet<qsizetype> headings;
    for (qsizetype i = 0; i < page.blocks.size(); ++i) {
        if (!page.blocks[i].inPrint || page.blocks[i].table < 0 || page.blocks[i].tableRow != 0)
            continue;
        qsizetype h = i - 1;
        while (h >= 0 && !page.blocks[h].inPrint)
            --h;
        if (h >= 0 && page.blocks[h].row && page.blocks[h].bold && page.blocks[h].table < 0)
            headings.insert(h);
    }
    if (!headings.isEmpty()) {
        rtf += QStringLiteral("\\titlepg{\\headerf\\pard\\plain\\fs2\\par}{\\header ");
        for (qsizetype h : std::as_const(headings))
            rtf += blockRtf(page.blocks[h], false, true);
        rtf += QStringLiteral("\\pard\\plain\\fs2\\par}\r\n");
    }
    for (qsizetype i = 0; i < page.blocks.size(); ++i) {
        const Block &b = page.blocks[i];
        if (!b.inPrint || b.tableRow > 0)
            continue;
        if (openTable >= 0 && b.table != openTable) {
            rtf += QStringLiteral("}\r\n");
            openTable = -1;
        }
        if (b.table >= 0 && openTable != b.table) {
            const GrowingTable &t = page.tables[b.table];
            rtf += QLatin1String(brevane::GrowingTableOpening) +
                   QStringLiteral("%1 %2 %3}{").arg(t.columns.first()).arg(t.step).arg(t.count);
            openTable = b.table;
        }
        const bool keepWithNext = b.table >= 0 && !lastLineOfRow(i);
        rtf += blockRtf(b, keepWithNext, headings.contains(i));
    }
    if (openTable >= 0)
        rtf += QStringLiteral("}\r\n");
    // A page never ends inside a table: the page break the print job puts
    // before the next page would be lost in the table's last row.
    for (qsizetype i = page.blocks.size() - 1; i >= 0; --i) {
        if (!page.blocks[i].inPrint)
            continue;
        if (page.blocks[i].row)
            rtf += QStringLiteral("\\pard\\sa0\\fs4\\par") + fs(body) + QStringLiteral("\r\n");
        break;
    }
    rtf += QStringLiteral("}\r\n");
    return rtf.toLatin1();
}

QByteArray PrintData(const FormPage &page, const ScreenLayout *screen)
{
    QMap<int, int> printed;
    for (const Block &b : page.blocks) {
        if (!b.inPrint)
            continue;
        for (const Piece &p : b.pieces)
            if (p.type == Piece::Answer)
                ++printed[p.answer];
    }
    int last = -1;
    if (!page.fields.isEmpty())
        last = page.fields.lastKey();
    QByteArray out;
    for (int k = 0; k <= last; ++k) {
        const auto f = page.fields.constFind(k);
        int kind = 0, mode = 0;
        if (f != page.fields.constEnd()) {
            kind = int(f->kind) + 1;
            mode = int(f->mode) + 1;
        }
        double x = 0, y = 0, w = 0;
        QString name = QStringLiteral("-");
        if (screen) {
            const auto c = screen->controls.constFind(k);
            if (c != screen->controls.constEnd()) {
                x = c->x / ScreenDpi;
                y = c->y / ScreenDpi;
                w = c->width / ScreenDpi;
                name = c->name;
            }
        }
        out += QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\r\n")
                   .arg(k)
                   .arg(kind)
                   .arg(mode)
                   .arg(x, 0, 'f', 3)
                   .arg(y, 0, 'f', 3)
                   .arg(w, 0, 'f', 3)
                   .arg(printed.value(k))
                   .arg(name)
                   .toLatin1();
    }
    return out;
}

} // namespace formgen
