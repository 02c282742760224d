#include "core/store/Answers.h"

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

int TAnswer::NoOfWorksheetPages(int directoryRows)
{
    if (directoryRows <= 0)
        return 0;
    return (directoryRows + 49) / 50;
}

} // namespace brevane
