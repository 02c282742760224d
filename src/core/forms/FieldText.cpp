#include "core/forms/FieldText.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/store/Conversions.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace brevane {

namespace {

// Halves away from zero, as the answer form rounds.
double rounded(double value, int decimals)
{
    return decimals < 0 ? value : ReadNumber(FormatNumber(value, decimals)).value_or(value);
}

// The typed entry as a number of the kind; 0 for an empty entry, 0 and the
// kind's message for one that is not a number.
double typedValue(FieldKind kind, const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return 0;
    if (const std::optional<double> value = ReadRegionalNumber(typed))
        return *value;
    ShowError(kind == FieldKind::Money     ? msg::AmountEntryUnreadable
              : kind == FieldKind::Percent ? msg::NumberEntryUnreadable
                                           : msg::WholeNumberEntryUnreadable);
    return 0;
}

// The shortest decimal text of a value, with a point and no separators.
QString shortestDecimal(double value)
{
    return QLocale::c().toString(value + 0.0, 'g', QLocale::FloatingPointShortest);
}

} // namespace

QString FieldTextOfAnswer(FieldKind kind, const QString &answer)
{
    switch (kind) {
    case FieldKind::Money:
        return RegionalNumber(Str2Float_2(answer), 2, true);
    case FieldKind::Percent:
        return RegionalNumber(Str2Float_P(answer) * 100.0, 2, false) + QLatin1Char('%');
    case FieldKind::Whole:
        return RegionalNumber(Str2Float_0(answer), 0, true);
    case FieldKind::Short:
        return ReadNumber(answer) ? AnswerFormToRegional(answer) : answer;
    case FieldKind::Date: {
        const QDate date = ReadShortDate(answer);
        return date.isValid() ? RegionalDateText(date) : answer;
    }
    default:
        return answer;
    }
}

QString FieldTextOnExit(FieldKind kind, const QString &typed)
{
    switch (kind) {
    case FieldKind::Money:
        return RegionalNumber(rounded(typedValue(kind, typed), 2), 2, true);
    case FieldKind::Percent:
        return RegionalNumber(typedValue(kind, typed), 2, false) + QLatin1Char('%');
    case FieldKind::Whole:
    case FieldKind::Short:
        return RegionalNumber(rounded(typedValue(kind, typed), 0), 0, true);
    case FieldKind::Date:
        return DateOnExit(typed);
    case FieldKind::Text:
        return AnswerFormOf(kind, typed);
    default:
        return typed;
    }
}

QString AnswerOfFieldText(FieldKind kind, const QString &text)
{
    switch (kind) {
    case FieldKind::Percent: {
        // The shown percentage as a fraction. The "%" sign is dropped with
        // the other signs, so a percentage typed without it (a field not yet
        // left) keeps all its digits.
        // An entry that is not a number is kept as typed, for the
        // conversions to report when it is used (the field reported it when
        // it was left).
        if (text.trimmed().isEmpty())
            return QStringLiteral("0");
        const std::optional<double> value = ReadRegionalNumber(text);
        return value ? shortestDecimal(*value / 100.0) : text;
    }
    default:
        return AnswerFormOf(kind, text);
    }
}

QString AnswerFormOf(FieldKind kind, const QString &answer)
{
    switch (kind) {
    case FieldKind::Money:
    case FieldKind::Whole:
    case FieldKind::Short: {
        const std::optional<double> value = answer.trimmed().isEmpty() ? std::nullopt : ReadRegionalNumber(answer);
        if (!value)
            return answer;
        if (kind == FieldKind::Money)
            return Float2Dollar(*value);
        // A whole number typed with decimals keeps them; the field rounds
        // them when it is left.
        if (*value == std::trunc(*value) && std::fabs(*value) < 1e15)
            return FormatNumber(*value, 0);
        return shortestDecimal(*value);
    }
    case FieldKind::Percent: {
        const std::optional<double> value = answer.trimmed().isEmpty() ? std::nullopt : ReadRegionalNumber(answer);
        return value ? shortestDecimal(*value) : answer;
    }
    case FieldKind::Date: {
        const QDate date = ReadRegionalDate(answer);
        return date.isValid() ? ShortDateText(date) : answer;
    }
    case FieldKind::Text:
        // A text that is wholly a number in the region's form and no number
        // of the answer form (an amount that may also be words, "none") is
        // printed as a number: kept with the answer form's separators. Any
        // other text, and a number both forms read ("1.234"), is kept as
        // typed.
        if (ReadStrictNumber(answer, QLatin1Char('.'), QStringLiteral(", ")))
            return answer;
        return RegionalToAnswerForm(answer);
    default:
        return answer;
    }
}

} // namespace brevane
