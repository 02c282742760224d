#include "FormSource.h"

#include "core/store/Answers.h"
#include "core/store/PageCatalogue.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <utility>

namespace formgen {

namespace {

// Attributes of one occurrence of an answer, before the page's defaults fill
// the gaps.
QString plainWords(QString text);
QString firstClause(const QString &text);
QString trimPunctuation(QString text);

struct Occurrence
{
    std::optional<Mode> mode;
    std::optional<Kind> kind;
    int width = 0;
    int lines = 0;
    QString help;
    QString name;
    bool asLabel = false;
    Piece::EmptyPrint whenEmpty = Piece::PageRule;
    bool signer = false;
};

struct Parser
{
    QString path;
    FormPage &page;
    QStringList *errors;
    int lineNo = 0;
    bool failed = false;
    // Explicit attributes gathered over every occurrence of an answer.
    QMap<int, Occurrence> declared;

    void fail(const QString &message, int line = -1)
    {
        failed = true;
        if (errors)
            errors->append(QStringLiteral("%1:%2: %3").arg(path).arg(line < 0 ? lineNo : line).arg(message));
    }

    // "1in", "0.5in", "72pt", "1440" (twips).
    std::optional<int> twips(const QString &text)
    {
        static const QRegularExpression re(QStringLiteral("^(\\d+(?:\\.\\d+)?)(in|pt|tw)?$"));
        const QRegularExpressionMatch m = re.match(text);
        if (!m.hasMatch())
            return std::nullopt;
        const double value = m.captured(1).toDouble();
        const QString unit = m.captured(2);
        if (unit == QLatin1String("in"))
            return int(value * 1440 + 0.5);
        if (unit == QLatin1String("pt"))
            return int(value * 20 + 0.5);
        return int(value + 0.5);
    }

    static std::optional<Mode> modeOf(const QString &word)
    {
        if (word == QLatin1String("in") || word == QLatin1String("input"))
            return Mode::Input;
        if (word == QLatin1String("g") || word == QLatin1String("guarded"))
            return Mode::Guarded;
        if (word == QLatin1String("a") || word == QLatin1String("always"))
            return Mode::Always;
        return std::nullopt;
    }

    static std::optional<Kind> kindOf(const QString &word)
    {
        static const QMap<QString, Kind> kinds = {
            {QStringLiteral("text"), Kind::Text},   {QStringLiteral("money"), Kind::Money},
            {QStringLiteral("pct"), Kind::Percent}, {QStringLiteral("whole"), Kind::Whole},
            {QStringLiteral("short"), Kind::Short}, {QStringLiteral("date"), Kind::Date},
            {QStringLiteral("memo"), Kind::Memo},   {QStringLiteral("check"), Kind::Check},
            {QStringLiteral("est"), Kind::Estimate}};
        const auto it = kinds.find(word);
        if (it == kinds.end())
            return std::nullopt;
        return *it;
    }

