#pragma once
// What belongs to one page, as its form source (forms/page<N>.form) states
// it. The build generates the table from the sources, so a page's facts are
// changed in its source alone.

#include "core/store/PageCatalogue.h"

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
};

// The facts of page 0..99; a page outside the range has none.
const PageFacts &FactsOfPage(int page);

} // namespace brevane
