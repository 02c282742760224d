#pragma once
// Lays a form page out as the controls of its page screen: the wording flows
// in lines of labels across the page's text width, each answer is placed in
// the wording where it belongs, and the result is the component tree the
// page screen file holds.

#include "FormSource.h"

#include "core/screens/ComponentModel.h"

#include <QMap>

namespace formgen {

// Where the control of an answer stands on the screen, in pixels.
struct PlacedControl
{
    QString name;
    QString className;
    qint64 tag = 0;
    QString style;
    double x = 0, y = 0, width = 0, height = 0;
};

struct ScreenLayout
{
    brevane::ComponentRecord root;
    QMap<int, PlacedControl> controls; // the control of each answer shown as a field
    QList<qint64> focusableTags;       // Tags of edits, memos, check boxes and buttons
};

ScreenLayout LayOutScreen(const FormPage &page);

// Screen pixels to the inch.
constexpr double ScreenDpi = 96.0;

// The style names with behaviour.
inline const char *const EditOverrideable = "EditOverrideable";
inline const char *const EditReadOnly = "EditReadOnly";
inline const char *const MemoOverrideable = "MemoOverrideable";
inline const char *const MemoReadOnly = "MemoReadOnly";
inline const char *const CheckBoxOverrideable = "CheckBoxOverrideable";

} // namespace formgen