    bool directive(const QString &text, QList<int> &repeat)
    {
        const QStringList words = text.mid(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString name = words.value(0);
        const QStringList args = words.mid(1);
        auto number = [&](const QString &word, int &out) {
            bool ok = false;
            out = word.toInt(&ok);
            if (!ok)
                fail(QStringLiteral("'%1' is not a whole number").arg(word));
            return ok;
        };
        if (name == QLatin1String("page")) {
            if (args.size() != 1 || !number(args[0], page.number))
                return false;
            if (!brevane::IsValidPage(page.number)) {
                fail(QStringLiteral("page %1 is outside 0..99").arg(page.number));
                return false;
            }
            return true;
        }
        if (page.number < 0) {
            fail(QStringLiteral("the source must start with .page"));
            return false;
        }
        if (name == QLatin1String("focus")) {
            page.hasFocus = args.size() == 1 && number(args[0], page.focus);
            if (args.size() != 1)
                fail(QStringLiteral(".focus takes one Tag"));
            return page.hasFocus;
        }
        if (name == QLatin1String("margins")) {
            if (args.size() != 1 && args.size() != 4) {
                fail(QStringLiteral(".margins takes one value or four (left right top bottom)"));
                return false;
            }
            for (int i = 0; i < 4; ++i) {
                const std::optional<int> v = twips(args[args.size() == 1 ? 0 : i]);
                if (!v || *v > 4320) {
                    fail(QStringLiteral("bad margin '%1'").arg(args[args.size() == 1 ? 0 : i]));
                    return false;
                }
                page.margins[i] = *v;
            }
            return true;
        }
        // Settings that are on when named.
        const std::pair<const char *, bool *> flags[] = {
            {"landscape", &page.landscape}, {"keepblank", &page.keepBlank}, {"zeroblank", &page.zeroBlank}};
        for (const auto &[flag, value] : flags) {
            if (name != QLatin1String(flag))
                continue;
            if (!args.isEmpty()) {
                fail(QStringLiteral(".%1 takes no value").arg(name));
                return false;
            }
            *value = true;
            return true;
        }
        if (name == QLatin1String("font")) {
            if (args.size() != 1 || !number(args[0], page.fontSize) || page.fontSize < 6 || page.fontSize > 36) {
                fail(QStringLiteral(".font takes a size in points, 6 to 36"));
                return false;
            }
            return true;
        }
        if (name == QLatin1String("tabs")) {
            page.tabs.clear();
            for (const QString &arg : args) {
                const std::optional<int> v = twips(arg);
                if (!v || (!page.tabs.isEmpty() && *v <= page.tabs.last())) {
                    fail(QStringLiteral("bad tab stop '%1' (stops rise from left to right)").arg(arg));
                    return false;
                }
                page.tabs.append(*v);
            }
            return true;
        }
        if (name == QLatin1String("screen") || name == QLatin1String("print")) {
            if (args.size() != 1 || (args[0] != QLatin1String("yes") && args[0] != QLatin1String("no"))) {
                fail(QStringLiteral(".%1 takes yes or no").arg(name));
                return false;
            }
            (name == QLatin1String("screen") ? page.screen : page.print) = args[0] == QLatin1String("yes");
            return true;
        }
        if (name == QLatin1String("default")) {
            for (const QString &arg : args) {
                if (const auto m = modeOf(arg))
                    page.defaultMode = *m;
                else if (const auto k = kindOf(arg))
                    page.defaultKind = *k;
                else {
                    fail(QStringLiteral("'%1' is neither a mode nor a kind").arg(arg));
                    return false;
                }
            }
            return true;
        }
        if (name == QLatin1String("required")) {
            // Items the form needs before it is filed: a page-0 answer by its
            // name, an answer of this page by its number, "@L" for a directory
            // row with role L; "a|b" is filled when either is; "a?b" is needed
            // only while b is filled (or, for "@L", a row has role L).
            static const QRegularExpression item(QStringLiteral("^(@[A-Z]|[A-Z][A-Za-z0-9]*|\\d+)$"));
            for (const QString &arg : args) {
                const QStringList parts = arg.split(QLatin1Char('?'));
                const QStringList anyOf = parts.front().split(QLatin1Char('|'));
                const QString when = parts.value(1);
                bool good = parts.size() <= 2 && (parts.size() == 1 || item.match(when).hasMatch());
                for (const QString &one : anyOf)
                    good = good && item.match(one).hasMatch() &&
                           !(one.startsWith(QLatin1Char('@')) && (anyOf.size() > 1 || parts.size() > 1));
                if (!good) {
                    fail(QStringLiteral("'%1' is no required item (a page-0 name, an answer number, @ and a role, "
                                        "with ?answer for a condition)")
                             .arg(arg));
                    return false;
                }
                page.required.append(anyOf);
                page.requiredWhen.append(when);
            }
            return true;
        }
        if (name == QLatin1String("chooseone")) {
            // Check boxes of which at most one is ticked ("for profit|nonprofit");
            // with the same group in .required, exactly one.
            static const QRegularExpression item(QStringLiteral("^([A-Z][A-Za-z0-9]*|\\d+)$"));
            for (const QString &arg : args) {
                const QStringList group = arg.split(QLatin1Char('|'));
                const bool named = std::all_of(group.begin(), group.end(),
                                               [](const QString &one) { return item.match(one).hasMatch(); });
                if (group.size() < 2 || !named) {
                    fail(
                        QStringLiteral("'%1' is no group to choose one of (two or more answers joined by |)").arg(arg));
                    return false;
                }
                page.chooseOne.append(group);
            }
            return true;
        }
        if (name == QLatin1String("check")) {
            static const QRegularExpression rule(QStringLiteral("^[A-Z][A-Za-z0-9]*$"));
            for (const QString &arg : args) {
                if (!rule.match(arg).hasMatch()) {
                    fail(QStringLiteral("'%1' is no rule name").arg(arg));
                    return false;
                }
                page.checks.append(arg);
            }
            return true;
        }
        if (name == QLatin1String("inputstyle")) {
            page.inputStyle = args.value(0);
            return true;
        }
        if (name == QLatin1String("space")) {
            Block b;
            b.type = Block::Space;
            b.line = lineNo;
            if (!args.isEmpty() && (!number(args[0], b.spaceLines) || b.spaceLines < 1 || b.spaceLines > 20))
                return false;
            page.blocks.append(b);
            return true;
        }
        if (name == QLatin1String("repeat")) {
            int count = 0, step = 0;
            const bool grows = args.size() == 3 && args[2] == QLatin1String("grow");
            if ((args.size() != 2 && !grows) || !number(args[0], count) || !number(args[1], step) || count < 1 ||
                step < 1) {
                fail(QStringLiteral(".repeat takes a count and a step, both at least 1, and may end in grow"));
                return false;
            }
            repeat = {count, step, grows ? 1 : 0};
            return true;
        }
        fail(QStringLiteral("unknown directive .%1").arg(name));
        return false;
    }

    // Options in brackets at the start of a line: "[center, print]".
    bool options(QString &text, Block &b)
    {
        if (!text.startsWith(QLatin1Char('[')))
            return true;
        const qsizetype end = text.indexOf(QLatin1Char(']'));
        if (end < 0) {
            fail(QStringLiteral("unclosed option list"));
            return false;
        }
        const QString list = text.mid(1, end - 1);
        text = text.mid(end + 1).trimmed();
        for (QString word : list.split(QRegularExpression(QStringLiteral("[ ,]+")), Qt::SkipEmptyParts)) {
            if (word == QLatin1String("center"))
                b.align = Block::Center;
            else if (word == QLatin1String("right"))
                b.align = Block::Right;
            else if (word == QLatin1String("screen"))
                b.inPrint = false;
            else if (word == QLatin1String("print"))
                b.onScreen = false;
            else if (word == QLatin1String("bold"))
                b.bold = true;
            else if (word == QLatin1String("small"))
                b.small = true;
            else if (word == QLatin1String("row"))
                b.row = true;
            else if (word == QLatin1String("sign"))
                b.sign = true;
            else if (word.startsWith(QLatin1String("if="))) {
                bool ok = false;
                b.printIf = word.mid(3).toInt(&ok);
                if (!ok || b.printIf < 0) {
                    fail(QStringLiteral("'%1' names no answer: if=N").arg(word));
                    return false;
                }
            } else if (word.startsWith(QLatin1String("unless="))) {
                bool ok = false;
                b.printUnless = word.mid(7).toInt(&ok);
                if (!ok || b.printUnless < 0) {
                    fail(QStringLiteral("'%1' names no answer: unless=N").arg(word));
                    return false;
                }
            } else {
                fail(QStringLiteral("unknown option '%1'").arg(word));
                return false;
            }
        }
        if (!b.onScreen && !b.inPrint) {
            fail(QStringLiteral("a line cannot be for neither screen nor print"));
            return false;
        }
        return true;
    }

    // The block marker at the start of a line ("=", "==", "===", "-", ">"):
    // sets the block's type; true when the line continues a paragraph.
    static bool marker(QString &rest, Block &b)
    {
        bool joins = false;
        if (rest.startsWith(QLatin1String("==="))) {
            b.type = Block::Heading;
            rest = rest.mid(3);
        } else if (rest.startsWith(QLatin1String("=="))) {
            b.type = Block::Subtitle;
            rest = rest.mid(2);
        } else if (rest.startsWith(QLatin1Char('='))) {
            b.type = Block::Title;
            rest = rest.mid(1);
        } else if (rest.startsWith(QLatin1String("- ")) || rest == QLatin1String("-")) {
            b.type = Block::Item;
            rest = rest.mid(1);
        } else if (rest.startsWith(QLatin1Char('>'))) {
            b.type = Block::Paragraph;
            b.indent = true;
            rest = rest.mid(1);
            joins = true;
        } else {
            b.type = Block::Paragraph;
            joins = true;
        }
        rest = rest.trimmed();
        if (b.type == Block::Title || b.type == Block::Subtitle)
            b.align = Block::Center;
        if (b.row)
            joins = false;
        return joins;
    }

    // The attributes inside "{...}".
    bool field(const QString &inside, Piece &piece, Occurrence &occ)
    {
        // Split into words, keeping a quoted help text whole.
        QStringList words;
        QString help;
        bool hasHelp = false;
        QString current;
        for (qsizetype i = 0; i < inside.size(); ++i) {
            const QChar c = inside[i];
            if (c == QLatin1Char('"')) {
                if (hasHelp) {
                    fail(QStringLiteral("only one help text per answer"));
                    return false;
                }
                qsizetype j = i + 1;
                while (j < inside.size() && inside[j] != QLatin1Char('"')) {
                    if (inside[j] == QLatin1Char('\\') && j + 1 < inside.size())
                        ++j;
                    help += inside[j++];
                }
                if (j >= inside.size()) {
                    fail(QStringLiteral("unclosed help text"));
                    return false;
                }
                hasHelp = true;
                i = j;
            } else if (c == QLatin1Char(' ')) {
                if (!current.isEmpty())
                    words << current;
                current.clear();
            } else {
                current += c;
            }
        }
        if (!current.isEmpty())
            words << current;
        if (words.isEmpty()) {
            fail(QStringLiteral("empty field"));
            return false;
        }
        if (words[0] == QLatin1String("?")) {
            if (!hasHelp || words.size() != 1) {
                fail(QStringLiteral("a help button is written {? \"text\"}"));
                return false;
            }
            piece.type = Piece::Help;
            piece.text = help;
            return true;
        }
        bool ok = false;
        piece.type = Piece::Answer;
        piece.answer = words[0].toInt(&ok);
        if (!ok || piece.answer < 0) {
            fail(QStringLiteral("'%1' is not an answer number").arg(words[0]));
            return false;
        }
        occ.help = help;
        for (const QString &w : words.mid(1)) {
            static const QRegularExpression size(QStringLiteral("^([wh])(\\d+)$"));
            const QRegularExpressionMatch m = size.match(w);
            if (w.startsWith(QLatin1String("name="))) {
                // A CamelCase name, so that it is a C++ name and never a keyword.
                static const QRegularExpression camel(QStringLiteral("^[A-Z][A-Za-z0-9]*$"));
                occ.name = w.mid(5);
                if (!camel.match(occ.name).hasMatch()) {
                    fail(QStringLiteral("'%1' is not a name: a capital letter, then letters and digits").arg(occ.name));
                    return false;
                }
            } else if (const auto mode = modeOf(w)) {
                occ.mode = mode;
            } else if (const auto kind = kindOf(w)) {
                occ.kind = kind;
            } else if (w == QLatin1String("lbl")) {
                occ.asLabel = true;
            } else if (w == QLatin1String("fill") || w == QLatin1String("blank")) {
                occ.whenEmpty = w == QLatin1String("fill") ? Piece::FillLine : Piece::Nothing;
            } else if (w == QLatin1String("signer")) {
                occ.signer = true;
            } else if (w == QLatin1String("choice")) {
                piece.choice = true;
            } else if (m.hasMatch()) {
                (m.captured(1) == QLatin1String("w") ? occ.width : occ.lines) = m.captured(2).toInt();
            } else {
                fail(QStringLiteral("unknown field attribute '%1'").arg(w));
                return false;
            }
        }
        piece.asLabel = occ.asLabel;
        piece.whenEmpty = occ.whenEmpty;
        return true;
    }

    bool declare(int answer, const Occurrence &occ)
    {
        if (answer >= brevane::TAnswer::AnswerCount(page.number)) {
            fail(QStringLiteral("answer %1 is beyond page %2's answers (0..%3)")
                     .arg(answer)
                     .arg(page.number)
                     .arg(brevane::TAnswer::AnswerCount(page.number) - 1));
            return false;
        }
        Occurrence &d = declared[answer];
        if (!page.fields.contains(answer)) {
            Field f;
            f.answer = answer;
            f.line = lineNo;
            page.fields.insert(answer, f);
        }
        auto conflict = [&](const char *what) {
            fail(QStringLiteral("answer %1: %2 differs from an earlier occurrence")
                     .arg(answer)
                     .arg(QLatin1String(what)));
            return false;
        };
        if (occ.mode) {
            if (d.mode && *d.mode != *occ.mode)
                return conflict("mode");
            d.mode = occ.mode;
        }
        if (occ.kind) {
            if (d.kind && *d.kind != *occ.kind)
                return conflict("kind");
            d.kind = occ.kind;
        }
        if (occ.width) {
            if (d.width && d.width != occ.width)
                return conflict("width");
            d.width = occ.width;
        }
        if (occ.lines) {
            if (d.lines && d.lines != occ.lines)
                return conflict("height");
            d.lines = occ.lines;
        }
        if (!occ.help.isEmpty()) {
            if (!d.help.isEmpty())
                return conflict("help text");
            d.help = occ.help;
        }
        d.signer = d.signer || occ.signer;
        if (!occ.name.isEmpty()) {
            if (!d.name.isEmpty() && d.name != occ.name)
                return conflict("name");
            d.name = occ.name;
        }
        return true;
    }

    // The wording of a line into pieces; `shift` is added to every answer
    // number (repeated lines), `withHelp` keeps the help texts.
    bool pieces(const QString &text, QList<Piece> &out, int shift, bool withHelp)
    {
        QString words;
        bool bold = false;
        auto flush = [&] {
            if (!words.isEmpty()) {
                Piece p;
                p.type = Piece::Words;
                p.text = words;
                p.bold = bold;
                out.append(p);
                words.clear();
            }
        };
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c == QLatin1Char('|')) {
                flush();
                Piece p;
                p.type = Piece::Tab;
                out.append(p);
            } else if (c == QLatin1Char('{')) {
                qsizetype j = i + 1;
                bool quoted = false;
                while (j < text.size() && (quoted || text[j] != QLatin1Char('}'))) {
                    if (text[j] == QLatin1Char('"'))
                        quoted = !quoted;
                    else if (quoted && text[j] == QLatin1Char('\\'))
                        ++j;
                    ++j;
                }
                if (j >= text.size()) {
                    fail(QStringLiteral("unclosed {"));
                    return false;
                }
                flush();
                Piece p;
                Occurrence occ;
                if (!field(text.mid(i + 1, j - i - 1), p, occ))
                    return false;
                if (p.type == Piece::Answer) {
                    p.answer += shift;
                    if (!withHelp)
                        occ.help.clear();
                    if (!declare(p.answer, occ))
                        return false;
                }
                out.append(p);
                i = j;
            } else if (c == QLatin1Char('}')) {
                fail(QStringLiteral("} without {"));
                return false;
            } else if (c == QLatin1Char('*') && i + 1 < text.size() && text[i + 1] == QLatin1Char('*')) {
                flush();
                bold = !bold;
                ++i;
            } else if (c == QLatin1Char('~')) {
                words += QChar(0xA0); // a blank that never breaks the line
            } else {
                words += c;
            }
        }
        flush();
        if (bold) {
            fail(QStringLiteral("** without its closing **"));
            return false;
        }
        return true;
    }

