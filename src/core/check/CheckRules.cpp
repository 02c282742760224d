#include "core/check/CheckRules.h"

#include "core/forms/PageFacts.h"
#include "core/forms/PageZero.h"
#include "core/ledger/ShareLedger.h"
#include "core/store/Conversions.h"
#include "core/store/DirectoryRoles.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <utility>

namespace brevane {

namespace {

Finding onField(int page, int answer, Severity severity, const QString &text)
{
    Finding f;
    f.answerPage = page;
    f.answer = answer;
    f.severity = severity;
    f.text = text;
    return f;
}

Finding onWorksheet(int g, Severity severity, const QString &text)
{
    return onField(0, g, severity, text);
}

Finding onRow(int row, Severity severity, const QString &text)
{
    Finding f;
    f.row = row;
    f.severity = severity;
    f.text = text;
    return f;
}

Finding onDirectory(Severity severity, const QString &text)
{
    Finding f;
    f.directory = true;
    f.severity = severity;
    f.text = text;
    return f;
}

QRegularExpression caseless(const char *pattern)
{
    return QRegularExpression(QLatin1String(pattern), QRegularExpression::CaseInsensitiveOption);
}

// One of the endings, standing as words of the name.
bool hasEnding(const QString &name, const QRegularExpression &endings)
{
    return endings.match(name).hasMatch();
}

QString longDate(const QDate &date)
{
    return ConvertDate(date.toString(QStringLiteral("M/d/yyyy")));
}

QString amount(double value)
{
    return QStringLiteral("$") + Float2Dollar(value);
}

QString count(double value)
{
    return FormatNumber(value, value == std::floor(value) ? 0 : 2);
}

// The number in a cell or answer, "%" and "$" allowed; no value for an empty
// or unreadable one.
std::optional<double> number(const QString &text)
{
    return ReadNumber(text.trimmed());
}

// The name as a person is compared: blanks and letter case do not count.
QString personKey(const QString &name)
{
    return name.simplified().toCaseFolded();
}

// The day a date of the papers counts from: the filing date the worksheet
// gives, else the day of the check, as the day the papers are filed at the
// earliest. Its words name which it is.
struct CountedFrom
{
    QDate day;
    bool filed = false; // the worksheet's filing date, not the day of the check
    QString words;
};

CountedFrom filingDay(const CheckContext &c)
{
    if (const std::optional<QDate> filed = ReadDate(c.G(G0::FilingDate)))
        return {*filed, true, QStringLiteral("the filing date (%1)").arg(longDate(*filed))};
    return {c.today, false, QStringLiteral("today (%1; no filing date is given)").arg(longDate(c.today))};
}

// An effective date of articles, of either kind of business: not before the
// articles are filed, at most 90 days after. Counted from the filing date;
// without one from today, and then a date already past is worth a look only
// (articles filed long ago may simply lack their filing date).
void effectiveDate(const CheckContext &c, int g, QList<Finding> &out)
{
    const QString text = c.G(g).trimmed();
    if (text.isEmpty())
        return;
    const std::optional<QDate> date = ReadDate(text);
    if (!date) {
        out << onWorksheet(g, Severity::MustFix,
                           QStringLiteral("the effective date \"%1\" does not read as a date").arg(text));
        return;
    }
    const CountedFrom from = filingDay(c);
    const qint64 days = from.day.daysTo(*date);
    if (days < 0)
        out << onWorksheet(g, from.filed ? Severity::MustFix : Severity::WorthALook,
                           QStringLiteral("the effective date %1 is before %2; articles cannot take effect before "
                                          "they are filed")
                               .arg(longDate(*date), from.words));
    else if (days > 90)
        out << onWorksheet(g, Severity::MustFix,
                           QStringLiteral("the effective date %1 is %2 days after %3; the State allows at most 90")
                               .arg(longDate(*date))
                               .arg(days)
                               .arg(from.words));
}

void nameEnding(const CheckContext &c, bool (*accepted)(const QString &), const char *endings, QList<Finding> &out)
{
    const QString name = c.G(G0::EntityName).trimmed();
    if (!name.isEmpty() && !accepted(name))
        out << onWorksheet(
            G0::EntityName, Severity::MustFix,
            QStringLiteral("the name does not end as the State requires (%1)").arg(QLatin1String(endings)));
}

int rowsWithRole(const DirectoryTable &directory, QChar role)
{
    int n = 0;
    for (const DirectoryRow &row : directory.Rows())
        n += HasRole(row, role);
    return n;
}

bool hasAnyRole(const DirectoryRow &row, const char *roles)
{
    for (const char *r = roles; *r; ++r)
        if (HasRole(row, QLatin1Char(*r)))
            return true;
    return false;
}

QString rowName(const DirectoryRow &row)
{
    const QString name = row[ColName].simplified();
    return name.isEmpty() ? QStringLiteral("the row") : name;
}

int editDistance(const QString &a, const QString &b)
{
    std::vector<int> previous(size_t(b.size()) + 1), current(size_t(b.size()) + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[size_t(j)] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j)
            current[size_t(j)] = std::min({previous[size_t(j)] + 1, current[size_t(j - 1)] + 1,
                                           previous[size_t(j - 1)] + (a[i - 1] == b[j - 1] ? 0 : 1)});
        std::swap(previous, current);
    }
    return previous[size_t(b.size())];
}

// Two spellings of one person's name: the same letters with a slip or two
// ("Carla Ng" and "Karla Ng"), or a short first name for the long one
// ("Ben Ortiz" and "Benjamin Ortiz").
bool spelledOtherwise(const PersonName &a, const PersonName &b)
{
    if (a.letters.isEmpty() || b.letters.isEmpty() || a.key == b.key)
        return false;
    if (a.letters == b.letters)
        return true;
    const qsizetype shorter = std::min(a.letters.size(), b.letters.size());
    const int slips = shorter >= 10 ? 2 : 1;
    if (shorter >= 5 && std::abs(a.letters.size() - b.letters.size()) <= slips &&
        editDistance(a.letters, b.letters) <= slips)
        return true;
    if (a.last.isEmpty() || a.last != b.last || a.first.size() < 2 || b.first.size() < 2)
        return false;
    return a.first.startsWith(b.first) || b.first.startsWith(a.first);
}

// The Directory Worksheet's names, compared once a check.
const std::vector<PersonName> &directoryNames(const CheckContext &c, std::optional<std::vector<PersonName>> &local)
{
    std::optional<std::vector<PersonName>> &names = c.cache ? c.cache->directoryNames : local;
    if (!names) {
        names.emplace();
        names->reserve(size_t(c.directory.RowCount()));
        for (const DirectoryRow &row : c.directory.Rows())
            names->push_back(ComparedName(row[ColName]));
    }
    return *names;
}

// The roles of `roles` as words: "an officer (code O)" or "a director or an officer (code D or O)".
QString rolesInWords(const char *roles)
{
    static const std::pair<char, const char *> names[] = {
        {'D', "a director"},
        {'O', "an officer"},
        {'S', "a shareholder"},
        {'C', "an incorporator"},
        {'M', "a member"},
        {'G', "a manager"},
        {'R', "an authorized representative"},
    };
    QStringList words, codes;
    for (const char *r = roles; *r; ++r)
        for (const auto &[code, word] : names)
            if (code == *r) {
                words << QLatin1String(word);
                codes << QString(QLatin1Char(code));
            }
    return QStringLiteral("%1 (code %2)").arg(words.join(QStringLiteral(" or ")), codes.join(QStringLiteral(" or ")));
}

bool onPage(std::initializer_list<int> pages, int page)
{
    return std::find(pages.begin(), pages.end(), page) != pages.end();
}

// The words of a class of shares as they name it: "Common shares" and
// "common stock" are the class "common".
QString classWords(const QString &text)
{
    static const QRegularExpression filler = caseless("\\b(shares?|stock|of|the)\\b|[^\\w\\s]");
    return QString(text).remove(filler).simplified().toCaseFolded();
}

// Whether the class is common or preferred shares (the kind), empty for neither.
QString classKind(const QString &words)
{
    if (words.contains(QLatin1String("preferred")) || words.contains(QLatin1String("preference")))
        return QStringLiteral("preferred");
    if (words.contains(QLatin1String("common")))
        return QStringLiteral("common");
    return QString();
}

// The day the business exists from: its articles' effective date, else
// their filing date; no value while neither reads.
std::optional<QDate> formedOn(const CheckContext &c, bool company)
{
    const std::optional<QDate> effective = ReadDate(c.G(company ? G0::LlcEffectiveDate : G0::EffectiveDate));
    return effective ? effective : ReadDate(c.G(G0::FilingDate));
}

// The copies of a repeatable page in use (at least the first).
int copiesOf(const CheckContext &c, int page)
{
    return std::clamp(c.answers.PgCt[size_t(page)], 1, int(ContinuationCount));
}

bool ticked(const CheckContext &c, int page, int answer)
{
    return !c.answers.Text(page, 0, answer).trimmed().isEmpty();
}

// Whether the ledger's lines name the person as a holder.
bool inLedger(const CheckContext &c, const QString &key)
{
    for (const ledger::JournalLine &line : ledger::SheetLines(c.answers))
        if (personKey(line.holder) == key)
            return true;
    return false;
}

// The titles an officer signs with, and those of counsel or an agent.
const QRegularExpression &officerTitle()
{
    static const QRegularExpression officer =
        caseless("\\b(president|secretary|treasurer|chair(man|woman|person)?|officer|ceo|cfo|director|"
                 "manager|member)\\b");
    return officer;
}

const QRegularExpression &agentOrCounselTitle()
{
    static const QRegularExpression counsel = caseless("\\b(attorney|counsel|lawyer|esq\\.?|agent|accountant|cpa)\\b");
    return counsel;
}

} // namespace

