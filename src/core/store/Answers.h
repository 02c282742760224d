#pragma once
// The answer store: every answer of the client being edited, one fixed-length
// list of texts with override flags per page and continuation, plus the count
// of continuations in use per page.

#include "core/store/PageCatalogue.h"

#include <QHash>
#include <QMap>
#include <QString>

#include <array>
#include <memory>
#include <stdexcept>
#include <vector>

namespace brevane {

// Thrown by every accessor given a page, continuation or answer index outside
// the lists of the page catalogue. The calculation driver turns it into 18047.
class AnswerRangeError : public std::out_of_range
{
public:
    AnswerRangeError(int page, int continuation, int answer);
    int page, continuation, answer;
};

// Attribute object of one answer.
struct TAObj
{
    bool OvRide = false; // the user has overridden the answer
};

struct AnswerEntry
{
    QString text;
    TAObj obj;
};

class TAnswer
{
public:
    TAnswer();
    ~TAnswer();
    TAnswer(const TAnswer &) = delete;
    TAnswer &operator=(const TAnswer &) = delete;

    // Continuations in use per page (RAnswer.PgCt).
    std::array<int, PageCount> PgCt{};

    // True when the store keeps an answer list for (page, continuation).
    static bool HasList(int page, int continuation);
    // Number of answers in each list of the page.
    static int AnswerCount(int page);
    // Total answers held (70,470 with the page catalogue's limits).
    int TotalAnswers() const { return int(entries_.size()); }

    const QString &Text(int page, int continuation, int answer) const;
    void SetText(int page, int continuation, int answer, const QString &text);
    bool OvRide(int page, int continuation, int answer) const;
    void SetOvRide(int page, int continuation, int answer, bool overridden);

    // Direct access to one entry (checked like the accessors above).
    AnswerEntry &Entry(int page, int continuation, int answer);
    const AnswerEntry &Entry(int page, int continuation, int answer) const;

    // The rows of a growing table beyond those its page keeps answers for
    // (the form source's `.repeat COUNT STEP grow`): what a calculation run
    // derived for them, never saved, written anew by every run. A cell is
    // named by the answer of its column in the table's first row and by its
    // row (counted from the table's first row, so the first one held here
    // is row COUNT).
    void SetRowText(int page, int continuation, int column, int row, const QString &text);
    // Empty for a cell the run did not write.
    const QString &RowText(int page, int continuation, int column, int row) const;
    // The rows the run gave the table whose first answer is `first`: at
    // least its kept rows where it wrote any beyond them, else 0.
    int TableRows(int page, int continuation, int first) const;
    void SetTableRows(int page, int continuation, int first, int rows);
    // Forgets the derived rows of the page's tables.
    void ClearRows(int page, int continuation);

    // The pages whose page procedure could not complete in the last
    // calculation run, each with why in the user's words. Not saved.
    QMap<int, QString> PageFailures;

    // Printed directory worksheet pages for the given number of directory rows:
    // 50 rows a page, a remainder counting as one more page.
    static int NoOfWorksheetPages(int directoryRows);

private:
    int indexOf(int page, int continuation, int answer) const;

    static quint64 cellKey(int page, int continuation, int column)
    {
        return (quint64(page) * ContinuationCount + quint64(continuation)) << 32 | quint32(column);
    }

    std::vector<AnswerEntry> entries_;
    QHash<quint64, std::vector<QString>> rowTexts_; // by page, continuation and column
    QHash<quint64, int> tableRows_;                 // by page, continuation and first answer
    // First entry of each list; -1 where the store keeps no list.
    std::array<std::array<int, ContinuationCount>, PageCount> listStart_;
};

// The accessors sit on every path that reads or writes an answer (reading a
// file, calculating, merging): they are inline.
inline bool TAnswer::HasList(int page, int continuation)
{
    return IsValidPage(page) && continuation >= 0 && continuation <= PageContinuationMax[page];
}

inline int TAnswer::indexOf(int page, int continuation, int answer) const
{
    if (!HasList(page, continuation) || answer < 0 || answer > PageAnswerMax[page])
        throw AnswerRangeError(page, continuation, answer);
    return listStart_[page][continuation] + answer;
}

inline AnswerEntry &TAnswer::Entry(int page, int continuation, int answer)
{
    return entries_[indexOf(page, continuation, answer)];
}

inline const AnswerEntry &TAnswer::Entry(int page, int continuation, int answer) const
{
    return entries_[indexOf(page, continuation, answer)];
}

inline const QString &TAnswer::Text(int page, int continuation, int answer) const
{
    return Entry(page, continuation, answer).text;
}

} // namespace brevane