    bool run(const QString &text)
    {
        const QStringList lines = text.split(QLatin1Char('\n'));
        QList<int> repeat;
        Block *open = nullptr; // the paragraph that a following plain line joins
        QString openText;      // its wording so far
        auto close = [&]() -> bool {
            if (!open)
                return true;
            const int saved = lineNo;
            lineNo = open->line;
            const bool ok = pieces(openText, open->pieces, 0, true);
            lineNo = saved;
            open = nullptr;
            openText.clear();
            return ok;
        };
        for (int i = 0; i < lines.size(); ++i) {
            lineNo = i + 1;
            QString line = lines[i];
            while (!line.isEmpty() && line.back().isSpace())
                line.chop(1);
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(QLatin1Char('#')))
                continue;
            if (trimmed.isEmpty()) {
                if (!close())
                    return false;
                continue;
            }
            if (trimmed.startsWith(QLatin1Char('.')) && trimmed.size() > 1 && trimmed[1].isLetter()) {
                if (!close() || !directive(trimmed, repeat))
                    return false;
                continue;
            }
            if (page.number < 0) {
                fail(QStringLiteral("the source must start with .page"));
                return false;
            }
            Block b;
            b.line = lineNo;
            QString rest = trimmed;
            if (!options(rest, b))
                return false;
            const bool joins = marker(rest, b);
            if (!repeat.isEmpty()) {
                // The group: this line and the lines after it up to the next
                // blank line, each a block of its own, repeated as a whole.
                if (!close())
                    return false;
                QList<QPair<Block, QString>> group{{b, rest}};
                QList<int> lineNos{lineNo};
                while (i + 1 < lines.size() && !lines[i + 1].trimmed().isEmpty()) {
                    lineNo = ++i + 1;
                    const QString next = lines[i].trimmed();
                    if (next.startsWith(QLatin1Char('#')))
                        continue;
                    Block nb;
                    nb.line = lineNo;
                    if (next.startsWith(QLatin1Char('.')) && next.size() > 1 && next[1].isLetter()) {
                        // Of the directives only .space belongs to a group.
                        const QStringList words = next.mid(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                        bool ok = words.size() <= 2 && words[0] == QLatin1String("space");
                        nb.type = Block::Space;
                        if (ok && words.size() == 2) {
                            nb.spaceLines = words[1].toInt(&ok);
                            ok = ok && nb.spaceLines >= 1 && nb.spaceLines <= 20;
                        }
                        if (!ok) {
                            fail(QStringLiteral("only .space may stand inside a repeated group"));
                            return false;
                        }
                        group.append({nb, QString()});
                        lineNos.append(lineNo);
                        continue;
                    }
                    QString nrest = next;
                    if (!options(nrest, nb))
                        return false;
                    marker(nrest, nb);
                    group.append({nb, nrest});
                    lineNos.append(lineNo);
                }
                const int table = repeat[2] ? int(page.tables.size()) : -1;
                if (repeat[2])
                    page.tables.append(GrowingTable{{}, repeat[1], repeat[0]});
                for (int k = 0; k < repeat[0]; ++k) {
                    for (int g = 0; g < group.size(); ++g) {
                        lineNo = lineNos[g];
                        Block copy = group[g].first;
                        copy.repeated = true;
                        copy.table = table;
                        copy.tableRow = table >= 0 ? k : -1;
                        if (copy.printIf >= 0)
                            copy.printIf += k * repeat[1];
                        if (copy.printUnless >= 0)
                            copy.printUnless += k * repeat[1];
                        if (!pieces(group[g].second, copy.pieces, k * repeat[1], k == 0))
                            return false;
                        if (table >= 0 && k == 0)
                            for (const Piece &p : std::as_const(copy.pieces))
                                if (p.type == Piece::Answer && !page.tables[table].columns.contains(p.answer))
                                    page.tables[table].columns.append(p.answer);
                        page.blocks.append(copy);
                    }
                }
                if (table >= 0) {
                    std::sort(page.tables[table].columns.begin(), page.tables[table].columns.end());
                    const GrowingTable &t = page.tables[table];
                    if (t.columns.isEmpty()) {
                        fail(QStringLiteral("a growing table needs an answer in its row"));
                        return false;
                    }
                    // A row prints while an answer of its own holds something:
                    // the page's kept rows that nobody fills print nothing.
                    for (const auto &[b, text] : std::as_const(group)) {
                        const int when = b.printIf >= 0 ? b.printIf : b.printUnless;
                        if (b.inPrint && b.type != Block::Space && when < 0) {
                            fail(QStringLiteral("a line of a growing table needs if=N, an answer of its row"));
                            return false;
                        }
                        if (when >= 0 && !t.columns.contains(when)) {
                            fail(QStringLiteral("a line of a growing table prints by answer %1, not of its row")
                                     .arg(when));
                            return false;
                        }
                    }
                }
                repeat.clear();
                continue;
            }
            // A line without options continues the open paragraph of its
            // kind, whose options it shares; a line with options opens one.
            if (joins && open && open->indent == b.indent && trimmed.front() != QLatin1Char('[')) {
                openText += QLatin1Char(' ') + rest;
                continue;
            }
            if (!close())
                return false;
            page.blocks.append(b);
            if (joins) {
                open = &page.blocks.last();
                openText = rest;
            } else if (!pieces(rest, page.blocks.last().pieces, 0, true)) {
                return false;
            }
        }
        if (!close())
            return false;
        if (!repeat.isEmpty()) {
            fail(QStringLiteral(".repeat at the end of the source repeats nothing"));
            return false;
        }
        if (page.number < 0) {
            fail(QStringLiteral("no .page line"), 1);
            return false;
        }
        return finish();
    }

