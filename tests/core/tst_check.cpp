// The check before filing: the required items each form source names, the
// rules across answers, and the findings on whole clients with one fault
// planted at a time.
#include "CheckClient.h"
#include "TestSupport.h"
#include "core/check/CheckRules.h"
#include "core/check/ClientCheck.h"
#include "core/forms/FormCatalogue.h"
#include "core/forms/PageFacts.h"
#include "core/output/PrintSelection.h"

#include <QtTest>

using namespace brevane;
using namespace brevane::test;

namespace {

const QDate Today(2018, 2, 20);

// "g71=P.O. Box 5;p12.7=2": answers of page 0 (g) or of page p, answer k (pP.K).
void setAnswers(CalcClient &c, const QString &entries)
{
    for (const QString &item : entries.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = item.indexOf(QLatin1Char('='));
        const QString where = item.left(eq);
        const QString text = item.mid(eq + 1);
        if (where.startsWith(QLatin1Char('g'))) {
            c.g(where.mid(1).toInt(), text);
        } else {
            const QStringList pk = where.mid(1).split(QLatin1Char('.'));
            c.store.SetText(pk[0].toInt(), 0, pk[1].toInt(), text);
        }
    }
}

// "S Ann_Lee 11=500;M Bo 10=40": a row a clause: code, name (underscores
// for blanks), then column=value.
void setRows(CalcClient &c, const QString &entries)
{
    for (const QString &clause : entries.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList words = clause.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        c.directory.AddRow();
        const int row = c.directory.RowCount() - 1;
        c.directory.SetCell(row, ColCode, words.value(0));
        c.directory.SetCell(row, ColName, QString(words.value(1)).replace(QLatin1Char('_'), QLatin1Char(' ')));
        for (const QString &cell : words.mid(2)) {
            const qsizetype eq = cell.indexOf(QLatin1Char('='));
            c.directory.SetCell(row, cell.left(eq).toInt(), cell.mid(eq + 1));
        }
    }
}

// The findings of one rule checked with `page`.
QList<Finding> runRule(const char *rule, const QString &answers, const QString &rows, int page = 0)
{
    CalcClient c;
    setAnswers(c, answers);
    setRows(c, rows);
    QList<Finding> out;
    FindCheckRule(rule)(CheckContext{c.store, c.directory, page, Today}, out);
    return out;
}

QStringList lines(const QList<Finding> &findings)
{
    QStringList out;
    for (const Finding &f : findings)
        out << FindingLine(f);
    return out;
}

} // namespace

using Plant = void (*)(CalcClient &);
Q_DECLARE_METATYPE(Plant)

class tst_check : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseUnitedStatesLocale(); }

    // ---- what the form sources say
    void everyRuleNamedBySourceExists();
    void requiredItems_data();
    void requiredItems();
    void labelsComeFromTheSources_data();
    void labelsComeFromTheSources();

    // ---- the readers
    void nameEndings_data();
    void nameEndings();
    void postOfficeBox_data();
    void postOfficeBox();
    void zipCodes_data();
    void zipCodes();
    void dates_data();
    void dates();

    // ---- one table per rule
    void rule_data();
    void rule();

    // ---- whole clients
    void completeClientsHaveNothingToFix_data();
    void completeClientsHaveNothingToFix();
    void plantedFault_data();
    void plantedFault();
    void formsInUseFollowTheKindOfBusiness();
    void findingLine();
};

void tst_check::everyRuleNamedBySourceExists()
{
    QSet<QString> used;
    for (int p = 0; p < PageCount; ++p)
        for (const char *name : FactsOfPage(p).checks) {
            QVERIFY2(FindCheckRule(name), qPrintable(QStringLiteral("page %1 names rule %2").arg(p).arg(name)));
            used << QLatin1String(name);
        }
    for (const NamedRule &r : CheckRules())
        QVERIFY2(used.contains(QLatin1String(r.name)), qPrintable(QStringLiteral("no form checks %1").arg(r.name)));
}

