#include "core/store/Answers.h"

#include <iterator>
#include <new>

namespace brevane {

AnswerRangeError::AnswerRangeError(int p, int c, int k)
    : std::out_of_range("answer outside the page's lists: page " + std::to_string(p) + ", continuation " +
                        std::to_string(c) + ", answer " + std::to_string(k))
    , page(p)
    , continuation(c)
    , answer(k)
{}

TAnswer::TAnswer()
{
    int total = 0;
    for (int p = 0; p < PageCount; ++p) {
        for (int c = 0; c < ContinuationCount; ++c) {
            if (c <= PageContinuationMax[p]) {
                listStart_[p][c] = total;
                total += PageAnswerMax[p] + 1;
            } else {
                listStart_[p][c] = -1;
            }
        }
    }
    entries_.resize(total);
}

TAnswer::~TAnswer() = default;

int TAnswer::AnswerCount(int page)
{
    return IsValidPage(page) ? PageAnswerMax[page] + 1 : 0;
}

void TAnswer::SetText(int page, int continuation, int answer, const QString &text)
{
    Entry(page, continuation, answer).text = text;
}

bool TAnswer::OvRide(int page, int continuation, int answer) const
{
    return Entry(page, continuation, answer).obj.OvRide;
}

void TAnswer::SetOvRide(int page, int continuation, int answer, bool overridden)
{
    Entry(page, continuation, answer).obj.OvRide = overridden;
}

void TAnswer::SetRowText(int page, int continuation, int column, int row, const QString &text)
{
    if (!HasList(page, continuation) || column < 0 || column > PageAnswerMax[page] || row < 0)
        throw AnswerRangeError(page, continuation, column);
    std::vector<QString> &cells = rowTexts_[cellKey(page, continuation, column)];
    if (size_t(row) >= cells.size())
        cells.resize(size_t(row) + 1);
    cells[size_t(row)] = text;
}

const QString &TAnswer::RowText(int page, int continuation, int column, int row) const
{
    static const QString none;
    const auto it = rowTexts_.constFind(cellKey(page, continuation, column));
    if (it == rowTexts_.cend() || row < 0 || size_t(row) >= it->size())
        return none;
    return (*it)[size_t(row)];
}

int TAnswer::TableRows(int page, int continuation, int first) const
{
    return tableRows_.value(cellKey(page, continuation, first));
}

void TAnswer::SetTableRows(int page, int continuation, int first, int rows)
{
    tableRows_[cellKey(page, continuation, first)] = rows;
}

void TAnswer::ClearRows(int page, int continuation)
{
    if (rowTexts_.isEmpty() && tableRows_.isEmpty())
        return;
    const quint64 from = cellKey(page, continuation, 0);
    const quint64 to = cellKey(page, continuation + 1, 0);
    const auto ours = [&](quint64 key) { return key >= from && key < to; };
    for (auto it = rowTexts_.begin(); it != rowTexts_.end();)
        it = ours(it.key()) ? rowTexts_.erase(it) : std::next(it);
    for (auto it = tableRows_.begin(); it != tableRows_.end();)
        it = ours(it.key()) ? tableRows_.erase(it) : std::next(it);
}

int TAnswer::NoOfWorksheetPages(int directoryRows)
{
    if (directoryRows <= 0)
        return 0;
    return (directoryRows + 49) / 50;
}

} // namespace brevane
