#pragma once
// Clients as a lawyer's office fills them, for reading their printed papers:
// a corporation with three incorporators and five shareholders, a company
// with two cash members and a business member that brings equipment, a
// corporation that files an agent update, a dissolution and a biennial
// report years after it was formed, a company of eleven members who manage
// it themselves, a professional association of three dentists, and the
// later papers of a corporation, an association and a company as a lawyer
// files them.

#include "CalcFixture.h"
#include "CheckClient.h"
#include "core/document/LedgerCommands.h"
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
        .row({"MB", "North Coast Equipment Co.", "900 Lakeside Avenue", "Cleveland", "OH", "44114",
              "Janet Sobczak, President", "", "X", "Roasting equipment valued at $10,000.00", "25"});
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

// Ridgeway Tool Holdings, Inc. dissolved by its shareholders on May 15,
// 2026; its lawyer, Cornelius T. Ashdown, files the certificate as the
// worksheet's representative.
inline void CorporationDissolvedByItsShareholders(CalcClient &c)
{
    using namespace G0;
    CorporationWithLaterFilings(c);
    c.g(RepresentativeName, QStringLiteral("Cornelius T. Ashdown"))
        .g(RepresentativeTitle, QStringLiteral("Attorney"))
        .g(RepresentativeStreet, QStringLiteral("1 Courthouse Square"))
        .g(RepresentativeCity, QStringLiteral("Dayton"))
        .g(RepresentativeState, QStringLiteral("OH"))
        .g(RepresentativeZip, QStringLiteral("45402"));
    c.store.SetText(33, 0, 1, QStringLiteral("5/15/2026"));
    c.store.SetText(33, 0, 2, QStringLiteral("X")); // by the shareholders
    // The directors and officers on the day of the dissolution.
    const char *const people[][3] = {{"Ann Lee", "Director, President", "10 Elm Street, Dayton, OH 45402"},
                                     {"Ben Ortiz", "Director, Vice President, Treasurer", "22 Oak Avenue, Dayton, OH"},
                                     {"Carla Ng", "Director, Secretary", "7 Birch Lane, Dayton, OH 45402-1234"}};
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 3; ++k)
            c.store.SetText(35, 0, 3 * i + k, QString::fromUtf8(people[i][k]));
}

// Ridgeway Tool Holdings, Inc. with shares without par value, sold at
// $2.50 a share.
inline void CorporationWithoutParValue(CalcClient &c)
{
    CorporationWithFiveShareholders(c);
    c.g(G0::ParValue, QString()).g(G0::SharePrice, QStringLiteral("2.50")).g(G0::StatedCapitalPerShare, QString());
}

