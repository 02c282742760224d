#pragma once
// The one place that decides how a field's text and its answer meet. Answers
// keep numbers, amounts, percentages and dates in the answer form (the United
// States form the papers print: "1,234.50", "0.25", "3/1/2018") whatever the
// region, so that a client means the same wherever it is opened; a field
// shows them in the region's own form and takes what the user types in that
// form (core/store/Conversions.h).

#include "core/forms/PageFacts.h"

#include <QString>

namespace brevane {

// What a field of the kind shows for its answer, in the region's form: an
// amount with 2 decimals and thousands separators, a percentage with 2
// decimals and "%", a whole number with thousands separators, a date as the
// region's short date. A short whole number, a date field holding words and
// any other kind show the answer as it is (with the region's separators).
QString FieldTextOfAnswer(FieldKind kind, const QString &answer);

// What the field shows once the user leaves it: the typed entry read in the
// region's form and written again in it. An entry that is not a number shows
// the kind's message (2118, 2119 or 2120) and becomes 0; a date field keeps
// words as typed. A text field that holds nothing but a number shows it as
// it is kept, with the answer form's separators ("5.000,00" becomes
// "5,000.00"), since that is how it prints.
QString FieldTextOnExit(FieldKind kind, const QString &typed);

// The answer a field's text gives, in the answer form, without a message. An
// empty percentage is "0" (other empty fields stay empty); an entry that is
// not a number or a date is kept as typed, for the conversions to report when
// it is used.
QString AnswerOfFieldText(FieldKind kind, const QString &text);

// The answer written in the answer form when it reads as a number or date of
// the kind in the region's form; otherwise unchanged. For answers that come
// from outside a field (a directory cell typed in the region's form).
QString AnswerFormOf(FieldKind kind, const QString &answer);

} // namespace brevane
