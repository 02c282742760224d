#include "ScreenLayout.h"

#include <algorithm>
#include <cmath>
#include <optional>

using brevane::ComponentRecord;
using brevane::StreamValue;

namespace formgen {

namespace {

constexpr double Padding = 24;   // between the panel's edge and the text
constexpr double RowHeight = 30; // one line of wording and fields
constexpr double ControlHeight = 24;
constexpr double Gap = 4; // between a field and the wording beside it
constexpr double IndentWidth = 36;
constexpr double BodySize = 14;
constexpr double SmallSize = 12;
constexpr double HeadingSize = 16;
constexpr double TitleSize = 20;
constexpr double HelpSize = 12;
constexpr double CalloutWidth = 300;

// Advance widths of a common sans-serif face in thousandths of the font size,
// for the characters of printable ASCII from the blank on; a little generous
// so that a label is never narrower than its text.
const short AsciiWidths[95] = {278, 278, 355, 556, 556, 889, 667,  191, 333, 333, 389, 584, 278,
                               333, 278, 278,                                                    // ' ' .. '/'
                               556, 556, 556, 556, 556, 556, 556,  556, 556, 556,                // digits
                               278, 278, 584, 584, 584, 556, 1015,                               // ':' .. '@'
                               667, 667, 722, 722, 667, 611, 778,  722, 278, 500, 667, 556, 833, // A .. M
                               722, 778, 667, 778, 722, 667, 611,  722, 667, 944, 667, 667, 611, // N .. Z
                               278, 278, 278, 469, 556, 333,                                     // '[' .. '`'
                               556, 556, 500, 556, 556, 278, 556,  556, 222, 222, 500, 222, 833, // a .. m
                               556, 556, 556, 556, 333, 500, 278,  556, 500, 722, 500, 500, 500, // n .. z
                               334, 260, 334, 584};

double textWidth(const QString &text, double size, bool bold)
{
    double units = 0;
    for (QChar c : text) {
        const ushort u = c.unicode();
        units += (u >= 32 && u < 127) ? AsciiWidths[u - 32] : 600;
    }
    return std::ceil(units / 1000.0 * size * (bold ? 1.12 : 1.0) * 1.2) + 2;
}

double fieldWidth(const Field &f)
{
    if (f.kind == Kind::Check)
        return 24;
    if (f.kind == Kind::Estimate)
        return 64;
    return FieldChars(f) * 8 + 12;
}

StreamValue num(double v)
{
    return StreamValue::Number(v);
}

void place(ComponentRecord &r, double x, double y, double w, double h)
{
    r.Set(QStringLiteral("Position.X"), num(x));
    r.Set(QStringLiteral("Position.Y"), num(y));
    r.Set(QStringLiteral("Size.Width"), num(w));
    r.Set(QStringLiteral("Size.Height"), num(h));
}

ComponentRecord record(const char *className, const QString &name)
{
    ComponentRecord r;
    r.className = QLatin1String(className);
    r.name = name;
    return r;
}

// A control laid on a line, placed when the line is complete.
struct Item
{
    ComponentRecord rec;
    double x = 0, width = 0, height = 0;
    int answer = -1; // the answer whose field this is, or -1
    bool focusable = false;
};

struct Line
{
    QList<Item> items;
    double height = RowHeight;
};

class Builder
{
public:
    explicit Builder(const FormPage &page)
        : page_(page)
        , width_(page.TextWidth() / 1440.0 * ScreenDpi)
    {}

    ScreenLayout Run()
    {
        ScreenLayout out;
        out.root = record("TLayout", QStringLiteral("Page") + QString::number(page_.number));
        double y = Padding;
        for (const Block &b : page_.blocks) {
            if (!b.onScreen)
                continue;
            y += spaceBefore(b);
            y = block(b, y, out);
        }
        const double height = std::ceil(y + Padding);
        out.root.Set(QStringLiteral("Size.Width"), num(std::ceil(width_ + 2 * Padding)));
        out.root.Set(QStringLiteral("Size.Height"), num(height));
        return out;
    }

private:
    double spaceBefore(const Block &b) const
    {
        switch (b.type) {
        case Block::Title:
            return 4;
        case Block::Heading:
            return 14;
        case Block::Paragraph:
            return 6;
        default:
            return 0;
        }
    }

    double fontSize(const Block &b) const
    {
        switch (b.type) {
        case Block::Title:
            return TitleSize;
        case Block::Subtitle:
        case Block::Heading:
            return HeadingSize;
        default:
            return b.small ? SmallSize : BodySize;
        }
    }