// ---- what the rules read answers with

PersonName ComparedName(const QString &name)
{
    PersonName out;
    out.key = personKey(name);
    for (const QChar ch : out.key)
        if (ch.isLetter())
            out.letters += ch;
    const QStringList words = out.key.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto lettersOf = [](const QString &word) {
        QString l;
        for (const QChar ch : word)
            if (ch.isLetter())
                l += ch;
        return l;
    };
    if (words.size() >= 2) {
        out.first = lettersOf(words.first());
        out.last = lettersOf(words.last());
    }
    return out;
}

bool HasCorporationEnding(const QString &name)
{
    static const QRegularExpression endings =
        caseless("(^|[\\s,])(company|co\\.?|corporation|corp\\.?|incorporated|inc\\.?)($|[\\s,.])");
    return hasEnding(name, endings);
}

bool HasProfessionalEnding(const QString &name)
{
    static const QRegularExpression endings =
        caseless("(^|[\\s,])((legal )?professional association|l?\\.?\\s?p\\.\\s?a\\.?|l?pa)($|[\\s,.])");
    return HasCorporationEnding(name) || hasEnding(name, endings);
}

bool HasCompanyEnding(const QString &name)
{
    static const QRegularExpression endings =
        caseless("(^|[\\s,])(limited liability company|limited liability co\\.?|ltd\\.? liability (company|co\\.?)|"
                 "l\\.\\s?l\\.\\s?c\\.?|llc|limited|ltd\\.?)($|[\\s,.])");
    return hasEnding(name, endings);
}

bool IsPostOfficeBox(const QString &street)
{
    static const QRegularExpression box = caseless(
        "(\\bp\\s*\\.?\\s*o\\s*\\.?\\s*(box|b\\b)|\\bpost\\s+office\\s+box\\b|\\bpob\\b|^\\s*box\\s*#?\\s*\\d)");
    return box.match(street).hasMatch();
}

bool IsZipCode(const QString &zip)
{
    static const QRegularExpression form(QStringLiteral("^\\d{5}(-?\\d{4})?$"));
    return form.match(zip.trimmed()).hasMatch();
}

bool IsOhioZipCode(const QString &zip)
{
    const int prefix = zip.trimmed().left(3).toInt();
    return IsZipCode(zip) && prefix >= 430 && prefix <= 459;
}

QString StateAfterCity(const QString &city)
{
    // Only what follows the last comma is read as a state: a town's own name
    // ("Port Washington", "New Washington", "Indiana Township") never is.
    static const QRegularExpression state = caseless(
        "^(AL|AK|AZ|AR|CA|CO|CT|DE|DC|FL|GA|HI|ID|IL|IN|IA|KS|KY|LA|ME|MD|MA|MI|MN|MS|MO|MT|NE|NV|NH|NJ|NM|NY|NC|"
        "ND|OH|OK|OR|PA|RI|SC|SD|TN|TX|UT|VT|VA|WA|WV|WI|WY|Alabama|Alaska|Arizona|Arkansas|California|Colorado|"
        "Connecticut|Delaware|District of Columbia|Florida|Georgia|Hawaii|Idaho|Illinois|Indiana|Iowa|Kansas|"
        "Kentucky|Louisiana|Maine|Maryland|Massachusetts|Michigan|Minnesota|Mississippi|Missouri|Montana|Nebraska|"
        "Nevada|New Hampshire|New Jersey|New Mexico|New York|North Carolina|North Dakota|Ohio|Oklahoma|Oregon|"
        "Pennsylvania|Rhode Island|South Carolina|South Dakota|Tennessee|Texas|Utah|Vermont|Virginia|Washington|"
        "West Virginia|Wisconsin|Wyoming)\\.?$");
    const qsizetype comma = city.lastIndexOf(QLatin1Char(','));
    if (comma < 0)
        return QString();
    const QString after = city.mid(comma + 1).simplified();
    return state.match(after).hasMatch() ? after : QString();
}

bool IsOhio(const QString &state)
{
    const QString s = state.simplified().remove(QLatin1Char('.'));
    return s.compare(QLatin1String("OH"), Qt::CaseInsensitive) == 0 ||
           s.compare(QLatin1String("Ohio"), Qt::CaseInsensitive) == 0;
}

