#include "core/calc/PageCalc.h"

#include "core/forms/PageFacts.h"
#include "core/store/Conversions.h"

#include <QStringList>

#include <algorithm>

namespace brevane {

QString SigningName(const DirectoryRow &row)
{
    QString name;
    if (HasRole(row, QLatin1Char('I')))
        name = row[ColName];
    if (HasRole(row, QLatin1Char('B')))
        name = SplitByName(row[ColByName]).name;
    return name;
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
    Set(kind, first + 4, G(meeting.time));
    AmPm(first + 5, meeting.am, meeting.pm);
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
    Always(0, G(G0::EntityName));
    AgentNameAndAddress(1);
    Always(5, G(G0::AgentName));
    Always(6, G(G0::EntityName));
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