    // Gives every field the label of its first occurrence, the screen's
    // occurrences first: the wording beside it (FieldLabel); in a table row,
    // its column's heading; right after another field with nothing between,
    // that field's label with its place ("held at (2)"); else the heading the
    // field stands under. Fields of repeated lines that share a label are
    // numbered in answer order ("Member 1", "Member 2"), so that each still
    // says which one it is.
    void labelFields()
    {
        QMap<int, bool> fromRepeat;
        QMap<int, QString> headingOf; // the heading each field stands under
        for (int pass = 0; pass < 2; ++pass) {
            QString heading;         // the last heading, title or subtitle with wording
            QStringList columnHeads; // the cells of the last table row without fields
            // The cells of a line without fields, split at its tab stops.
            const auto cellsOf = [](const Block &b) {
                QStringList cells{QString()};
                for (const Piece &p : b.pieces) {
                    if (p.type == Piece::Answer)
                        return QStringList();
                    if (p.type == Piece::Tab)
                        cells.append(QString());
                    else if (p.type == Piece::Words)
                        cells.last() += p.text;
                }
                for (QString &cell : cells)
                    cell = plainWords(cell);
                return cells;
            };
            for (qsizetype at = 0; at < page.blocks.size(); ++at) {
                const Block &b = page.blocks[at];
                if ((pass == 0) != b.onScreen)
                    continue;
                const bool hasField = std::any_of(b.pieces.cbegin(), b.pieces.cend(),
                                                  [](const Piece &p) { return p.type == Piece::Answer; });
                // A line of words just below: the captions under signature
                // lines (a heading below starts the next part instead).
                QStringList below;
                for (qsizetype next = at + 1; next < page.blocks.size(); ++next) {
                    const Block &n = page.blocks[next];
                    if (n.onScreen == b.onScreen) {
                        if (n.type != Block::Title && n.type != Block::Subtitle && n.type != Block::Heading)
                            below = cellsOf(n);
                        break;
                    }
                }
                if (!hasField) {
                    const QStringList cells = cellsOf(b);
                    if (b.row)
                        columnHeads = cells;
                    else if (const QString words = cells.join(QLatin1Char(' ')).simplified();
                             b.type == Block::Title || b.type == Block::Subtitle || b.type == Block::Heading ||
                             words.endsWith(QLatin1Char(':')))
                        heading = trimPunctuation(words); // a heading, or words that introduce a list
                    continue;
                }
                int cell = 0;
                QString previous; // the label of the field before, with nothing but blanks between
                int run = 1;      // the fields in a row that share it
                for (int i = 0; i < b.pieces.size(); ++i) {
                    const Piece &p = b.pieces[i];
                    if (p.type == Piece::Tab) {
                        ++cell;
                        previous.clear();
                        continue;
                    }
                    if (p.type == Piece::Words && !p.text.trimmed().isEmpty() &&
                        p.text.contains(QRegularExpression(QStringLiteral("[A-Za-z0-9]")))) {
                        previous.clear();
                        continue;
                    }
                    if (p.type != Piece::Answer)
                        continue;
                    Field &f = page.fields[p.answer];
                    QString label = f.label;
                    if (label.isEmpty() && !p.asLabel) {
                        headingOf[p.answer] = heading;
                        label = FieldLabel(b, i, f.kind == Kind::Check || f.kind == Kind::Estimate);
                        if (label.isEmpty() && b.row && cell < columnHeads.size())
                            label = columnHeads[cell];
                        if (label.isEmpty() && !previous.isEmpty()) {
                            // Repeated lines are numbered in answer order below.
                            ++run;
                            f.label = b.repeated ? previous : QStringLiteral("%1 (%2)").arg(previous).arg(run);
                            fromRepeat[p.answer] = b.repeated;
                            continue;
                        }
                        if (label.isEmpty() && cell < below.size())
                            label = below[cell];
                        if (label.isEmpty())
                            label = firstClause(f.help);
                        if (label.isEmpty())
                            label = heading;
                        f.label = label;
                        fromRepeat[p.answer] = b.repeated;
                    }
                    previous = label;
                    run = 1;
                }
            }
        }
        QMap<QString, QList<int>> byLabel;
        for (const Field &f : std::as_const(page.fields))
            if (!f.label.isEmpty() && fromRepeat.value(f.answer))
                byLabel[f.label].append(f.answer);
        for (auto it = byLabel.cbegin(); it != byLabel.cend(); ++it) {
            if (it->size() < 2)
                continue;
            for (int k = 0; k < it->size(); ++k)
                page.fields[it->at(k)].label += QLatin1Char(' ') + QString::number(k + 1);
        }
        // Other fields of one label ("City" of several addresses) are told
        // apart by the heading they stand under, then by their order.
        for (int round = 0; round < 2; ++round) {
            QMap<QString, QList<int>> same;
            for (const Field &f : std::as_const(page.fields))
                if (!f.label.isEmpty())
                    same[f.label].append(f.answer);
            for (auto it = same.cbegin(); it != same.cend(); ++it) {
                if (it->size() < 2)
                    continue;
                for (int k = 0; k < it->size(); ++k) {
                    QString &label = page.fields[it->at(k)].label;
                    const QString heading = headingOf.value(it->at(k));
                    if (round == 0 && !heading.isEmpty() && heading != label)
                        label += QStringLiteral(" (%1)").arg(heading);
                    else if (round == 1)
                        label += QStringLiteral(" (%1)").arg(k + 1);
                }
            }
        }
    }

