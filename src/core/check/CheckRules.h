#pragma once
// The rules across answers of the check before filing. Each is a small
// function that looks at the client and reports what a form would carry
// wrongly; a page's form source names the rules checked with its form
// (`.check AgentAddress`), and the check adds the form, the page and the
// field's label to what a rule reports.

#include "core/check/Finding.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace brevane {

// A person's name as the rules compare names: without blanks' and letter
// case's differences (key), its letters alone, its first and last word.
struct PersonName
{
    QString key;
    QString letters;
    QString first;
    QString last;
};
PersonName ComparedName(const QString &name);

// What the rules work out once for a whole check rather than once a page.
struct CheckCache
{
    std::optional<std::vector<PersonName>> directoryNames; // of each row, in order
};

// What a rule looks at.
struct CheckContext
{
    const TAnswer &answers;
    const DirectoryTable &directory;
    int page = 0;                // the page of the form the rule is checked with
    QDate today;                 // the day of the check (the filing day, where none is given)
    CheckCache *cache = nullptr; // shared by the pages of one check; none for a rule alone

    // Answer n of page 0.
    const QString &G(int n) const { return answers.Text(0, 0, n); }
};

// A rule adds its findings (field or row, sentence, severity) to `out`.
using CheckRule = void (*)(const CheckContext &context, QList<Finding> &out);

struct NamedRule
{
    const char *name; // as the form sources name it
    CheckRule rule;
};

// Every rule, by name.
const std::vector<NamedRule> &CheckRules();
// The rule of that name, or nullptr.
CheckRule FindCheckRule(const char *name);

// ---- the rules
void CorporationName(const CheckContext &c, QList<Finding> &out);       // a corporation's name ending
void ProfessionalName(const CheckContext &c, QList<Finding> &out);      // a professional association's name ending
void CompanyName(const CheckContext &c, QList<Finding> &out);           // a limited liability company's name ending
void AgentAddress(const CheckContext &c, QList<Finding> &out);          // an Ohio street address, no post-office box
void ZipCodes(const CheckContext &c, QList<Finding> &out);              // 5 or 9 digits, worksheet and directory
void DateFields(const CheckContext &c, QList<Finding> &out);            // the page's date fields read as dates
void ArticlesEffectiveDate(const CheckContext &c, QList<Finding> &out); // 0 to 90 days after filing
void OrganizationEffectiveDate(const CheckContext &c, QList<Finding> &out); // the same for an LLC
void SharesSubscribed(const CheckContext &c, QList<Finding> &out);          // no more than authorised
void SharePrices(const CheckContext &c, QList<Finding> &out);               // no price below par
void MemberInterests(const CheckContext &c, QList<Finding> &out);           // 100 %
void MeetingOrder(const CheckContext &c, QList<Finding> &out);              // filed, acted, shareholders, directors
void BoardSize(const CheckContext &c, QList<Finding> &out);         // three directors, or as many as shareholders
void Officers(const CheckContext &c, QList<Finding> &out);          // a president and a secretary
void SignerSlots(const CheckContext &c, QList<Finding> &out);       // nobody signs a page twice
void SharesRepresented(const CheckContext &c, QList<Finding> &out); // represented <= subscribed, votes <= represented
void NoticePeriod(const CheckContext &c, QList<Finding> &out);      // notice 7 to 60 days before the meeting
// consistency across answers
void NamesOnDirectory(const CheckContext &c, QList<Finding> &out); // officers, chairmen... spelled as a Directory row
void StatedCapital(const CheckContext &c, QList<Finding> &out);    // the articles' capital = the order and waiver's
void NoParPrice(const CheckContext &c, QList<Finding> &out);       // shares without par have a price
void InterestFigures(const CheckContext &c, QList<Finding> &out);  // members' interests as plain numbers
void MemberContributions(const CheckContext &c, QList<Finding> &out); // every member contributes cash or property
void TaxTreatment(const CheckContext &c, QList<Finding> &out);        // the tax choice fits the number of members
// people
void PersonOrBusiness(const CheckContext &c, QList<Finding> &out); // I or B, and a business signs through a person
void PeopleAddresses(const CheckContext &c, QList<Finding> &out);  // the name and address a page prints
void PeopleFit(const CheckContext &c, QList<Finding> &out);        // nobody left off a full table
// dates
void FiscalYear(const CheckContext &c, QList<Finding> &out);       // the first fiscal year at most twelve months
void AgreementDate(const CheckContext &c, QList<Finding> &out);    // the operating agreement not before the company
void AmendmentDates(const CheckContext &c, QList<Finding> &out);   // an amendment's dates after the articles, 0-90 days
void CertificateDates(const CheckContext &c, QList<Finding> &out); // certified on or after the act
void CertifyingOfficer(const CheckContext &c,
                       QList<Finding> &out); // an officer, not counsel, certifies a dissolution or an amendment
void AmendmentAdoption(const CheckContext &c,
                       QList<Finding> &out); // incorporators only before shares, directors not the shares
void AgentUpdate(const CheckContext &c, QList<Finding> &out); // a 521 that changes the agent says so in section A
void AgentSigns(const CheckContext &c, QList<Finding> &out);  // the agent named on the 526 signs it
// the share ledger
void Ledger(const CheckContext &c, QList<Finding> &out); // the journal as a lawyer reads it, against the minutes

// ---- what the rules read answers with
// The name carries an ending the State accepts for a corporation (company,
// co., corporation, corp., incorporated, inc.), a professional association
// (those, or professional association, P.A., L.P.A.) or a limited liability
// company (limited liability company, LLC, L.L.C., limited, ltd. and the like).
bool HasCorporationEnding(const QString &name);
bool HasProfessionalEnding(const QString &name);
bool HasCompanyEnding(const QString &name);
// The address is a post-office box ("P.O. Box 12", "PO Box", "Post Office Box", "Box 12").
bool IsPostOfficeBox(const QString &street);
// Five digits, or nine (with or without the hyphen after the fifth).
bool IsZipCode(const QString &zip);
// A ZIP code of Ohio (430 to 459).
bool IsOhioZipCode(const QString &zip);
// The city names another state ("Erie, PA") or is a large city near Ohio
// with no namesake in it (Pittsburgh, Indianapolis, Detroit, ...).
bool IsCityOutsideOhio(const QString &city);
// A date as the user types it (the regional short date) or as the forms
// print it ("March 5, 2018"); no value for anything else.
std::optional<QDate> ReadDate(const QString &text);

} // namespace brevane