std::optional<QDate> ReadDate(const QString &text)
{
    const QDate date = ReadWrittenDate(text);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// ---- the rules

void CorporationName(const CheckContext &c, QList<Finding> &out)
{
    nameEnding(c, HasCorporationEnding, "Company, Co., Corporation, Corp., Incorporated or Inc.", out);
}

void ProfessionalName(const CheckContext &c, QList<Finding> &out)
{
    nameEnding(c, HasProfessionalEnding, "Professional Association, P.A., L.P.A., Co., Corp. or Inc.", out);
}

void CompanyName(const CheckContext &c, QList<Finding> &out)
{
    nameEnding(c, HasCompanyEnding, "Limited Liability Company, LLC, L.L.C., Limited or Ltd.", out);
}

void AgentAddress(const CheckContext &c, QList<Finding> &out)
{
    // The agent's address is in Ohio by its ZIP code and by a state written
    // after the city; a town's name says nothing about its state.
    if (IsPostOfficeBox(c.G(G0::AgentStreet)))
        out << onWorksheet(G0::AgentStreet, Severity::MustFix,
                           QStringLiteral("the statutory agent's address is a post-office box"));
    const QString zip = c.G(G0::AgentZip).trimmed();
    const bool ohioZip = IsOhioZipCode(zip);
    const QString city = c.G(G0::AgentCity).simplified();
    if (const QString state = StateAfterCity(city); !state.isEmpty() && !IsOhio(state))
        out << onWorksheet(G0::AgentCity, ohioZip ? Severity::WorthALook : Severity::MustFix,
                           ohioZip ? QStringLiteral("the agent's city \"%1\" names another state, but the ZIP code %2 "
                                                    "is in Ohio; the agent's address must be in Ohio")
                                         .arg(city, zip)
                                   : QStringLiteral("the agent's city \"%1\" is outside Ohio; the agent's address "
                                                    "must be in Ohio")
                                         .arg(city));
    if (zip.isEmpty())
        return;
    if (!IsZipCode(zip))
        out << onWorksheet(G0::AgentZip, Severity::MustFix,
                           QStringLiteral("the agent's ZIP code \"%1\" has neither 5 nor 9 digits").arg(zip));
    else if (!ohioZip)
        out << onWorksheet(
            G0::AgentZip, Severity::MustFix,
            QStringLiteral("the agent's ZIP code %1 is not in Ohio (Ohio's begin with 430 to 459)").arg(zip));
}

void ZipCodes(const CheckContext &c, QList<Finding> &out)
{
    for (const int g : {G0::Zip, G0::RepresentativeZip, G0::AgentZip}) {
        const QString zip = c.G(g).trimmed();
        if (!zip.isEmpty() && !IsZipCode(zip))
            out << onWorksheet(g, Severity::WorthALook,
                               QStringLiteral("the ZIP code \"%1\" has neither 5 nor 9 digits").arg(zip));
    }
    const QVector<DirectoryRow> &rows = c.directory.Rows();
    for (int r = 0; r < rows.size(); ++r) {
        const QString zip = rows[r][ColZIP].trimmed();
        if (!zip.isEmpty() && !IsZipCode(zip))
            out << onRow(r, Severity::WorthALook,
                         QStringLiteral("the ZIP code \"%1\" has neither 5 nor 9 digits").arg(zip));
    }
}

void DateFields(const CheckContext &c, QList<Finding> &out)
{
    // The worksheet's dates feed the papers; a form's own date entry is printed as it is.
    const Severity severity = c.page == 0 ? Severity::WorthALook : Severity::MustFix;
    for (const FieldFact &field : FactsOfPage(c.page).fields) {
        if (field.kind != FieldKind::Date)
            continue;
        const QString text = c.answers.Text(c.page, 0, field.answer).trimmed();
        if (!text.isEmpty() && !ReadDate(text))
            out << onField(c.page, field.answer, severity,
                           QStringLiteral("\"%1\" does not read as a date (for example 3/15/2024)").arg(text));
    }
}

void ArticlesEffectiveDate(const CheckContext &c, QList<Finding> &out)
{
    effectiveDate(c, G0::EffectiveDate, out);
}

void OrganizationEffectiveDate(const CheckContext &c, QList<Finding> &out)
{
    effectiveDate(c, G0::LlcEffectiveDate, out);
}

void SharesSubscribed(const CheckContext &c, QList<Finding> &out)
{
    double subscribed = 0;
    const QVector<DirectoryRow> &rows = c.directory.Rows();
    for (int r = 0; r < rows.size(); ++r) {
        if (!HasRole(rows[r], QLatin1Char('S')))
            continue;
        const std::optional<double> shares = number(rows[r][ColNoOfShares]);
        if (rows[r][ColNoOfShares].trimmed().isEmpty() || (shares && *shares <= 0)) {
            // A holder who came to the shares later stands in the ledger;
            // a subscriber without shares is a row left unfinished.
            if (!inLedger(c, personKey(rows[r][ColName])))
                out << onRow(r, Severity::MustFix,
                             QStringLiteral("%1 is a shareholder (code S) with no shares; the subscription lists the "
                                            "row without a number")
                                 .arg(rowName(rows[r])));
            continue;
        }
        if (shares)
            subscribed += *shares;
        else
            out << onRow(r, Severity::MustFix,
                         QStringLiteral("the number of shares \"%1\" does not read as a number")
                             .arg(rows[r][ColNoOfShares].trimmed()));
    }
    const std::optional<double> authorized = number(c.G(G0::AuthorizedShares));
    if (authorized && subscribed > *authorized)
        out << onWorksheet(G0::AuthorizedShares, Severity::MustFix,
                           QStringLiteral("the shareholders subscribe for %1 shares, more than the %2 authorized")
                               .arg(count(subscribed), count(*authorized)));
}

void SharePrices(const CheckContext &c, QList<Finding> &out)
{
    // The subscribers may pay more than the par value, never less.
    const std::optional<double> price = number(c.G(G0::SharePrice));
    const std::optional<double> par = number(c.G(G0::ParValue));
    if (price && par && *price < *par - 0.005)
        out << onWorksheet(G0::SharePrice, Severity::MustFix,
                           QStringLiteral("the subscribers pay %1 a share, less than the par value of %2")
                               .arg(amount(*price), amount(*par)));
}

void MemberInterests(const CheckContext &c, QList<Finding> &out)
{
    double total = 0;
    int members = 0;
    const QVector<DirectoryRow> &rows = c.directory.Rows();
    for (int r = 0; r < rows.size(); ++r) {
        if (!HasRole(rows[r], QLatin1Char('M')))
            continue;
        ++members;
        // An unreadable interest is InterestFigures' finding; the sum is
        // judged only when every interest reads.
        const std::optional<double> interest = number(rows[r][ColInterest]);
        if (!interest)
            return;
        total += *interest;
    }
    if (members > 0 && std::abs(total - 100) >= 0.005)
        out << onDirectory(Severity::MustFix,
                           QStringLiteral("the members' interests add up to %1 %, not 100 %").arg(count(total)));
}

void MeetingOrder(const CheckContext &c, QList<Finding> &out)
{
    struct Step
    {
        int g;
        const char *what;
    };
    static const Step steps[] = {
        {G0::FilingDate, "the filing of the articles"},
        {G0::WrittenActionsDate, "the incorporators' written actions"},
        {G0::NoticeMeetingDate, "the first shareholders' meeting"},
        {G0::DirectorsMeetingDate, "the first directors' meeting"},
    };
    const Step *last = nullptr;
    QDate lastDate;
    for (const Step &step : steps) {
        const std::optional<QDate> date = ReadDate(c.G(step.g));
        if (!date)
            continue;
        if (last && *date < lastDate)
            out << onWorksheet(
                step.g, Severity::MustFix,
                QStringLiteral("%1 (%2) is dated before %3 (%4)")
                    .arg(QLatin1String(step.what), longDate(*date), QLatin1String(last->what), longDate(lastDate)));
        last = &step;
        lastDate = *date;
    }
    const std::optional<QDate> ordered = ReadDate(c.G(G0::OrderedMeetingDate));
    const std::optional<QDate> noticed = ReadDate(c.G(G0::NoticeMeetingDate));
    if (ordered && noticed && *ordered != *noticed)
        out << onWorksheet(G0::NoticeMeetingDate, Severity::WorthALook,
                           QStringLiteral("the notice dates the shareholders' meeting %1, the incorporators ordered "
                                          "it for %2")
                               .arg(longDate(*noticed), longDate(*ordered)));
}

void BoardSize(const CheckContext &c, QList<Finding> &out)
{
    // The code of regulations states the number (page 12, answer 7); where
    // it is blank, the directors of the Directory Worksheet count.
    constexpr int regulationsPage = 12;
    constexpr int numberOfDirectors = 7;
    const int shareholders = rowsWithRole(c.directory, QLatin1Char('S'));
    const int listed = rowsWithRole(c.directory, QLatin1Char('D'));
    const std::optional<double> stated = number(c.answers.Text(regulationsPage, 0, numberOfDirectors));
    const int directors = stated ? int(*stated) : listed;
    const int least = shareholders >= 3 ? 3 : std::max(shareholders, 1);
    if (directors < least) {
        const QString text =
            shareholders == 0 ? QStringLiteral("the board has no directors; it needs at least one")
            : shareholders >= 3
                ? QStringLiteral("the board has %1 directors; with %2 shareholders it needs at least three")
                      .arg(directors)
                      .arg(shareholders)
                : QStringLiteral("the board has %1 directors, fewer than the %2 shareholders")
                      .arg(directors)
                      .arg(shareholders);
        out << (stated ? onField(regulationsPage, numberOfDirectors, Severity::MustFix, text)
                       : onDirectory(Severity::MustFix, text));
    } else if (stated && listed > 0 && listed != directors) {
        out << onField(regulationsPage, numberOfDirectors, Severity::WorthALook,
                       QStringLiteral("the code of regulations fixes %1 directors, the Directory Worksheet names %2")
                           .arg(directors)
                           .arg(listed));
    }
}

void Officers(const CheckContext &c, QList<Finding> &out)
{
    const QString president = c.G(G0::President).trimmed();
    const QString secretary = c.G(G0::Secretary).trimmed();
    if (president.isEmpty())
        out << onWorksheet(G0::President, Severity::MustFix, QStringLiteral("no president is elected"));
    if (secretary.isEmpty())
        out << onWorksheet(G0::Secretary, Severity::MustFix, QStringLiteral("no secretary is elected"));
    if (!president.isEmpty() && personKey(president) == personKey(secretary))
        out << onWorksheet(G0::Secretary, Severity::WorthALook,
                           QStringLiteral("%1 is both president and secretary, and a paper that both sign needs two "
                                          "people")
                               .arg(president));
}

void SharesRepresented(const CheckContext &c, QList<Finding> &out)
{
    // The election of the board (page 18) takes both counts from the user;
    // the certificate of the inspectors prints them again.
    constexpr int boardPage = 18;
    constexpr int represented = 9;
    constexpr int votes = 10;
    const QString representedText = c.answers.Text(boardPage, 0, represented).trimmed();
    const QString votesText = c.answers.Text(boardPage, 0, votes).trimmed();
    const std::optional<double> shares = number(representedText);
    const std::optional<double> cast = number(votesText);
    double subscribed = 0;
    for (const DirectoryRow &row : c.directory.Rows())
        if (HasRole(row, QLatin1Char('S')))
            subscribed += number(row[ColNoOfShares]).value_or(0);
    if (!representedText.isEmpty() && !shares)
        out << onField(boardPage, represented, Severity::MustFix,
                       QStringLiteral("\"%1\" does not read as a number of shares").arg(representedText));
    else if (shares && *shares <= 0)
        out << onField(boardPage, represented, Severity::MustFix,
                       QStringLiteral("no shares are represented, so the meeting could elect nobody"));
    else if (shares && subscribed > 0 && *shares > subscribed)
        out << onField(boardPage, represented, Severity::MustFix,
                       QStringLiteral("%1 shares are represented, more than the %2 the shareholders subscribe for")
                           .arg(count(*shares), count(subscribed)));
    if (!votesText.isEmpty() && !cast)
        out << onField(boardPage, votes, Severity::MustFix,
                       QStringLiteral("\"%1\" does not read as a number of votes").arg(votesText));
    else if (cast && *cast <= 0 && shares && *shares > 0)
        out << onField(boardPage, votes, Severity::MustFix,
                       QStringLiteral("each nominee receives no votes, so nobody is elected"));
    else if (cast && shares && *shares > 0 && *cast > *shares)
        out << onField(boardPage, votes, Severity::MustFix,
                       QStringLiteral("each nominee receives %1 votes, more than the %2 shares represented")
                           .arg(count(*cast), count(*shares)));
}

void NoticePeriod(const CheckContext &c, QList<Finding> &out)
{
    // The law counts from the day the notice is mailed; without that day,
    // from the notice's own date.
    const bool mailed = ReadDate(c.G(G0::NoticeMailingDate)).has_value();
    const int g = mailed ? G0::NoticeMailingDate : G0::NoticeDate;
    const QString what = mailed ? QStringLiteral("mailed") : QStringLiteral("dated");
    const std::optional<QDate> notice = ReadDate(c.G(g));
    const std::optional<QDate> meeting = ReadDate(c.G(G0::NoticeMeetingDate));
    if (!notice || !meeting)
        return;
    const qint64 days = notice->daysTo(*meeting);
    if (days < 0)
        out << onWorksheet(g, Severity::MustFix,
                           QStringLiteral("the notice is %1 %2, after the meeting it gives notice of (%3)")
                               .arg(what, longDate(*notice), longDate(*meeting)));
    else if (days < 7 || days > 60)
        out << onWorksheet(g, Severity::MustFix,
                           QStringLiteral("the notice is %1 %2 days before the meeting; it must be given 7 to 60 "
                                          "days before")
                               .arg(what)
                               .arg(days));
}

void NamesOnDirectory(const CheckContext &c, QList<Finding> &out)
{
    // Each person the worksheet names, the pages that print the name, and
    // the roles a Directory Worksheet row of that name has ("" for any).
    struct Named
    {
        int g;
        std::initializer_list<int> pages;
        const char *roles;
        const char *what;
    };
    static const Named named[] = {
        {G0::President, {21}, "O", "the president"},
        {G0::VicePresident, {21}, "O", "the vice president"},
        {G0::Secretary, {21, 22}, "O", "the secretary"},
        {G0::Treasurer, {21}, "O", "the treasurer"},
        {G0::ChairmanProTem, {11, 18}, "", "the chairman pro tem"},
        {G0::SecretaryProTem, {11}, "", "the secretary pro tem"},
        {G0::FirstInspector, {19}, "", "the first inspector"},
        {G0::SecondInspector, {19}, "", "the second inspector"},
        {G0::DirectorsChairman, {20}, "D", "the chairman of the directors' meeting"},
        {G0::DirectorsSecretary, {20}, "DO", "the secretary of the directors' meeting"},
        {G0::RepresentativeName, {52}, "", "the authorized representative"},
        {G0::RepresentativeSigner, {52}, "", "the person who signs for the representative"},
    };
    const QVector<DirectoryRow> &rows = c.directory.Rows();
    std::optional<std::vector<PersonName>> local;
    for (const Named &n : named) {
        const QString name = c.G(n.g).simplified();
        if (name.isEmpty() || !onPage(n.pages, c.page))
            continue;
        const PersonName wanted = ComparedName(name);
        const std::vector<PersonName> &names = directoryNames(c, local);
        const auto same = std::find_if(names.begin(), names.end(),
                                       [&](const PersonName &listed) { return listed.key == wanted.key; });
        if (same != names.end()) {
            const int r = int(same - names.begin());
            if (*n.roles && !hasAnyRole(rows[r], n.roles))
                out << onWorksheet(n.g, Severity::WorthALook,
                                   QStringLiteral("%1 is on the Directory Worksheet (row %2), but not as %3")
                                       .arg(name)
                                       .arg(r + 1)
                                       .arg(rolesInWords(n.roles)));
            continue;
        }
        const auto near = std::find_if(names.begin(), names.end(),
                                       [&](const PersonName &listed) { return spelledOtherwise(wanted, listed); });
        if (near != names.end()) {
            const int r = int(near - names.begin());
            out << onWorksheet(n.g, Severity::MustFix,
                               QStringLiteral("%1 is \"%2\" here and \"%3\" on the Directory Worksheet (row %4); the "
                                              "papers would name one person two ways")
                                   .arg(QLatin1String(n.what), name, rows[r][ColName].simplified())
                                   .arg(r + 1));
        } else if (*n.roles) {
            out << onWorksheet(n.g, Severity::WorthALook,
                               QStringLiteral("%1, %2, is on no row of the Directory Worksheet; add the row as %3")
                                   .arg(QLatin1String(n.what), name, rolesInWords(n.roles)));
        }
    }
}

void StatedCapital(const CheckContext &c, QList<Finding> &out)
{
    // The articles state the initial stated capital as the user types it;
    // the order and waiver multiplies the shares subscribed by the stated
    // capital per share.
    constexpr int orderPage = 7;
    constexpr int orderTotal = 17;
    const std::optional<double> stated = number(c.G(G0::StatedCapital));
    const std::optional<double> ordered = number(c.answers.Text(orderPage, 0, orderTotal));
    if (stated && ordered && std::abs(*stated - *ordered) >= 0.005)
        out << onWorksheet(G0::StatedCapital, Severity::MustFix,
                           QStringLiteral("the articles state a capital of %1, the order and waiver %2 (the shares "
                                          "subscribed times the stated capital per share)")
                               .arg(amount(*stated), amount(*ordered)));
}

void NoParPrice(const CheckContext &c, QList<Finding> &out)
{
    // The election of officers charges each subscriber the price per share,
    // else the par value; shares without par and without a price would be
    // issued for nothing.
    const std::optional<double> par = number(c.G(G0::ParValue));
    const std::optional<double> price = number(c.G(G0::SharePrice));
    if ((par && *par > 0) || (price && *price > 0) || rowsWithRole(c.directory, QLatin1Char('S')) == 0)
        return;
    out << onWorksheet(G0::SharePrice, Severity::MustFix,
                       QStringLiteral("the shares have no par value and no price per share, so the election of "
                                      "officers states nothing paid for them"));
}

void InterestFigures(const CheckContext &c, QList<Finding> &out)
{
    // A figure, with or without its percent sign: the agreement prints one.
    static const QRegularExpression plain(QStringLiteral("^\\d+([.,]\\d+)?\\s*%?$"));
    const QVector<DirectoryRow> &rows = c.directory.Rows();
    for (int r = 0; r < rows.size(); ++r) {
        if (!HasRole(rows[r], QLatin1Char('M')))
            continue;
        const QString interest = rows[r][ColInterest].trimmed();
        if (interest.isEmpty())
            out << onRow(r, Severity::MustFix, QStringLiteral("the member's percentage interest is empty"));
        else if (!number(interest))
            out << onRow(r, Severity::MustFix,
                         QStringLiteral("the member's interest \"%1\" does not read as a percentage").arg(interest));
        else if (!plain.match(interest).hasMatch())
            out << onRow(
                r, Severity::MustFix,
                QStringLiteral("type the interest \"%1\" as a number (%2)").arg(interest, count(*number(interest))));
    }
}

void MemberContributions(const CheckContext &c, QList<Finding> &out)
{
    const QVector<DirectoryRow> &rows = c.directory.Rows();
    for (int r = 0; r < rows.size(); ++r)
        if (HasRole(rows[r], QLatin1Char('M')) && rows[r][ColCash].trimmed().isEmpty() &&
            rows[r][ColNoncash].trimmed().isEmpty())
            out << onRow(r, Severity::WorthALook,
                         QStringLiteral("%1 is a member with neither Cash nor Noncash ticked; the agreement lists the "
                                        "member's contribution as cash")
                             .arg(rowName(rows[r])));
}

void TaxTreatment(const CheckContext &c, QList<Finding> &out)
{
    constexpr int taxPage = 61;
    constexpr int partnership = 2;
    constexpr int disregarded = 3;
    const int members = rowsWithRole(c.directory, QLatin1Char('M'));
    const auto ticked = [&](int k) { return !c.answers.Text(taxPage, 0, k).trimmed().isEmpty(); };
    if (ticked(partnership) && members == 1)
        out << onField(taxPage, partnership, Severity::MustFix,
                       QStringLiteral("a company with one member cannot be taxed as a partnership"));
    else if (ticked(disregarded) && members > 1)
        out << onField(taxPage, disregarded, Severity::MustFix,
                       QStringLiteral("only a company with one member is disregarded; this one has %1").arg(members));
}

void PersonOrBusiness(const CheckContext &c, QList<Finding> &out)
{
    // Who signs for a row: its own name (I) or the person who signs for the business (B).
    const QVector<DirectoryRow> &rows = c.directory.Rows();
    for (int r = 0; r < rows.size(); ++r) {
        if (!hasAnyRole(rows[r], "CSMR"))
            continue;
        const bool person = HasRole(rows[r], QLatin1Char('I'));
        const bool business = HasRole(rows[r], QLatin1Char('B'));
        if (person && business)
            out << onRow(r, Severity::MustFix,
                         QStringLiteral("%1 is marked both an individual (I) and a business (B); mark one")
                             .arg(rowName(rows[r])));
        else if (!person && !business)
            out << onRow(r, Severity::MustFix,
                         QStringLiteral("%1 is marked neither an individual (I) nor a business (B), so no name goes "
                                        "on its signature line")
                             .arg(rowName(rows[r])));
        else if (business && rows[r][ColByName].trimmed().isEmpty())
            out << onRow(r, Severity::MustFix,
                         QStringLiteral("%1 is a business and signs through a person; give the person who signs for "
                                        "it (By)")
                             .arg(rowName(rows[r])));
    }
}

void PeopleAddresses(const CheckContext &c, QList<Finding> &out)
{
    // The roles whose addresses the page prints; the Directory Worksheet's
    // own page prints everyone's.
    struct Printed
    {
        int page;
        const char *roles;
    };
    static const Printed printed[] = {{88, "CSDMGR"}, {20, "D"}, {30, "C"}, {45, "S"}};
    const auto at =
        std::find_if(std::begin(printed), std::end(printed), [&](const Printed &p) { return p.page == c.page; });
    if (at == std::end(printed))
        return;
    const QVector<DirectoryRow> &rows = c.directory.Rows();
    for (int r = 0; r < rows.size(); ++r) {
        if (!hasAnyRole(rows[r], at->roles))
            continue;
        if (rows[r][ColName].trimmed().isEmpty()) {
            out << onRow(r, Severity::MustFix, QStringLiteral("the row has roles but no name"));
            continue;
        }
        QStringList missing;
        for (const auto &[column, what] : {std::pair{ColAddress, "street address"}, std::pair{ColCity, "city"},
                                           std::pair{ColState, "state"}, std::pair{ColZIP, "ZIP code"}})
            if (rows[r][column].trimmed().isEmpty())
                missing << QLatin1String(what);
        if (!missing.isEmpty())
            out << onRow(r, Severity::MustFix,
                         QStringLiteral("%1 has no %2, and the papers print the address")
                             .arg(rowName(rows[r]), missing.join(QStringLiteral(", "))));
    }
}

void PeopleFit(const CheckContext &c, QList<Finding> &out)
{
    // The signature blocks of the papers with a fixed number of signers,
    // and how many each holds; a further person would be left off the paper.
    // (The lists of shareholders and members grow with the client.)
    struct Table
    {
        int page;
        const char *roles; // a row any of these roles
        int column;        // and, where not -1, this cell ticked
        int room;
        const char *what;
    };
    static const Table tables[] = {
        {4, "C", -1, 3, "the articles have signature lines for 3 incorporators"},
        {41, "C", -1, 3, "the articles have signature lines for 3 incorporators"},
        {30, "C", -1, 3, "the certificate of dissolution names 3 incorporators"},
    };
    const QVector<DirectoryRow> &rows = c.directory.Rows();
    for (const Table &t : tables) {
        if (t.page != c.page)
            continue;
        int seen = 0;
        int firstLeft = -1;
        for (int r = 0; r < rows.size(); ++r) {
            if (!hasAnyRole(rows[r], t.roles) || (t.column >= 0 && rows[r][t.column].trimmed().isEmpty()))
                continue;
            if (++seen > t.room && firstLeft < 0)
                firstLeft = r;
        }
        if (firstLeft >= 0)
            out << onRow(firstLeft, Severity::MustFix,
                         seen - t.room == 1
                             ? QStringLiteral("%1; %2 is left off").arg(QLatin1String(t.what), rowName(rows[firstLeft]))
                             : QStringLiteral("%1; %2 and %3 more are left off")
                                   .arg(QLatin1String(t.what), rowName(rows[firstLeft]))
                                   .arg(seen - t.room - 1));
    }
}

void FiscalYear(const CheckContext &c, QList<Finding> &out)
{
    const std::optional<QDate> end = ReadDate(c.G(G0::FiscalYearEnd));
    const std::optional<QDate> effective = ReadDate(c.G(G0::EffectiveDate));
    const std::optional<QDate> start = effective ? effective : ReadDate(c.G(G0::FilingDate));
    if (!end || !start)
        return;
    if (*end < *start)
        out << onWorksheet(G0::FiscalYearEnd, Severity::MustFix,
                           QStringLiteral("the first fiscal year ends %1, before the corporation begins (%2)")
                               .arg(longDate(*end), longDate(*start)));
    else if (*end >= start->addYears(1))
        out << onWorksheet(G0::FiscalYearEnd, Severity::MustFix,
                           QStringLiteral("the first fiscal year runs from %1 to %2, longer than twelve months")
                               .arg(longDate(*start), longDate(*end)));
}

void AgreementDate(const CheckContext &c, QList<Finding> &out)
{
    // The operating agreement binds from its own date (page 57, answer 0).
    // Members may sign it before the articles are filed, so a date before
    // the company exists is worth a look, not a fault.
    constexpr int agreementPage = 57;
    constexpr int agreementDate = 0;
    const std::optional<QDate> agreement = ReadDate(c.answers.Text(agreementPage, 0, agreementDate));
    const std::optional<QDate> effective = ReadDate(c.G(G0::LlcEffectiveDate));
    const std::optional<QDate> formed = effective ? effective : ReadDate(c.G(G0::FilingDate));
    if (agreement && formed && *agreement < *formed)
        out << onField(agreementPage, agreementDate, Severity::WorthALook,
                       QStringLiteral("the agreement takes effect %1, before the company exists (%2)")
                           .arg(longDate(*agreement), longDate(*formed)));
}

void AmendmentDates(const CheckContext &c, QList<Finding> &out)
{
    // A certificate of amendment takes effect on filing or up to 90 days
    // later, never earlier; it is filed today at the earliest, so its dates
    // count from today. What it amends was adopted after the articles.
    struct Dated
    {
        int page;
        int answer;
        bool effective; // an effective date (else a date of adoption)
    };
    static const Dated dates[] = {{54, 1, true}, {54, 3, true}, {26, 7, false}};
    const std::optional<QDate> filed = ReadDate(c.G(G0::FilingDate));
    const QString today = QStringLiteral("today (%1), the earliest day it can be filed").arg(longDate(c.today));
    for (const Dated &d : dates) {
        if (d.page != c.page)
            continue;
        const std::optional<QDate> date = ReadDate(c.answers.Text(d.page, 0, d.answer));
        if (!date)
            continue;
        if (d.effective && *date < c.today)
            out << onField(d.page, d.answer, Severity::MustFix,
                           QStringLiteral("the effective date %1 is before %2; an amendment takes effect on filing "
                                          "or later")
                               .arg(longDate(*date), today));
        else if (d.effective && c.today.daysTo(*date) > 90)
            out << onField(d.page, d.answer, Severity::MustFix,
                           QStringLiteral("the effective date %1 is %2 days after %3; the State allows at most 90")
                               .arg(longDate(*date))
                               .arg(c.today.daysTo(*date))
                               .arg(today));
        else if (filed && *date < *filed)
            out << onField(d.page, d.answer, Severity::MustFix,
                           QStringLiteral("the amendment is dated %1, before the articles it amends were filed (%2)")
                               .arg(longDate(*date), longDate(*filed)));
    }
}

void CertificateDates(const CheckContext &c, QList<Finding> &out)
{
    // A certificate is signed on or after the act it certifies: the page,
    // the act's date and the certificate's date (answers of the page; -1 for page 0's).
    struct Certified
    {
        int page;
        int act;
        int actG;
        int certificate;
        int certificateG;
        const char *what;
        const char *signedAs = "the certificate is dated";
    };
    static const Certified certified[] = {
        {33, 1, -1, 11, -1, "the dissolution was authorized"},
        {22, -1, G0::DirectorsMeetingDate, -1, G0::MinutesCertifiedDate, "the directors met"},
        {38, 7, -1, 3, -1, "the resolution was adopted"},
        {68, 4, -1, 3, -1, "the members adopted the resolution"},
        {23, 9, -1, 3, -1, "the meeting they record", "the minutes are signed"},
        {26, 7, -1, 11, -1, "the amendment was adopted"},
    };
    for (const Certified &k : certified) {
        if (k.page != c.page)
            continue;
        const int continuations =
            k.actG >= 0 ? 1 : std::clamp(c.answers.PgCt[size_t(k.page)], 1, int(ContinuationCount));
        for (int ct = 0; ct < continuations; ++ct) {
            const auto text = [&](int answer, int g) { return g >= 0 ? c.G(g) : c.answers.Text(k.page, ct, answer); };
            const std::optional<QDate> act = ReadDate(text(k.act, k.actG));
            const std::optional<QDate> signedOn = ReadDate(text(k.certificate, k.certificateG));
            if (!act || !signedOn || *signedOn >= *act)
                continue;
            Finding f = k.certificateG >= 0 ? onWorksheet(k.certificateG, Severity::MustFix, QString())
                                            : onField(k.page, k.certificate, Severity::MustFix, QString());
            f.text = QStringLiteral("%1 %2, before %3 (%4)")
                         .arg(QLatin1String(k.signedAs), longDate(*signedOn), QLatin1String(k.what), longDate(*act));
            if (ct > 0)
                f.text += QStringLiteral(" (copy %1)").arg(ct + 1);
            out << f;
        }
    }
}

void CertifyingOfficer(const CheckContext &c, QList<Finding> &out)
{
    // The certificates of dissolution and of amendment are signed by an
    // officer of the corporation: the page and the signer's title.
    struct Certificate
    {
        int page;
        int title;
    };
    static const Certificate certificates[] = {{33, 5}, {26, 10}};
    static const QRegularExpression counsel = caseless("\\b(attorney|counsel|lawyer|esq\\.?|agent|accountant|cpa)\\b");
    static const QRegularExpression officer =
        caseless("\\b(president|secretary|treasurer|chair(man|woman|person)?|officer|ceo|cfo|director)\\b");
    for (const Certificate &k : certificates) {
        if (k.page != c.page)
            continue;
        const QString text = c.answers.Text(k.page, 0, k.title).simplified();
        if (text.isEmpty())
            continue;
        if (counsel.match(text).hasMatch() && !officer.match(text).hasMatch())
            out << onField(k.page, k.title, Severity::MustFix,
                           QStringLiteral("the certificate is signed as \"%1\"; an officer of the corporation signs "
                                          "it, not its counsel or agent")
                               .arg(text));
        else if (!officer.match(text).hasMatch())
            out << onField(k.page, k.title, Severity::WorthALook,
                           QStringLiteral("the title \"%1\" names no officer; an officer of the corporation signs the "
                                          "certificate")
                               .arg(text));
    }
}

void AmendmentAdoption(const CheckContext &c, QList<Finding> &out)
{
    // Who may adopt an amendment of the articles (form 540, page 26): the
    // incorporators only while no shares are issued; the directors only the
    // few amendments the law leaves to them, which do not change the number
    // of shares.
    constexpr int page = 26;
    constexpr int byIncorporators = 0;
    constexpr int byDirectors = 1;
    constexpr int adopted = 7;
    constexpr int text = 8;
    if (c.answers.Text(page, 0, byIncorporators) == QLatin1String("X")) {
        const std::optional<QDate> on = ReadDate(c.answers.Text(page, 0, adopted));
        const qint64 issued =
            ledger::RegisterAsOf(c.answers, c.directory, on.value_or(QDate()), false).totalOutstanding;
        if (issued > 0)
            out << onField(page, byIncorporators, Severity::MustFix,
                           QStringLiteral("the amendment is adopted by the incorporators, but the share ledger shows "
                                          "%1 shares issued; once shares are issued the directors or the "
                                          "shareholders adopt it")
                               .arg(count(double(issued))));
    }
    static const QRegularExpression shares =
        caseless("\\b(number|authori[sz]ed|increase[ds]?|decrease[ds]?|reduce[ds]?)\\b[^.]*\\bshares\\b|"
                 "\\bshares\\b[^.]*\\b(authori[sz]ed|increased?|decreased?|reduced?)\\b");
    if (c.answers.Text(page, 0, byDirectors) == QLatin1String("X") &&
        shares.match(c.answers.Text(page, 0, text)).hasMatch())
        out << onField(page, byDirectors, Severity::WorthALook,
                       QStringLiteral("the directors adopt an amendment of the number of shares; such an amendment "
                                      "is normally adopted by the shareholders (R.C. 1701.70 and 1701.71)"));
}

void AgentUpdate(const CheckContext &c, QList<Finding> &out)
{
    // Form 521, page 77: the agent now on record (answer 1, the user's) and
    // the agent on the General Information Worksheet. Where they differ the
    // update appoints a new agent or records a new name, and section A must
    // be ticked to say so.
    constexpr int page = 77;
    constexpr int onRecord = 1;
    const QString recorded = c.answers.Text(page, 0, onRecord).simplified();
    const QString agent = c.G(G0::AgentName).simplified();
    if (recorded.isEmpty() || agent.isEmpty() || personKey(recorded) == personKey(agent))
        return;
    if (c.answers.Text(page, 0, 0) == QLatin1String("X") || c.answers.Text(page, 0, 2) == QLatin1String("X"))
        return;
    out << onField(page, 0, Severity::MustFix,
                   QStringLiteral("the statutory agent is %1 on the General Information Worksheet and %2 on record, "
                                  "but neither box of section A is ticked, so the update does not name the new agent")
                       .arg(agent, recorded));
}

void AgentSigns(const CheckContext &c, QList<Finding> &out)
{
    // Form 526: the statutory agent named on page 1 signs page 2 in person.
    constexpr int signaturePage = 81;
    constexpr int printedName = 0;
    const QString signer = c.answers.Text(signaturePage, 0, printedName).simplified();
    const QString agent = c.answers.Text(80, 0, 6).simplified();
    if (signer.isEmpty() || agent.isEmpty() || personKey(signer) == personKey(agent))
        return;
    out << onField(signaturePage, printedName, Severity::MustFix,
                   QStringLiteral("%1 signs as the statutory agent, but the agent named on page 1 is %2; the agent "
                                  "signs this form")
                       .arg(signer, agent));
}

void SignerSlots(const CheckContext &c, QList<Finding> &out)
{
    QList<QString> seen;
    for (const FieldFact &field : FactsOfPage(c.page).fields) {
        if (!field.signer)
            continue;
        const QString name = c.answers.Text(c.page, 0, field.answer).simplified();
        if (name.isEmpty())
            continue;
        const QString key = personKey(name);
        if (seen.contains(key))
            out << onField(c.page, field.answer, Severity::MustFix,
                           QStringLiteral("%1 fills two signer slots on this page").arg(name));
        else
            seen << key;
    }
}

void ShareClasses(const CheckContext &c, QList<Finding> &out)
{
    // The articles authorize one class, the worksheet's; every subscription
    // is for that class, in whatever words name it.
    const QString authorizedText = c.G(G0::ShareClass).simplified();
    const QString authorized = classWords(authorizedText);
    if (authorized.isEmpty())
        return;
    const QVector<DirectoryRow> &rows = c.directory.Rows();
    for (int r = 0; r < rows.size(); ++r) {
        const QString given = rows[r][ColClassOfShares].simplified();
        if (!HasRole(rows[r], QLatin1Char('S')) || given.isEmpty() || classWords(given) == authorized)
            continue;
        const bool otherKind = classKind(classWords(given)) != classKind(authorized);
        out << onRow(r, otherKind ? Severity::MustFix : Severity::WorthALook,
                     otherKind ? QStringLiteral("%1 subscribes for \"%2\" shares; the articles authorize only \"%3\"")
                                     .arg(rowName(rows[r]), given, authorizedText)
                               : QStringLiteral("%1 subscribes for \"%2\" shares; the articles name the class \"%3\"; "
                                                "use the articles' words")
                                     .arg(rowName(rows[r]), given, authorizedText));
    }
}

void ActsAfterFormation(const CheckContext &c, QList<Finding> &out)
{
    // Minutes and resolutions record acts of the business, which cannot
    // come before it exists (its articles' effective date, else their filing).
    struct Act
    {
        int page;
        int date;
        bool company;
        const char *what;
    };
    static const Act acts[] = {
        {23, 9, false, "the meeting these minutes record is dated %1, before the corporation existed (%2)"},
        {38, 7, false, "the resolution is dated %1, before the corporation existed (%2)"},
        {68, 4, true, "the members adopted the resolution on %1, before the company existed (%2)"},
    };
    for (const Act &a : acts) {
        if (a.page != c.page)
            continue;
        const std::optional<QDate> formed = formedOn(c, a.company);
        if (!formed)
            return;
        for (int ct = 0; ct < copiesOf(c, a.page); ++ct) {
            const std::optional<QDate> date = ReadDate(c.answers.Text(a.page, ct, a.date));
            if (!date || *date >= *formed)
                continue;
            Finding f = onField(a.page, a.date, Severity::MustFix,
                                QString::fromLatin1(a.what).arg(longDate(*date), longDate(*formed)));
            if (ct > 0)
                f.text += QStringLiteral(" (copy %1)").arg(ct + 1);
            out << f;
        }
    }
}

void CorporationDissolution(const CheckContext &c, QList<Finding> &out)
{
    // The certificate of dissolution (561): the dissolution takes effect on
    // or after the articles were filed and the dissolution was authorized;
    // the incorporators dissolve only a corporation that issued no shares.
    constexpr int certificatePage = 28;
    constexpr int articlesFiled = 5;
    constexpr int authorizationPage = 33;
    constexpr int authorizedOn = 1;
    constexpr int byIncorporators = 4;
    if (c.page == certificatePage) {
        const std::optional<QDate> effective = ReadDate(c.G(G0::DissolutionDate));
        const std::optional<QDate> filed = ReadDate(c.answers.Text(certificatePage, 0, articlesFiled));
        const std::optional<QDate> authorized = ReadDate(c.answers.Text(authorizationPage, 0, authorizedOn));
        if (effective && filed && *effective < *filed)
            out << onWorksheet(G0::DissolutionDate, Severity::MustFix,
                               QStringLiteral("the dissolution takes effect %1, before the articles were filed (%2)")
                                   .arg(longDate(*effective), longDate(*filed)));
        else if (effective && authorized && *effective < *authorized)
            out << onWorksheet(G0::DissolutionDate, Severity::MustFix,
                               QStringLiteral("the dissolution takes effect %1, before it was authorized (%2)")
                                   .arg(longDate(*effective), longDate(*authorized)));
    }
    if (c.page == authorizationPage && ticked(c, authorizationPage, byIncorporators)) {
        double subscribed = 0;
        for (const DirectoryRow &row : c.directory.Rows())
            if (HasRole(row, QLatin1Char('S')))
                subscribed += number(row[ColNoOfShares]).value_or(0);
        // The ledger's sheets, where the corporation keeps them, show what was issued.
        qint64 certificates = 0;
        if (subscribed <= 0)
            for (const ledger::JournalLine &line : ledger::SheetLines(c.answers))
                certificates += !line.certificate.trimmed().isEmpty() && line.oldCertificate.trimmed().isEmpty();
        if (subscribed > 0 || certificates > 0)
            out << onField(authorizationPage, byIncorporators, Severity::MustFix,
                           subscribed <= 0
                               ? QStringLiteral("the incorporators dissolve only a corporation that issued no shares; "
                                                "the share ledger issues %1")
                                     .arg(certificates == 1 ? QStringLiteral("a certificate")
                                                            : QStringLiteral("%1 certificates").arg(certificates))
                               : QStringLiteral("the incorporators dissolve only a corporation that issued no shares; "
                                                "the shareholders subscribed for %1")
                                     .arg(count(subscribed)));
    }
}

void CompanyDissolution(const CheckContext &c, QList<Finding> &out)
{
    // The certificate of dissolution of a company (562): dissolved after its
    // articles were filed; the certificate takes effect on filing (today at
    // the earliest) or later, and not before the dissolution.
    constexpr int page = 65;
    constexpr int dissolvedOn = 4;
    constexpr int effectiveOn = 6;
    const std::optional<QDate> filed = ReadDate(c.G(G0::FilingDate));
    const std::optional<QDate> dissolved = ReadDate(c.answers.Text(page, 0, dissolvedOn));
    const std::optional<QDate> effective = ReadDate(c.answers.Text(page, 0, effectiveOn));
    if (dissolved && filed && *dissolved < *filed)
        out << onField(page, dissolvedOn, Severity::MustFix,
                       QStringLiteral("the company is dissolved %1, before its articles were filed (%2)")
                           .arg(longDate(*dissolved), longDate(*filed)));
    if (!effective)
        return;
    if (dissolved && *effective < *dissolved)
        out << onField(page, effectiveOn, Severity::MustFix,
                       QStringLiteral("the certificate takes effect %1, before the company was dissolved (%2)")
                           .arg(longDate(*effective), longDate(*dissolved)));
    else if (*effective < c.today)
        out << onField(page, effectiveOn, Severity::MustFix,
                       QStringLiteral("the certificate takes effect %1, before today (%2), the earliest day it can be "
                                      "filed")
                           .arg(longDate(*effective), longDate(c.today)));
}

void AmendedName(const CheckContext &c, QList<Finding> &out)
{
    // A new name in a company's restated or amended articles ends as the
    // State requires, as the first name did.
    constexpr int page = 54;
    constexpr int restates = 0;
    constexpr int restatedName = 6;
    constexpr int amends = 2;
    constexpr int wording = 10;
    if (ticked(c, page, restates)) {
        const QString name = c.answers.Text(page, 0, restatedName).simplified();
        if (!name.isEmpty() && !HasCompanyEnding(name))
            out << onField(page, restatedName, Severity::MustFix,
                           QStringLiteral("the name \"%1\" does not end as the State requires (Limited Liability "
                                          "Company, LLC, L.L.C., Limited or Ltd.)")
                               .arg(name));
    }
    if (!ticked(c, page, amends))
        return;
    static const QRegularExpression named =
        caseless("name of the (limited liability )?company (is|shall be|will be)\\s+"
                 "([^\\n]+)");
    const QRegularExpressionMatch m = named.match(c.answers.Text(page, 0, wording));
    if (!m.hasMatch())
        return;
    // The name runs to the end of its sentence; an ending with points
    // ("L.L.C.") may look like one, so the whole line is tried as well.
    const QString line = m.captured(3).simplified();
    const qsizetype stop = line.indexOf(QRegularExpression(QStringLiteral("\\.\\s")));
    const QString sentence = stop < 0 ? line : line.left(stop + 1);
    const auto trimmed = [](QString name) {
        while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(';')))
            name.chop(1);
        return name.simplified();
    };
    if (HasCompanyEnding(sentence) || HasCompanyEnding(line))
        return;
    out << onField(page, wording, Severity::MustFix,
                   QStringLiteral("the new name \"%1\" does not end as the State requires (Limited Liability Company, "
                                  "LLC, L.L.C., Limited or Ltd.)")
                       .arg(trimmed(sentence)));
}

