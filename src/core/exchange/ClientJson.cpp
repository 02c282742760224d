#include "core/exchange/ClientJson.h"

#include "core/dialogs/Messages.h"
#include "core/exchange/DirectoryColumns.h"
#include "core/files/LineText.h"
#include "core/files/Windows1252.h"
#include "core/forms/PageFacts.h"
#include "core/store/Conversions.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSet>

#include <vector>

namespace brevane {

namespace {

constexpr int MostProblemsNamed = 10;

// The sections of a page the client file holds: 0 .. its count of copies,
// never beyond the page's last list.
int lastSection(const TAnswer &store, int page)
{
    return qMin(store.PgCt[size_t(page)], PageContinuationMax[size_t(page)]);
}

// A text as a JSON string, quotes included.
QString quoted(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString indent(int level)
{
    return QString(level * 4, QLatin1Char(' '));
}

// Members, one a line, at the indent of `level`, in the order given.
QString members(const QStringList &lines, int level, QChar open, QChar close)
{
    if (lines.isEmpty())
        return QString(open) + close;
    return open + QStringLiteral("\n") + indent(level + 1) + lines.join(QStringLiteral(",\n") + indent(level + 1)) +
           QStringLiteral("\n") + indent(level) + close;
}

// One section's answers and override flags, in the order of the answers;
// empty answers without a flag are left out.
QStringList sectionMembers(const TAnswer &store, int page, int copy, int level)
{
    QStringList answers;
    QStringList overridden;
    for (int k = 0; k <= PageAnswerMax[size_t(page)]; ++k) {
        const AnswerEntry &entry = store.Entry(page, copy, k);
        if (!entry.text.isEmpty())
            answers << quoted(AnswerKey(page, k)) + QStringLiteral(": ") + quoted(entry.text);
        if (entry.obj.OvRide)
            overridden << quoted(AnswerKey(page, k));
    }
    QStringList out{QStringLiteral("\"answers\": ") + members(answers, level, QLatin1Char('{'), QLatin1Char('}'))};
    if (!overridden.isEmpty())
        out << QStringLiteral("\"overridden\": [") + overridden.join(QStringLiteral(", ")) + QLatin1Char(']');
    return out;
}

bool sectionHoldsSomething(const TAnswer &store, int page, int copy)
{
    for (int k = 0; k <= PageAnswerMax[size_t(page)]; ++k) {
        const AnswerEntry &entry = store.Entry(page, copy, k);
        if (!entry.text.isEmpty() || entry.obj.OvRide)
            return true;
    }
    return false;
}

QString typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("true or false");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a text");
    case QJsonValue::Array:
        return QStringLiteral("a list");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

// A whole number in the JSON (3, not 3.5 or "3").
bool wholeNumber(const QJsonValue &value, int *number)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    if (!(d >= -1e9 && d <= 1e9) || d != double(qint64(d)))
        return false;
    *number = int(d);
    return true;
}

// What the reader found, and what it will write once nothing is wrong.
class JsonReader
{
public:
    struct Write
    {
        int page, copy, answer;
        QString text;
        bool overridden;
    };

    void problem(const QString &where, const QString &what)
    {
        ++problemCount;
        if (problems.size() < MostProblemsNamed)
            problems << where + QStringLiteral(": ") + what;
    }

    // Only the named members are allowed in an object.
    void onlyMembers(const QJsonObject &object, const QString &where, std::initializer_list<const char *> allowed)
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool known = false;
            for (const char *name : allowed)
                known = known || it.key() == QLatin1String(name);
            if (!known)
                problem(where, QStringLiteral("\"%1\" is not a member Brevane knows").arg(it.key()));
        }
    }