// For every item a form source requires: a client that has every required
// item of the box filled finds nothing required; with that one item emptied
// it finds it, on that page, naming that field or the worksheet.
void tst_check::requiredItems_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("item");
    for (const FormFamily &family : FormFamilies())
        for (const SelectionBox &box : family.boxes)
            for (const int page : box.pages)
                for (size_t i = 0; i < FactsOfPage(page).required.size(); ++i)
                    QTest::addRow("%s page %d item %d", qPrintable(box.name), page, int(i))
                        << box.name << page << int(i);
}

void tst_check::requiredItems()
{
    QFETCH(QString, box);
    QFETCH(int, page);
    QFETCH(int, item);
    CalcClient c;
    const auto fill = [&](bool filled, const RequiredItem &r) {
        for (const AnswerRef &a : r.anyOf)
            c.store.SetText(a.page, 0, a.answer, filled ? QStringLiteral("x") : QString());
        if (r.role && !filled)
            c.directory.Clear();
    };
    c.row({"DOSCMGIBR", "Ann Lee"});
    for (const int p : FindSelectionBox(box)->pages)
        for (const RequiredItem &r : FactsOfPage(p).required)
            fill(true, r);
    const auto required = [&] {
        QList<Finding> out;
        for (const Finding &f : CheckForms(c.store, c.directory, {box}, Today))
            if (f.text.contains(QLatin1String("the form needs")))
                out << f;
        return out;
    };
    QVERIFY2(required().isEmpty(), qPrintable(lines(required()).join(QLatin1Char('\n'))));

    const RequiredItem &r = FactsOfPage(page).required[size_t(item)];
    fill(false, r);
    const QList<Finding> found = required();
    QVERIFY(!found.isEmpty());
    bool onThisPage = false;
    for (const Finding &f : found) {
        QCOMPARE(f.severity, Severity::MustFix);
        QCOMPARE(f.box, box);
        onThisPage = onThisPage || f.page == page;
        if (r.role) {
            QVERIFY(f.directory);
            QVERIFY2(f.text.contains(QStringLiteral("(code %1)").arg(QLatin1Char(r.role))), qPrintable(f.text));
        } else {
            QCOMPARE(f.answerPage, r.anyOf.front().page);
            QCOMPARE(f.answer, r.anyOf.front().answer);
            QVERIFY2(!f.label.isEmpty(), qPrintable(FindingLine(f)));
        }
    }
    QVERIFY(onThisPage);
}

void tst_check::labelsComeFromTheSources_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("label");
    QTest::newRow("worksheet agent street") << 0 << 71 << "Street address in Ohio";
    QTest::newRow("worksheet name, help left out") << 0 << 0 << "Name, exactly as in the articles (heads every form)";
    QTest::newRow("a check box by the words after it") << 0 << 56 << "an individual";
    QTest::newRow("articles' agent") << 3 << 1 << "Name of the statutory agent";
    QTest::newRow("repeated signer slot") << 4 << 8 << "Printed name of the person signing 3";
    QTest::newRow("no such field") << 3 << 99 << "";
}

void tst_check::labelsComeFromTheSources()
{
    QFETCH(int, page);
    QFETCH(int, answer);
    QFETCH(QString, label);
    QCOMPARE(AnswerLabel(page, answer), label);
}