void BiennialReport(const CheckContext &c, QList<Finding> &out)
{
    // The report (520) is filed for an even-numbered year, names the
    // shareholders as the Directory Worksheet does and is certified by an
    // officer or the authorized representative, not by the statutory agent.
    constexpr int reportPage = 45;
    constexpr int year = 1;
    constexpr int firstShareholder = 8;
    constexpr int shareholderRows = 6;
    constexpr int certificationPage = 46;
    constexpr int signer = 13;
    constexpr int title = 14;
    if (c.page == reportPage) {
        const QString text = c.answers.Text(reportPage, 0, year).trimmed();
        static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
        if (!text.isEmpty() && !fourDigits.match(text).hasMatch())
            out << onField(reportPage, year, Severity::MustFix,
                           QStringLiteral("the reporting year \"%1\" does not read as a year").arg(text));
        else if (!text.isEmpty() && text.toInt() % 2 != 0)
            out << onField(reportPage, year, Severity::MustFix,
                           QStringLiteral("the report is filed for even-numbered years; %1 is odd").arg(text));
        std::optional<std::vector<PersonName>> local;
        const std::vector<PersonName> &names = directoryNames(c, local);
        const QVector<DirectoryRow> &rows = c.directory.Rows();
        for (int i = 0; i < shareholderRows; ++i) {
            const int answer = firstShareholder + 2 * i;
            const QString name = c.answers.Text(reportPage, 0, answer).simplified();
            if (name.isEmpty())
                continue;
            const PersonName wanted = ComparedName(name);
            if (std::any_of(names.begin(), names.end(), [&](const PersonName &n) { return n.key == wanted.key; }))
                continue;
            const auto near = std::find_if(names.begin(), names.end(),
                                           [&](const PersonName &n) { return spelledOtherwise(wanted, n); });
            if (near != names.end())
                out << onField(reportPage, answer, Severity::MustFix,
                               QStringLiteral("the report names \"%1\", the Directory Worksheet \"%2\" (row %3); the "
                                              "State's records would hold one shareholder two ways")
                                   .arg(name, rows[int(near - names.begin())][ColName].simplified())
                                   .arg(near - names.begin() + 1));
            else
                out << onField(reportPage, answer, Severity::WorthALook,
                               QStringLiteral("%1 is on no row of the Directory Worksheet").arg(name));
        }
    }
    if (c.page == certificationPage) {
        const QString who = c.answers.Text(certificationPage, 0, signer).simplified();
        const QString as = c.answers.Text(certificationPage, 0, title).simplified();
        const bool officer = officerTitle().match(as).hasMatch();
        if (!as.isEmpty() && agentOrCounselTitle().match(as).hasMatch() && !officer)
            out << onField(certificationPage, title, Severity::MustFix,
                           QStringLiteral("the report is certified as \"%1\"; an officer or the authorized "
                                          "representative certifies it, not the statutory agent or counsel")
                               .arg(as));
        else if (!who.isEmpty() && !officer && personKey(who) == personKey(c.G(G0::AgentName)) &&
                 personKey(who) != personKey(c.G(G0::RepresentativeName)))
            out << onField(certificationPage, signer, Severity::WorthALook,
                           QStringLiteral("%1, the statutory agent, certifies the report; an officer or the "
                                          "authorized representative certifies it")
                               .arg(who));
    }
}