    // Fills the defaults, checks what one source cannot say twice.
    bool finish()
    {
        for (auto it = page.fields.begin(); it != page.fields.end(); ++it) {
            Field &f = *it;
            const Occurrence &d = declared[f.answer];
            f.mode = d.mode.value_or(page.defaultMode);
            f.kind = d.kind.value_or(page.defaultKind);
            f.width = d.width;
            f.lines = d.lines;
            f.help = d.help;
            f.name = d.name;
            f.signer = d.signer;
        }
        labelFields();
        // The page procedures read page 0 by these names.
        QMap<QString, int> named;
        for (const Field &f : std::as_const(page.fields)) {
            if (f.name.isEmpty()) {
                if (page.number == 0)
                    fail(QStringLiteral("a page-0 answer needs a name"), f.line);
            } else if (named.contains(f.name)) {
                fail(QStringLiteral("answer %1: the name %2 is already answer %3's")
                         .arg(f.answer)
                         .arg(f.name)
                         .arg(named.value(f.name)),
                     f.line);
            } else {
                named.insert(f.name, f.answer);
            }
        }
        for (const QStringList &anyOf : std::as_const(page.required))
            for (const QString &one : anyOf)
                if (one.front().isDigit() && !page.fields.contains(one.toInt()))
                    fail(QStringLiteral("required answer %1 is not on the page").arg(one));
        for (const QString &when : std::as_const(page.requiredWhen))
            if (!when.isEmpty() && when.front().isDigit() && !page.fields.contains(when.toInt()))
                fail(QStringLiteral("answer %1 a required item depends on is not on the page").arg(when));
        for (const QStringList &group : std::as_const(page.chooseOne))
            for (const QString &one : group)
                if (one.front().isDigit() && !page.fields.contains(one.toInt()))
                    fail(QStringLiteral("answer %1 to choose from is not on the page").arg(one));
        if (!page.screen)
            return !failed;
        // Each answer is a control once on the screen; further occurrences
        // show it as text. An answer the user types or may override must
        // have its control.
        QMap<int, bool> hasControl;
        for (Block &b : page.blocks) {
            if (!b.onScreen)
                continue;
            for (Piece &p : b.pieces) {
                if (p.type != Piece::Answer)
                    continue;
                if (!p.asLabel && !hasControl.value(p.answer))
                    hasControl[p.answer] = true;
                else
                    p.asLabel = true;
            }
        }
        for (const Field &f : std::as_const(page.fields)) {
            bool shown = false;
            for (const Block &b : std::as_const(page.blocks))
                for (const Piece &p : b.pieces)
                    shown = shown || (b.onScreen && p.type == Piece::Answer && p.answer == f.answer);
            if (shown && f.mode != Mode::Always && !hasControl.value(f.answer))
                fail(QStringLiteral("answer %1 is %2 but never shown as a field").arg(f.answer).arg(ModeName(f.mode)),
                     f.line);
            if (f.answer == 0 && f.mode != Mode::Always && shown) {
                // A label with Tag 0 is static text: a second showing of
                // answer 0 is a read-only edit, which must not hold a value
                // older than the user's own field.
                int onScreen = 0;
                for (const Block &b : std::as_const(page.blocks))
                    for (const Piece &p : b.pieces)
                        onScreen += b.onScreen && p.type == Piece::Answer && p.answer == 0;
                if (onScreen > 1)
                    fail(QStringLiteral("answer 0 is %1 and can be shown only once on the screen; "
                                        "mark the other lines [print]")
                             .arg(ModeName(f.mode)),
                         f.line);
            }
            if ((f.kind == Kind::Check || f.kind == Kind::Estimate) && f.width)
                fail(QStringLiteral("answer %1: a check box has no width").arg(f.answer), f.line);
        }
        return !failed;
    }
};

} // namespace

