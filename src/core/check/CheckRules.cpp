#include "core/check/CheckRules.h"

#include "core/forms/PageFacts.h"
#include "core/forms/PageZero.h"
#include "core/store/Conversions.h"
#include "core/store/DirectoryRoles.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <cstring>

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

// An effective date of articles: not before the filing day, at most 90 days after it.
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
    // Articles already filed count from their filing day, others from today.
    const std::optional<QDate> filed = g == G0::EffectiveDate ? ReadDate(c.G(G0::FilingDate)) : std::nullopt;
    const QDate base = filed ? *filed : c.today;
    const QString baseName = filed ? QStringLiteral("the filing date") : QStringLiteral("today");
    const qint64 days = base.daysTo(*date);
    if (days < 0)
        out << onWorksheet(g, Severity::MustFix,
                           QStringLiteral("the effective date %1 is before %2; articles cannot take effect before "
                                          "they are filed")
                               .arg(longDate(*date), baseName));
    else if (days > 90)
        out << onWorksheet(g, Severity::MustFix,
                           QStringLiteral("the effective date %1 is %2 days after %3; the State allows at most 90")
                               .arg(longDate(*date))
                               .arg(days)
                               .arg(baseName));
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

} // namespace

// ---- what the rules read answers with

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

std::optional<QDate> ReadDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QDate shortDate = ReadShortDate(trimmed);
    if (shortDate.isValid())
        return shortDate;
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const char *format : {"MMMM d, yyyy", "MMM d, yyyy", "MMMM d yyyy"}) {
        const QDate date = english.toDate(trimmed, QLatin1String(format));
        if (date.isValid())
            return date;
    }
    return std::nullopt;
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
    if (IsPostOfficeBox(c.G(G0::AgentStreet)))
        out << onWorksheet(G0::AgentStreet, Severity::MustFix,
                           QStringLiteral("the statutory agent's address is a post-office box"));
    const QString zip = c.G(G0::AgentZip).trimmed();
    if (zip.isEmpty())
        return;
    if (!IsZipCode(zip))
        out << onWorksheet(G0::AgentZip, Severity::MustFix,
                           QStringLiteral("the agent's ZIP code \"%1\" has neither 5 nor 9 digits").arg(zip));
    else if (!IsOhioZipCode(zip))
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
        if (!HasRole(rows[r], QLatin1Char('S')) || rows[r][ColNoOfShares].trimmed().isEmpty())
            continue;
        const std::optional<double> shares = number(rows[r][ColNoOfShares]);
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
        const std::optional<double> interest = number(rows[r][ColInterest]);
        if (interest)
            total += *interest;
        else
            out << onRow(r, Severity::MustFix,
                         QStringLiteral("the member's interest \"%1\" does not read as a percentage")
                             .arg(rows[r][ColInterest].trimmed()));
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
            shareholders >= 3
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
    };
    return rules;
}

CheckRule FindCheckRule(const char *name)
{
    for (const NamedRule &r : CheckRules())
        if (std::strcmp(r.name, name) == 0)
            return r.rule;
    return nullptr;
}

} // namespace brevane
