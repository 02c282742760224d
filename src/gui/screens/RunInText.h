#pragma once
// A value shown in running text ("of Acme Widgets, Inc. were filed") stands
// in a label that the page screen makes as wide as the value's field, and
// the words around it in labels a little wider than the words. Once the
// values are filled in, each label of running text narrows to what it shows
// and the rest of its line moves left by the room it gave up, so that the
// sentence reads without gaps. Only the line changes: the lines keep their
// breaks, and a value longer than its room is shown in that room, as before.

class QWidget;

namespace brevane {

// Fits the labels of running text among the container's controls and closes
// up their lines; again after every fill, from the places the screen gave.
void CloseRunInGaps(QWidget *container);

} // namespace brevane