void ContributionTerms(const CheckContext &c, QList<Finding> &out)
{
    // The members contribute on or after the agreement takes effect, and
    // property contributed is described where the agreement lists it.
    constexpr int agreementPage = 57;
    constexpr int takesEffect = 0;
    constexpr int due = 7;
    constexpr int propertyPage = 58;
    constexpr int firstPropertyMember = 0;
    constexpr int description = 33;
    if (c.page == agreementPage) {
        const std::optional<QDate> effective = ReadDate(c.answers.Text(agreementPage, 0, takesEffect));
        const std::optional<QDate> dueOn = ReadDate(c.answers.Text(agreementPage, 0, due));
        if (effective && dueOn && *dueOn < *effective)
            out << onField(agreementPage, due, Severity::MustFix,
                           QStringLiteral("the contributions are due %1, before the agreement takes effect (%2)")
                               .arg(longDate(*dueOn), longDate(*effective)));
    }
    if (c.page == propertyPage && ticked(c, propertyPage, firstPropertyMember) && !ticked(c, propertyPage, description))
        out << onField(propertyPage, description, Severity::MustFix,
                       QStringLiteral("members contribute property, and the agreement prints \"The property or "
                                      "services contributed are:\" with nothing after it"));
}

void DuplicateRows(const CheckContext &c, QList<Finding> &out)
{
    // One person on two rows in the same role is listed twice by every
    // paper of that role (and may push a table past its rows). Two rows of
    // one name at different addresses may be two people: worth a look.
    const QVector<DirectoryRow> &rows = c.directory.Rows();
    std::optional<std::vector<PersonName>> local;
    const std::vector<PersonName> &names = directoryNames(c, local);
    static constexpr char roles[] = {'S', 'M', 'C', 'D'};
    QHash<QString, int> first[std::size(roles)]; // of each role, name to the first row
    for (int r = 0; r < rows.size(); ++r) {
        const QString &key = names[size_t(r)].key;
        if (key.isEmpty())
            continue;
        for (size_t k = 0; k < std::size(roles); ++k) {
            const char role = roles[k];
            if (!HasRole(rows[r], QLatin1Char(role)))
                continue;
            const auto it = first[k].constFind(key);
            if (it == first[k].constEnd()) {
                first[k].insert(key, r);
                continue;
            }
            const int earlier = *it;
            const bool sameAddress = personKey(rows[earlier][ColAddress]) == personKey(rows[r][ColAddress]);
            const char asRole[] = {role, 0};
            out << onRow(r, sameAddress ? Severity::MustFix : Severity::WorthALook,
                         QStringLiteral("%1 is on rows %2 and %3 as %4; the papers would list the person twice")
                             .arg(rowName(rows[r]))
                             .arg(earlier + 1)
                             .arg(r + 1)
                             .arg(rolesInWords(asRole)));
            break;
        }
    }
}

