#pragma once
// Text and number conversions shared by every subsystem. Each routine reports
// its own failures through ShowError and returns its fallback value; none
// throws.
//
// Answers keep numbers, amounts and dates in one form whatever the region:
// the United States form the papers print ("1,234.50", "3/1/2018"), so that a
// client means the same in every region. The routines below read and write
// that answer form. Only what the user types and sees in a field is in the
// region's own form (QLocale(), as it stands at the time of the call): the
// routines named Regional, used by core/forms/FieldText.

#include <QDate>
#include <QString>

#include <optional>

namespace brevane {

// Makes the system's regional settings those of the program (QLocale's
// default). A system without any (the C or POSIX locale) gets United States
// English, the convention of the Ohio forms: dates read month first.
void UseSystemRegionalSettings();

// Deletes blanks, "$", "%", "(", ")", "," and "-"; an entry holding "(" or "-"
// gets one "-" in front of what is left.
QString RemoveCommasAndSigns(const QString &entry);

// Entry to real: unrounded (2118/2), rounded to 2 decimals (2120/2), rounded to
// a whole number (2119/2). Failures give 0.
double Str2Float_P(const QString &entry);
double Str2Float_2(const QString &entry);
double Str2Float_0(const QString &entry);
// The entry read as the real conversions read it, without a message: no value
// for an empty entry or one that is not a number.
std::optional<double> ReadNumber(const QString &entry);

// Entry to integer; empty gives 0. A cleaned text that is not wholly an
// integer shows 2121/2 naming the entry and gives the leading digits.
int Str2Int(const QString &entry);

// The value in the answer form ("1,234.50" with 2 decimals); halves are
// rounded away from zero.
QString FormatNumber(double value, int decimals);
// A number as some region writes it, with only characters the client file
// keeps: narrow and thin spaces become the no-break space, the minus sign "-".
QString FileSafeNumberText(QString text);
// 2 decimals with thousands separators, halves away from zero: "1,234.50".
QString Float2Dollar(double value);
// An amount as a sentence of the papers prints it: "$1,234.50" when the entry
// reads as a number, otherwise the entry as typed ("none"), without a
// message; empty stays empty.
QString DollarAmountText(const QString &entry);

// Capitalised English words of the whole part, each followed by one blank
// ("One Million Eleven Thousand Twelve "). Above 999,999,999: 2126, empty.
QString NumberToWords(double value);
// Words of the whole-dollar part of an amount.
QString AmountToWords(double amount);
// Replaces the first of "Ten One".."Ten Nine" by "Eleven".."Nineteen".
QString ConvertTeens(const QString &text);

// Reads a short date of the answer form, month first ("3/1/2018", "3-1-18"),
// or an ISO date (2026-02-03); a two-digit year falls in the hundred years
// that start fifty years before the current year. A date with points
// ("01.03.2018") is no answer-form date. Returns an invalid date when the
// text is not a date.
QDate ReadShortDate(const QString &text);
// Reads a date as the answers or the papers write it: the answer form's short
// date or ISO (as ReadShortDate), or written out in English, month first
// ("April 2, 2018", "Apr 2, 2018", "April 2 2018"). Returns an invalid date
// when the text is none of these.
QDate ReadWrittenDate(const QString &text);
// The answer form's short date with a four-digit year ("2/3/2026").
QString ShortDateText(const QDate &date);

// The region's own forms, for what the user types and sees.
//
// An entry typed in the region's form. Where it holds both a point and a
// comma, the last of them is the decimal separator whatever the region (no
// region writes thousands after its decimals); a point that cannot stand
// between thousands is a decimal point. No value for an empty entry or one
// that is not a number; no message.
std::optional<double> ReadRegionalNumber(const QString &entry);
// The value as the region writes it, with or without thousands separators,
// with only characters the client file keeps, without leading blanks.
QString RegionalNumber(double value, int decimals, bool grouped);
// A number of the answer form with the region's separators in place of its
// own, character by character ("1,234.5" is "1.234,5" in Germany).
QString AnswerFormToRegional(const QString &answer);
// The text read strictly as a number written with `point` as the decimal
// separator and any of `groups` between thousands (a blank in `groups` stands
// for every kind of blank): a thousands separator stands before exactly three
// digits, never after the decimals or a leading zero. Signs, "$", "%" and
// brackets around it are allowed. No value when it is not such a number.
std::optional<double> ReadStrictNumber(const QString &text, QChar point, const QString &groups);

// An entry typed in the region's form with the answer form's separators in
// place of the region's, when it reads as a number; otherwise unchanged.
QString RegionalToAnswerForm(const QString &entry);
// A short date in the region's order (or ISO), points allowed.
QDate ReadRegionalDate(const QString &text);
// The region's short date with a four-digit year ("01.03.2018").
QString RegionalDateText(const QDate &date);
// What a date field shows once the user leaves it: a date typed in a common
// form (ISO, or the region's short form with a two- or four-digit year)
// becomes the region's short date; anything else, such as "sometime in May",
// stays as typed.
QString DateOnExit(const QString &text);
// Answer-form short date to its long form ("January 5, 2018"); anything else unchanged.
QString ConvertDate(const QString &text);
// True for empty text, a short date, or a text holding a month abbreviation:
// a text the print merge can write as a date or keep as words.
bool IsDateText(const QString &text);
// IsDateText; when false it also shows 2118/0.
bool CheckDateText(const QString &text);

QString TrimStr(const QString &text);     // without trailing blanks
QString TrimLeftStr(const QString &text); // without leading blanks and control characters
QString LineBreaksToBars(const QString &memo);
QString BarsToLineBreaks(const QString &line);
QString BarsToRtfParagraphs(const QString &line);
QString AddPathDelimiter(const QString &folder);
QString RemoveTrailingDelimiter(const QString &folder);
QString RemoveExtension(const QString &fileName);

} // namespace brevane