void tst_check::nameEndings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("corporation");
    QTest::addColumn<bool>("professional");
    QTest::addColumn<bool>("company");
    QTest::newRow("Inc.") << "Ridgeway Tool Holdings, Inc." << true << true << false;
    QTest::newRow("inc without point") << "Ridgeway Tools inc" << true << true << false;
    QTest::newRow("Corporation") << "Acme Corporation" << true << true << false;
    QTest::newRow("Co.") << "Acme Tool Co." << true << true << false;
    QTest::newRow("Company") << "The Canal Company" << true << true << false;
    QTest::newRow("Incorporated") << "Acme Incorporated" << true << true << false;
    QTest::newRow("Corp.") << "Acme Corp." << true << true << false;
    QTest::newRow("no ending") << "Ridgeway Tool Holdings" << false << false << false;
    QTest::newRow("Inc inside a word") << "Incline Tools" << false << false << false;
    QTest::newRow("Co inside a word") << "Cobalt Coatings" << false << false << false;
    QTest::newRow("P.A.") << "Hart Dental, P.A." << false << true << false;
    QTest::newRow("L.P.A.") << "Ng and Lee, L.P.A." << false << true << false;
    QTest::newRow("Professional Association") << "Hart Professional Association" << false << true << false;
    QTest::newRow("LLC") << "Maple Row Bakery LLC" << false << false << true;
    QTest::newRow("L.L.C.") << "Maple Row Bakery, L.L.C." << false << false << true;
    QTest::newRow("Limited Liability Company") << "Maple Row Limited Liability Company" << true << true << true;
    QTest::newRow("Ltd.") << "Maple Row Ltd." << false << false << true;
    QTest::newRow("llc lower case") << "maple row llc" << false << false << true;
    QTest::newRow("LLC inside a word") << "Wallcco Paints" << false << false << false;
}

void tst_check::nameEndings()
{
    QFETCH(QString, name);
    QFETCH(bool, corporation);
    QFETCH(bool, professional);
    QFETCH(bool, company);
    QCOMPARE(HasCorporationEnding(name), corporation);
    QCOMPARE(HasProfessionalEnding(name), professional);
    QCOMPARE(HasCompanyEnding(name), company);
}

void tst_check::postOfficeBox_data()
{
    QTest::addColumn<QString>("street");
    QTest::addColumn<bool>("box");
    QTest::newRow("P.O. Box") << "P.O. Box 118" << true;
    QTest::newRow("PO Box") << "PO Box 118" << true;
    QTest::newRow("P O Box") << "p o box 118" << true;
    QTest::newRow("Post Office Box") << "Post Office Box 9" << true;
    QTest::newRow("POB") << "POB 9" << true;
    QTest::newRow("Box and number") << "Box 9" << true;
    QTest::newRow("after a street") << "45 Market Street, PO Box 3" << true;
    QTest::newRow("street") << "45 Market Street" << false;
    QTest::newRow("Boxwood Lane") << "12 Boxwood Lane" << false;
    QTest::newRow("Post Road") << "9 Post Road" << false;
    QTest::newRow("Pole Street") << "9 Pole Street" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_check::postOfficeBox()
{
    QFETCH(QString, street);
    QFETCH(bool, box);
    QCOMPARE(IsPostOfficeBox(street), box);
}

void tst_check::zipCodes_data()
{
    QTest::addColumn<QString>("zip");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("ohio");
    QTest::newRow("5 digits") << "45402" << true << true;
    QTest::newRow("9 digits with hyphen") << "45402-1234" << true << true;
    QTest::newRow("9 digits") << "454021234" << true << true;
    QTest::newRow("blanks around") << " 43215 " << true << true;
    QTest::newRow("4 digits") << "4540" << false << false;
    QTest::newRow("6 digits") << "454021" << false << false;
    QTest::newRow("letters") << "4540A" << false << false;
    QTest::newRow("hyphen, 3 more") << "45402-123" << false << false;
    QTest::newRow("California") << "90210" << true << false;
    QTest::newRow("lowest Ohio") << "43001" << true << true;
    QTest::newRow("highest Ohio") << "45999" << true << true;
    QTest::newRow("Indiana") << "46201" << true << false;
}

void tst_check::zipCodes()
{
    QFETCH(QString, zip);
    QFETCH(bool, valid);
    QFETCH(bool, ohio);
    QCOMPARE(IsZipCode(zip), valid);
    QCOMPARE(IsOhioZipCode(zip), ohio);
}

void tst_check::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("short") << "3/1/2018" << QDate(2018, 3, 1);
    QTest::newRow("two-digit year") << "3/1/18" << QDate(2018, 3, 1);
    QTest::newRow("long, as printed") << "March 1, 2018" << QDate(2018, 3, 1);
    QTest::newRow("abbreviated month") << "Mar 1, 2018" << QDate(2018, 3, 1);
    QTest::newRow("no such day") << "2/30/2018" << QDate();
    QTest::newRow("words") << "upon filing" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void tst_check::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(ReadDate(text).value_or(QDate()), date);
}

