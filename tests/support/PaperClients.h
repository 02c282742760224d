#pragma once
// Three clients as a lawyer's office fills them, for reading their printed
// papers: a corporation with three incorporators and five shareholders, a
// company with two cash members and a business member that brings
// equipment, and a corporation that files an agent update, a dissolution
// and a biennial report years after it was formed.

#include "CalcFixture.h"
#include "CheckClient.h"
#include "core/forms/PageZero.h"

namespace brevane::test {

// Ridgeway Tool Holdings, Inc. at $12.50 a share: three incorporators who
// are directors, officers and shareholders, two further shareholders, both
// first meetings, a resolution adopted on March 1, 2025.
inline void CorporationWithFiveShareholders(CalcClient &c)
{
    using namespace G0;
    CompleteCorporation(c);
    c.g(ParValue, QStringLiteral("12.50"))
        .g(SharePrice, QStringLiteral("12.50"))
        .g(StatedCapitalPerShare, QStringLiteral("10"))
        .g(StatedCapital, QStringLiteral("5000"))
        .g(OrderedMeetingRoom, QStringLiteral("Conference Room B"))
        .g(NoticeMeetingStreet, QStringLiteral("1200 Canal Street"))
        .g(NoticeMeetingCity, QStringLiteral("Dayton"))
        .g(NoticeMeetingTime, QStringLiteral("10:00"))
        .g(NoticeMeetingAm, QStringLiteral("X"))
        .g(NoticeMailingDate, QStringLiteral("3/7/2018"))
        .g(ChairmanProTem, QStringLiteral("Ann Lee"))
        .g(SecretaryProTem, QStringLiteral("Carla Ng"))
        .g(FirstInspector, QStringLiteral("Evan Hart"))
        .g(SecondInspector, QStringLiteral("Dana Whitcombe"))
        .g(DirectorsMeetingStreet, QStringLiteral("1200 Canal Street"))
        .g(DirectorsMeetingCity, QStringLiteral("Dayton"))
        .g(DirectorsMeetingTime, QStringLiteral("2:00"))
        .g(DirectorsMeetingPm, QStringLiteral("X"))
        .g(DirectorsChairman, QStringLiteral("Ann Lee"))
        .g(DirectorsSecretary, QStringLiteral("Carla Ng"))
        .g(Bank, QStringLiteral("Miami Valley Savings Bank"))
        .g(MinutesCertifiedDate, QStringLiteral("4/3/2018"))
        .g(RepresentativeIsIndividual, QStringLiteral("X"))
        .g(RepresentativeName, QStringLiteral("Dana Whitcombe"))
        .g(RepresentativeTitle, QStringLiteral("Attorney"))
        .g(RepresentativeStreet, QStringLiteral("9 Pine Court"))
        .g(RepresentativeCity, QStringLiteral("Dayton"))
        .g(RepresentativeState, QStringLiteral("OH"))
        .g(RepresentativeZip, QStringLiteral("45402"));
    c.row({"S", "Dora Patel", "31 Wayne Avenue", "Dayton", "OH", "45410", "", "", "", "", "", "100", "common"})
        .row({"SB", "Northfield Partners LLC", "400 Main Street", "Dayton", "OH", "45402", "Evan Hart", "", "", "", "",
              "100", "common"});
    // The resolution the board adopted at a meeting.
    c.store.PgCt[38] = 1;
    c.store.SetText(38, 0, 1, QStringLiteral("board of directors"));
    c.store.SetText(38, 0, 4, QStringLiteral("RESOLVED, that the corporation open an account with the bank."));
    c.store.SetText(38, 0, 7, QStringLiteral("3/1/2025"));
    c.store.SetText(38, 0, 8, QStringLiteral("X"));
}

// Maple Row Bakery LLC: two members who pay cash and North Coast Equipment
// Co., which brings its roasting equipment and signs through Janet Sobczak.
// Anna Baker is the representative on the worksheet and also a member and
// representative in the directory: she signs each paper once.
inline void CompanyWithEquipmentMember(CalcClient &c)
{
    using namespace G0;
    CompleteCompany(c);
    c.g(RepresentativeStreet, QStringLiteral("88 High Street"))
        .g(RepresentativeCity, QStringLiteral("Columbus"))
        .g(RepresentativeState, QStringLiteral("OH"))
        .g(RepresentativeZip, QStringLiteral("43215"))
        .g(AgentName, QStringLiteral("Central Ohio Agents LLC"))
        .g(AgentStreet, QStringLiteral("250 Civic Center Drive"))
        .g(CharterNo, QStringLiteral("4410293"))
        .g(DissolutionDate, QStringLiteral("9/30/2026"));
    c.directory.Clear();
    c.row({"MRI", "Anna Baker", "88 High Street", "Columbus", "OH", "43215", "", "X", "", "6,000", "45"})
        .row({"MI", "Tom Reyes", "3 Elm Court", "Columbus", "OH", "43215", "", "X", "", "4,000", "30"})
        .row({"MB", "North Coast Equipment Co.", "900 Lakeside Avenue", "Cleveland", "OH", "44114", "Janet Sobczak", "",
              "X", "Roasting equipment valued at $10,000.00", "25"});
    c.store.SetText(57, 0, 0, QStringLiteral("4/1/2026"));
    c.store.SetText(57, 0, 7, QStringLiteral("4/15/2026"));
    c.store.SetText(58, 0, 33, QStringLiteral("A drum roaster and its cooling tray."));
    c.store.SetText(65, 0, 0, QStringLiteral("X")); // the members decided to dissolve
    c.store.SetText(65, 0, 4, QStringLiteral("9/1/2026"));
}

// Ridgeway Tool Holdings, Inc. years on: its charter number, a dissolution
// that takes effect on June 30, 2026, and the papers that keep it in good
// standing.
inline void CorporationWithLaterFilings(CalcClient &c)
{
    using namespace G0;
    CompleteCorporation(c);
    c.g(CharterNo, QStringLiteral("2231457"))
        .g(DissolutionDate, QStringLiteral("6/30/2026"))
        .g(Profession, QStringLiteral("engineering"))
        .g(RepresentativeIsIndividual, QStringLiteral("X"))
        .g(RepresentativeName, QStringLiteral("Ann Lee"))
        .g(RepresentativeTitle, QStringLiteral("President"));
}

// Maple Row Bakery LLC, formed with articles effective January 15, 2027,
// later amends its name by a 543A that takes effect when filed.
inline void CompanyAmendingItsArticles(CalcClient &c)
{
    CompanyWithEquipmentMember(c);
    c.g(G0::LlcEffectiveDate, QStringLiteral("1/15/2027"));
    c.store.SetText(54, 0, 2, QStringLiteral("X"));
    c.store.SetText(
        54, 0, 10,
        QStringLiteral("Article FIRST is amended to read: The name of the company is Maple Row Bakers LLC."));
}

} // namespace brevane::test