    // A section: {"answers": {...}, "overridden": [...]}.
    void section(const QJsonObject &object, int page, int copy, const QString &where)
    {
        std::vector<Write> found;
        QHash<int, size_t> at; // answer -> its place in `found`
        const QJsonValue answers = object.value(QStringLiteral("answers"));
        if (!answers.isUndefined() && !answers.isObject()) {
            problem(where + QStringLiteral(".answers"),
                    QStringLiteral("an object of answers is expected, not %1").arg(typeName(answers)));
        } else {
            const QJsonObject list = answers.toObject();
            for (auto it = list.begin(); it != list.end(); ++it) {
                const QString place = where + QStringLiteral(".answers.\"%1\"").arg(it.key());
                const int answer = AnswerOfKey(page, it.key());
                if (answer < 0) {
                    problem(place, QStringLiteral("page %1 has no answer of that name or number").arg(page));
                    continue;
                }
                if (!it.value().isString()) {
                    problem(place, QStringLiteral("a text is expected, not %1").arg(typeName(it.value())));
                    continue;
                }
                // A name and the number of the same answer.
                if (at.contains(answer)) {
                    problem(place, QStringLiteral("answer %1 is given twice").arg(answer));
                    continue;
                }
                at.insert(answer, found.size());
                found.push_back({page, copy, answer, KeptText(it.value().toString()), false});
            }
        }
        const QJsonValue overridden = object.value(QStringLiteral("overridden"));
        if (!overridden.isUndefined() && !overridden.isArray()) {
            problem(where + QStringLiteral(".overridden"),
                    QStringLiteral("a list of answers is expected, not %1").arg(typeName(overridden)));
        } else {
            const QJsonArray list = overridden.toArray();
            for (qsizetype i = 0; i < list.size(); ++i) {
                const QString place = where + QStringLiteral(".overridden[%1]").arg(i);
                if (!list[i].isString()) {
                    problem(place,
                            QStringLiteral("an answer's name or number is expected, not %1").arg(typeName(list[i])));
                    continue;
                }
                const int answer = AnswerOfKey(page, list[i].toString());
                if (answer < 0) {
                    problem(place, QStringLiteral("page %1 has no answer \"%2\"").arg(page).arg(list[i].toString()));
                    continue;
                }
                if (!at.contains(answer)) {
                    at.insert(answer, found.size());
                    found.push_back({page, copy, answer, QString(), false});
                }
                found[at.value(answer)].overridden = true;
            }
        }
        writes.insert(writes.end(), found.begin(), found.end());
    }

    QStringList problems;
    int problemCount = 0;
    std::vector<Write> writes;
};

} // namespace

QString KeptText(const QString &text)
{
    const QString line = LineBreaksToBars(text);
    return Encode1252Exact(line) ? line : FitWindows1252(line);
}

QString AnswerKey(int page, int answer)
{
    const QString name = AnswerName(page, answer);
    return name.isEmpty() ? QString::number(answer) : name;
}

int AnswerOfKey(int page, const QString &key)
{
    if (!IsValidPage(page) || key.isEmpty())
        return -1;
    if (key.front().isDigit()) {
        // Digits only, no sign, no leading zero: "7", not "07" or "+7".
        bool ok = false;
        const int answer = key.toInt(&ok);
        if (!ok || (key.size() > 1 && key.front() == QLatin1Char('0')) || key.size() > 4)
            return -1;
        return answer >= 0 && answer <= PageAnswerMax[size_t(page)] ? answer : -1;
    }
    for (const FieldFact &field : FactsOfPage(page).fields)
        if (key == QLatin1String(field.name))
            return field.answer;
    return -1;
}

QByteArray WriteClientJson(const TAnswer &store, const DirectoryTable &directory)
{
    // Written by hand rather than through QJsonObject, which sorts its
    // members: a reader finds the format first, the answers in the order of
    // their page and the columns in the worksheet's.
    QStringList root;
    root << QStringLiteral("\"format\": ") + quoted(QLatin1String(ClientJsonFormat));
    root << QStringLiteral("\"version\": %1").arg(ClientJsonVersion);
    root << QStringLiteral("\"general\": ") +
                members(sectionMembers(store, 0, 0, 2), 1, QLatin1Char('{'), QLatin1Char('}'));

    QStringList copies;
    for (int page : RepeatablePages)
        copies << QStringLiteral("\"%1\": %2").arg(page).arg(store.PgCt[size_t(page)]);
    root << QStringLiteral("\"copies\": {") + copies.join(QStringLiteral(", ")) + QLatin1Char('}');

    QStringList pages;
    for (int p = 0; p < PageCount; ++p) {
        for (int c = 0; c <= lastSection(store, p); ++c) {
            if ((p == 0 && c == 0) || !sectionHoldsSomething(store, p, c))
                continue;
            const QStringList section =
                QStringList{QStringLiteral("\"page\": %1").arg(p), QStringLiteral("\"copy\": %1").arg(c)} +
                sectionMembers(store, p, c, 3);
            pages << members(section, 2, QLatin1Char('{'), QLatin1Char('}'));
        }
    }
    root << QStringLiteral("\"pages\": ") + members(pages, 1, QLatin1Char('['), QLatin1Char(']'));

    QStringList rows;
    for (const DirectoryRow &row : directory.Rows()) {
        QStringList cells;
        for (int column = 0; column < DirectoryColumnCount; ++column)
            cells << quoted(QLatin1String(DirectoryColumnNames[size_t(column)].key)) + QStringLiteral(": ") +
                         quoted(row[size_t(column)]);
        rows << members(cells, 2, QLatin1Char('{'), QLatin1Char('}'));
    }
    root << QStringLiteral("\"directory\": ") + members(rows, 1, QLatin1Char('['), QLatin1Char(']'));
    return (members(root, 0, QLatin1Char('{'), QLatin1Char('}')) + QLatin1Char('\n')).toUtf8();
}