// Each rule with the answers and directory rows that matter to it: how many
// findings and what the first one says.
void tst_check::rule_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("says");
    const auto row = [](const char *name, const char *rule, const char *answers, const char *rows, int page, int count,
                        const char *says) { QTest::newRow(name) << rule << answers << rows << page << count << says; };
    // Name endings: only a name that is given is judged.
    row("name: corporation with Inc.", "CorporationName", "g0=Acme, Inc.", "", 2, 0, "");
    row("name: corporation without", "CorporationName", "g0=Acme Tools", "", 2, 1, "does not end");
    row("name: empty is a required item", "CorporationName", "", "", 2, 0, "");
    row("name: company with LLC", "CompanyName", "g0=Maple Row LLC", "", 50, 0, "");
    row("name: company with Inc.", "CompanyName", "g0=Maple Row, Inc.", "", 50, 1, "Limited Liability Company");
    row("name: association with P.A.", "ProfessionalName", "g0=Hart Dental, P.A.", "", 39, 0, "");
    row("name: association without", "ProfessionalName", "g0=Hart Dental", "", 39, 1, "Professional Association");
    // The agent.
    row("agent: street in Ohio", "AgentAddress", "g71=45 Market Street;g73=45402", "", 3, 0, "");
    row("agent: post-office box", "AgentAddress", "g71=P.O. Box 118;g73=45402", "", 3, 1, "post-office box");
    row("agent: short ZIP", "AgentAddress", "g71=45 Market Street;g73=4540", "", 3, 1, "neither 5 nor 9");
    row("agent: ZIP outside Ohio", "AgentAddress", "g71=45 Market Street;g73=90210", "", 3, 1, "not in Ohio");
    row("agent: box and bad ZIP", "AgentAddress", "g71=PO Box 1;g73=123", "", 3, 2, "post-office box");
    // ZIP codes of the worksheet and the directory.
    row("zips: all good", "ZipCodes", "g4=45402;g62=43215-0001;g73=45402", "I Ann 5=45402", 0, 0, "");
    row("zips: entity ZIP", "ZipCodes", "g4=4540", "", 0, 1, "\"4540\" has neither 5 nor 9 digits");
    row("zips: directory row", "ZipCodes", "", "I Ann 5=45402;I Bo 5=ABCDE", 0, 1, "\"ABCDE\"");
    // Dates of the page's date fields.
    row("dates: worksheet dates read", "DateFields", "g12=3/1/2018;g90=April 2, 2018", "", 0, 0, "");
    row("dates: worksheet slip", "DateFields", "g12=3/32/2018", "", 0, 1, "does not read as a date");
    row("dates: the form's own entry", "DateFields", "p26.7=last Tuesday", "", 26, 1, "does not read as a date");
    // Effective date of the articles: from the filing date, else from today.
    row("effective: none", "ArticlesEffectiveDate", "g12=3/1/2018", "", 2, 0, "");
    row("effective: on filing", "ArticlesEffectiveDate", "g12=3/1/2018;g14=3/1/2018", "", 2, 0, "");
    row("effective: 90 days", "ArticlesEffectiveDate", "g12=3/1/2018;g14=5/30/2018", "", 2, 0, "");
    row("effective: 91 days", "ArticlesEffectiveDate", "g12=3/1/2018;g14=5/31/2018", "", 2, 1,
        "91 days after the filing");
    row("effective: 200 days from today", "ArticlesEffectiveDate", "g14=9/8/2018", "", 2, 1, "200 days after today");
    row("effective: before filing", "ArticlesEffectiveDate", "g12=3/1/2018;g14=2/1/2018", "", 2, 1,
        "before the filing");
    row("effective: not a date", "ArticlesEffectiveDate", "g14=soon", "", 2, 1, "does not read as a date");
    row("effective: LLC 91 days", "OrganizationEffectiveDate", "g52=5/22/2018", "", 50, 1, "91 days after today");
    // Shares subscribed against shares authorised.
    row("shares: under", "SharesSubscribed", "g15=1,500", "S A 11=500;S B 11=1,000", 8, 0, "");
    row("shares: over", "SharesSubscribed", "g15=1,500", "S A 11=1,000;S B 11=1,000", 8, 1,
        "2,000 shares, more than the 1,500");
    row("shares: only shareholders count", "SharesSubscribed", "g15=500", "S A 11=500;D B 11=900", 8, 0, "");
    row("shares: unreadable count", "SharesSubscribed", "g15=500", "S A 11=many", 8, 1, "\"many\"");
    // The price per share against the par value.
    row("prices: at par", "SharePrices", "g17=10;g27=$10.00", "", 21, 0, "");
    row("prices: above par", "SharePrices", "g17=1;g27=10", "", 21, 0, "");
    row("prices: below par", "SharePrices", "g17=12.50;g27=10", "", 21, 1, "pay $10.00 a share, less than the par value of $12.50");
    row("prices: no par value", "SharePrices", "g27=10", "", 21, 0, "");
    // Members' interests.
    row("interests: 100", "MemberInterests", "", "M A 10=60;M B 10=40%", 57, 0, "");
    row("interests: 90", "MemberInterests", "", "M A 10=50;M B 10=40", 57, 1, "add up to 90 %");
    row("interests: 100.5", "MemberInterests", "", "M A 10=60.5;M B 10=40", 57, 1, "100.50 %");
    row("interests: non-members ignored", "MemberInterests", "", "M A 10=100;S B 10=50", 57, 0, "");
    row("interests: unreadable", "MemberInterests", "", "M A 10=half;M B 10=50", 57, 2, "\"half\"");
    // Meeting and action dates in order.
    row("order: in order", "MeetingOrder", "g12=3/1/2018;g13=3/5/2018;g33=3/20/2018;g90=4/2/2018", "", 1, 0, "");
    row("order: same day", "MeetingOrder", "g12=3/1/2018;g13=3/1/2018;g33=3/1/2018;g90=3/1/2018", "", 1, 0, "");
    row("order: directors first", "MeetingOrder", "g12=3/1/2018;g33=3/20/2018;g90=3/10/2018", "", 1, 1,
        "the first directors' meeting (March 10, 2018) is dated before the first shareholders' meeting");
    row("order: acted before filing", "MeetingOrder", "g12=3/1/2018;g13=2/1/2018", "", 1, 1, "before the filing");
    row("order: notice and order differ", "MeetingOrder", "g23=3/20/2018;g33=3/21/2018", "", 1, 1, "ordered it");
    // Size of the board.
    row("board: three of three", "BoardSize", "", "DS A;DS B;DS C", 12, 0, "");
    row("board: two of three shareholders", "BoardSize", "", "DS A;DS B;S C", 12, 1, "at least three");
    row("board: one of one shareholder", "BoardSize", "", "DS A", 12, 0, "");
    row("board: one of two shareholders", "BoardSize", "", "DS A;S B", 12, 1, "fewer than the 2 shareholders");
    row("board: stated number too small", "BoardSize", "p12.7=2", "DS A;DS B;DS C", 12, 1, "has 2 directors");
    row("board: stated and listed differ", "BoardSize", "p12.7=3", "DS A;DS B;DS C;D D", 12, 1, "names 4");
    // Officers.
    row("officers: both", "Officers", "g47=Ann Lee;g49=Carla Ng", "", 21, 0, "");
    row("officers: no secretary", "Officers", "g47=Ann Lee", "", 21, 1, "no secretary");
    row("officers: none", "Officers", "", "", 21, 2, "no president");
    row("officers: one person both", "Officers", "g47=Ann Lee;g49= ann  lee", "", 21, 1,
        "both president and secretary");
    // Signer slots of one page.
    row("signers: three people", "SignerSlots", "p4.2=Ann Lee;p4.5=Ben Ortiz;p4.8=Carla Ng", "", 4, 0, "");
    row("signers: one twice", "SignerSlots", "p4.2=Ann Lee;p4.5=Ben Ortiz;p4.8=ANN LEE", "", 4, 1, "ANN LEE fills two");
    row("signers: empty slots", "SignerSlots", "p4.2=Ann Lee", "", 4, 0, "");
    row("signers: business lines are no signers", "SignerSlots", "p4.0=Acme;p4.3=Acme;p4.2=A;p4.5=B", "", 4, 0, "");
}