int FieldChars(const Field &f)
{
    if (f.width != 0)
        return f.width;
    switch (f.kind) {
    case Kind::Money:
        return 12;
    case Kind::Percent:
        return 8;
    case Kind::Whole:
        return 10;
    case Kind::Short:
        return 6;
    case Kind::Date:
        return 18;
    default:
        return 24;
    }
}

namespace {

// The wording as read aloud: no fill-in underscores, "~" blanks as blanks,
// one blank between words.
QString plainWords(QString text)
{
    text.replace(QChar(0xA0), QLatin1Char(' '));
    text.remove(QLatin1Char('_'));
    return text.simplified();
}

// The start of a help text up to its first comma or sentence end.
QString firstClause(const QString &text)
{
    static const QRegularExpression end(QStringLiteral("[,.;:]"));
    const qsizetype at = text.indexOf(end);
    return plainWords(at < 0 ? text : text.left(at));
}

// At most `most` words of a clause, from its start or from its end.
QString fewWords(const QString &clause, int most, bool fromEnd)
{
    QStringList words = clause.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() > most)
        words = fromEnd ? words.mid(words.size() - most) : words.mid(0, most);
    return words.join(QLatin1Char(' '));
}

// Punctuation that no label starts or ends with.
QString trimPunctuation(QString text)
{
    static const QString edge = QStringLiteral(" ,;:.(-|");
    while (!text.isEmpty() && edge.contains(text.back()))
        text.chop(1);
    while (!text.isEmpty() && (edge.contains(text.front()) || text.front() == QLatin1Char(')')))
        text.remove(0, 1);
    return text;
}

} // namespace

