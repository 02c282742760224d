#pragma once
// The numbered pages 0..99: their continuation and answer limits, names and
// the PageTag that ties tree and menu items to a page instance.

#include <QString>

#include <array>

namespace brevane {

inline constexpr int PageCount = 100;
inline constexpr int ContinuationCount = 100;

// Highest continuation number kept for each page: 99 for the five repeatable
// pages, 0 for every other page.
extern const std::array<int, PageCount> PageContinuationMax;

// Highest answer index of each page; a list holds PageAnswerMax[p] + 1 answers.
extern const std::array<int, PageCount> PageAnswerMax;

// Name of each page as the New and Delete commands of the repeatable pages show it.
extern const std::array<const char *, PageCount> PageName;

// The page's name in the Delete question of a repeatable page ("Minutes",
// "Ledger", "Bond" for pages 23 to 25, else PageName); empty outside 0..99.
QString PageDeleteName(int page);

// The five pages that can exist in up to 100 copies.
inline constexpr std::array<int, 5> RepeatablePages = {23, 24, 25, 38, 68};

constexpr bool IsRepeatablePage(int page)
{
    for (int p : RepeatablePages)
        if (p == page)
            return true;
    return false;
}

constexpr bool IsValidPage(int page)
{
    return page >= 0 && page < PageCount;
}

constexpr int MakePageTag(int page, int continuation)
{
    return page * 100 + continuation;
}
constexpr int PageOfTag(int pageTag)
{
    return pageTag / 100;
}
constexpr int ContinuationOfTag(int pageTag)
{
    return pageTag % 100;
}

// Which copy of a repeatable page is meant, as the window caption and the
// Delete question name it: "Generic Minutes, copy 2 of 3" for continuation 1
// of 3. Empty for a page that is not repeatable or a continuation outside
// the count.
QString CopyName(int page, int continuation, int count);

} // namespace brevane