// Maple Row Bakery LLC's operating agreement as its members chose it: the
// members manage, decide by majority, are taxed as a partnership, transfer
// with the others' consent, leave on 90 days' notice and are bought out at
// an appraised value. Anna Baker's interest is typed as "45%". The members
// resolved on April 20, 2026 to open a bank account.
inline void CompanyWithItsAgreement(CalcClient &c)
{
    CompanyWithEquipmentMember(c);
    c.g(G0::LlcPurpose, QStringLiteral("To roast and sell coffee"));
    c.directory.SetCell(0, ColInterest, QStringLiteral("45%"));
    for (const auto &[page, answer] : {std::pair{62, 0}, {63, 0}, {63, 3}})
        c.store.SetText(page, 0, answer, QString()); // the choices made otherwise than in the complete company
    for (const auto &[page, answer] : {std::pair{59, 2}, {60, 0}, {60, 5}, {61, 2}, {62, 1}, {63, 1}, {63, 4}})
        c.store.SetText(page, 0, answer, QStringLiteral("X"));
    c.store.SetText(63, 0, 2, QStringLiteral("90"));
    c.store.SetText(61, 0, 0, QStringLiteral("December 31"));
    c.store.PgCt[68] = 1;
    c.store.SetText(68, 0, 1, QStringLiteral("RESOLVED, that the company open an account with Third Street Bank."));
    c.store.SetText(68, 0, 4, QStringLiteral("4/20/2026"));
    c.store.SetText(68, 0, 7, QStringLiteral("X"));
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

// Riverbend Growers Cooperative LLC, managed by its eleven members, who all
// pay cash (Grace Obi ticked neither box: she pays cash too). The purpose runs over two lines. The members resolved on
// May 4, 2026 to lease a field.
inline void CompanyWithElevenMembers(CalcClient &c)
{
    CompleteCompany(c);
    c.g(G0::EntityName, QStringLiteral("Riverbend Growers Cooperative LLC"))
        .g(G0::LlcPurpose, QStringLiteral("To grow, pack and sell vegetables and cut flowers at farm markets in "
                                          "central Ohio, to lease farmland and greenhouses, and to do anything "
                                          "lawful that serves those ends"))
        .g(G0::LlcEffectiveDate, QStringLiteral("4/1/2026"));
    c.directory.Clear();
    const char *const names[] = {"Anna Baker", "Tom Reyes",    "Priya Nair",  "Walter Brandt", "Hye-jin Cho",
                                 "Sam Okafor", "Rita Delgado", "Marek Nowak", "Lena Fischer"};
    for (const char *name : names)
        c.row({"MI", name, "88 High Street", "Columbus", "OH", "43215", "", "X", "", "2,000", "8"});
    c.row({"MI", "Luis Ortega", "5 Mill Road", "Delaware", "OH", "43015", "", "X", "", "3,000", "14"})
        .row({"MI", "Grace Obi", "71 Park Street", "Columbus", "OH", "43215", "", "", "", "1,500", "14"});
    c.store.SetText(57, 0, 0, QStringLiteral("4/1/2026"));
    c.store.SetText(57, 0, 7, QStringLiteral("4/15/2026"));
    c.store.PgCt[68] = 1;
    c.store.SetText(68, 0, 1, QStringLiteral("RESOLVED, that the company lease the Miller field for three years."));
    c.store.SetText(68, 0, 4, QStringLiteral("5/4/2026"));
    c.store.SetText(68, 0, 7, QStringLiteral("X"));
}

// Lakeside Dental Group, Inc., a professional association of three
// dentists: two incorporators and a third who subscribes later, its
// meetings in a named room, its lawyer Cornelius T. Ashdown filing for it.
inline void AssociationOfThreeDentists(CalcClient &c)
{
    using namespace G0;
    CompleteAssociation(c);
    c.g(CharterNo, QStringLiteral("4102988"))
        .g(OrderedMeetingRoom, QStringLiteral("the conference room"))
        .g(SecondInspector, QStringLiteral("Paul Weiss"))
        .g(DirectorsMeetingStreet, QStringLiteral("410 Summit Street"))
        .g(DirectorsMeetingCity, QStringLiteral("Toledo"))
        .g(DirectorsMeetingRoom, QStringLiteral("the conference room"))
        .g(DirectorsMeetingTime, QStringLiteral("11:00"))
        .g(DirectorsMeetingAm, QStringLiteral("X"))
        .g(Bank, QStringLiteral("Maumee Valley Bank"))
        .g(RepresentativeIsIndividual, QStringLiteral("X"))
        .g(RepresentativeName, QStringLiteral("Cornelius T. Ashdown"))
        .g(RepresentativeTitle, QStringLiteral("Attorney"))
        .g(RepresentativeStreet, QStringLiteral("1 Courthouse Square"))
        .g(RepresentativeCity, QStringLiteral("Toledo"))
        .g(RepresentativeState, QStringLiteral("OH"))
        .g(RepresentativeZip, QStringLiteral("43604"));
    c.row(
        {"S", "Hannah Ruiz", "3 Collingwood Boulevard", "Toledo", "OH", "43610", "", "", "", "", "", "100", "common"});
    c.store.SetText(18, 0, 9, QStringLiteral("600"));
    c.store.SetText(18, 0, 10, QStringLiteral("600"));
}

// Ridgeway Tool Holdings, Inc. after its formation, Ann Lee its President
// and representative, Harold Quince its statutory agent: the agent moves and
// files the 526 himself; the corporation appoints him anew (521) and is
// reinstated (525A); its treasurer gives a bond with a surety; the board
// meets at "10:00 a.m." as typed, nobody else present; it resolves at that
// meeting.
inline void CorporationWithLaterPapers(CalcClient &c)
{
    CorporationWithLaterFilings(c);
    c.g(G0::Profession, QString()); // a corporation for profit
    // 526: the agent as on record, and he signs in person.
    c.store.SetText(80, 0, 0, QStringLiteral("X"));
    c.store.SetText(80, 0, 2, QStringLiteral("Harold Quince"));
    c.store.SetText(80, 0, 3, QStringLiteral("12 Ludlow Street"));
    c.store.SetText(80, 0, 4, QStringLiteral("Dayton"));
    c.store.SetText(80, 0, 5, QStringLiteral("45402"));
    c.store.SetText(81, 0, 3, QStringLiteral("5/11/2026"));
    // 521: a new agent in place of Mill Creek Agents LLC.
    c.store.SetText(77, 0, 0, QStringLiteral("X"));
    c.store.SetText(77, 0, 1, QStringLiteral("Mill Creek Agents LLC"));
    c.store.SetText(79, 0, 6, QStringLiteral("5/12/2026"));
    // 525A: cancelled for want of an agent.
    c.store.SetText(36, 0, 6, QStringLiteral("X"));
    c.store.SetText(36, 0, 8, QStringLiteral("1/9/2026"));
    c.store.SetText(37, 0, 20, QStringLiteral("5/13/2026"));
    c.store.SetText(37, 0, 21, QStringLiteral("5/14/2026"));
    // The minutes of a special meeting of the board.
    c.store.PgCt[23] = 1;
    c.store.SetText(23, 0, 1, QStringLiteral("Special Meeting of the Board of Directors"));
    c.store.SetText(23, 0, 7, QStringLiteral("1200 Canal Street"));
    c.store.SetText(23, 0, 8, QStringLiteral("Dayton"));
    c.store.SetText(23, 0, 9, QStringLiteral("5/4/2026"));
    c.store.SetText(23, 0, 10, QStringLiteral("10:00 a.m."));
    c.store.SetText(23, 0, 11, QStringLiteral("Ann Lee"));
    c.store.SetText(23, 0, 12, QStringLiteral("Carla Ng"));
    c.store.SetText(23, 0, 13, QStringLiteral("Ann Lee, Ben Ortiz and Carla Ng, all the directors"));
    c.store.SetText(23, 0, 15, QStringLiteral("X"));
    c.store.SetText(23, 0, 4, QStringLiteral("RESOLVED, that the treasurer give a bond of $25,045.00."));
    // The treasurer's bond.
    c.store.PgCt[25] = 1;
    c.store.SetText(25, 0, 0, QStringLiteral("Ben Ortiz"));
    c.store.SetText(25, 0, 4, QStringLiteral("22 Oak Avenue, Dayton, Ohio"));
    c.store.SetText(25, 0, 1, QStringLiteral("Buckeye Fidelity and Surety Company"));
    c.store.SetText(25, 0, 5, QStringLiteral("300 East Broad Street, Columbus, Ohio"));
    c.store.SetText(25, 0, 3, QStringLiteral("25,045"));
    c.store.SetText(25, 0, 6, QStringLiteral("Treasurer"));
    c.store.SetText(25, 0, 7, QStringLiteral("5/4/2026"));
    c.store.SetText(25, 0, 8, QStringLiteral("5/3/2027"));
    c.store.SetText(25, 0, 10, QStringLiteral("5/6/2026"));
    c.store.SetText(25, 0, 14, QStringLiteral("Dayton, Ohio"));
    c.store.SetText(25, 0, 15, QStringLiteral("Harriet M. Vance"));
    c.store.SetText(25, 0, 16, QStringLiteral("Attorney-in-fact"));
    c.store.SetText(25, 0, 17, QStringLiteral("5/4/2026"));
    // The board's resolution, at the meeting.
    c.store.PgCt[38] = 1;
    c.store.SetText(38, 0, 1, QStringLiteral("board of directors"));
    c.store.SetText(38, 0, 4, QStringLiteral("RESOLVED, that the treasurer give a bond of $25,045.00."));
    c.store.SetText(38, 0, 7, QStringLiteral("5/4/2026"));
    c.store.SetText(38, 0, 8, QStringLiteral("X"));
}

// Ridgeway Tool Holdings, Inc. redeems 100 of Ben Ortiz's 300 shares
// (certificate 2) on May 4, 2026 for $1,200.00, as the ledger's window
// records it after the original issue.
inline void CorporationRedeemingShares(CalcClient &c)
{
    CorporationWithLaterPapers(c);
    c.store.PgCt[24] = 1;
    c.calculate(); // the first sheet takes the original issue
    QList<ledger::JournalLine> lines;
    if (!ledger::RedemptionLines(c.store, c.directory, {QDate(2026, 5, 4), 2, 100, QStringLiteral("1,200.00")}, &lines)
             .ok())
        return;
    const int first = int(ledger::SheetLines(c.store).size());
    for (int i = 0; i < lines.size(); ++i)
        for (int column = 0; column < ledger::Columns; ++column)
            c.store.SetText(ledger::Page, 0, ledger::AnswerOf(first + i, column), lines[i].Column(column));
}

// Lakeside Dental Group, Inc. amends its articles by the directors' written
// action (certified by its President) and applies for reinstatement after
// its articles were cancelled for want of an agent; Maria Lopez, an
// authorized representative, signs the 525B.
inline void AssociationWithLaterPapers(CalcClient &c)
{
    AssociationOfThreeDentists(c);
    c.directory.SetCell(0, ColCode, QStringLiteral("DOSCRI"));
    c.store.SetText(26, 0, 1, QStringLiteral("X"));
    c.store.SetText(26, 0, 6, QStringLiteral("X"));
    c.store.SetText(26, 0, 7, QStringLiteral("3/2/2026"));
    c.store.SetText(26, 0, 8,
                    QStringLiteral("Article FIRST is amended to read: The name of the corporation is Lakeside "
                                   "Dental Associates, Inc."));
    c.store.SetText(26, 0, 9, QStringLiteral("Maria Lopez"));
    c.store.SetText(26, 0, 10, QStringLiteral("President"));
    c.store.SetText(26, 0, 11, QStringLiteral("3/3/2026"));
    c.store.SetText(43, 0, 14, QStringLiteral("X"));
    c.store.SetText(43, 0, 8, QStringLiteral("President"));
    c.store.SetText(43, 0, 16, QStringLiteral("3/9/2026"));
    c.store.SetText(44, 0, 4, QStringLiteral("3/10/2026"));
}

// Maple Row Bakery LLC's members resolve by written consent.
inline void CompanyResolvingInWriting(CalcClient &c)
{
    CompanyWithItsAgreement(c);
    c.store.SetText(68, 0, 7, QString());
    c.store.SetText(68, 0, 8, QStringLiteral("X"));
}

// Ferrous Lantern LLC, owned and managed by Rosa Vance alone and
// disregarded for income tax. The choices left ticked from a company of
// several members (consent of the other members to a transfer, withdrawal
// with their consent, buy-out at an agreed value, no competing business
// without their consent) must not print for her.
inline void CompanyOfOneMember(CalcClient &c)
{
    CompleteCompany(c);
    c.g(G0::EntityName, QStringLiteral("Ferrous Lantern LLC"))
        .g(G0::Street, QStringLiteral("14 Foundry Lane"))
        .g(G0::City, QStringLiteral("Canton"))
        .g(G0::Zip, QStringLiteral("44702"))
        .g(G0::County, QStringLiteral("Stark"))
        .g(G0::RepresentativeName, QStringLiteral("Rosa Vance"))
        .g(G0::AgentName, QStringLiteral("Rosa Vance"))
        .g(G0::AgentStreet, QStringLiteral("14 Foundry Lane"))
        .g(G0::AgentCity, QStringLiteral("Canton"))
        .g(G0::AgentZip, QStringLiteral("44702"))
        .g(G0::LlcPurpose, QStringLiteral("To cast and finish iron and bronze hardware"));
    c.directory.Clear();
    c.row({"MI", "Rosa Vance", "14 Foundry Lane", "Canton", "OH", "44702", "", "X", "", "25,000", "100"});
    c.store.SetText(57, 0, 0, QStringLiteral("2/2/2026"));
    c.store.SetText(57, 0, 7, QStringLiteral("2/16/2026"));
    c.store.SetText(60, 0, 5, QString());
    c.store.SetText(60, 0, 6, QStringLiteral("X"));
    c.store.SetText(61, 0, 2, QString());
    c.store.SetText(61, 0, 3, QStringLiteral("X")); // disregarded as an entity
    c.store.SetText(63, 0, 1, QStringLiteral("X"));
    c.store.SetText(63, 0, 2, QStringLiteral("60"));
}

// Ferrous Lantern Metalworks LLC, formed as Ferrous Lantern LLC. Its members
// resolved on September 15, 2026 to take the new name, which a certificate
// of amendment filed on October 2, 2026 made effective; on November 3 they
// resolved, under the new name, to open an account.
inline void CompanyRenamedByAmendment(CalcClient &c)
{
    CompleteCompany(c);
    c.g(G0::EntityName, QStringLiteral("Ferrous Lantern Metalworks LLC")).g(G0::CharterNo, QStringLiteral("4410777"));
    c.store.SetText(54, 0, 2, QStringLiteral("X"));
    c.store.SetText(54, 0, 10,
                    QStringLiteral("Article FIRST is amended to read: The name of the company is Ferrous Lantern "
                                   "Metalworks LLC."));
    c.store.SetText(54, 0, 11, QStringLiteral("Ferrous Lantern LLC"));
    c.store.SetText(54, 0, 12, QStringLiteral("10/2/2026"));
    c.store.PgCt[68] = 2;
    c.store.SetText(68, 0, 1,
                    QStringLiteral("RESOLVED, that the name of the company be changed to Ferrous Lantern Metalworks "
                                   "LLC, and that the managing member file a certificate of amendment to that end."));
    c.store.SetText(68, 0, 4, QStringLiteral("9/15/2026"));
    c.store.SetText(68, 0, 7, QStringLiteral("X"));
    c.store.SetText(68, 1, 1, QStringLiteral("RESOLVED, that the company open an account with Stark County Bank."));
    c.store.SetText(68, 1, 4, QStringLiteral("11/3/2026"));
    c.store.SetText(68, 1, 7, QStringLiteral("X"));
}

// Ridgeway Tool Holdings, Inc. whose first shareholders' meeting was held at
// 4:00 p.m. as the worksheet types it (no AM or PM box ticked), with Dora
// Patel's shares voted by Ann Lee under a proxy.
inline void CorporationWithAProxyAtFour(CalcClient &c)
{
    CorporationWithFiveShareholders(c);
    c.g(G0::NoticeMeetingTime, QStringLiteral("4:00 p.m."))
        .g(G0::NoticeMeetingAm, QString())
        .g(G0::OrderedMeetingTime, QStringLiteral("4:00 p.m."))
        .g(G0::OrderedMeetingAm, QString());
    c.overridden(18, 20,
                 QStringLiteral("Ann Lee (500 shares), Ben Ortiz (300 shares), Carla Ng (200 shares) and Northfield "
                                "Partners LLC (100 shares)."));
    c.store.SetText(18, 0, 21, QStringLiteral("Dora Patel (100 shares), by Ann Lee as her proxy."));
    c.store.SetText(18, 0, 9, QStringLiteral("1,200"));
}

// Maple Row Bakery LLC whose equipment member's contribution is typed as a
// bare amount.
inline void CompanyWithEquipmentAtAgreedValue(CalcClient &c)
{
    CompanyWithEquipmentMember(c);
    c.directory.SetCell(2, ColContribution, QStringLiteral("35,000.00"));
}

// The name of the n-th further holder of a crowded client: "Holder 007
// Ames", never part of another's name.
inline QString CrowdName(const char *kind, int n)
{
    return QStringLiteral("%1 %2 Ames").arg(QLatin1String(kind)).arg(n, 3, 10, QLatin1Char('0'));
}

// Ridgeway Tool Holdings, Inc. (as CorporationWithFiveShareholders) with
// `holders` shareholders in all: every fifth further one a trust that signs
// through its trustee.
inline void CorporationWithShareholders(CalcClient &c, int holders)
{
    CorporationWithFiveShareholders(c);
    for (int n = 6; n <= holders; ++n) {
        const bool trust = n % 5 == 0;
        c.directory.AddRow();
        const int r = c.directory.RowCount() - 1;
        c.directory.SetCell(r, ColCode, trust ? QStringLiteral("SB") : QStringLiteral("SI"));
        c.directory.SetCell(r, ColName, CrowdName(trust ? "Trust" : "Holder", n));
        c.directory.SetCell(r, ColAddress, QStringLiteral("%1 Wayne Avenue").arg(n));
        c.directory.SetCell(r, ColCity, QStringLiteral("Dayton"));
        c.directory.SetCell(r, ColState, QStringLiteral("OH"));
        c.directory.SetCell(r, ColZIP, QStringLiteral("45410"));
        if (trust)
            c.directory.SetCell(r, ColByName, QStringLiteral("Ruth Kane, Trustee"));
        c.directory.SetCell(r, ColNoOfShares, QStringLiteral("10"));
        c.directory.SetCell(r, ColClassOfShares, QStringLiteral("common"));
    }
}

// A closely held corporation of 26 shareholders, and one of 100.
inline void CorporationWith26Shareholders(CalcClient &c)
{
    CorporationWithShareholders(c, 26);
}
inline void CorporationWith100Shareholders(CalcClient &c)
{
    CorporationWithShareholders(c, 100);
}

// Riverbend Growers Cooperative LLC (as CompanyWithElevenMembers) with 60
// members: fifty pay cash, ten bring equipment or services.
inline void CompanyWith60Members(CalcClient &c)
{
    CompanyWithElevenMembers(c);
    for (int n = 12; n <= 60; ++n) {
        const bool property = n > 50;
        c.directory.AddRow();
        const int r = c.directory.RowCount() - 1;
        c.directory.SetCell(r, ColCode, QStringLiteral("MI"));
        c.directory.SetCell(r, ColName, CrowdName("Member", n));
        c.directory.SetCell(r, ColAddress, QStringLiteral("%1 High Street").arg(n));
        c.directory.SetCell(r, ColCity, QStringLiteral("Columbus"));
        c.directory.SetCell(r, ColState, QStringLiteral("OH"));
        c.directory.SetCell(r, ColZIP, QStringLiteral("43215"));
        c.directory.SetCell(r, property ? ColNoncash : ColCash, QStringLiteral("X"));
        c.directory.SetCell(r, ColContribution,
                            property ? QStringLiteral("Tools valued at $500.00") : QStringLiteral("500"));
        c.directory.SetCell(r, ColInterest, QStringLiteral("1"));
    }
}

} // namespace brevane::test