void tst_check::rule()
{
    QFETCH(QString, rule);
    QFETCH(QString, answers);
    QFETCH(QString, rows);
    QFETCH(int, page);
    QFETCH(int, count);
    QFETCH(QString, says);
    const QList<Finding> found = runRule(qPrintable(rule), answers, rows, page);
    QStringList texts;
    for (const Finding &f : found)
        texts << f.text;
    QVERIFY2(found.size() == count, qPrintable(texts.join(QLatin1Char('\n'))));
    if (count > 0)
        QVERIFY2(found.first().text.contains(says), qPrintable(found.first().text));
    for (const Finding &f : found)
        QVERIFY2(f.OnField() || f.OnDirectory(), qPrintable(f.text));
}

void tst_check::completeClientsHaveNothingToFix_data()
{
    QTest::addColumn<Plant>("client");
    QTest::addColumn<QString>("articles");
    QTest::newRow("corporation") << Plant(CompleteCorporation) << "cbxForm532A";
    QTest::newRow("limited liability company") << Plant(CompleteCompany) << "cbxForm533A";
}

void tst_check::completeClientsHaveNothingToFix()
{
    QFETCH(Plant, client);
    QFETCH(QString, articles);
    MessageRecorder messages;
    CalcClient c;
    client(c);
    QVERIFY(c.calculate());
    const QStringList boxes = BoxesInUse(c.store, c.directory);
    QVERIFY(boxes.contains(articles));
    const QList<Finding> found = CheckForms(c.store, c.directory, boxes, Today);
    QVERIFY2(found.isEmpty(), qPrintable(lines(found).join(QLatin1Char('\n'))));
    QVERIFY(messages.numbers().isEmpty());
}