    bool boldText(const Block &b) const { return b.bold || (b.type != Block::Paragraph && b.type != Block::Item); }

    QString nextName(const char *prefix) { return QLatin1String(prefix) + QString::number(++serial_); }

    // The help button with its hidden callout; `absX` is where the button
    // stands on the panel, so the callout can be kept inside it.
    ComponentRecord helpButton(const QString &name, const QString &text, double x, double y, double absX)
    {
        ComponentRecord button = record("TButton", name);
        place(button, x, y, 20, 20);
        button.Set(QStringLiteral("Text"), StreamValue::Text(QStringLiteral("?")));
        button.Set(QStringLiteral("TabStop"), StreamValue::Boolean(false));

        const double textW = CalloutWidth - 24;
        const int lines = int(std::ceil(textWidth(text, HelpSize, false) / (textW * 0.92))) + 1;
        const double h = lines * 17 + 24;
        const double panelRight = width_ + 2 * Padding;
        const double calloutAbsX = std::clamp(absX - CalloutWidth + 40, 4.0, panelRight - CalloutWidth - 4);
        const QString serial = QString::number(++serial_);
        ComponentRecord callout = record("TCalloutPanel", QStringLiteral("clpHelp") + serial);
        place(callout, calloutAbsX - absX, 22, CalloutWidth, h);
        callout.Set(QStringLiteral("Visible"), StreamValue::Boolean(false));
        callout.Set(QStringLiteral("StyleLookup"), StreamValue::Text(QStringLiteral("calloutpanelstyle")));
        callout.Set(QStringLiteral("CalloutPosition"), StreamValue::Ident(QStringLiteral("Top")));
        ComponentRecord label = record("TLabel", QStringLiteral("lblHelp") + serial);
        place(label, 12, 14, textW, h - 22);
        label.Set(QStringLiteral("Text"), StreamValue::Text(text));
        label.Set(QStringLiteral("WordWrap"), StreamValue::Boolean(true));
        label.Set(QStringLiteral("AutoSize"), StreamValue::Boolean(false));
        label.Set(QStringLiteral("TextSettings.Font.Size"), num(HelpSize));
        label.Set(QStringLiteral("TextSettings.VertAlign"), StreamValue::Ident(QStringLiteral("Leading")));
        callout.children.append(label);
        button.children.append(callout);
        return button;
    }

    ComponentRecord label(const QString &text, const Block &b, double w, qint64 tag = 0, bool bold = false)
    {
        ComponentRecord r = record("TLabel", nextName("lbl"));
        r.Set(QStringLiteral("Size.Width"), num(w));
        r.Set(QStringLiteral("Size.Height"), num(ControlHeight));
        if (tag)
            r.Set(QStringLiteral("Tag"), StreamValue::Integer(tag));
        if (!text.isEmpty())
            r.Set(QStringLiteral("Text"), StreamValue::Text(text));
        r.Set(QStringLiteral("AutoSize"), StreamValue::Boolean(false));
        r.Set(QStringLiteral("WordWrap"), StreamValue::Boolean(false));
        r.Set(QStringLiteral("TextSettings.Font.Size"), num(fontSize(b)));
        if (bold || boldText(b))
            r.Set(QStringLiteral("TextSettings.Font.Style"), StreamValue::SetOf({QStringLiteral("fsBold")}));
        return r;
    }

