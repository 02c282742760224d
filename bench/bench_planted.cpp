// The check before filing measured as a lawyer measures it: four clients
// of this file's own (a corporation, a professional association and two
// companies), each saved unchanged and then with one realistic mistake
// planted, every file run through `brevane-cli check` as a user runs it.
// A mistake is caught when the planted file gives a finding the unchanged
// file does not, with the expected words; an unchanged client with any
// finding is a false alarm, and so is a new finding about something else.
// Lawful but unusual entries are planted the same way: any finding on one
// that must be fixed is a false alarm.
//
//   bench_planted BREVANE-CLI FOLDER
//
// writes the clients into FOLDER (kept for a look) and prints each mistake,
// caught or missed, then the counts.
#include "core/files/ClientFile.h"
#include "core/forms/PageZero.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

using namespace brevane;

namespace {

struct Client
{
    TAnswer store;
    DirectoryTable directory;
    Client() { directory.Clear(); }
    Client &g(int n, const char *text)
    {
        store.SetText(0, 0, n, QString::fromUtf8(text));
        return *this;
    }
    Client &at(int page, int answer, const char *text)
    {
        store.SetText(page, 0, answer, QString::fromUtf8(text));
        return *this;
    }
    // Code, name, address, city, state, ZIP, by, cash, noncash,
    // contribution, interest, shares, class.
    Client &row(std::initializer_list<const char *> cells)
    {
        directory.AddRow();
        int column = 0;
        for (const char *cell : cells)
            directory.SetCell(directory.RowCount() - 1, column++, QString::fromUtf8(cell));
        return *this;
    }
    Client &cell(int row, int column, const char *text)
    {
        directory.SetCell(row, column, QString::fromUtf8(text));
        return *this;
    }
    // An answer the user overrides, which no calculation replaces.
    Client &over(int page, int answer, const char *text)
    {
        at(page, answer, text);
        store.SetOvRide(page, 0, answer, true);
        return *this;
    }
    // A line of the first ledger sheet, as the user writes it.
    Client &ledger(int line, std::initializer_list<const char *> cells)
    {
        store.PgCt[24] = std::max(store.PgCt[24], 1);
        int column = 0;
        for (const char *cell : cells)
            over(24, 7 * line + column++, cell);
        return *this;
    }
};

// Buckeye Valve Corporation, Akron: three founders, 4,000 of 5,000 shares at $1.
void corporation(Client &c)
{
    using namespace G0;
    c.g(EntityName, "Buckeye Valve Corporation")
        .g(Street, "220 South Main Street")
        .g(City, "Akron")
        .g(State, "OH")
        .g(Zip, "44308")
        .g(County, "Summit")
        .g(AuthorizedShares, "5,000")
        .g(ShareClass, "common")
        .g(ParValue, "1.00")
        .g(SharePrice, "1.00")
        .g(StatedCapitalPerShare, "1.00")
        .g(StatedCapital, "$4,000")
        .g(FilingDate, "11/2/2026")
        .g(WrittenActionsDate, "11/4/2026")
        .g(OrderedMeetingStreet, "220 South Main Street")
        .g(OrderedMeetingCity, "Akron")
        .g(OrderedMeetingState, "OH")
        .g(OrderedMeetingDate, "11/20/2026")
        .g(OrderedMeetingTime, "2:00")
        .g(OrderedMeetingPm, "X")
        .g(NoticeMeetingStreet, "220 South Main Street")
        .g(NoticeMeetingCity, "Akron")
        .g(NoticeMeetingDate, "11/20/2026")
        .g(NoticeMeetingTime, "2:00")
        .g(NoticeMeetingPm, "X")
        .g(NoticeDate, "11/6/2026")
        .g(NoticeMailingDate, "11/6/2026")
        .g(ChairmanProTem, "Gloria Reyes")
        .g(SecretaryProTem, "Helen Okafor")
        .g(FirstInspector, "Paul Brandt")
        .g(SecondInspector, "Irene Walsh")
        .g(DirectorsMeetingDate, "11/20/2026")
        .g(DirectorsMeetingTime, "3:30")
        .g(DirectorsMeetingPm, "X")
        .g(DirectorsChairman, "Gloria Reyes")
        .g(DirectorsSecretary, "Helen Okafor")
        .g(Bank, "Summit Savings Bank")
        .g(FiscalYearEnd, "10/31/2027")
        .g(MinutesCertifiedDate, "11/23/2026")
        .g(President, "Gloria Reyes")
        .g(VicePresident, "Tomasz Nowak")
        .g(Secretary, "Helen Okafor")
        .g(Treasurer, "Tomasz Nowak")
        .g(AgentName, "Gloria Reyes")
        .g(AgentStreet, "220 South Main Street")
        .g(AgentCity, "Akron")
        .g(AgentZip, "44308");
    c.at(18, 9, "4,000").at(18, 10, "4,000");
    c.row({"DOSCI", "Gloria Reyes", "41 Portage Path", "Akron", "OH", "44303", "", "", "", "", "", "2,000", "common"})
        .row(
            {"DOSCI", "Tomasz Nowak", "9 Merriman Road", "Akron", "OH", "44303", "", "", "", "", "", "1,500", "common"})
        .row(
            {"DOSI", "Helen Okafor", "1770 Delia Avenue", "Akron", "OH", "44320", "", "", "", "", "", "500", "common"});
}

// Cuyahoga Physical Therapy, Inc., Cleveland: two therapists.
void association(Client &c)
{
    using namespace G0;
    c.g(EntityName, "Cuyahoga Physical Therapy, Inc.")
        .g(Street, "1300 West Ninth Street")
        .g(City, "Cleveland")
        .g(State, "OH")
        .g(Zip, "44113")
        .g(County, "Cuyahoga")
        .g(CharterNo, "4471209")
        .g(Profession, "physical therapy")
        .g(AuthorizedShares, "1,000")
        .g(ShareClass, "common")
        .g(ParValue, "10")
        .g(SharePrice, "10")
        .g(StatedCapitalPerShare, "10")
        .g(FilingDate, "10/1/2026")
        .g(WrittenActionsDate, "10/2/2026")
        .g(OrderedMeetingStreet, "1300 West Ninth Street")
        .g(OrderedMeetingCity, "Cleveland")
        .g(OrderedMeetingState, "OH")
        .g(OrderedMeetingDate, "10/20/2026")
        .g(OrderedMeetingTime, "8:00")
        .g(OrderedMeetingAm, "X")
        .g(NoticeMeetingDate, "10/20/2026")
        .g(NoticeDate, "10/5/2026")
        .g(ChairmanProTem, "Nadia Haddad")
        .g(SecretaryProTem, "Owen Price")
        .g(DirectorsMeetingDate, "10/20/2026")
        .g(DirectorsChairman, "Nadia Haddad")
        .g(DirectorsSecretary, "Owen Price")
        .g(Bank, "Lake Erie Savings")
        .g(FiscalYearEnd, "12/31/2026")
        .g(President, "Nadia Haddad")
        .g(Secretary, "Owen Price")
        .g(Treasurer, "Owen Price")
        .g(AgentName, "Owen Price")
        .g(AgentStreet, "1300 West Ninth Street")
        .g(AgentCity, "Cleveland")
        .g(AgentZip, "44113");
    c.at(18, 9, "1,000").at(18, 10, "1,000");
    c.at(45, 1, "2026").at(45, 3, "Cuyahoga Physical Therapy, Inc.").at(45, 4, "4471209");
    c.row({"DOSCI", "Nadia Haddad", "2045 Lee Road", "Cleveland Heights", "OH", "44118", "", "", "", "", "", "600",
           "common"})
        .row({"DOSCI", "Owen Price", "18 Edgewater Drive", "Lakewood", "OH", "44107", "", "", "", "", "", "400",
              "common"});
}

// Scioto Trail Outfitters LLC, Chillicothe: two people and a business.
void company(Client &c)
{
    using namespace G0;
    c.g(EntityName, "Scioto Trail Outfitters LLC")
        .g(Street, "15 Paint Street")
        .g(City, "Chillicothe")
        .g(State, "OH")
        .g(Zip, "45601")
        .g(County, "Ross")
        .g(FilingDate, "11/2/2026")
        .g(RepresentativeIsIndividual, "X")
        .g(RepresentativeName, "Rosa Delgado")
        .g(RepresentativeStreet, "15 Paint Street")
        .g(RepresentativeCity, "Chillicothe")
        .g(RepresentativeState, "OH")
        .g(RepresentativeZip, "45601")
        .g(AgentName, "Rosa Delgado")
        .g(AgentStreet, "15 Paint Street")
        .g(AgentCity, "Chillicothe")
        .g(AgentZip, "45601");
    c.at(50, 0, "X");
    c.at(57, 0, "11/2/2026");
    for (const auto &[page, answer] : {std::pair{59, 3}, {60, 1}, {60, 6}, {61, 2}, {62, 1}, {63, 1}, {63, 4}})
        c.at(page, answer, "X");
    c.at(63, 2, "60");
    c.at(60, 3, "25,000.00");
    c.at(63, 6, "36");
    c.at(58, 33, "Kevin Marsh contributes two canoes, a trailer and a season of guided trips.");
    c.row({"MGI", "Rosa Delgado", "15 Paint Street", "Chillicothe", "OH", "45601", "", "X", "", "10,000", "50"})
        .row({"MI", "Kevin Marsh", "420 Western Avenue", "Chillicothe", "OH", "45601", "", "", "X", "5,000", "25"})
        .row({"MB", "Hocking Supply Co.", "2 Mill Street", "Logan", "OH", "43138", "Linda Tran", "X", "", "5,000",
              "25"});
}

// Maumee River Kayak, Ltd., Toledo: one member.
void singleMember(Client &c)
{
    using namespace G0;
    c.g(EntityName, "Maumee River Kayak, Ltd.")
        .g(Street, "3 Water Street")
        .g(City, "Toledo")
        .g(State, "OH")
        .g(Zip, "43604")
        .g(County, "Lucas")
        .g(CharterNo, "5012877")
        .g(FilingDate, "3/2/2026")
        .g(RepresentativeIsIndividual, "X")
        .g(RepresentativeName, "Jerome Ellis")
        .g(RepresentativeStreet, "3 Water Street")
        .g(RepresentativeCity, "Toledo")
        .g(RepresentativeState, "OH")
        .g(RepresentativeZip, "43604")
        .g(AgentName, "Jerome Ellis")
        .g(AgentStreet, "3 Water Street")
        .g(AgentCity, "Toledo")
        .g(AgentZip, "43604");
    c.at(50, 0, "X");
    for (const auto &[page, answer] : {std::pair{59, 2}, {60, 0}, {60, 5}, {61, 3}, {62, 0}, {63, 0}, {63, 5}})
        c.at(page, answer, "X");
    c.at(60, 3, "5,000.00");
    c.at(63, 6, "24");
    c.row({"MGIR", "Jerome Ellis", "3 Water Street", "Toledo", "OH", "43604", "", "X", "", "2,500", "100"});
}

struct Plant
{
    const char *name;
    void (*base)(Client &);
    std::function<void(Client &)> mistake;
    const char *expected;   // words of the finding that names it; none for a lawful entry
    QStringList boxes = {}; // the forms checked; none for the forms in use
    // A later filing filled in as the client would before the mistake, in
    // the unchanged client too.
    void (*filing)(Client &) = nullptr;
};

// The filings after formation, filled in as their clients would.
void dissolved(Client &c)
{
    c.g(G0::RepresentativeName, "Nadia Haddad").g(G0::RepresentativeTitle, "President");
    c.g(G0::RepresentativeStreet, "2045 Lee Road").g(G0::RepresentativeCity, "Cleveland Heights");
    c.g(G0::RepresentativeState, "OH").g(G0::RepresentativeZip, "44118");
    c.at(33, 2, "X").at(33, 1, "12/1/2026").at(33, 11, "12/2/2026");
    // The directors and officers on the day of the dissolution.
    c.at(35, 0, "Nadia Haddad").at(35, 1, "Director, President").at(35, 2, "2045 Lee Road, Cleveland Heights, OH");
}

void restated(Client &c)
{
    c.at(54, 0, "X");
}

void wound(Client &c)
{
    c.at(65, 0, "X").at(65, 4, "12/1/2026");
}

void amended(Client &c)
{
    c.at(54, 2, "X").at(54, 10, "Article THIRD is deleted.");
}

void reported(Client &c)
{
    c.at(45, 0, "X");
}

void minutesKept(Client &c)
{
    c.store.PgCt[23] = 1;
    c.at(23, 1, "Special Meeting of the Board of Directors").at(23, 7, "220 South Main Street");
    c.at(23, 8, "Akron").at(23, 9, "12/1/2026").at(23, 11, "Gloria Reyes").at(23, 12, "Helen Okafor");
    c.at(23, 13, "Gloria Reyes, Tomasz Nowak, Helen Okafor").at(23, 15, "X");
    c.at(23, 4, "RESOLVED, that the corporation lease the warehouse at 90 Ira Avenue.");
}

void resolved(Client &c)
{
    c.store.PgCt[68] = 1;
    c.at(68, 4, "11/20/2026").at(68, 7, "X");
    c.at(68, 1, "RESOLVED, that the company open an account with Ross County Bank.");
}

// The share ledger kept on a sheet: the original issue as the board
// accepted it (certificates 1 to 3 on November 20, 2026).
void ledgerKept(Client &c)
{
    c.store.PgCt[24] = 1;
}

struct Outcome
{
    int exitCode = -1;
    QStringList lines;
};

Outcome check(const QString &cli, const QString &file, const QStringList &boxes)
{
    QProcess process;
    process.start(cli, QStringList{QStringLiteral("check"), file} + boxes);
    process.waitForFinished(120000);
    return {process.exitCode(),
            QString::fromLocal8Bit(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_planted BREVANE-CLI FOLDER\n");
        return 2;
    }
    const QString cli = QString::fromLocal8Bit(argv[1]);
    QDir folder(QString::fromLocal8Bit(argv[2]));
    folder.mkpath(QStringLiteral("."));
    using namespace G0;
    const auto g = [](int n, const char *text) { return [n, text](Client &c) { c.g(n, text); }; };
    const auto at = [](int p, int k, const char *text) { return [p, k, text](Client &c) { c.at(p, k, text); }; };
    const auto cell = [](int r, int col, const char *text) {
        return [r, col, text](Client &c) { c.cell(r, col, text); };
    };
    const std::vector<Plant> plants = {
        // consistency across answers
        {"1,500 of 1,000 represented (6,000 of 4,000)", corporation, at(18, 9, "6,000"), "shares are represented"},
        {"more votes than shares represented", corporation, at(18, 10, "4,500"), "votes, more than"},
        {"no shares represented", association, at(18, 9, "0"), "no shares are represented"},
        {"more shares subscribed than authorized", corporation, g(AuthorizedShares, "3,000"), "more than the 3,000"},
        {"price per share below par", corporation, g(SharePrice, "0.50"), "less than the par value"},
        {"stated capital disagrees with the order", corporation, g(StatedCapital, "$50,000"), "state a capital"},
        {"stated capital disagrees (association)", association, g(StatedCapital, "$1,000"), "state a capital"},
        {"no-par shares without a price", corporation, [](Client &c) { c.g(ParValue, "").g(SharePrice, ""); },
         "Price per share"},
        {"secretary spelled otherwise", corporation, g(Secretary, "Helen Okafur"), "two ways"},
        {"chairman pro tem spelled otherwise", association, g(ChairmanProTem, "Nadia Hadad"), "two ways"},
        {"directors' chairman spelled otherwise", corporation, g(DirectorsChairman, "Gloria Reyez"), "two ways"},
        {"vice president with a short first name", corporation, g(VicePresident, "Tom Nowak"), "two ways"},
        {"treasurer not on the Directory Worksheet", corporation, g(Treasurer, "Marcus Bell"), "on no row"},
        {"no president", corporation, g(President, ""), "no president"},
        {"interest typed in words", company, cell(0, 10, "50 percent"), "does not read as a percentage"},
        {"interests add up to 110", company, cell(0, 10, "60"), "add up to 110"},
        {"member with neither cash nor noncash", company, cell(1, 8, ""), "neither Cash nor Noncash"},
        {"partnership with one member", singleMember, [](Client &c) { c.at(61, 3, "").at(61, 2, "X"); },
         "cannot be taxed as a partnership"},
        {"disregarded with two members", singleMember,
         [](Client &c) {
             c.cell(0, 10, "80")
                 .row({"MI", "Dana Ellis", "3 Water Street", "Toledo", "OH", "43604", "", "X", "", "500", "20"});
         },
         "only a company with one member"},
        {"board of two with three shareholders", corporation, cell(2, 0, "OSI"), "at least three"},
        // dates
        {"notice mailed 3 days before", corporation, g(NoticeMailingDate, "11/17/2026"), "3 days before"},
        {"notice mailed 66 days before", corporation, g(NoticeMailingDate, "9/15/2026"), "66 days before"},
        {"notice dated after the meeting", association, g(NoticeDate, "10/22/2026"), "after the meeting"},
        {"directors meet before the shareholders", corporation, g(DirectorsMeetingDate, "11/10/2026"),
         "is dated before"},
        {"incorporators act before filing", corporation, g(WrittenActionsDate, "10/30/2026"), "before the filing"},
        {"articles effective 241 days after filing", corporation, g(EffectiveDate, "7/1/2027"), "at most 90"},
        {"first fiscal year of 14 months", corporation, g(FiscalYearEnd, "12/31/2027"), "longer than twelve"},
        {"fiscal year ends before it begins", association, g(FiscalYearEnd, "9/30/2026"), "before the corporation"},
        {"minutes certified before the meeting", corporation, g(MinutesCertifiedDate, "11/19/2026"),
         "before the directors met"},
        {"operating agreement before the articles", company, at(57, 0, "10/1/2026"), "before the company exists"},
        {"LLC articles effective 125 days on", company, g(LlcEffectiveDate, "4/15/2027"), "at most 90"},
        {"amendment with a past effective date",
         singleMember,
         [](Client &c) { c.at(54, 1, "11/1/2026"); },
         "before today",
         {"cbxForm543A"},
         restated},
        {"dissolution certified before it was authorized",
         association,
         [](Client &c) { c.at(33, 11, "11/30/2026"); },
         "before the dissolution was authorized",
         {"cbxForm561_PA"},
         dissolved},
        // choose one
        {"AM and PM both ticked", corporation, g(OrderedMeetingAm, "X"), "both choices are ticked"},
        {"for profit and nonprofit both ticked", company, at(50, 1, "X"), "both choices are ticked"},
        {"individual and business both ticked", company,
         [](Client &c) { c.g(RepresentativeIsBusiness, "X").g(RepresentativeSigner, "Rosa Delgado"); },
         "both choices are ticked"},
        {"no management choice", company, at(59, 3, ""), "none of the 2 choices"},
        {"two voting rules", company, at(60, 0, "X"), "tick only one"},
        {"no tax choice", singleMember, at(61, 3, ""), "none of the 3 choices"},
        // people
        {"incorporator without an address", corporation, cell(1, 2, ""), "no street address"},
        {"shareholder without a city and ZIP", association, [](Client &c) { c.cell(1, 3, "").cell(1, 5, ""); },
         "no city, ZIP code"},
        {"business member without its signer", company, cell(2, 6, ""), "signs through a person"},
        {"business shareholder without its signer", association,
         [](Client &c) {
             c.row({"SB", "Lakeshore Holdings Co.", "900 Euclid Avenue", "Cleveland", "OH", "44115", "", "", "", "", "",
                    "", "common"});
         },
         "signs through a person"},
        {"incorporator neither individual nor business", corporation, cell(0, 0, "DOSC"), "neither an individual"},
        {"fourth incorporator left off the articles", corporation,
         [](Client &c) {
             c.cell(2, 0, "DOSCI").row({"CI", "Frank Ruiz", "77 Main Street", "Kent", "OH", "44240"});
         },
         "is left off"},
        {"profession missing on the biennial report", association, g(Profession, ""), "Profession", {"cbxForm520"}},
        {"agent at a post-office box", company, g(AgentStreet, "P.O. Box 212"), "post-office box"},
        {"LLC agent's city in another state, Ohio ZIP", company, g(AgentCity, "Pittsburgh, PA"), "names another state"},
        {"agent's ZIP code outside Ohio", corporation, g(AgentZip, "15222"), "not in Ohio"},
        {"name without a corporate ending", association, g(EntityName, "Cuyahoga Physical Therapy"), "does not end"},
        {"company name without an ending", singleMember, g(EntityName, "Maumee River Kayak"), "does not end"},
        // conditions
        {"withdrawal on notice, no days given", company, at(63, 2, ""), "when"},
        {"business representative without its signer", company,
         [](Client &c) { c.g(RepresentativeIsIndividual, "").g(RepresentativeIsBusiness, "X"); }, "when"},
        {"dissolution by an event not named",
         singleMember,
         [](Client &c) { c.at(65, 0, "").at(65, 1, "X"); },
         "when",
         {"cbxForm562"},
         wound},
        {"dissolution certified by counsel",
         association,
         // Without officers on the worksheet the representative, here the
         // association's lawyer, certifies.
         [](Client &c) {
             c.g(President, "").g(VicePresident, "").g(Secretary, "").g(Treasurer, "");
             c.g(RepresentativeTitle, "Attorney at Law");
         },
         "not its counsel",
         {"cbxForm561_PA"},
         dissolved},
        // classes of shares
        {"subscription for preferred shares", corporation, cell(2, 12, "preferred"), "authorize only"},
        {"Directory class \"Class A common\"", corporation, cell(0, 12, "Class A common"), "the articles' words"},
        // later minutes and resolutions
        {"generic minutes signed before the meeting",
         corporation,
         [](Client &c) { c.over(23, 3, "11/30/2026"); },
         "before the meeting they record",
         {"cbxMisc_Minutes"},
         minutesKept},
        {"members' resolution before the company existed",
         company,
         at(68, 4, "10/20/2026"),
         "before the company existed",
         {"cbxLLC_GenericMembersResolution"},
         resolved},
        // 561
        {"561 effective before the articles were filed",
         association,
         g(DissolutionDate, "9/1/2026"),
         "before the articles were filed",
         {"cbxForm561_PA"},
         dissolved},
        {"561 effective before it was authorized",
         association,
         g(DissolutionDate, "11/15/2026"),
         "before it was authorized",
         {"cbxForm561_PA"},
         dissolved},
        {"561 by incorporators after shares were issued",
         association,
         [](Client &c) { c.at(33, 2, "").at(33, 4, "X"); },
         "issued no shares",
         {"cbxForm561_PA"},
         dissolved},
        // 562
        {"562 dissolved before the articles were filed",
         singleMember,
         at(65, 4, "2/1/2026"),
         "before its articles were filed",
         {"cbxForm562"},
         wound},
        {"562 effective before the dissolution, in the past",
         singleMember,
         at(65, 6, "11/20/2026"),
         "before the company was dissolved",
         {"cbxForm562"},
         wound},
        // 543A
        {"543A amendment effective in the past",
         singleMember,
         at(54, 3, "11/1/2026"),
         "before today",
         {"cbxForm543A"},
         amended},
        {"543A new name without an ending",
         singleMember,
         at(54, 10, "Article FIRST is amended to read: The name of the company is Maumee River Kayak Tours."),
         "does not end",
         {"cbxForm543A"},
         amended},
        // 520
        {"520 for an odd year", association, at(45, 1, "2027"), "is odd", {"cbxForm520"}, reported},
        {"520 names a shareholder otherwise",
         association,
         [](Client &c) { c.over(45, 10, "Owen Pryce"); },
         "the report names",
         {"cbxForm520"},
         reported},
        {"520 certified by the statutory agent",
         association,
         [](Client &c) { c.over(46, 13, "Owen Price").over(46, 14, "Statutory Agent"); },
         "not the statutory agent",
         {"cbxForm520"},
         reported},
        // the operating agreement
        {"contributions due before the agreement", company, at(57, 7, "10/15/2026"), "before the agreement takes"},
        {"property contributed, not described", company, at(58, 33, ""), "with nothing after it"},
        {"representative spelled otherwise", company, g(RepresentativeName, "Rosa Delgato"), "two ways"},
        // the Directory Worksheet
        {"shareholder entered twice", corporation,
         [](Client &c) {
             c.row({"SI", "Tomasz Nowak", "9 Merriman Road", "Akron", "OH", "44303", "", "", "", "", "", "1,500",
                    "common"});
         },
         "list the person twice"},
        {"shareholder row with no shares", corporation, cell(2, 11, ""), "with no shares"},
        {"A.M. and P.M. for the directors' meeting", corporation, g(DirectorsMeetingAm, "X"), "both choices"},
        {"election of officers without a bank", corporation, g(Bank, ""), "this is empty"},
        // the share ledger
        {"transfer dated before the certificate's issue",
         corporation,
         [](Client &c) {
             c.ledger(3, {"11/10/2026", "4", "Irene Walsh", "Tomasz Nowak", "1,500", "2", ""});
         },
         "before it was issued",
         {},
         ledgerKept},
        {"cancellation dated before the issue",
         corporation,
         [](Client &c) {
             c.ledger(3, {"11/10/2026", "", "Certificate cancelled", "Tomasz Nowak", "1,500", "2", ""});
         },
         "before it was issued",
         {},
         ledgerKept},
        {"certificate of 0 shares",
         corporation,
         [](Client &c) {
             c.ledger(3, {"12/1/2026", "4", "Irene Walsh", "Tomasz Nowak", "0", "2", ""});
             c.ledger(4, {"12/1/2026", "5", "Tomasz Nowak", "Tomasz Nowak", "1,500", "2", ""});
         },
         "for 0 shares",
         {},
         ledgerKept},
        {"surrender reissues fewer shares",
         corporation,
         [](Client &c) {
             c.ledger(3, {"12/1/2026", "4", "Irene Walsh", "Tomasz Nowak", "1,000", "2", ""});
         },
         "leave the ledger",
         {},
         ledgerKept},
        {"ledger lines out of date order",
         corporation,
         [](Client &c) {
             c.ledger(3, {"12/5/2026", "4", "Irene Walsh", "Tomasz Nowak", "1,500", "2", ""});
             c.ledger(4, {"12/1/2026", "5", "Paul Brandt", "Helen Okafor", "500", "3", ""});
         },
         "before the line above",
         {},
         ledgerKept},
        {"certificate number issued twice",
         corporation,
         [](Client &c) {
             c.ledger(3, {"12/1/2026", "2", "Irene Walsh", "Tomasz Nowak", "1,500", "2", ""});
         },
         "issued twice",
         {},
         ledgerKept},
        {"certificate surrendered that was never issued",
         corporation,
         [](Client &c) {
             c.ledger(3, {"12/1/2026", "4", "Irene Walsh", "Tomasz Nowak", "100", "9", ""});
         },
         "was issued before",
         {},
         ledgerKept},
        {"certificate for shares not fully paid",
         corporation,
         [](Client &c) {
             c.ledger(0, {"11/20/2026", "1", "Gloria Reyes", "Original issue", "2,000", "", "1,500.00"});
         },
         "paid in full at",
         {},
         ledgerKept},
        {"new issue without a board action",
         corporation,
         [](Client &c) {
             c.ledger(3, {"12/1/2026", "4", "Irene Walsh", "New issue", "100", "", "100.00"});
         },
         "no resolution or minutes of the board",
         {},
         ledgerKept},
        // lawful but unusual: no must-fix
        {"LAWFUL agent in Port Washington, OH 43837", company,
         [](Client &c) { c.g(AgentCity, "Port Washington").g(AgentZip, "43837"); }, nullptr},
        {"LAWFUL agent in New Washington, OH 44854", corporation,
         [](Client &c) { c.g(AgentCity, "New Washington").g(AgentZip, "44854"); }, nullptr},
        {"LAWFUL LLC taking effect 19 days after filing", company, g(LlcEffectiveDate, "11/21/2026"), nullptr},
        {"LAWFUL articles taking effect 19 days after filing", corporation, g(EffectiveDate, "11/21/2026"), nullptr},
        {"LAWFUL an agent that is a business", corporation, g(AgentName, "Summit Registered Agents, Inc."), nullptr},
        {"LAWFUL notice exactly 7 days before", corporation,
         [](Client &c) { c.g(NoticeDate, "11/13/2026").g(NoticeMailingDate, "11/13/2026"); }, nullptr},
        {"LAWFUL two shareholders with two directors", corporation,
         [](Client &c) { c.cell(2, 0, "OI").at(18, 9, "3,500").at(18, 10, "3,500").g(StatedCapital, "$3,500"); },
         nullptr},
        {"LAWFUL an interest typed \"100%\"", singleMember, cell(0, 10, "100%"), nullptr},
        {"LAWFUL class written \"Common shares\"", corporation, cell(1, 12, "Common shares"), nullptr},
        {"LAWFUL 24 shareholders, more rows than the waiver keeps on its page", corporation,
         [](Client &c) {
             for (int k = 0; k < 21; ++k)
                 c.row({"SI", qPrintable(QStringLiteral("Holder %1").arg(QChar('A' + k))), "1 Elm Street", "Akron",
                        "OH", "44303", "", "", "", "", "", "10", "common"});
             c.g(StatedCapital, "$4,210");
         },
         nullptr},
        {"LAWFUL representative with a hyphenated name", company,
         [](Client &c) {
             c.cell(0, 1, "Rosa Delgado-Marsh")
                 .g(RepresentativeName, "Rosa Delgado-Marsh")
                 .g(AgentName, "Rosa Delgado-Marsh");
         },
         nullptr},
        {"LAWFUL a later holder with no subscription",
         corporation,
         [](Client &c) {
             c.ledger(3, {"12/1/2026", "4", "Irene Walsh", "Tomasz Nowak", "1,500", "2", ""});
             c.row({"SI", "Irene Walsh", "5 Elm Street", "Akron", "OH", "44303", "", "", "", "", "", "", "common"});
         },
         nullptr,
         {},
         ledgerKept},
    };

    int caught = 0;
    int planted = 0;
    int lawful = 0;
    int lawfulAlarms = 0;
    int baseAlarms = 0;
    int otherFindings = 0;
    QMap<QString, Outcome> baseOutcomes;
    int n = 0;
    for (const Plant &plant : plants) {
        ++n;
        // The unchanged client, checked with the same forms.
        const QString key = QStringLiteral("%1 %2 ").arg(quintptr(plant.base)).arg(quintptr(plant.filing)) +
                            plant.boxes.join(QLatin1Char(' '));
        if (!baseOutcomes.contains(key)) {
            Client c;
            plant.base(c);
            if (plant.filing)
                plant.filing(c);
            const QString path = folder.filePath(QStringLiteral("base%1.cl1").arg(baseOutcomes.size() + 1));
            SaveClientFile(path, c.store, c.directory);
            const Outcome base = check(cli, path, plant.boxes);
            baseOutcomes.insert(key, base);
            std::printf("unchanged %s %s: %lld findings\n", qPrintable(QFileInfo(path).fileName()),
                        qPrintable(plant.boxes.join(QLatin1Char(' '))), qsizetype(base.lines.size()));
            for (const QString &line : base.lines)
                std::printf("    FALSE ALARM %s\n", qPrintable(line));
            baseAlarms += int(base.lines.size());
        }
        const Outcome &base = baseOutcomes[key];
        Client c;
        plant.base(c);
        if (plant.filing)
            plant.filing(c);
        plant.mistake(c);
        const QString path = folder.filePath(QStringLiteral("plant%1.cl1").arg(n, 2, 10, QLatin1Char('0')));
        SaveClientFile(path, c.store, c.directory);
        const Outcome checked = check(cli, path, plant.boxes);
        QStringList fresh;
        for (const QString &line : checked.lines)
            if (!base.lines.contains(line))
                fresh << line;
        if (!plant.expected) {
            // A lawful entry: a finding that must be fixed is a false alarm.
            ++lawful;
            QStringList alarms;
            for (const QString &line : fresh)
                if (!line.contains(QLatin1String(" Worth a look. [")))
                    alarms << line;
            lawfulAlarms += int(alarms.size());
            std::printf("%2d %-7s %s\n", n, alarms.isEmpty() ? "lawful" : "ALARM", plant.name);
            for (const QString &line : fresh)
                std::printf("    %s %s\n", alarms.contains(line) ? "!" : "~", qPrintable(line));
            continue;
        }
        ++planted;
        const bool hit = std::any_of(fresh.begin(), fresh.end(), [&](const QString &line) {
            return line.contains(QString::fromUtf8(plant.expected));
        });
        caught += hit;
        std::printf("%2d %-7s %s\n", n, hit ? "caught" : "MISSED", plant.name);
        for (const QString &line : fresh) {
            const bool expected = line.contains(QString::fromUtf8(plant.expected));
            otherFindings += !expected;
            std::printf("    %s %s\n", expected ? "=" : "+", qPrintable(line));
        }
        if (checked.lines.isEmpty() && checked.exitCode != 0)
            std::printf("    (exit %d without findings)\n", checked.exitCode);
    }
    std::printf("\n%d planted mistakes, %d caught, %d missed; %d findings on unchanged clients; %d further "
                "findings on planted clients (marked +); %d lawful entries, %d must-fix findings on them (marked !)\n",
                planted, caught, planted - caught, baseAlarms, otherFindings, lawful, lawfulAlarms);
    return 0;
}