// Each fault planted in a complete client gives exactly its finding.
void tst_check::plantedFault_data()
{
    QTest::addColumn<Plant>("client");
    QTest::addColumn<Plant>("fault");
    QTest::addColumn<QString>("line");
    QTest::newRow("agent missing") << Plant(CompleteCorporation)
                                   << Plant([](CalcClient &c) { c.g(G0::AgentName, QString()); })
                                   << "cbxForm532A page 3 \"Name of the agent\": this is empty, and the form needs it";
    QTest::newRow("P.O. box") << Plant(CompleteCorporation)
                              << Plant([](CalcClient &c) { c.g(G0::AgentStreet, QStringLiteral("P.O. Box 118")); })
                              << "cbxForm532A page 3 \"Street address in Ohio\": the statutory agent's address is a "
                                 "post-office box";
    QTest::newRow("shares oversubscribed")
        << Plant(CompleteCorporation) << Plant([](CalcClient &c) { c.g(G0::AuthorizedShares, QStringLiteral("900")); })
        << "cbxPOC_ShareSubscription page 8 \"Number of shares the corporation may issue\": the shareholders "
           "subscribe for 1,000 shares, more than the 900 authorized";
    QTest::newRow("interests at 90 %")
        << Plant(CompleteCompany)
        << Plant([](CalcClient &c) { c.directory.SetCell(1, ColInterest, QStringLiteral("30")); })
        << "cbxLLC_OperatingAgreement page 57 \"Directory Worksheet\": the members' interests add up to 90 %, not "
           "100 %";
    QTest::newRow("price below par") << Plant(CompleteCorporation)
                                     << Plant([](CalcClient &c) { c.g(G0::ParValue, QStringLiteral("12.50")); })
                                     << "cbxElectionOfOfficers page 21 \"Price per share paid by the subscribers\": "
                                        "the subscribers pay $10.00 a share, less than the par value of $12.50";
    QTest::newRow("effective date 200 days away")
        << Plant(CompleteCorporation)
        << Plant([](CalcClient &c) { c.g(G0::EffectiveDate, QStringLiteral("9/17/2018")); })
        << "cbxForm532A page 2 \"Effective date of the articles, if later than filing\": the effective date "
           "September 17, 2018 is 200 days after the filing date; the State allows at most 90";
    QTest::newRow("name without an ending")
        << Plant(CompleteCorporation)
        << Plant([](CalcClient &c) { c.g(G0::EntityName, QStringLiteral("Ridgeway Tool Holdings")); })
        << "cbxForm532A page 2 \"Name, exactly as in the articles (heads every form)\": the name does not end as "
           "the State requires (Company, Co., Corporation, Corp., Incorporated or Inc.)";
    QTest::newRow("a person signing twice")
        << Plant(CompleteCorporation) << Plant([](CalcClient &c) { c.overridden(4, 5, QStringLiteral("Ann Lee")); })
        << "cbxForm532A page 4 \"Printed name of the person signing 2\": Ann Lee fills two signer slots on this page";
    QTest::newRow("company's agent at a box")
        << Plant(CompleteCompany) << Plant([](CalcClient &c) { c.g(G0::AgentStreet, QStringLiteral("PO Box 7")); })
        << "cbxForm533A page 51 \"Street address in Ohio\": the statutory agent's address is a post-office box";
}

