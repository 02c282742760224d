#include "core/files/ClientFile.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/files/AnswerFormUpgrade.h"
#include "core/files/LineText.h"
#include "core/files/WholeFile.h"
#include "core/ledger/ShareLedger.h"

#include <QFile>

#include <cmath>
#include <limits>

namespace brevane {

namespace {

const char ProgramLine[] = "Brevane";
const char PageCountsLine[] = "***** Page Counts";
const char PageDataLine[] = "***** Page Data";
const char WorksheetLine[] = "Worksheet - ***************";
// 1.02: numbers, amounts and dates in answers are in the answer form
// (core/forms/FieldText.h). Earlier files hold them as their region wrote
// them, and are read through core/files/AnswerFormUpgrade.
// 1.03: the share ledger's first lines are the original issue, written by
// the program; what an earlier file holds on its ledger sheets is the user's
// own and is read as overridden.
constexpr double DataVersion = 1.03;

bool keepsLedgerOfItsOwn(double version)
{
    return version < 1.025;
}

bool holdsAnswerForm(double version)
{
    return version >= 1.015 && version < 2.0;
}

void appendInt(QByteArray &out, int value)
{
    out.append(QByteArray::number(value));
    out.append("\r\n", 2);
}

void appendAscii(QByteArray &out, const char *text)
{
    out.append(text);
    out.append("\r\n", 2);
}

// The continuations whose sections the file holds for page p: 0 .. PgCt[p],
// never beyond the page's last list (none when the count is negative).
int lastSection(const TAnswer &store, int page)
{
    return qMin(store.PgCt[page], PageContinuationMax[page]);
}

} // namespace

QByteArray WriteClientFile(const TAnswer &store, const DirectoryTable &directory)
{
    QByteArray out;
    out.reserve(512 * 1024);
    appendAscii(out, ProgramLine);
    AppendLine1252(out, FormatReal23(DataVersion));
    appendAscii(out, PageCountsLine);
    for (int p = 0; p < PageCount; ++p)
        appendInt(out, store.PgCt[p]);
    appendAscii(out, PageDataLine);
    for (int p = 0; p < PageCount; ++p) {
        for (int c = 0; c <= lastSection(store, p); ++c) {
            out.append("***** Page ");
            out.append(QByteArray::number(p));
            out.append("; Cont ");
            out.append(QByteArray::number(c));
            out.append("\r\n", 2);
            for (int k = 0; k <= PageAnswerMax[p]; ++k) {
                const AnswerEntry &entry = store.Entry(p, c, k);
                AppendLine1252(out, entry.text);
                out.append(entry.obj.OvRide ? "1\r\n" : "0\r\n", 3);
            }
        }
    }
    appendAscii(out, WorksheetLine);
    appendAscii(out, "Column Count");
    appendAscii(out, "13");
    appendAscii(out, "Row Count");
    const int rows = directory.RowCount();
    appendInt(out, rows);
    for (int column = 0; column < DirectoryColumnCount; ++column)
        for (int row = 0; row < rows; ++row)
            AppendLine1252(out, directory.Cell(row, column));
    return out;
}

namespace {

bool readClientFile(const QByteArray &bytes, TAnswer &store, DirectoryTable &directory, QString *problem,
                    double &version)
{
    LineReader in(bytes);
    bool ok = true;
    QString section = QStringLiteral("the page counts");
    QString shortSection; // the first section the data ran out in
    const auto enter = [&](const QString &next) {
        if (in.RanOut() && shortSection.isEmpty())
            shortSection = section;
        section = next;
    };
    const auto say = [problem](const QString &what) {
        if (problem)
            *problem = what;
    };

    if (!in.ReadLine().contains(QLatin1String(ProgramLine))) {
        ShowError(msg::ClientFileRejected,
                  QStringLiteral("its first line does not name Brevane, so it is not a client file"));
        return false;
    }
    version = in.ReadReal(&ok);
    const double whole = std::trunc(version);
    if (!ok || (whole != 1.0 && whole != 21.0)) {
        ShowError(msg::ClientFileVersionUnknown, ok ? QStringLiteral("version %1 is not one Brevane reads").arg(version)
                                                    : QStringLiteral("its version line is not a number"));
        return false;
    }
    in.SkipLine(); // ***** Page Counts
    for (int p = 0; p < PageCount; ++p) {
        store.PgCt[p] = in.ReadInteger(&ok);
        if (!ok) {
            say(QStringLiteral("the count of copies of page %1 is not a number").arg(p));
            return false;
        }
        // A page kept once has no copies; a repeatable one at most 100.
        const int most = IsRepeatablePage(p) ? PageContinuationMax[p] + 1 : 0;
        if (store.PgCt[p] < 0 || store.PgCt[p] > most) {
            say(QStringLiteral("page %1 has %2 copies, which it cannot have").arg(p).arg(store.PgCt[p]));
            store.PgCt[p] = 0;
            return false;
        }
    }
    in.SkipLine(); // ***** Page Data

    // The first line where a section header should stand and another line
    // does: the counts do not match the sections, so nothing after it can be
    // read by position.
    QString misplaced;
    qsizetype misplacedAt = 0;
    const auto outOfPlace = [&](const QString &line, qsizetype at) {
        misplacedAt = at;
        QString shown = line.trimmed();
        if (shown.size() > 40)
            shown = shown.left(40) + QStringLiteral("...");
        misplaced =
            QStringLiteral("its sections do not follow its page counts from %1 on (the line there reads \"%2\")")
                .arg(section, shown);
    };

    for (int p = 0; p < PageCount && misplaced.isEmpty(); ++p) {
        for (int c = 0; c <= store.PgCt[p] && misplaced.isEmpty(); ++c) {
            if (c > PageContinuationMax[p]) {
                // A repeatable page with every copy in use (count 100) has its
                // last section at continuation 99, as the writer stops there.
                if (IsRepeatablePage(p) && c == PageContinuationMax[p] + 1)
                    break;
                return false;
            }
            enter(QStringLiteral("page %1, copy %2").arg(p).arg(c + 1));
            const qsizetype headerAt = in.Position();
            const QString header = in.ReadLine(); // ***** Page p; Cont c
            if (!in.RanOut() && header.trimmed() != QStringLiteral("***** Page %1; Cont %2").arg(p).arg(c)) {
                outOfPlace(header, headerAt);
                break;
            }
            for (int k = 0; k <= PageAnswerMax[p]; ++k) {
                AnswerEntry &entry = store.Entry(p, c, k);
                entry.text = in.ReadLine();
                const int flag = in.ReadInteger(&ok);
                if (!ok) {
                    say(QStringLiteral("the override mark of answer %1 on %2 is not 0 or 1").arg(k).arg(section));
                    return false;
                }
                entry.obj.OvRide = flag != 0;
            }
        }
    }
    enter(QStringLiteral("the directory rows"));
    if (misplaced.isEmpty()) {
        const qsizetype at = in.Position();
        const QString line = in.ReadLine();
        if (!in.RanOut() && line != QLatin1String(WorksheetLine))
            outOfPlace(line, at);
        else
            in.Rewind(at);
    }
    if (!misplaced.isEmpty()) {
        // The answers from the misplaced section on stay empty; the directory
        // rows are read when their heading can still be found.
        in.Rewind(misplacedAt);
        if (!in.FindLine(WorksheetLine)) {
            directory.Clear();
            say(misplaced + QStringLiteral("; its directory rows were not found"));
            return true;
        }
    }
    for (int i = 0; i < 4; ++i)
        in.SkipLine(); // worksheet header, "Column Count", its number, "Row Count"
    int rows = in.ReadInteger(&ok);
    if (!ok || rows < 0) {
        say(QStringLiteral("the count of directory rows is not a number of rows"));
        return false;
    }
    const qsizetype rowsPromised = rows;
    // The cells are stored column by column, so a count lower than the rows
    // stored would read every column but the first from the wrong lines. A
    // whole number of rows other than the count is read as the rows stored.
    const qsizetype cellLines = in.RemainingLines();
    QString countProblem;
    if (cellLines > qsizetype(rows) * DirectoryColumnCount && cellLines % DirectoryColumnCount == 0) {
        countProblem = QStringLiteral("its count of directory rows (%1) disagrees with the %2 rows it holds; "
                                      "what it holds is shown")
                           .arg(rows)
                           .arg(cellLines / DirectoryColumnCount);
        rows = int(qMin(cellLines / DirectoryColumnCount, qsizetype(std::numeric_limits<int>::max())));
    }
    // Rows are made for the cell lines of column 0; a count larger than the
    // lines the file still holds cannot come from a saved file and would only
    // fill memory with empty rows.
    rows = int(qBound(qsizetype(0), qsizetype(rows), cellLines));
    directory.Clear();
    directory.SetRowCount(rows);
    QVector<DirectoryRow> &cells = directory.Rows();
    for (int column = 0; column < DirectoryColumnCount; ++column) {
        for (int row = 0; row < rows; ++row) {
            // A file missing only its last line end lost nothing: the last
            // cell is read, empty or not, without counting as running out.
            if (column == DirectoryColumnCount - 1 && row == rows - 1)
                enter(section);
            cells[row][column] = in.ReadLine();
        }
    }
    if (rows == 0)
        enter(section);
    // Anything after the last cell but blank lines is not part of a saved file.
    bool trailing = false;
    while (!in.AtEnd() && !trailing)
        trailing = !in.ReadLine().trimmed().isEmpty();
    if (!misplaced.isEmpty())
        say(misplaced + QStringLiteral("; what could be read is shown"));
    else if (!countProblem.isEmpty())
        say(countProblem);
    else if (trailing)
        say(QStringLiteral("it holds data after its last directory row; what it holds is shown"));
    else if (!shortSection.isEmpty() || rowsPromised > rows)
        say(QStringLiteral("it ends early, in %1; what it holds is shown")
                .arg(shortSection.isEmpty() ? QStringLiteral("the directory rows") : shortSection));
    return true;
}

} // namespace

bool ReadClientFile(const QByteArray &bytes, TAnswer &store, DirectoryTable &directory, QString *problem)
{
    double version = 0;
    if (!readClientFile(bytes, store, directory, problem, version))
        return false;
    if (!holdsAnswerForm(version)) {
        const QStringList ambiguous = UpgradeToAnswerForm(store, directory);
        if (!ambiguous.isEmpty())
            ShowError(msg::ClientAnswersAmbiguous, ambiguous.join(QStringLiteral("; ")));
    }
    if (keepsLedgerOfItsOwn(version))
        ledger::KeepAsWritten(store);
    return true;
}

bool SaveClientFile(const QString &path, const TAnswer &store, const DirectoryTable &directory, QString *error)
{
    const QByteArray bytes = WriteClientFile(store, directory);
    return ReplaceFile(path, bytes, error);
}

bool LoadClientFile(const QString &path, TAnswer &store, DirectoryTable &directory, QString *error, QString *problem)
{
    QByteArray bytes;
    if (!ReadRegularFile(path, &bytes, error))
        return false;
    return ReadClientFile(bytes, store, directory, problem);
}

} // namespace brevane
