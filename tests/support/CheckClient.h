#pragma once
// Clients whose papers are complete, for the check before filing: a
// corporation for profit and a limited liability company, each with what
// its forming papers need and nothing the check would question. A test
// plants one fault and looks for its finding.

#include "CalcFixture.h"
#include "core/forms/PageZero.h"

#include <utility>

namespace brevane::test {

// Ridgeway Tool Holdings, Inc.: three incorporators who are also the
// directors and shareholders (1,000 of 1,500 shares at $10), the statutory
// agent in Dayton, meetings in order, a president and a secretary.
inline void CompleteCorporation(CalcClient &c)
{
    using namespace G0;
    c.g(EntityName, QStringLiteral("Ridgeway Tool Holdings, Inc."))
        .g(Street, QStringLiteral("1200 Canal Street"))
        .g(City, QStringLiteral("Dayton"))
        .g(State, QStringLiteral("OH"))
        .g(Zip, QStringLiteral("45402"))
        .g(County, QStringLiteral("Montgomery"))
        .g(AuthorizedShares, QStringLiteral("1,500"))
        .g(ShareClass, QStringLiteral("common"))
        .g(ParValue, QStringLiteral("10"))
        .g(SharePrice, QStringLiteral("10.00"))
        .g(StatedCapitalPerShare, QStringLiteral("10"))
        .g(FilingDate, QStringLiteral("3/1/2018"))
        .g(WrittenActionsDate, QStringLiteral("3/5/2018"))
        .g(OrderedMeetingStreet, QStringLiteral("1200 Canal Street"))
        .g(OrderedMeetingCity, QStringLiteral("Dayton"))
        .g(OrderedMeetingState, QStringLiteral("OH"))
        .g(OrderedMeetingDate, QStringLiteral("3/20/2018"))
        .g(OrderedMeetingTime, QStringLiteral("10:00"))
        .g(OrderedMeetingAm, QStringLiteral("X"))
        .g(NoticeMeetingDate, QStringLiteral("3/20/2018"))
        .g(NoticeDate, QStringLiteral("3/6/2018"))
        .g(DirectorsMeetingDate, QStringLiteral("4/2/2018"))
        .g(Bank, QStringLiteral("Miami Valley Bank"))
        .g(FiscalYearEnd, QStringLiteral("12/31/2018"))
        .g(President, QStringLiteral("Ann Lee"))
        .g(VicePresident, QStringLiteral("Ben Ortiz"))
        .g(Secretary, QStringLiteral("Carla Ng"))
        .g(Treasurer, QStringLiteral("Ben Ortiz"))
        .g(AgentName, QStringLiteral("Harold Quince"))
        .g(AgentStreet, QStringLiteral("45 Market Street"))
        .g(AgentCity, QStringLiteral("Dayton"))
        .g(AgentZip, QStringLiteral("45402"));
    c.store.SetText(18, 0, 9, QStringLiteral("1,000"));  // shares represented at the first meeting
    c.store.SetText(18, 0, 10, QStringLiteral("1,000")); // votes for each nominee
    // Code, name, address, city, state, ZIP, signer, cash, noncash,
    // contribution, interest, shares, class.
    c.row({"DOSCI", "Ann Lee", "10 Elm Street", "Dayton", "OH", "45402", "", "", "", "", "", "500", "common"})
        .row({"DOSCI", "Ben Ortiz", "22 Oak Avenue", "Dayton", "OH", "45402", "", "", "", "", "", "300", "common"})
        .row({"DOSI", "Carla Ng", "7 Birch Lane", "Dayton", "OH", "45402-1234", "", "", "", "", "", "200", "common"});
}

// Maple Row Bakery LLC: two members at 60 and 40 %, an individual
// representative who signs the articles, the agent in Columbus.
inline void CompleteCompany(CalcClient &c)
{
    using namespace G0;
    c.g(EntityName, QStringLiteral("Maple Row Bakery LLC"))
        .g(Street, QStringLiteral("88 High Street"))
        .g(City, QStringLiteral("Columbus"))
        .g(State, QStringLiteral("OH"))
        .g(Zip, QStringLiteral("43215"))
        .g(County, QStringLiteral("Franklin"))
        .g(RepresentativeIsIndividual, QStringLiteral("X"))
        .g(RepresentativeName, QStringLiteral("Anna Baker"))
        .g(AgentName, QStringLiteral("Anna Baker"))
        .g(AgentStreet, QStringLiteral("88 High Street"))
        .g(AgentCity, QStringLiteral("Columbus"))
        .g(AgentZip, QStringLiteral("43215"));
    c.store.SetText(50, 0, 0, QStringLiteral("X")); // formed for profit
    // The operating agreement's choices: managed by the members, decisions
    // by a majority, members free to compete, taxed as a partnership,
    // transfers with the majority's consent, withdrawal only with consent,
    // buy-out at the agreed value, paid over two years.
    for (const auto &[page, answer] : {std::pair{59, 2}, {60, 0}, {60, 5}, {61, 2}, {62, 0}, {63, 0}, {63, 3}})
        c.store.SetText(page, 0, answer, QStringLiteral("X"));
    c.store.SetText(60, 0, 3, QStringLiteral("10,000.00")); // the managing member's largest lone commitment
    c.store.SetText(63, 0, 6, QStringLiteral("24"));        // months to pay for a bought-out interest
    c.row({"MI", "Anna Baker", "88 High Street", "Columbus", "OH", "43215", "", "X", "", "6,000", "60"})
        .row({"MI", "Tom Reyes", "3 Elm Court", "Columbus", "OH", "43215", "", "X", "", "4,000", "40"});
}

// Lakeside Dental Group, Inc., a professional association of two dentists
// who are its incorporators, directors and shareholders (500 of 1,000
// shares at $20), with the agent in Toledo.
inline void CompleteAssociation(CalcClient &c)
{
    using namespace G0;
    c.g(EntityName, QStringLiteral("Lakeside Dental Group, Inc."))
        .g(Street, QStringLiteral("410 Summit Street"))
        .g(City, QStringLiteral("Toledo"))
        .g(State, QStringLiteral("OH"))
        .g(Zip, QStringLiteral("43604"))
        .g(County, QStringLiteral("Lucas"))
        .g(Profession, QStringLiteral("dentistry"))
        .g(AuthorizedShares, QStringLiteral("1,000"))
        .g(ShareClass, QStringLiteral("common"))
        .g(ParValue, QStringLiteral("20"))
        .g(SharePrice, QStringLiteral("20"))
        .g(StatedCapital, QStringLiteral("$10,000"))
        .g(StatedCapitalPerShare, QStringLiteral("20"))
        .g(FilingDate, QStringLiteral("6/4/2019"))
        .g(WrittenActionsDate, QStringLiteral("6/6/2019"))
        .g(OrderedMeetingStreet, QStringLiteral("410 Summit Street"))
        .g(OrderedMeetingCity, QStringLiteral("Toledo"))
        .g(OrderedMeetingState, QStringLiteral("OH"))
        .g(OrderedMeetingDate, QStringLiteral("6/24/2019"))
        .g(OrderedMeetingTime, QStringLiteral("9:30"))
        .g(OrderedMeetingAm, QStringLiteral("X"))
        .g(NoticeMeetingDate, QStringLiteral("6/24/2019"))
        .g(NoticeDate, QStringLiteral("6/7/2019"))
        .g(NoticeMailingDate, QStringLiteral("6/7/2019"))
        .g(ChairmanProTem, QStringLiteral("Maria Lopez"))
        .g(SecretaryProTem, QStringLiteral("David Kim"))
        .g(FirstInspector, QStringLiteral("Ruth Adler"))
        .g(DirectorsMeetingDate, QStringLiteral("6/24/2019"))
        .g(DirectorsChairman, QStringLiteral("Maria Lopez"))
        .g(DirectorsSecretary, QStringLiteral("David Kim"))
        .g(Bank, QStringLiteral("Maumee River Savings"))
        .g(FiscalYearEnd, QStringLiteral("12/31/2019"))
        .g(MinutesCertifiedDate, QStringLiteral("6/25/2019"))
        .g(President, QStringLiteral("Maria Lopez"))
        .g(Secretary, QStringLiteral("David Kim"))
        .g(Treasurer, QStringLiteral("David Kim"))
        .g(AgentName, QStringLiteral("Maria Lopez"))
        .g(AgentStreet, QStringLiteral("410 Summit Street"))
        .g(AgentCity, QStringLiteral("Toledo"))
        .g(AgentZip, QStringLiteral("43604"));
    c.store.SetText(18, 0, 9, QStringLiteral("500"));
    c.store.SetText(18, 0, 10, QStringLiteral("500"));
    c.row({"DOSCI", "Maria Lopez", "12 Bancroft Street", "Toledo", "OH", "43604", "", "", "", "", "", "300", "common"})
        .row({"DOSCI", "David Kim", "95 Monroe Street", "Toledo", "OH", "43604", "", "", "", "", "", "200", "common"});
}

// The complete corporation with 21 more shareholders of one share each
// ("Holder A" to "Holder U"): 24 in all, more than the waiver of notice
// keeps on its page.
inline void CrowdedCorporation(CalcClient &c)
{
    CompleteCorporation(c);
    for (int k = 0; k < 21; ++k)
        c.row({"SI", qPrintable(QStringLiteral("Holder %1").arg(QChar('A' + k))), "1 Elm Street", "Dayton", "OH",
               "45402", "", "", "", "", "", "1", "common"});
}

} // namespace brevane::test
