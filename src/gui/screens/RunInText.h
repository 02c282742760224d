#pragma once
// A value shown in running text ("of Acme Widgets, Inc. were filed") stands
// in a label that the page screen makes as wide as the value's field. Once
// the values are filled in, each such label narrows to its value and the
// rest of its line moves left by the room it gave up, so that the sentence
// reads without gaps. Only the line changes: the lines keep their breaks, and
// a value longer than its room is shown in that room, as before.

class QWidget;

namespace brevane {

// Narrows the running-text values among the container's controls and closes
// up their lines; again after every fill, from the places the screen gave.
void CloseRunInGaps(QWidget *container);

} // namespace brevane
