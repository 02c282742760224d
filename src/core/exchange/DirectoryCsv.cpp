#include "core/exchange/DirectoryCsv.h"

#include "core/exchange/ClientJson.h"
#include "core/exchange/DirectoryColumns.h"
#include "core/files/Windows1252.h"
#include "core/store/Conversions.h"
#include "core/store/DirectoryRoles.h"

#include <QStringDecoder>

#include <algorithm>
#include <string_view>

namespace brevane {

namespace {

constexpr int MostProblemsNamed = 10;

QString csvField(const QString &text)
{
    const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                       text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
                       text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' '));
    if (!quote)
        return text;
    return QLatin1Char('"') + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + QLatin1Char('"');
}

void appendRecord(QString &out, const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        out += csvField(fields[i]);
    }
    out += QStringLiteral("\r\n");
}

QString decoded(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return Decode1252(bytes);
    return text;
}

QChar separatorOf(const QString &text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
        ++end;
    const QString first = text.left(end);
    if (first.contains(QLatin1Char(',')))
        return QLatin1Char(',');
    if (first.contains(QLatin1Char(';')))
        return QLatin1Char(';');
    if (first.contains(QLatin1Char('\t')))
        return QLatin1Char('\t');
    return QLatin1Char(',');
}

bool isNumberColumn(int column)
{
    return column == ColContribution || column == ColInterest || column == ColNoOfShares;
}

bool isTickColumn(int column)
{
    return column == ColCash || column == ColNoncash;
}

QString heading(int column)
{
    return QLatin1String(DirectoryColumnNames[size_t(column)].heading);
}

// What is wrong with a cell of a column, or nothing.
QString cellProblem(int column, const QString &cell)
{
    if (column == ColCode) {
        for (const QChar c : cell) {
            if (c == QLatin1Char(' '))
                continue;
            if (c.unicode() >= 0x80 || std::string_view(RoleLetters).find(char(c.unicode())) == std::string_view::npos)
                return QStringLiteral("Code \"%1\" holds \"%2\", which is no role (the roles are the capitals D, O, "
                                      "S, C, M, G, I, B and R)")
                    .arg(cell, c);
        }
    } else if (isTickColumn(column)) {
        const QString t = cell.trimmed();
        if (!t.isEmpty() && t.compare(QLatin1String("X"), Qt::CaseInsensitive) != 0)
            return QStringLiteral("%1 \"%2\" is neither X nor empty").arg(heading(column), cell);
    } else if (isNumberColumn(column)) {
        // Strictly the answer form: "1.000,00" must not pass as 1.
        if (!cell.trimmed().isEmpty() && !ReadStrictNumber(cell, QLatin1Char('.'), QStringLiteral(",")))
            return QStringLiteral("%1 \"%2\" is not a number written as 1,234.50").arg(heading(column), cell);
    }
    return QString();
}

} // namespace