Outcome ReadClientJson(const QByteArray &json, TAnswer &store, DirectoryTable &directory)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        // The line of the character the parser stopped at.
        const qsizetype offset = qBound(qsizetype(0), qsizetype(parseError.offset), json.size());
        const qsizetype line = json.left(offset).count('\n') + 1;
        return Outcome::failure(
            msg::ClientJsonRejected,
            QStringLiteral("it is not JSON (%1, on line %2)").arg(parseError.errorString()).arg(line));
    }
    if (!document.isObject())
        return Outcome::failure(msg::ClientJsonRejected, QStringLiteral("it is not a JSON object"));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(ClientJsonFormat))
        return Outcome::failure(
            msg::ClientJsonRejected,
            QStringLiteral("its \"format\" is not \"%1\", so it is not a client").arg(QLatin1String(ClientJsonFormat)));
    const QJsonValue versionValue = root.value(QStringLiteral("version"));
    int version = 0;
    if (versionValue.isUndefined())
        return Outcome::failure(msg::ClientJsonRejected, QStringLiteral("it has no \"version\""));
    if (!wholeNumber(versionValue, &version) || version < 1)
        return Outcome::failure(msg::ClientJsonRejected, QStringLiteral("its \"version\" is not a version number"));
    if (version > ClientJsonVersion)
        return Outcome::failure(msg::ClientJsonRejected,
                                QStringLiteral("it is of version %1, newer than the version %2 this Brevane reads")
                                    .arg(version)
                                    .arg(ClientJsonVersion));

    JsonReader in;
    in.onlyMembers(root, QStringLiteral("the file"), {"format", "version", "general", "copies", "pages", "directory"});

    // The copies of the repeatable pages come first: they say which
    // sections the client file holds.
    std::array<int, PageCount> counts{};
    const QJsonValue copiesValue = root.value(QStringLiteral("copies"));
    if (!copiesValue.isUndefined() && !copiesValue.isObject())
        in.problem(QStringLiteral("copies"),
                   QStringLiteral("an object of pages is expected, not %1").arg(typeName(copiesValue)));
    const QJsonObject copies = copiesValue.toObject();
    for (auto it = copies.begin(); it != copies.end(); ++it) {
        const QString where = QStringLiteral("copies.\"%1\"").arg(it.key());
        bool ok = false;
        const int page = it.key().toInt(&ok);
        int count = 0;
        if (!ok || !IsValidPage(page) || !IsRepeatablePage(page)) {
            in.problem(where, QStringLiteral("not a page that has copies (23, 24, 25, 38, 68)"));
        } else if (!wholeNumber(it.value(), &count) || count < 0 || count > PageContinuationMax[size_t(page)] + 1) {
            in.problem(where,
                       QStringLiteral("the count of copies is a whole number from 0 to %1, not %2")
                           .arg(PageContinuationMax[size_t(page)] + 1)
                           .arg(it.value().isDouble() ? QString::number(it.value().toDouble()) : typeName(it.value())));
        } else {
            counts[size_t(page)] = count;
        }
    }

    const QJsonValue generalValue = root.value(QStringLiteral("general"));
    if (!generalValue.isUndefined() && !generalValue.isObject()) {
        in.problem(QStringLiteral("general"),
                   QStringLiteral("an object is expected, not %1").arg(typeName(generalValue)));
    } else {
        const QJsonObject general = generalValue.toObject();
        in.onlyMembers(general, QStringLiteral("general"), {"answers", "overridden"});
        in.section(general, 0, 0, QStringLiteral("general"));
    }

    const QJsonValue pagesValue = root.value(QStringLiteral("pages"));
    if (!pagesValue.isUndefined() && !pagesValue.isArray())
        in.problem(QStringLiteral("pages"),
                   QStringLiteral("a list of pages is expected, not %1").arg(typeName(pagesValue)));
    const QJsonArray pages = pagesValue.toArray();
    QSet<int> seen{MakePageTag(0, 0)};
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QString where = QStringLiteral("pages[%1]").arg(i);
        if (!pages[i].isObject()) {
            in.problem(where, QStringLiteral("an object is expected, not %1").arg(typeName(pages[i])));
            continue;
        }
        const QJsonObject section = pages[i].toObject();
        in.onlyMembers(section, where, {"page", "copy", "answers", "overridden"});
        int page = -1;
        int copy = 0;
        const QJsonValue pageValue = section.value(QStringLiteral("page"));
        if (!wholeNumber(pageValue, &page) || !IsValidPage(page)) {
            in.problem(where + QStringLiteral(".page"),
                       pageValue.isDouble()
                           ? QStringLiteral("there is no page %1 (pages are 0 to 99)").arg(pageValue.toDouble())
                           : QStringLiteral("a page number is expected, not %1").arg(typeName(pageValue)));
            continue;
        }
        const QJsonValue copyValue = section.value(QStringLiteral("copy"));
        if (!copyValue.isUndefined() && (!wholeNumber(copyValue, &copy) || copy < 0)) {
            in.problem(where + QStringLiteral(".copy"),
                       QStringLiteral("a copy number (0 for the first) is expected, not %1")
                           .arg(copyValue.isDouble() ? QString::number(copyValue.toDouble()) : typeName(copyValue)));
            continue;
        }
        // The client file holds the sections 0 .. the count of copies of a
        // repeatable page, and section 0 alone of any other page.
        const int last = qMin(counts[size_t(page)], PageContinuationMax[size_t(page)]);
        if (copy > last) {
            in.problem(where,
                       IsRepeatablePage(page)
                           ? QStringLiteral("page %1 has %2 copies in \"copies\", so it holds no copy %3")
                                 .arg(page)
                                 .arg(counts[size_t(page)])
                                 .arg(copy)
                           : QStringLiteral("page %1 has no copies, so it holds no copy %2").arg(page).arg(copy));
            continue;
        }
        if (seen.contains(MakePageTag(page, copy))) {
            in.problem(where, page == 0 && copy == 0
                                  ? QStringLiteral("page 0 is given under \"general\"")
                                  : QStringLiteral("copy %1 of page %2 is given twice").arg(copy).arg(page));
            continue;
        }
        seen.insert(MakePageTag(page, copy));
        in.section(section, page, copy, where + QStringLiteral(" (page %1, copy %2)").arg(page).arg(copy));
    }

    DirectoryTable rows;
    rows.Clear();
    const QJsonValue directoryValue = root.value(QStringLiteral("directory"));
    if (!directoryValue.isUndefined() && !directoryValue.isArray())
        in.problem(QStringLiteral("directory"),
                   QStringLiteral("a list of rows is expected, not %1").arg(typeName(directoryValue)));
    const QJsonArray directoryRows = directoryValue.toArray();
    if (directoryRows.size() > MostImportedRows)
        in.problem(QStringLiteral("directory"), QStringLiteral("%1 rows are more than the %2 the worksheet takes")
                                                    .arg(directoryRows.size())
                                                    .arg(MostImportedRows));
    for (qsizetype i = 0; i < directoryRows.size() && i < MostImportedRows; ++i) {
        const QString where = QStringLiteral("directory[%1]").arg(i);
        rows.AddRow();
        if (!directoryRows[i].isObject()) {
            in.problem(
                where,
                QStringLiteral("a row (an object of columns) is expected, not %1").arg(typeName(directoryRows[i])));
            continue;
        }
        const QJsonObject cells = directoryRows[i].toObject();
        for (auto it = cells.begin(); it != cells.end(); ++it) {
            const QString place = where + QStringLiteral(".\"%1\"").arg(it.key());
            const int column = DirectoryColumnOfKey(it.key());
            if (column < 0)
                in.problem(place, QStringLiteral("the Directory Worksheet has no such column"));
            else if (!it.value().isString())
                in.problem(place, QStringLiteral("a text is expected, not %1").arg(typeName(it.value())));
            else
                rows.SetCell(int(i), column, KeptText(it.value().toString()));
        }
    }

    if (in.problemCount > 0) {
        QString detail = in.problems.join(QStringLiteral("; "));
        if (in.problemCount > in.problems.size())
            detail += QStringLiteral("; and %1 more").arg(in.problemCount - in.problems.size());
        return Outcome::failure(msg::ClientJsonRejected, detail);
    }

    // Nothing is wrong: the client takes what was read, and nothing else.
    for (int p = 0; p < PageCount; ++p) {
        store.PgCt[size_t(p)] = counts[size_t(p)];
        for (int c = 0; c <= PageContinuationMax[size_t(p)]; ++c)
            for (int k = 0; k < TAnswer::AnswerCount(p); ++k)
                store.Entry(p, c, k) = AnswerEntry{};
    }
    for (const JsonReader::Write &write : in.writes) {
        AnswerEntry &entry = store.Entry(write.page, write.copy, write.answer);
        entry.text = write.text;
        entry.obj.OvRide = write.overridden;
    }
    directory = rows;
    return {};
}

} // namespace brevane