QString FieldLabel(const Block &block, int index, bool checkBox)
{
    constexpr int MostWords = 10;
    // The words between the previous field (or help button) and this one,
    // and between this one and the next.
    QString before, after;
    for (int i = index - 1; i >= 0; --i) {
        const Piece &p = block.pieces[i];
        if (p.type == Piece::Answer || p.type == Piece::Help)
            break;
        if (p.type == Piece::Words)
            before.prepend(p.text + QLatin1Char(' '));
    }
    for (int i = index + 1; i < block.pieces.size(); ++i) {
        const Piece &p = block.pieces[i];
        if (p.type == Piece::Answer || p.type == Piece::Tab)
            break;
        if (p.type == Piece::Words)
            after += p.text + QLatin1Char(' ');
    }
    // The clause next to the field: what follows the last sentence end
    // before it, or what precedes the first one after it.
    static const QRegularExpression sentenceEnd(QStringLiteral("[.;:!?](\\s|$)"));
    QString lead = plainWords(before);
    for (qsizetype at = lead.size() - 1; at > 0; --at) {
        if (QStringLiteral(".;:!?").contains(lead[at - 1]) && lead[at] == QLatin1Char(' ') && at < lead.size() - 1) {
            lead = lead.mid(at + 1);
            break;
        }
    }
    lead = trimPunctuation(fewWords(trimPunctuation(lead), MostWords, true));
    QString follow = plainWords(after);
    const QRegularExpressionMatch end = sentenceEnd.match(follow);
    if (end.hasMatch())
        follow = follow.left(end.capturedStart());
    follow = trimPunctuation(fewWords(trimPunctuation(follow), MostWords, false));
    // A check box's caption is the few words after it; a long sentence after
    // it is the text it ticks, and the words before say what it is.
    const bool caption = plainWords(after).count(QLatin1Char(' ')) < MostWords;
    if (checkBox && caption && !follow.isEmpty())
        return follow;
    return lead.isEmpty() ? follow : lead;
}

