#pragma once
// What the user typed, as a client file can keep it.

#include <QString>

namespace brevane {

// FitWindows1252 (core/files/LineText.h) for text the user typed: when
// anything had to change, the user is told (message 1119, "typed → kept").
QString FitTypedText(const QString &typed);

} // namespace brevane