const std::vector<NamedRule> &CheckRules()
{
    static const std::vector<NamedRule> rules = {
        {"CorporationName", CorporationName},
        {"ProfessionalName", ProfessionalName},
        {"CompanyName", CompanyName},
        {"AgentAddress", AgentAddress},
        {"ZipCodes", ZipCodes},
        {"DateFields", DateFields},
        {"ArticlesEffectiveDate", ArticlesEffectiveDate},
        {"OrganizationEffectiveDate", OrganizationEffectiveDate},
        {"SharesSubscribed", SharesSubscribed},
        {"SharePrices", SharePrices},
        {"MemberInterests", MemberInterests},
        {"MeetingOrder", MeetingOrder},
        {"BoardSize", BoardSize},
        {"Officers", Officers},
        {"SignerSlots", SignerSlots},
        {"SharesRepresented", SharesRepresented},
        {"NoticePeriod", NoticePeriod},
        {"NamesOnDirectory", NamesOnDirectory},
        {"StatedCapital", StatedCapital},
        {"NoParPrice", NoParPrice},
        {"InterestFigures", InterestFigures},
        {"MemberContributions", MemberContributions},
        {"TaxTreatment", TaxTreatment},
        {"PersonOrBusiness", PersonOrBusiness},
        {"PeopleAddresses", PeopleAddresses},
        {"PeopleFit", PeopleFit},
        {"FiscalYear", FiscalYear},
        {"AgreementDate", AgreementDate},
        {"AmendmentDates", AmendmentDates},
        {"CertificateDates", CertificateDates},
        {"CertifyingOfficer", CertifyingOfficer},
        {"AmendmentAdoption", AmendmentAdoption},
        {"AgentUpdate", AgentUpdate},
        {"AgentSigns", AgentSigns},
        {"Ledger", Ledger},
        {"ShareClasses", ShareClasses},
        {"ActsAfterFormation", ActsAfterFormation},
        {"CorporationDissolution", CorporationDissolution},
        {"CompanyDissolution", CompanyDissolution},
        {"AmendedName", AmendedName},
        {"BiennialReport", BiennialReport},
        {"ContributionTerms", ContributionTerms},
        {"DuplicateRows", DuplicateRows},
    };
    return rules;
}

void Ledger(const CheckContext &c, QList<Finding> &out)
{
    // A fault of a line is on its field; one of the journal as a whole on its
    // first line.
    const QList<ledger::LedgerFault> faults = ledger::LedgerFaults(c.answers, c.directory);
    out.reserve(out.size() + faults.size());
    for (const ledger::LedgerFault &fault : faults) {
        const int line = std::max(fault.line, 0);
        const int column = fault.column >= 0 ? fault.column : int(ledger::CertificateColumn);
        out << onField(ledger::Page, ledger::AnswerOf(line, column),
                       fault.worthALook ? Severity::WorthALook : Severity::MustFix, fault.text);
    }
}

CheckRule FindCheckRule(const char *name)
{
    for (const NamedRule &r : CheckRules())
        if (std::strcmp(r.name, name) == 0)
            return r.rule;
    return nullptr;
}

} // namespace brevane
