#pragma once
// Client files written before answers kept one form hold numbers, amounts and
// dates as the region of the computer that wrote them formatted them
// ("1.234,50", "01.03.2018"). Reading one, each such answer is written again
// in the answer form ("1,234.50", "3/1/2018"), with the meaning the file had.
//
// What the writer's region was is told from the file itself: an amount that
// only one way of writing numbers reads ("1.234,50", "12,50", "1,234.50"), a
// date that only one order reads ("25/03/2018", "01.03.2018"). An answer that
// reads two ways ("1,234", "01/03/2018") follows what the rest of the file
// shows; where the file shows nothing, or both, it is read in this computer's
// region (as the program always read it) and named, so the user checks it.

#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QStringList>

namespace brevane {

// Rewrites the number, amount, percentage and date answers of every page
// section in use, and the amounts, interests and shares of the directory
// rows, in the answer form. Returns one line for each answer that could be
// read more than one way: where it is, what it holds and how it was read.
QStringList UpgradeToAnswerForm(TAnswer &store, DirectoryTable &directory);

} // namespace brevane
