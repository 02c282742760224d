#include "core/calc/PageCalc.h"

#include "core/check/ClientCheck.h"
#include "core/forms/FormCatalogue.h"
#include "core/forms/PageFacts.h"
#include "core/store/Conversions.h"

#include <QRegularExpression>

#include <QStringList>
#include <array>
#include <cmath>

#include <algorithm>

namespace brevane {

// A later filing that may change the name: its page, the answer holding the
// name before it (the user's, where it changes the name), and the answers
// holding the day the change took effect, in the order they count (-1: none).
struct NameChange
{
    int page;
    int former;
    std::array<int, 3> effective;
};

namespace {

constexpr NameChange NameChanges[] = {
    // A company's certificate of amendment or restatement (form 543A): the
    // later day the restatement (1) or the amendment (3) takes effect, else
    // the day the State filed it (12).
    {54, 11, {1, 3, 12}},
    // A corporation's certificate of amendment (form 540): the day the State
    // filed it (21).
    {26, 20, {21, -1, -1}},
};

} // namespace

QString SigningName(const DirectoryRow &row)
{
    QString name;
    if (HasRole(row, QLatin1Char('I')))
        name = row[ColName];
    if (HasRole(row, QLatin1Char('B')))
        name = SplitByName(row[ColByName]).name;
    return name;
}

TypedTime SplitTypedTime(const QString &typed)
{
    static const QRegularExpression half(QStringLiteral("^(.*\\d)\\s*([AaPp])\\.?\\s*[Mm]\\.?$"));
    const QString text = typed.trimmed();
    const QRegularExpressionMatch m = half.match(text);
    if (!m.hasMatch())
        return {text, QString()};
    return {m.captured(1).trimmed(), m.captured(2).toUpper()};
}

QString ShareCountText(const QString &shares)
{
    const std::optional<double> value = ReadNumber(shares.trimmed());
    return value && *value >= 0 && *value == std::trunc(*value) ? FormatNumber(*value, 0) : shares;
}

QString JoinAsSentence(const QStringList &names)
{
    if (names.size() <= 1)
        return names.isEmpty() ? QString() : names.first();
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + names.last();
}

QString ParValueText(const QString &par)
{
    // A money field shows an empty par value as 0.00 and may store it so.
    const std::optional<double> value = ReadNumber(par.trimmed());
    const bool none = par.trimmed().isEmpty() || (value && *value == 0);
    return none ? QStringLiteral("No par value") : DollarAmountText(par);
}

QString PurposeClause(const QString &purpose, bool midSentence)
{
    QString text = purpose.trimmed();
    if (text.isEmpty())
        return text;
    if (!text.endsWith(QLatin1Char('.')) && !text.endsWith(QLatin1Char('!')) && !text.endsWith(QLatin1Char('?')))
        text += QLatin1Char('.');
    if (midSentence) {
        static const QStringList articles{QStringLiteral("To"), QStringLiteral("The"), QStringLiteral("A"),
                                          QStringLiteral("An")};
        const QString first = text.section(QLatin1Char(' '), 0, 0);
        if (articles.contains(first))
            text[0] = text[0].toLower();
    }
    return text;
}

QString InterestText(const QString &interest)
{
    QString text = interest.trimmed();
    while (text.endsWith(QLatin1Char('%')))
        text = text.chopped(1).trimmed();
    return text.isEmpty() ? QString() : text + QLatin1Char('%');
}

namespace {

// The growing table of the page with `column` in its first row; a column of
// no such table is a fault of the page procedure, reported as a write outside
// the page.
const TableFact &tableOf(int page, int continuation, int column)
{
    const TableFact *table = FactsOfPage(page).TableOf(column);
    if (!table)
        throw AnswerRangeError(page, continuation, column);
    return *table;
}

} // namespace

void PageCalc::Row(int row, int column, const QString &text, Write kind)
{
    const TableFact &table = tableOf(page_, continuation_, column);
    if (row < 0)
        throw AnswerRangeError(page_, continuation_, column);
    if (row < table.count) {
        Set(kind, column + table.step * row, text);
    } else {
        store_.SetRowText(page_, continuation_, column, row, text);
        if (store_.TableRows(page_, continuation_, table.First()) <= row)
            store_.SetTableRows(page_, continuation_, table.First(), row + 1);
    }
}

QString PageCalc::RowAt(int row, int column) const
{
    const TableFact &table = tableOf(page_, continuation_, column);
    if (row >= 0 && row < table.count)
        return Get(column + table.step * row);
    return store_.RowText(page_, continuation_, column, row);
}

int PageCalc::KeptRows(int column) const
{
    return tableOf(page_, continuation_, column).count;
}

QString PageCalc::OtherRow(int page, int row, int column) const
{
    const TableFact &table = tableOf(page, 0, column);
    if (row >= 0 && row < table.count)
        return store_.Text(page, 0, column + table.step * row);
    return store_.RowText(page, 0, column, row);
}

int PageCalc::OtherRows(int page, int column) const
{
    const TableFact &table = tableOf(page, 0, column);
    return std::max(table.count, store_.TableRows(page, 0, table.First()));
}

void PageCalc::ClearColumn(int column, Write kind)
{
    const TableFact &table = tableOf(page_, continuation_, column);
    for (int row = 0; row < table.count; ++row)
        Set(kind, column + table.step * row, QString());
}

QString BusinessSignerLine(const DirectoryRow &row)
{
    if (!HasRole(row, QLatin1Char('B')))
        return QString();
    const QString blank = QStringLiteral("______________");
    const BusinessSigner signer = SplitByName(row[ColByName]);
    return QStringLiteral("By: ") + (signer.name.isEmpty() ? blank : signer.name) + QStringLiteral(", its ") +
           (signer.capacity.isEmpty() ? blank : signer.capacity);
}

PageCalc::PageCalc(TAnswer &store, const DirectoryTable &directory, int page, int continuation)
    : store_(store)
    , directory_(directory)
    , page_(page)
    , continuation_(continuation)
{}

void PageCalc::Guarded(int k, const QString &text)
{
    if (!Overridden(k))
        Always(k, text);
}

void PageCalc::Set(Write kind, int k, const QString &text)
{
    if (kind == Write::Always)
        Always(k, text);
    else
        Guarded(k, text);
}

void PageCalc::CopyPageZero(Write kind, int first, std::initializer_list<int> g)
{
    for (const int n : g)
        Set(kind, first++, G(n));
}

QString PageCalc::DateOf(int g) const
{
    return ConvertDate(G(g));
}

void PageCalc::AmPm(int target, int amBox, int pmBox)
{
    if (Ticked(amBox))
        Always(target, QStringLiteral("A"));
    if (Ticked(pmBox))
        Always(target, QStringLiteral("P"));
}

QString PageCalc::MeetingPlace(const PageZeroMeeting &meeting) const
{
    const QString street = G(meeting.street).trimmed();
    const QString room = G(meeting.room).trimmed();
    return room.isEmpty() || street.isEmpty() ? room + street : room + QStringLiteral(", ") + street;
}

void PageCalc::MeetingPlaceAndTime(Write kind, int first, const PageZeroMeeting &meeting)
{
    Set(kind, first, MeetingPlace(meeting));
    Set(kind, first + 1, G(meeting.city));
    Set(kind, first + 3, DateOf(meeting.date));
    TimeOfDay(kind, first + 4, meeting.time, meeting.am, meeting.pm);
}

const NameChange *PageCalc::RecordedNameChange() const
{
    for (const NameChange &change : NameChanges)
        if (!store_.Text(change.page, 0, change.former).trimmed().isEmpty())
            return &change;
    return nullptr;
}

QString PageCalc::EarliestEntityName() const
{
    const NameChange *change = RecordedNameChange();
    return change ? store_.Text(change->page, 0, change->former).trimmed() : G(G0::EntityName);
}

QString PageCalc::EntityNameOn(const QString &date) const
{
    const NameChange *change = RecordedNameChange();
    const QDate day = ReadWrittenDate(date);
    if (!change || !day.isValid())
        return G(G0::EntityName);
    QDate effective;
    for (int k : change->effective) {
        if (k < 0)
            break;
        effective = ReadWrittenDate(store_.Text(change->page, 0, k));
        if (effective.isValid())
            break;
    }
    return !effective.isValid() || day < effective ? EarliestEntityName() : G(G0::EntityName);
}

bool PageCalc::IsProfessionalAssociation() const
{
    return EntityOfClient(store_, directory_) == ProfessionalAssociation;
}

void PageCalc::SoleMemberMark(int k)
{
    int members = 0;
    for (const DirectoryRow &row : directory_.Rows())
        if (HasRole(row, QLatin1Char('M')))
            ++members;
    Always(k, members == 1 ? QStringLiteral("X") : QString());
}

void PageCalc::FirstShareholdersMeeting(int first)
{
    const bool ownPlace = !G(G0::NoticeMeetingStreet).trimmed().isEmpty() ||
                          !G(G0::NoticeMeetingCity).trimmed().isEmpty() ||
                          !G(G0::NoticeMeetingTime).trimmed().isEmpty();
    MeetingPlaceAndTime(Write::Always, first, ownPlace ? NoticeMeeting : OrderedMeeting);
    if (!ownPlace && !G(G0::NoticeMeetingDate).trimmed().isEmpty())
        Always(first + 3, DateOf(G0::NoticeMeetingDate));
}

void PageCalc::TimeOfDay(Write kind, int first, int time, int amBox, int pmBox)
{
    const TypedTime typed = SplitTypedTime(G(time));
    Set(kind, first, typed.time);
    if (!Ticked(amBox) && !Ticked(pmBox) && !typed.half.isEmpty())
        Always(first + 1, typed.half);
    AmPm(first + 1, amBox, pmBox);
}

void PageCalc::RepresentativeAddress(Write kind, int first)
{
    CopyPageZero(kind, first,
                 {G0::RepresentativeStreet, G0::RepresentativeCity, G0::RepresentativeState, G0::RepresentativeZip});
}

void PageCalc::AgentNameAndAddress(int first)
{
    CopyPageZero(Write::Always, first, {G0::AgentName, G0::AgentStreet, G0::AgentCity, G0::AgentZip});
}

void PageCalc::FillSlot(int first, int slot, const QString &business, const QString &line, const QString &printed,
                        Write kind)
{
    const int b = first + 3 * slot;
    Set(kind, b, business);
    Set(kind, b + 1, line);
    Set(kind, b + 2, printed);
}

void PageCalc::SignerRule(int first, int slot, const DirectoryRow &row, Write kind)
{
    if (HasRole(row, QLatin1Char('I')))
        FillSlot(first, slot, QString(), QString(), row[ColName], kind);
    if (HasRole(row, QLatin1Char('B')))
        FillSlot(first, slot, row[ColName], QString(), SplitByName(row[ColByName]).name, kind);
}

void PageCalc::IncorporatorRows(int column)
{
    ClearColumn(column);
    int k = 0;
    for (const DirectoryRow &row : directory_.Rows())
        if (HasRole(row, QLatin1Char('C')))
            Row(k++, column, SigningName(row));
}

void PageCalc::IncorporatorSignatures(int slotCount, bool incorporatorsActed)
{
    for (int k = 0; k < 3 * slotCount; ++k)
        Guarded(k, QString());
    if (!incorporatorsActed)
        return;
    int incorporator = 0;
    for (const DirectoryRow &row : directory_.Rows()) {
        if (incorporator >= slotCount)
            break;
        if (HasRole(row, QLatin1Char('C')))
            SignerRule(0, incorporator++, row);
    }
}

void PageCalc::StatutoryAgentAppointment()
{
    // Only the articles appoint the first agent: they name the entity as it
    // was formed.
    Always(0, EarliestEntityName());
    AgentNameAndAddress(1);
    Always(5, G(G0::AgentName));
    Always(6, EarliestEntityName());
}

void PageCalc::RepresentativeTitles(int first, int slotCount, int step)
{
    const bool person = Ticked(G0::RepresentativeIsIndividual) && !Ticked(G0::RepresentativeIsBusiness);
    for (int slot = 0; slot < slotCount; ++slot)
        Guarded(first + slot * step, slot == 0 && person ? G(G0::RepresentativeTitle) : QString());
}

void PageCalc::RepresentativeBlock(int first, int slotCount, const QString &businessName, bool usePageZero)
{
    const bool individual = usePageZero && Ticked(G0::RepresentativeIsIndividual);
    const bool business = usePageZero && Ticked(G0::RepresentativeIsBusiness);
    if (individual)
        FillSlot(first, 0, QString(), QString(), G(G0::RepresentativeName));
    if (business)
        FillSlot(first, 0, businessName, QString(), G(G0::RepresentativeSigner));

    // The first slot for the directory's representatives. Slot 0 is taken when
    // it shows the page-0 representative (a type mark is ticked) or when the
    // user has overridden any of its answers, so that the user's own signer is
    // not silently hidden behind a directory row that cannot be written there.
    // Both depend only on inputs, never on what an earlier run wrote, so a
    // second run with the same inputs fills the same slots.
    bool slotZeroTaken = individual || business;
    for (int i = 0; i < 3 && !slotZeroTaken; ++i)
        slotZeroTaken = Overridden(first + i);
    int freeSlot = slotZeroTaken ? 1 : 0;

    // No one signs a paper twice: a representative row naming a person or
    // business that already has a slot is passed over (names compared
    // without surrounding blanks and letter case).
    QStringList taken;
    const auto take = [&taken](const QString &name) {
        const QString key = name.trimmed().toCaseFolded();
        if (!key.isEmpty())
            taken << key;
    };
    const auto isTaken = [&taken](const QString &name) {
        const QString key = name.trimmed().toCaseFolded();
        return !key.isEmpty() && taken.contains(key);
    };
    if (individual)
        take(G(G0::RepresentativeName));
    if (business) {
        take(businessName);
        take(G(G0::RepresentativeSigner));
    }
    if (slotZeroTaken && !individual && !business) {
        take(Get(first));
        take(Get(first + 2));
    }

    const int lastSlot = slotCount - 1;
    for (const DirectoryRow &row : directory_.Rows()) {
        if (freeSlot > lastSlot)
            break;
        if (!HasRole(row, QLatin1Char('R')))
            continue;
        const bool signsForBusiness = HasRole(row, QLatin1Char('B'));
        const QString signer = SplitByName(row[ColByName]).name;
        if (isTaken(row[ColName]) || (signsForBusiness && isTaken(signer)))
            continue;
        SignerRule(first, freeSlot, row);
        take(row[ColName]);
        if (signsForBusiness)
            take(signer);
        ++freeSlot;
    }
}

} // namespace brevane