    // The control of an answer.
    Item control(const Field &f, double absX)
    {
        Item item;
        item.answer = f.answer;
        item.focusable = true;
        item.height = ControlHeight;
        item.width = fieldWidth(f);
        const QString n = QString::number(f.answer);
        switch (f.kind) {
        case Kind::Check:
        case Kind::Estimate: {
            item.rec = record("TCheckBox", QStringLiteral("cbx") + n);
            item.rec.Set(QStringLiteral("Tag"),
                         StreamValue::Integer(f.kind == Kind::Estimate ? 1000 + f.answer : f.answer));
            if (f.mode == Mode::Guarded)
                item.rec.Set(QStringLiteral("StyleLookup"), StreamValue::Text(QLatin1String(CheckBoxOverrideable)));
            if (f.mode == Mode::Always) {
                item.rec.Set(QStringLiteral("Enabled"), StreamValue::Boolean(false));
                item.rec.Set(QStringLiteral("HitTest"), StreamValue::Boolean(false));
            }
            break;
        }
        case Kind::Memo: {
            item.rec = record("TMemo", QStringLiteral("mem") + n);
            item.rec.Set(QStringLiteral("Tag"), StreamValue::Integer(f.answer));
            item.rec.Set(QStringLiteral("WordWrap"), StreamValue::Boolean(true));
            item.height = (f.lines ? f.lines : 3) * 20 + 10;
            if (f.mode == Mode::Guarded)
                item.rec.Set(QStringLiteral("StyleLookup"), StreamValue::Text(QLatin1String(MemoOverrideable)));
            if (f.mode == Mode::Always) {
                item.rec.Set(QStringLiteral("StyleLookup"), StreamValue::Text(QLatin1String(MemoReadOnly)));
                item.rec.Set(QStringLiteral("ReadOnly"), StreamValue::Boolean(true));
            }
            break;
        }
        default: {
            const bool help = !f.help.isEmpty();
            item.rec = record("TEdit", (help ? QStringLiteral("edtHELP") : QStringLiteral("edt")) + n);
            item.rec.Set(QStringLiteral("Tag"), StreamValue::Integer(EditKind(f.kind) * 1000 + f.answer));
            if (f.mode == Mode::Guarded)
                item.rec.Set(QStringLiteral("StyleLookup"), StreamValue::Text(QLatin1String(EditOverrideable)));
            else if (f.mode == Mode::Always)
                item.rec.Set(QStringLiteral("StyleLookup"), StreamValue::Text(QLatin1String(EditReadOnly)));
            else if (!page_.inputStyle.isEmpty())
                item.rec.Set(QStringLiteral("StyleLookup"), StreamValue::Text(page_.inputStyle));
            if (f.mode != Mode::Input)
                item.rec.Set(QStringLiteral("ReadOnly"), StreamValue::Boolean(true));
            if (f.kind == Kind::Money || f.kind == Kind::Percent || f.kind == Kind::Whole || f.kind == Kind::Short)
                item.rec.Set(QStringLiteral("TextSettings.HorzAlign"), StreamValue::Ident(QStringLiteral("Trailing")));
            if (help) {
                item.rec.children.append(
                    helpButton(QStringLiteral("btnHELP") + n, f.help, item.width - 22, 2, absX + item.width - 22));
            }
            break;
        }
        }
        // What a screen reader says for the field, and what finds it.
        item.rec.Set(QStringLiteral("AccessibleName"), StreamValue::Text(f.label));
        return item;
    }