QByteArray WriteDirectoryCsv(const DirectoryTable &rows)
{
    QString out;
    QStringList headings;
    for (const DirectoryColumnName &name : DirectoryColumnNames)
        headings << QLatin1String(name.heading);
    appendRecord(out, headings);
    // A cell's " | " is a line break the worksheet keeps as a memo does
    // (a second address line): in the file it is one.
    for (const DirectoryRow &row : rows.Rows()) {
        QStringList cells;
        for (const QString &cell : row)
            cells << QString(cell).replace(QStringLiteral(" | "), QStringLiteral("\n"));
        appendRecord(out, cells);
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

DirectoryCsvImport::DirectoryCsvImport(const QByteArray &bytes)
{
    const QString text = decoded(bytes);
    const QChar separator = separatorOf(text);
    const qsizetype n = text.size();
    qsizetype pos = 0;
    int line = 1;
    // Moves past a line end at `pos`: CR LF, CR or LF.
    const auto lineEnd = [&]() {
        if (text[pos] == QLatin1Char('\r') && pos + 1 < n && text[pos + 1] == QLatin1Char('\n'))
            ++pos;
        ++pos;
        ++line;
    };
    const auto atLineEnd = [&]() { return text[pos] == QLatin1Char('\r') || text[pos] == QLatin1Char('\n'); };
    bool headingsRead = false;
    while (pos < n) {
        CsvRecord record;
        record.line = line;
        QString problem;
        bool recordDone = false;
        while (!recordDone) {
            QString field;
            if (pos < n && text[pos] == QLatin1Char('"')) {
                const int opened = line;
                ++pos;
                bool closed = false;
                while (pos < n) {
                    if (text[pos] == QLatin1Char('"')) {
                        if (pos + 1 < n && text[pos + 1] == QLatin1Char('"')) {
                            field += QLatin1Char('"');
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        closed = true;
                        break;
                    }
                    // A line break inside quotes is the field's, as it stands.
                    if (text[pos] == QLatin1Char('\r') || text[pos] == QLatin1Char('\n')) {
                        const qsizetype from = pos;
                        lineEnd();
                        field += text.mid(from, pos - from);
                        continue;
                    }
                    field += text[pos++];
                }
                if (!closed) {
                    // Nothing after an open quote can be told apart: the file
                    // stops here.
                    structure_.append(
                        {opened, QStringLiteral("a field opened with a quote on this line is never closed")});
                    mapHeadings();
                    return;
                }
                if (pos < n && text[pos] != separator && !atLineEnd()) {
                    if (problem.isEmpty())
                        problem = QStringLiteral("a quoted field is followed by other text before the next %1")
                                      .arg(separator == QLatin1Char('\t') ? QStringLiteral("tab") : QString(separator));
                    while (pos < n && text[pos] != separator && !atLineEnd())
                        field += text[pos++];
                }
            } else {
                while (pos < n && text[pos] != separator && !atLineEnd())
                    field += text[pos++];
            }
            // A row far wider than the worksheet is bad whatever it holds:
            // its fields are counted, not kept.
            if (record.fields.size() <= MostCsvColumns)
                record.fields << field;
            ++record.fieldCount;
            if (pos < n && text[pos] == separator) {
                ++pos;
                continue;
            }
            if (pos < n)
                lineEnd();
            recordDone = true;
        }
        // A blank line is no row.
        if (record.fields.size() == 1 && record.fields[0].isEmpty() && problem.isEmpty())
            continue;
        if (!problem.isEmpty())
            structure_.append({record.line, problem});
        if (!headingsRead) {
            headings_ = record.fields;
            headingCount_ = record.fieldCount;
            headingsRead = true;
            continue;
        }
        ++recordCount_;
        if (records_.size() < MostImportedRows)
            records_.append(record);
    }
    mapHeadings();
}

void DirectoryCsvImport::mapHeadings()
{
    Mapping.clear();
    for (const QString &h : std::as_const(headings_)) {
        const int column = DirectoryColumnOfHeading(h);
        Mapping << (column >= 0 && !Mapping.contains(column) ? column : -1);
    }
}

QList<CsvProblem> DirectoryCsvImport::Problems() const
{
    QList<CsvProblem> problems;
    if (headings_.isEmpty() && structure_.isEmpty()) {
        problems.append({0, QStringLiteral("the file is empty")});
        return problems;
    }
    // The columns first: they concern every row.
    bool anyColumn = false;
    for (int column = 0; column < DirectoryColumnCount; ++column) {
        QStringList from;
        for (qsizetype i = 0; i < Mapping.size() && i < headings_.size(); ++i)
            if (Mapping[i] == column)
                from << QStringLiteral("\"%1\"").arg(headings_[i]);
        anyColumn = anyColumn || !from.isEmpty();
        if (from.size() > 1)
            problems.append({0, QStringLiteral("%1 of the file's columns (%2) go into %3")
                                    .arg(from.size())
                                    .arg(from.join(QStringLiteral(", ")), heading(column))});
    }
    if (!anyColumn && !headings_.isEmpty())
        problems.append({0, QStringLiteral("none of the file's columns goes into a column of the worksheet")});
    if (records_.isEmpty() && structure_.isEmpty())
        problems.append({0, QStringLiteral("the file holds no rows below its headings")});
    if (recordCount_ > MostImportedRows)
        problems.append({0, QStringLiteral("its %1 rows are more than the %2 the worksheet takes")
                                .arg(recordCount_)
                                .arg(MostImportedRows)});
    if (headingCount_ > MostCsvColumns)
        problems.append({1, QStringLiteral("its heading line has %1 columns, more than the %2 a file for the "
                                           "worksheet may have")
                                .arg(headingCount_)
                                .arg(MostCsvColumns)});

    QList<CsvProblem> rows = structure_;
    for (const CsvRecord &record : records_) {
        if (record.fieldCount != headingCount_) {
            rows.append({record.line, QStringLiteral("it has %1 fields where the heading line has %2")
                                          .arg(record.fieldCount)
                                          .arg(headingCount_)});
            continue;
        }
        for (qsizetype i = 0; i < record.fields.size() && i < Mapping.size(); ++i) {
            if (Mapping[i] < 0)
                continue;
            const QString what = cellProblem(Mapping[i], record.fields[i]);
            if (!what.isEmpty()) {
                rows.append({record.line, what});
                break;
            }
        }
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const CsvProblem &a, const CsvProblem &b) { return a.line < b.line; });
    return problems + rows;
}

QString DirectoryCsvImport::ProblemText() const
{
    const QList<CsvProblem> problems = Problems();
    QStringList named;
    for (const CsvProblem &p : problems) {
        if (named.size() == MostProblemsNamed)
            break;
        named << (p.line > 0 ? QStringLiteral("line %1: %2").arg(p.line).arg(p.what) : p.what);
    }
    QString text = named.join(QStringLiteral("; "));
    if (problems.size() > named.size())
        text += QStringLiteral("; and %1 more").arg(problems.size() - named.size());
    return text;
}

DirectoryTable DirectoryCsvImport::Rows() const
{
    DirectoryTable rows;
    rows.Clear();
    for (const CsvRecord &record : records_) {
        rows.AddRow();
        const int row = rows.RowCount() - 1;
        for (qsizetype i = 0; i < record.fields.size() && i < Mapping.size(); ++i) {
            const int column = Mapping[i];
            if (column < 0)
                continue;
            QString cell = KeptText(record.fields[i]);
            if (isTickColumn(column))
                cell = cell.trimmed().isEmpty() ? QString() : QStringLiteral("X");
            rows.SetCell(row, column, cell);
        }
    }
    return rows;
}

DirectoryTable WithImportedRows(const DirectoryTable &current, const DirectoryTable &imported, bool replace)
{
    bool onlyEmpty = true;
    for (const DirectoryRow &row : current.Rows())
        for (const QString &cell : row)
            onlyEmpty = onlyEmpty && cell.isEmpty();
    if (replace || onlyEmpty)
        return imported;
    DirectoryTable rows = current;
    rows.Rows().append(imported.Rows());
    return rows;
}

} // namespace brevane
