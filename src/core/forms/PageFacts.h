#pragma once
// What belongs to one page, as its form source (forms/page<N>.form) states
// it. The build generates the table from the sources, so a page's facts are
// changed in its source alone.

#include "core/store/PageCatalogue.h"

#include <QString>

#include <array>
#include <cstddef>

namespace brevane {

struct PageFacts
{
    bool hasSource = false; // the page has a form source
    bool hasScreen = false; // it can be shown (a page screen file)
    bool isPrinted = false; // it has a print template and a print data file
    int focusTag = -1;      // the Tag of the control focused when it is shown; -1 for none
    // An empty text answer prints nothing (elsewhere a line to fill in).
    bool keepBlank = false;
    // Money, percent and whole-number answers that are empty or zero show
    // and print as nothing.
    bool zeroBlank = false;
    bool landscape = false;
    int margins[4] = {1440, 1440, 1440, 1440}; // print margins in twips: left, right, top, bottom
    // Its screen has a field the user may override (a computed answer that
    // the page procedure keeps once overridden); the Override command is
    // offered on such pages only.
    bool overrideable = false;
};

// The facts of page 0..99; a page outside the range has none.
const PageFacts &FactsOfPage(int page);

// What the field of an answer is, in the words of its page ("Date of the
// meeting"); what its screen control is named for a screen reader and what
// messages about the answer call it. Empty for an answer no wording names.
QString AnswerLabel(int page, int answer);
// Whether the answer's field is a date field ({n date} in the source).
bool IsDateAnswer(int page, int answer);

} // namespace brevane