int EditKind(Kind kind)
{
    switch (kind) {
    case Kind::Money:
        return 2;
    case Kind::Percent:
        return 3;
    case Kind::Whole:
        return 4;
    case Kind::Short:
        return 5;
    default:
        return 1;
    }
}

QChar KindMark(Kind kind)
{
    switch (kind) {
    case Kind::Money:
        return QLatin1Char('$');
    case Kind::Percent:
        return QLatin1Char('%');
    case Kind::Whole:
    case Kind::Short:
        return QLatin1Char('#');
    case Kind::Date:
        return QLatin1Char('^');
    case Kind::Memo:
        return QLatin1Char('+');
    case Kind::Check:
    case Kind::Estimate:
        return QLatin1Char('&');
    case Kind::Text:
        break;
    }
    return QLatin1Char('*');
}

QString KindName(Kind kind)
{
    static const char *names[] = {"text", "money", "pct", "whole", "short", "date", "memo", "check", "est"};
    return QLatin1String(names[int(kind)]);
}

QString ModeName(Mode mode)
{
    static const char *names[] = {"input", "guarded", "always"};
    return QLatin1String(names[int(mode)]);
}

bool ParseFormText(const QString &text, const QString &path, FormPage &page, QStringList *errors)
{
    page = FormPage();
    page.sourcePath = path;
    Parser parser{path, page, errors, 0, false, {}};
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return parser.run(unified) && !parser.failed;
}

bool ParseFormSource(const QString &path, FormPage &page, QStringList *errors)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errors)
            errors->append(QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
        return false;
    }
    return ParseFormText(QString::fromUtf8(file.readAll()), path, page, errors);
}

} // namespace formgen