    double block(const Block &b, double y, ScreenLayout &out)
    {
        if (b.type == Block::Space)
            return y + b.spaceLines * 16;

        const double size = fontSize(b);
        const bool blockBold = boldText(b);
        bool bold = blockBold;
        const double left = b.indent ? IndentWidth : 0;
        const double space = textWidth(QStringLiteral(" "), size, bold) - 2;
        QList<Line> lines(1);
        double x = left;
        QString run;
        double runX = 0;

        // The label a field is named by is its buddy: the wording before it,
        // or for a check box (and a field with nothing before it) the words
        // after it.
        QPair<int, int> labelBefore{-1, -1}; // line and item of the last label since the last field
        QString buddyAfter;                  // the field waiting for the label after it
        auto flush = [&] {
            if (run.isEmpty())
                return;
            Item item;
            item.width = textWidth(run, size, bold);
            item.height = ControlHeight;
            item.x = runX;
            item.rec = label(run, b, item.width, 0, bold);
            // Running text: the program fits the label to its words, as it
            // does a value's (below), and closes the line up.
            if (b.align == Block::Left)
                item.rec.Set(QStringLiteral("AutoSize"), StreamValue::Boolean(true));
            if (!buddyAfter.isEmpty()) {
                item.rec.Set(QStringLiteral("FocusControl"), StreamValue::Ident(buddyAfter));
                buddyAfter.clear();
            }
            lines.last().items.append(item);
            labelBefore = {int(lines.size()) - 1, int(lines.last().items.size()) - 1};
            run.clear();
            // What follows starts after the label, not after the sum of its
            // words' widths, which rounds each word up.
            x = item.x + item.width;
        };
        auto takeBuddy = [&](const Item &field, bool checkBox) {
            buddyAfter.clear();
            if (!checkBox && labelBefore.first >= 0)
                lines[labelBefore.first].items[labelBefore.second].rec.Set(QStringLiteral("FocusControl"),
                                                                           StreamValue::Ident(field.rec.name));
            else
                buddyAfter = field.rec.name;
            labelBefore = {-1, -1};
        };
        auto newLine = [&] {
            flush();
            lines.append(Line());
            x = left;
        };
        auto addItem = [&](Item item, bool gapBefore) {
            flush();
            const double gap = (gapBefore && x > left) ? Gap : 0;
            if (x + gap + item.width > width_ && !lines.last().items.isEmpty())
                newLine();
            item.x = x + ((gapBefore && x > left) ? Gap : 0);
            x = item.x + item.width + Gap;
            lines.last().height = std::max(lines.last().height, item.height + 6);
            lines.last().items.append(item);
        };
        std::optional<Field> checkHelp; // a check box whose help button waits for the end of its caption
        auto placeCheckHelp = [&] {
            if (!checkHelp)
                return;
            const Field f = *checkHelp;
            checkHelp.reset();
            flush();
            Item help;
            help.width = 20;
            help.height = 20;
            help.focusable = true;
            help.rec = helpButton(QStringLiteral("btnHELP") + QString::number(f.answer) + QStringLiteral("c"), f.help,
                                  0, 0, Padding + x + Gap);
            addItem(help, true);
        };

        for (const Piece &p : b.pieces) {
            switch (p.type) {
            case Piece::Words: {
                if ((blockBold || p.bold) != bold) {
                    flush();
                    bold = blockBold || p.bold;
                }
                const QString &t = p.text;
                qsizetype i = 0;
                while (i < t.size()) {
                    bool spaced = false;
                    while (i < t.size() && t[i] == QLatin1Char(' ')) {
                        spaced = true;
                        ++i;
                    }
                    qsizetype j = i;
                    while (j < t.size() && t[j] != QLatin1Char(' '))
                        ++j;
                    if (j == i)
                        break;
                    QString word = t.mid(i, j - i);
                    word.replace(QChar(0xA0), QLatin1Char(' '));
                    const double w = textWidth(word, size, bold) - 2;
                    const double gap = (spaced && (x > left || !run.isEmpty())) ? space : 0;
                    if (x + gap + w > width_ && (x > left || !run.isEmpty())) {
                        newLine();
                        run = word;
                        runX = x;
                        x += w;
                    } else if (run.isEmpty()) {
                        runX = x + gap;
                        run = word;
                        x += gap + w;
                    } else {
                        run += (gap > 0 ? QStringLiteral(" ") : QString()) + word;
                        x += gap + w;
                    }
                    i = j;
                }
                break;
            }
            case Piece::Tab: {
                placeCheckHelp();
                flush();
                // What follows stands at a tab stop: the words and values
                // before it on this line keep their room.
                for (Item &item : lines.last().items)
                    if (item.rec.className == QLatin1String("TLabel"))
                        item.rec.Set(QStringLiteral("AutoSize"), StreamValue::Boolean(false));
                double stop = -1;
                for (int t : page_.tabs) {
                    const double px = t / 1440.0 * ScreenDpi;
                    if (px > x) {
                        stop = px;
                        break;
                    }
                }
                // Past the last stop the next item follows after a gap and
                // wraps like any other when the line is full.
                x = stop < 0 ? x + 2 * Gap : stop;
                break;
            }
            case Piece::Help: {
                placeCheckHelp();
                Item item;
                item.width = 20;
                item.height = 20;
                item.focusable = true;
                item.rec = helpButton(QStringLiteral("btnHELP") + QString::number(++serial_) + QStringLiteral("x"),
                                      p.text, 0, 0, Padding + x + Gap);
                addItem(item, true);
                break;
            }
            case Piece::Answer: {
                placeCheckHelp();
                const Field &f = page_.fields[p.answer];
                if (p.asLabel && p.answer == 0) {
                    // A label with Tag 0 is static text, so answer 0 shows
                    // again as a read-only edit (only an answer written on
                    // every run may show twice; the source reader checks).
                    Item item = control(f, Padding + x + Gap);
                    item.answer = -1;
                    item.rec.name = QStringLiteral("edt0r") + QString::number(++serial_);
                    item.rec.children.clear();
                    item.rec.Set(QStringLiteral("StyleLookup"), StreamValue::Text(QLatin1String(EditReadOnly)));
                    item.rec.Set(QStringLiteral("ReadOnly"), StreamValue::Boolean(true));
                    item.rec.Set(QStringLiteral("TabStop"), StreamValue::Boolean(false));
                    addItem(item, true);
                    break;
                }
                if (p.asLabel) {
                    Item item;
                    item.answer = -1;
                    item.width = f.kind == Kind::Memo ? width_ - left : fieldWidth(f);
                    item.height = ControlHeight;
                    item.rec = label(QString(), b, item.width, p.answer);
                    // A value in running text takes the room of its field
                    // here, and the words around it a generous estimate of
                    // theirs; the program fits them to what they show and
                    // closes the line up, unless what follows stands at a
                    // tab stop or the line is centred.
                    if (f.kind != Kind::Memo && b.align == Block::Left)
                        item.rec.Set(QStringLiteral("AutoSize"), StreamValue::Boolean(true));
                    addItem(item, true);
                    break;
                }
                if (f.kind == Kind::Memo) {
                    flush();
                    if (!f.help.isEmpty()) {
                        Item help;
                        help.width = 20;
                        help.height = 20;
                        help.focusable = true;
                        help.rec =
                            helpButton(QStringLiteral("btnHELP") + QString::number(f.answer) + QStringLiteral("m"),
                                       f.help, 0, 0, Padding + x + Gap);
                        addItem(help, true);
                    }
                    if (x > left)
                        newLine();
                    Item item = control(f, Padding + left);
                    item.width = width_ - left;
                    takeBuddy(item, false);
                    addItem(item, false);
                    newLine();
                    break;
                }
                // The help button sits inside the edit; its callout needs the
                // edit's place on the panel, known only once placed.
                Item item = control(f, Padding + x + Gap);
                flush();
                takeBuddy(item, f.kind == Kind::Check || f.kind == Kind::Estimate);
                if (f.kind == Kind::Check || f.kind == Kind::Estimate) {
                    addItem(item, true);
                    // The help of a check box follows its caption, so that
                    // box and caption stay side by side.
                    if (!f.help.isEmpty()) {
                        checkHelp = f;
                        if (!captionFollows(b, int(&p - b.pieces.data())))
                            placeCheckHelp();
                    }
                } else {
                    addItem(item, true);
                    if (!f.help.isEmpty()) {
                        // Rebuild with the final position for the callout.
                        const Item &placed = lines.last().items.last();
                        Item again = control(f, Padding + placed.x);
                        lines.last().items.last().rec = again.rec;
                    }
                }
                break;
            }
            }
        }
        placeCheckHelp();
        flush();
        if (lines.size() > 1 && lines.last().items.isEmpty())
            lines.removeLast();

        // Place the lines: aligned, with every control centred in its line.
        for (Line &line : lines) {
            double shift = 0;
            if (!line.items.isEmpty() && b.align != Block::Left) {
                const Item &last = line.items.last();
                const double used = last.x + last.width - line.items.first().x;
                const double room = width_ - left - used;
                shift = b.align == Block::Center ? room / 2 : room;
                shift -= line.items.first().x - left;
            }
            for (Item &item : line.items) {
                const double top = y + (line.height - item.height) / 2;
                place(item.rec, std::round(Padding + item.x + shift), std::round(top), std::ceil(item.width),
                      item.height);
                if (item.answer >= 0) {
                    PlacedControl c;
                    c.name = item.rec.name;
                    c.className = item.rec.className;
                    c.tag = item.rec.Tag();
                    c.style = item.rec.StyleLookup();
                    c.x = Padding + item.x + shift;
                    c.y = top;
                    c.width = item.width;
                    c.height = item.height;
                    out.controls.insert(item.answer, c);
                }
                collectFocusable(item.rec, out.focusableTags);
                out.root.children.append(item.rec);
            }
            y += line.height;
        }
        return y;
    }

    // Whether a few words follow the piece, up to the next field, help or
    // tab stop: the caption of a check box, rather than a sentence.
    static bool captionFollows(const Block &b, int index)
    {
        int words = 0;
        for (int i = index + 1; i < b.pieces.size(); ++i) {
            const Piece &p = b.pieces[i];
            if (p.type != Piece::Words)
                break;
            words += int(p.text.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
        }
        return words > 0 && words < 10;
    }

    static void collectFocusable(const ComponentRecord &r, QList<qint64> &tags)
    {
        for (const ComponentRecord &child : r.children)
            collectFocusable(child, tags);
        if (r.className == QLatin1String("TEdit") || r.className == QLatin1String("TMemo") ||
            r.className == QLatin1String("TCheckBox") || r.className == QLatin1String("TButton"))
            tags.append(r.Tag());
    }

    const FormPage &page_;
    double width_;
    int serial_ = 0;
};

} // namespace

ScreenLayout LayOutScreen(const FormPage &page)
{
    return Builder(page).Run();
}

} // namespace formgen