void tst_check::plantedFault()
{
    QFETCH(Plant, client);
    QFETCH(Plant, fault);
    QFETCH(QString, line);
    CalcClient c;
    client(c);
    fault(c);
    QVERIFY(c.calculate());
    const QList<Finding> found = CheckForms(c.store, c.directory, BoxesInUse(c.store, c.directory), Today);
    QCOMPARE(lines(found), QStringList{line});
    QCOMPARE(found.first().severity, Severity::MustFix);
}

void tst_check::formsInUseFollowTheKindOfBusiness()
{
    CalcClient corporation;
    CompleteCorporation(corporation);
    const QStringList forCorporation = BoxesInUse(corporation.store, corporation.directory);
    QCOMPARE(forCorporation.first(), QStringLiteral("cbxGeneralInformationWorksheet"));
    QVERIFY(forCorporation.contains(QStringLiteral("cbxFSM_CodeOfRegulations")));
    QVERIFY(!forCorporation.contains(QStringLiteral("cbxForm532C")));
    QVERIFY(!forCorporation.contains(QStringLiteral("cbxForm533A")));
    QVERIFY(!forCorporation.contains(QStringLiteral("cbxForm561_FP"))); // a later filing is checked when asked

    corporation.g(G0::Profession, QStringLiteral("dentistry"));
    const QStringList forAssociation = BoxesInUse(corporation.store, corporation.directory);
    QVERIFY(forAssociation.contains(QStringLiteral("cbxForm532C")));
    QVERIFY(!forAssociation.contains(QStringLiteral("cbxForm532A")));

    CalcClient company;
    CompleteCompany(company);
    const QStringList forCompany = BoxesInUse(company.store, company.directory);
    QVERIFY(forCompany.contains(QStringLiteral("cbxForm533A")));
    QVERIFY(forCompany.contains(QStringLiteral("cbxLLC_OperatingAgreement")));
    QVERIFY(!forCompany.contains(QStringLiteral("cbxPOC_ShareSubscription")));
    QCOMPARE(AllBoxes().size(), 38);
}

void tst_check::findingLine()
{
    Finding f;
    f.box = QStringLiteral("cbxForm532A");
    f.page = 3;
    f.label = QStringLiteral("Street address in Ohio");
    f.text = QStringLiteral("the statutory agent's address is a post-office box");
    QCOMPARE(FindingLine(f),
             QStringLiteral("cbxForm532A page 3 \"Street address in Ohio\": the statutory agent's address is a "
                            "post-office box"));
    f.severity = Severity::WorthALook;
    QVERIFY(FindingLine(f).endsWith(QLatin1String("(worth a look)")));
    QVERIFY(!HasMustFix({f}));
    f.severity = Severity::MustFix;
    QVERIFY(HasMustFix({f}));
}

QTEST_GUILESS_MAIN(tst_check)
#include "tst_check.moc"
