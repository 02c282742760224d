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

// "g71=P.O. Box 5;p12.7=2;n24=1": answers of page 0 (g) or of page p, answer
// k (pP.K), and the copies of a repeatable page in use (nP).
void setAnswers(CalcClient &c, const QString &entries)
{
    for (const QString &item : entries.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = item.indexOf(QLatin1Char('='));
        const QString where = item.left(eq);
        const QString text = item.mid(eq + 1);
        if (where.startsWith(QLatin1Char('n'))) {
            c.store.PgCt[size_t(where.mid(1).toInt())] = text.toInt();
        } else if (where.startsWith(QLatin1Char('g'))) {
            c.g(where.mid(1).toInt(), text);
        } else {
            const QStringList pk = where.mid(1).split(QLatin1Char('.'));
            c.store.SetText(pk[0].toInt(), 0, pk[1].toInt(), text);
        }
    }
}

// "S Ann_Lee 11=500;M Bo 10=40": a row a clause: code, name, then
// column=value (underscores for blanks in the name and the values).
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
            c.directory.SetCell(row, cell.left(eq).toInt(),
                                cell.mid(eq + 1).replace(QLatin1Char('_'), QLatin1Char(' ')));
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

// Later papers filled in as a client would before the fault is planted.
void dissolving(CalcClient &c)
{
    c.g(G0::CharterNo, "4471209");
    c.store.SetText(33, 0, 2, "X");
    c.store.SetText(33, 0, 1, "6/1/2018");
    c.store.SetText(33, 0, 11, "6/2/2018");
    c.store.SetText(35, 0, 0, "Ann Lee"); // the directors and officers on the day
}

void winding(CalcClient &c)
{
    c.g(G0::CharterNo, "5012877").g(G0::FilingDate, "3/1/2017");
    c.g(G0::RepresentativeStreet, "88 High Street").g(G0::RepresentativeCity, "Columbus");
    c.g(G0::RepresentativeState, "OH").g(G0::RepresentativeZip, "43215");
    c.store.SetText(65, 0, 0, "X");
    c.store.SetText(65, 0, 4, "1/10/2018");
}

void amending(CalcClient &c)
{
    c.g(G0::CharterNo, "5012877");
    c.store.SetText(54, 0, 2, "X");
}

void reporting(CalcClient &c)
{
    c.g(G0::CharterNo, "4471209").g(G0::RepresentativeIsIndividual, "X");
    c.g(G0::RepresentativeName, "Maria Lopez").g(G0::RepresentativeTitle, "President");
    c.store.SetText(45, 0, 0, "X");
    c.store.SetText(45, 0, 1, "2018");
    c.store.SetText(46, 0, 15, "7/2/2018");
}

// Line `line` of the first ledger sheet, as the user writes it.
void ledgerLine(CalcClient &c, int line, const QStringList &cells)
{
    c.store.PgCt[24] = 1;
    for (int k = 0; k < 7; ++k)
        c.overridden(24, 7 * line + k, cells.value(k));
}

// A later filing signed by Ann Lee, the President, as the representative.
void signedByThePresident(CalcClient &c)
{
    c.g(G0::CharterNo, "2231457")
        .g(G0::RepresentativeIsIndividual, "X")
        .g(G0::RepresentativeName, "Ann Lee")
        .g(G0::RepresentativeTitle, "President");
}

// A certificate of amendment adopted by the shareholders at a meeting and
// certified by the President, as a lawyer files it.
void amendedByTheShareholders(CalcClient &c)
{
    signedByThePresident(c);
    for (const auto &[answer, text] :
         {std::pair{4, "X"}, {5, "X"}, {7, "5/4/2019"}, {9, "Ann Lee"}, {10, "President"}, {11, "5/6/2019"}})
        c.store.SetText(26, 0, answer, QString::fromLatin1(text));
    c.store.SetText(26, 0, 8, "Article FIRST is amended to read: The name of the corporation is Ridgeway Tools, Inc.");
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
    void chooseOneGroupsAreCheckBoxes();
    void requiredItems_data();
    void requiredItems();
    void conditionalItems_data();
    void conditionalItems();
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
    void lawfulEntries_data();
    void lawfulEntries();
    void calculationFailureIsAFinding();
    void findingFollowsTheFact_data();
    void findingFollowsTheFact();
    void formsInUseFollowTheKindOfBusiness();
    void findingLine();
    void findingSentence_data();
    void findingSentence();
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

void tst_check::chooseOneGroupsAreCheckBoxes()
{
    int groups = 0;
    for (int p = 0; p < PageCount; ++p)
        for (const RequiredItem &group : FactsOfPage(p).chooseOne) {
            ++groups;
            QVERIFY(group.anyOf.size() >= 2);
            for (const AnswerRef &a : group.anyOf) {
                const FieldFact *field = FactsOfPage(a.page).Field(a.answer);
                QVERIFY2(field && field->kind == FieldKind::Check,
                         qPrintable(QStringLiteral("page %1 groups answer %2 of page %3, no check box")
                                        .arg(p)
                                        .arg(a.answer)
                                        .arg(a.page)));
            }
        }
    QVERIFY(groups > 0);
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
    for (const int p : FindSelectionBox(box)->pages) {
        if (IsRepeatablePage(p))
            c.store.PgCt[size_t(p)] = 1; // a copy in use, which the check reads
        for (const RequiredItem &r : FactsOfPage(p).required)
            fill(true, r);
    }
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
    for (const AnswerRef &a : r.when) // the item is needed while what it depends on is given
        c.store.SetText(a.page, 0, a.answer, QStringLiteral("x"));
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

// An item that depends on another answer is needed only while that answer
// is given: the event of the LLC's dissolution when its box is ticked, the
// person who signs for a business representative when "a business" is.
void tst_check::conditionalItems_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("line");
    const QString dissolved = QStringLiteral("g8=1234;p65.4=3/1/2018;");
    QTest::newRow("562: decided by the members") << "cbxForm562" << dissolved + "p65.0=X" << QString();
    QTest::newRow("562: an event, named")
        << "cbxForm562" << dissolved + "p65.1=X;p65.2=the sale of the bakery" << QString();
    QTest::newRow("562: an event, unnamed")
        << "cbxForm562" << dissolved + "p65.1=X"
        << "cbxForm562 page 65 \"The event\": this is empty, and the form needs it when \"An event occurred that the "
           "operating agreement names as a\" is ticked";
    QTest::newRow("533A: an individual signs") << "cbxForm533A"
                                               << "p50.0=X;g0=A LLC;g56=X;p52.2=Ann Lee" << QString();
    QTest::newRow("533A: a business without its signer")
        << "cbxForm533A"
        << "p50.0=X;g0=A LLC;g55=X;p52.2=Harbor Supply Co."
        << "cbxForm533A page 52 \"Person who signs for a business representative\": this is empty, and the form "
           "needs it when \"a business\" is ticked";
}

void tst_check::conditionalItems()
{
    QFETCH(QString, box);
    QFETCH(QString, answers);
    QFETCH(QString, line);
    CalcClient c;
    setAnswers(c, answers);
    QStringList needed; // what is needed because of another answer
    for (const Finding &f : CheckForms(c.store, c.directory, {box}, Today))
        if (f.text.contains(QLatin1String("the form needs it when")))
            needed << FindingLine(f);
    QCOMPARE(needed, line.isEmpty() ? QStringList() : QStringList{line});
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
    // The share ledger: without a sheet, the original issue the minutes accepted.
    row("ledger: the original issue", "Ledger", "g15=1,500;g90=4/2/2018", "S Ann_Lee 11=500;SB Ace_LLC 11=700", 24, 0,
        "");
    row("ledger: issued beyond the authorized", "Ledger", "g15=1,000;g90=4/2/2018",
        "S Ann_Lee 11=500;SB Ace_LLC 11=700", 24, 1, "1,200 shares are then outstanding, more than the 1,000");
    // Shares represented and votes at the first shareholders' meeting.
    row("represented: all subscribed", "SharesRepresented", "p18.9=1,000;p18.10=1,000", "S Ann 11=600;S Bo 11=400", 18,
        0, "");
    row("represented: more than subscribed", "SharesRepresented", "p18.9=1,500;p18.10=1,500",
        "S Ann 11=600;S Bo 11=400", 18, 1, "1,500 shares are represented, more than the 1,000");
    row("represented: none", "SharesRepresented", "p18.9=0;p18.10=0", "S Ann 11=600", 19, 1, "no shares");
    row("represented: votes past shares", "SharesRepresented", "p18.9=600;p18.10=700", "S Ann 11=600", 18, 1,
        "700 votes, more than the 600");
    row("represented: no votes", "SharesRepresented", "p18.9=600;p18.10=0", "S Ann 11=600", 18, 1, "no votes");
    row("represented: not a number", "SharesRepresented", "p18.9=most;p18.10=600", "S Ann 11=600", 18, 1,
        "\"most\" does not read");
    // The notice of the first shareholders' meeting.
    row("notice: 14 days before", "NoticePeriod", "g37=3/6/2018;g33=3/20/2018", "", 9, 0, "");
    row("notice: 7 days before", "NoticePeriod", "g37=3/13/2018;g33=3/20/2018", "", 9, 0, "");
    row("notice: 60 days before", "NoticePeriod", "g37=1/19/2018;g33=3/20/2018", "", 9, 0, "");
    row("notice: 3 days before", "NoticePeriod", "g37=3/17/2018;g33=3/20/2018", "", 9, 1, "3 days before");
    row("notice: 61 days before", "NoticePeriod", "g37=1/18/2018;g33=3/20/2018", "", 9, 1, "61 days before");
    row("notice: mailed later than dated", "NoticePeriod", "g37=3/1/2018;g38=3/15/2018;g33=3/20/2018", "", 9, 1,
        "mailed 5 days before");
    // Names on the worksheet against the Directory Worksheet.
    row("names: officer as listed", "NamesOnDirectory", "g47=Ann Lee", "O Ann_Lee", 21, 0, "");
    row("names: blanks and case do not count", "NamesOnDirectory", "g47=ann  LEE", "O Ann_Lee", 21, 0, "");
    row("names: one letter off", "NamesOnDirectory", "g47=Ann Leigh", "O Ann_Lee;O Anne_Leigh", 21, 1,
        "\"Anne Leigh\" on the Directory Worksheet (row 2)");
    row("names: short first name", "NamesOnDirectory", "g50=Ben Ortiz", "O Benjamin_Ortiz", 21, 1, "two ways");
    row("names: another person", "NamesOnDirectory", "g50=Ben Ortiz", "O Ann_Lee", 21, 1, "on no row");
    row("names: listed without the role", "NamesOnDirectory", "g50=Ben Ortiz", "S Ben_Ortiz", 21, 1,
        "not as an officer (code O)");
    row("names: other page prints none", "NamesOnDirectory", "g50=Ben Ortis", "O Ben_Ortiz", 19, 0, "");
    row("names: inspector needs no role", "NamesOnDirectory", "g94=Ruth Adler", "S Ann_Lee", 19, 0, "");
    row("names: inspector misspelled", "NamesOnDirectory", "g94=Ruth Adlar", "S Ruth_Adler", 19, 1, "two ways");
    row("names: chairman not a director", "NamesOnDirectory", "g43=Ann Lee", "S Ann_Lee", 20, 1,
        "not as a director (code D)");
    // Stated capital against the order and waiver's total.
    row("capital: agrees", "StatedCapital", "g18=$15,000;p7.17=15,000.00", "", 7, 0, "");
    row("capital: differs", "StatedCapital", "g18=12000;p7.17=15,000.00", "", 7, 1, "$12,000.00, the order");
    row("capital: in words is left alone", "StatedCapital", "g18=none;p7.17=15,000.00", "", 7, 0, "");
    // Shares without par.
    row("no par: par given", "NoParPrice", "g17=10", "S A 11=5", 21, 0, "");
    row("no par: blank", "NoParPrice", "", "S A 11=5", 21, 1, "no par value and no price");
    row("no par: zero", "NoParPrice", "g17=0", "S A 11=5", 21, 1, "no par value and no price");
    row("no par: a price", "NoParPrice", "g27=2.50", "S A 11=5", 21, 0, "");
    row("no par: nobody subscribes", "NoParPrice", "", "", 21, 0, "");
    // Members' contributions and tax treatment.
    row("contributions: cash or noncash", "MemberContributions", "", "M A 7=X;M B 8=X;S C", 57, 0, "");
    row("contributions: neither", "MemberContributions", "", "M A 7=X;M B", 57, 1, "as cash");
    row("tax: partnership of two", "TaxTreatment", "p61.2=X", "M A;M B", 61, 0, "");
    row("tax: partnership of one", "TaxTreatment", "p61.2=X", "M A", 61, 1, "cannot be taxed as a partnership");
    row("tax: disregarded, one", "TaxTreatment", "p61.3=X", "M A", 61, 0, "");
    row("tax: disregarded, three", "TaxTreatment", "p61.3=X", "M A;M B;M C", 61, 1, "this one has 3");
    // People: individual or business, a business's signer, addresses, room.
    row("signers: person", "PersonOrBusiness", "", "CI A;MB B 6=Jo_Smith;D C", 88, 0, "");
    row("signers: both", "PersonOrBusiness", "", "CIB A 6=Jo", 88, 1, "both an individual");
    row("signers: neither", "PersonOrBusiness", "", "S A", 88, 1, "neither an individual");
    row("signers: business without a person", "PersonOrBusiness", "", "MB Harbor_Supply_Co.", 88, 1,
        "Harbor Supply Co. is a business and signs through a person");
    row("addresses: complete", "PeopleAddresses", "", "CI A 2=1_Elm 3=Dayton 4=OH 5=45402", 88, 0, "");
    row("addresses: no city, no ZIP", "PeopleAddresses", "", "CI A 2=1_Elm 4=OH", 88, 1, "no city, ZIP code");
    row("addresses: nameless row", "PeopleAddresses", "", "SI _", 88, 1, "no name");
    row("addresses: the page prints directors", "PeopleAddresses", "", "CI A;DI B 2=1_Elm 3=X 4=OH 5=45402", 20, 0, "");
    row("addresses: a director without one", "PeopleAddresses", "", "DI B", 20, 1, "B has no street address");
    row("addresses: a page that prints none", "PeopleAddresses", "", "DI B", 21, 0, "");
    row("room: three incorporators", "PeopleFit", "", "C A;C B;C C", 4, 0, "");
    row("room: four incorporators", "PeopleFit", "", "C A;C B;C C;D X;C D", 4, 1, "D is left off");
    row("room: six too many", "PeopleFit", "", "C A;C B;C C;C D;C E;C F", 4, 1, "D and 2 more are left off");
    // The lists of shareholders and members grow: nobody is left off them.
    row("room: a 24th shareholder on the waiver", "PeopleFit", "",
        "S A;S B;S C;S D;S E;S F;S G;S H;S I;S J;S K;S L;S M;S N;S O;S P;S Q;S R;S S;S T;S U;S V;S W;S X", 10, 0, "");
    row("room: eleven property members", "PeopleFit", "",
        "M A 8=X;M B 8=X;M C 8=X;M D 8=X;M E 8=X;M F 8=X;M G 8=X;M H 8=X;M I 8=X;M J 8=X;M K 8=X", 58, 0, "");
    // Dates: fiscal year, the agreement, amendments, certificates.
    row("fiscal: to the year's end", "FiscalYear", "g12=3/1/2018;g46=12/31/2018", "", 20, 0, "");
    row("fiscal: twelve months", "FiscalYear", "g12=3/1/2018;g46=2/28/2019", "", 20, 0, "");
    row("fiscal: twelve months and a day", "FiscalYear", "g12=3/1/2018;g46=3/1/2019", "", 20, 1,
        "longer than twelve months");
    row("fiscal: from the effective date", "FiscalYear", "g12=3/1/2018;g14=4/1/2018;g46=3/31/2019", "", 20, 0, "");
    row("fiscal: ends before it begins", "FiscalYear", "g12=3/1/2018;g46=12/31/2017", "", 20, 1,
        "before the corporation begins");
    row("agreement: after filing", "AgreementDate", "g12=2/1/2018;p57.0=2/1/2018", "", 57, 0, "");
    row("agreement: before filing", "AgreementDate", "g12=2/1/2018;p57.0=1/31/2018", "", 57, 1, "before the company");
    row("agreement: before the effective date", "AgreementDate", "g12=1/1/2018;g52=3/1/2018;p57.0=2/1/2018", "", 57, 1,
        "(March 1, 2018)");
    row("amendment: effective in 30 days", "AmendmentDates", "p54.1=3/22/2018", "", 54, 0, "");
    row("amendment: effective in the past", "AmendmentDates", "p54.1=1/5/2018", "", 54, 1,
        "is before today (February 20, 2018), the earliest day it can be filed");
    row("amendment: effective in 120 days", "AmendmentDates", "p54.1=6/20/2018", "", 54, 1, "120 days after today");
    row("amendment: the amendment's own date past", "AmendmentDates", "p54.2=X;p54.3=2/19/2018", "", 54, 1,
        "is before today");
    row("amendment: the amendment's own date today", "AmendmentDates", "p54.2=X;p54.3=2/20/2018", "", 54, 0, "");
    row("amendment: adopted before the articles", "AmendmentDates", "g12=3/1/2017;p26.7=2/1/2017", "", 26, 1,
        "before the articles it amends");
    row("amendment: adopted later", "AmendmentDates", "g12=3/1/2017;p26.7=2/1/2018", "", 26, 0, "");
    row("certificate: minutes certified on the day", "CertificateDates", "g90=4/2/2018;g51=4/2/2018", "", 22, 0, "");
    row("certificate: minutes certified before", "CertificateDates", "g90=4/2/2018;g51=4/1/2018", "", 22, 1,
        "before the directors met");
    row("certificate: resolution before adoption", "CertificateDates", "p38.7=5/2/2018;p38.3=May 1, 2018", "", 38, 1,
        "before the resolution was adopted");
    row("certificate: dissolution signed before", "CertificateDates", "p33.1=5/2/2018;p33.11=5/1/2018", "", 33, 1,
        "before the dissolution was authorized");
    row("officer: president certifies", "CertifyingOfficer", "p33.5=President", "", 33, 0, "");
    row("officer: counsel certifies", "CertifyingOfficer", "p33.5=Attorney at Law", "", 33, 1, "not its counsel");
    row("officer: a title naming no officer", "CertifyingOfficer", "p33.5=Owner", "", 33, 1, "names no officer");
    // The agent's city.
    row("agent city: Ohio", "AgentAddress", "g72=Columbus;g73=43215", "", 3, 0, "");
    // An address is in Ohio by its ZIP code and a state written after the
    // city, never by the city's name.
    row("agent city: Port Washington, Ohio ZIP", "AgentAddress", "g72=Port Washington;g73=43837", "", 3, 0, "");
    row("agent city: New Washington, Ohio ZIP", "AgentAddress", "g72=New Washington;g73=44854", "", 3, 0, "");
    row("agent city: a name decides nothing", "AgentAddress", "g72=Pittsburgh;g73=43215", "", 3, 0, "");
    row("agent city: Ohio written after it", "AgentAddress", "g72=Marietta, Ohio;g73=45750", "", 3, 0, "");
    row("agent city: another state, Ohio ZIP", "AgentAddress", "g72=Erie, PA;g73=43215", "", 3, 1,
        "names another state, but the ZIP code 43215 is in Ohio");
    row("agent city: another state and its ZIP", "AgentAddress", "g72=Erie, PA;g73=16501", "", 3, 2, "outside Ohio");
    row("agent city: another state, no ZIP", "AgentAddress", "g72=Wheeling, West Virginia", "", 3, 1, "outside Ohio");
    row("notice: after the meeting", "NoticePeriod", "g37=3/21/2018;g33=3/20/2018", "", 9, 1, "after the meeting");
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
    // A company's articles count from the filing date as a corporation's do.
    row("effective: LLC 19 days after filing", "OrganizationEffectiveDate", "g12=6/1/2017;g52=6/20/2017", "", 50, 0,
        "");
    row("effective: LLC before filing", "OrganizationEffectiveDate", "g12=6/1/2017;g52=5/20/2017", "", 50, 1,
        "before the filing date (June 1, 2017)");
    row("effective: past, no filing date", "OrganizationEffectiveDate", "g52=2/1/2018", "", 50, 1,
        "before today (February 20, 2018; no filing date is given)");
    // Shares subscribed against shares authorised.
    row("shares: under", "SharesSubscribed", "g15=1,500", "S A 11=500;S B 11=1,000", 8, 0, "");
    row("shares: over", "SharesSubscribed", "g15=1,500", "S A 11=1,000;S B 11=1,000", 8, 1,
        "2,000 shares, more than the 1,500");
    row("shares: only shareholders count", "SharesSubscribed", "g15=500", "S A 11=500;D B 11=900", 8, 0, "");
    row("shares: unreadable count", "SharesSubscribed", "g15=500", "S A 11=many", 8, 1, "\"many\"");
    // The price per share against the par value.
    row("prices: at par", "SharePrices", "g17=10;g27=$10.00", "", 21, 0, "");
    row("prices: above par", "SharePrices", "g17=1;g27=10", "", 21, 0, "");
    row("prices: below par", "SharePrices", "g17=12.50;g27=10", "", 21, 1,
        "pay $10.00 a share, less than the par value of $12.50");
    row("prices: no par value", "SharePrices", "g27=10", "", 21, 0, "");
    // Members' interests.
    row("interests: 100", "MemberInterests", "", "M A 10=60;M B 10=40%", 57, 0, "");
    row("interests: 90", "MemberInterests", "", "M A 10=50;M B 10=40", 57, 1, "add up to 90 %");
    row("interests: 100.5", "MemberInterests", "", "M A 10=60.5;M B 10=40", 57, 1, "100.50 %");
    row("interests: non-members ignored", "MemberInterests", "", "M A 10=100;S B 10=50", 57, 0, "");
    row("interests: unreadable left to the figures", "MemberInterests", "", "M A 10=half;M B 10=50", 57, 0, "");
    row("figures: plain", "InterestFigures", "", "M A 10=60;M B 10=40.5", 57, 0, "");
    row("figures: unreadable", "InterestFigures", "", "M A 10=half;M B 10=50", 57, 1, "\"half\"");
    row("figures: with a sign", "InterestFigures", "", "M A 10=60%;M B 10=40", 57, 0, "");
    row("figures: empty", "InterestFigures", "", "M A;M B 10=40", 57, 1, "is empty");
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

    // Classes of shares against the articles' class.
    row("classes: the articles' class", "ShareClasses", "g16=common", "S A 11=5 12=Common_shares", 8, 0, "");
    row("classes: none given", "ShareClasses", "g16=common", "S A 11=5", 8, 0, "");
    row("classes: preferred", "ShareClasses", "g16=common", "S A 11=5 12=preferred", 8, 1,
        "A subscribes for \"preferred\" shares; the articles authorize only \"common\"");
    row("classes: Class A common", "ShareClasses", "g16=common", "S A 11=5 12=Class_A_common", 8, 1,
        "use the articles' words");
    row("classes: a director's class", "ShareClasses", "g16=common", "D A 12=preferred", 8, 0, "");
    // A shareholder row without shares.
    row("shares: a shareholder with none", "SharesSubscribed", "g15=500", "S A 11=500;S B", 8, 1,
        "B is a shareholder (code S) with no shares");
    row("shares: a shareholder with 0", "SharesSubscribed", "g15=500", "S A 11=500;S B 11=0", 8, 1, "no shares");
    row("shares: a later holder in the ledger", "SharesSubscribed",
        "g15=500;n24=1;p24.0=5/1/2018;p24.1=2;p24.2=B;p24.3=A;p24.4=100;p24.5=1", "S A 11=500;S B", 8, 0, "");
    // One person twice in one role.
    row("twice: two people", "DuplicateRows", "", "S Ann 2=1_Elm;S Bo 2=1_Elm", 88, 0, "");
    row("twice: a shareholder twice", "DuplicateRows", "", "S Ann_Lee 2=1_Elm;S ann_lee 2=1_Elm", 88, 1,
        "on rows 1 and 2 as a shareholder (code S)");
    row("twice: one name, two roles", "DuplicateRows", "", "S Ann_Lee;D Ann_Lee", 88, 0, "");
    // Minutes and resolutions after the business exists, signed after the act.
    row("acts: minutes after formation", "ActsAfterFormation", "g12=3/1/2018;p23.9=4/1/2018", "", 23, 0, "");
    row("acts: minutes before formation", "ActsAfterFormation", "g12=3/1/2018;p23.9=2/1/2018", "", 23, 1,
        "before the corporation existed (March 1, 2018)");
    row("acts: a second copy before", "ActsAfterFormation", "n23=2;g12=3/1/2018;p23.9=4/1/2018", "", 23, 0, "");
    row("acts: members before the company", "ActsAfterFormation", "g12=3/1/2018;g52=3/15/2018;p68.4=3/10/2018", "", 68,
        1, "the members adopted the resolution on March 10, 2018, before the company existed (March 15, 2018)");
    row("acts: members after the company", "ActsAfterFormation", "g12=3/1/2018;p68.4=3/10/2018", "", 68, 0, "");
    row("certificate: minutes signed on the day", "CertificateDates", "p23.9=4/2/2018;p23.3=4/2/2018", "", 23, 0, "");
    row("certificate: minutes signed before", "CertificateDates", "p23.9=April 2, 2018;p23.3=4/1/2018", "", 23, 1,
        "the minutes are signed April 1, 2018, before the meeting they record");
    // The certificate of dissolution of a corporation (561).
    row("561: in order", "CorporationDissolution", "g9=6/1/2018;p28.5=3/1/2017;p33.1=5/1/2018", "", 28, 0, "");
    row("561: effective before the articles", "CorporationDissolution", "g9=2/1/2017;p28.5=3/1/2017", "", 28, 1,
        "before the articles were filed (March 1, 2017)");
    row("561: effective before authorized", "CorporationDissolution", "g9=5/1/2018;p28.5=3/1/2017;p33.1=5/10/2018", "",
        28, 1, "before it was authorized (May 10, 2018)");
    row("561: incorporators, nothing issued", "CorporationDissolution", "p33.4=X", "C A", 33, 0, "");
    row("561: incorporators, shares subscribed", "CorporationDissolution", "p33.4=X", "S A 11=500", 33, 1,
        "the shareholders subscribed for 500");
    row("561: incorporators, a ledger", "CorporationDissolution",
        "p33.4=X;n24=1;p24.0=5/1/2018;p24.1=1;p24.2=A;p24.3=Original issue;p24.4=100", "", 33, 1,
        "the share ledger issues a certificate");
    row("561: shareholders, shares issued", "CorporationDissolution", "p33.2=X", "S A 11=500", 33, 0, "");
    // The certificate of dissolution of a company (562).
    row("562: in order", "CompanyDissolution", "g12=3/1/2017;p65.4=1/10/2018;p65.6=3/1/2018", "", 65, 0, "");
    row("562: on filing", "CompanyDissolution", "g12=3/1/2017;p65.4=1/10/2018", "", 65, 0, "");
    row("562: dissolved before filing", "CompanyDissolution", "g12=3/1/2017;p65.4=1/10/2017", "", 65, 1,
        "before its articles were filed (March 1, 2017)");
    row("562: effective before the dissolution", "CompanyDissolution", "p65.4=1/10/2018;p65.6=1/5/2018", "", 65, 1,
        "before the company was dissolved");
    row("562: effective in the past", "CompanyDissolution", "p65.4=1/10/2018;p65.6=2/1/2018", "", 65, 1,
        "before today (February 20, 2018)");
    // A company's new name (543A).
    row("new name: with LLC", "AmendedName",
        "p54.2=X;p54.10=Article FIRST is amended to read: The name of the company is Maple Row Foods LLC.", "", 54, 0,
        "");
    row("new name: L.L.C., then more", "AmendedName",
        "p54.2=X;p54.10=The name of the company is Maple Row Foods, L.L.C. Article THIRD is deleted.", "", 54, 0, "");
    row("new name: no ending", "AmendedName",
        "p54.2=X;p54.10=Article FIRST is amended to read: The name of the company is Maple Row Foods.", "", 54, 1,
        "the new name \"Maple Row Foods\" does not end");
    row("new name: wording without a name", "AmendedName", "p54.2=X;p54.10=Article THIRD is deleted.", "", 54, 0, "");
    row("new name: amendment not ticked", "AmendedName", "p54.10=The name of the company is Maple Row Foods.", "", 54,
        0, "");
    row("new name: restated without an ending", "AmendedName", "p54.0=X;p54.6=Maple Row Foods", "", 54, 1,
        "\"Maple Row Foods\" does not end");
    // The biennial report (520).
    row("520: even year", "BiennialReport", "p45.1=2018", "", 45, 0, "");
    row("520: odd year", "BiennialReport", "p45.1=2019", "", 45, 1, "2019 is odd");
    row("520: not a year", "BiennialReport", "p45.1=18", "", 45, 1, "does not read as a year");
    row("520: shareholder as listed", "BiennialReport", "p45.8=Maria Lopez", "S Maria_Lopez", 45, 0, "");
    row("520: shareholder spelled otherwise", "BiennialReport", "p45.10=Maria Lopes", "S Maria_Lopez", 45, 1,
        "the report names \"Maria Lopes\", the Directory Worksheet \"Maria Lopez\" (row 1)");
    row("520: certified by the president", "BiennialReport", "g70=Maria Lopez;p46.13=Maria Lopez;p46.14=President", "",
        46, 0, "");
    row("520: certified as statutory agent", "BiennialReport", "p46.13=Harold Quince;p46.14=Statutory Agent", "", 46, 1,
        "not the statutory agent");
    row("520: certified by the agent", "BiennialReport", "g70=Harold Quince;p46.13=Harold Quince", "", 46, 1,
        "Harold Quince, the statutory agent, certifies");
    // The members' contributions.
    row("contributions: due when it takes effect", "ContributionTerms", "p57.0=3/1/2018;p57.7=3/1/2018", "", 57, 0, "");
    row("contributions: due before", "ContributionTerms", "p57.0=3/1/2018;p57.7=2/1/2018", "", 57, 1,
        "due February 1, 2018, before the agreement takes effect");
    row("property: described", "ContributionTerms", "p58.0=Ann;p58.33=A delivery van", "", 58, 0, "");
    row("property: not described", "ContributionTerms", "p58.0=Ann", "", 58, 1, "with nothing after it");
    // The representative as the members' rows spell the person.
    row("names: representative as a member", "NamesOnDirectory", "g57=Amara Lindgren-Oduya", "MI Amara_Lindgren-Oduya",
        52, 0, "");
    row("names: representative without the hyphen", "NamesOnDirectory", "g57=Amara Lindgren Oduya",
        "MI Amara_Lindgren-Oduya", 52, 1, "\"Amara Lindgren Oduya\" here and \"Amara Lindgren-Oduya\"");
    row("names: a representative who is no member", "NamesOnDirectory", "g57=Jo Smith", "MI Ann_Lee", 52, 0, "");
    // The share ledger's lines: two certificates of the original issue,
    // then what a row adds.
    const QString issue = QStringLiteral(
        "n24=1;g15=1,500;g27=10;g90=4/2/2018;p24.0=4/2/2018;p24.1=1;p24.2=Ann Lee;p24.3=Original issue;p24.4=500;"
        "p24.6=5000;p24.7=4/2/2018;p24.8=2;p24.9=Bo;p24.10=Original issue;p24.11=300;p24.13=3000;");
    const QString holders = QStringLiteral("S Ann_Lee 11=500;S Bo 11=300");
    const auto ledger = [&](const char *name, const char *lines, int count, const char *says) {
        QTest::newRow(name) << "Ledger" << issue + QLatin1String(lines) << holders << 24 << count << says;
    };
    // Line 3 (answers 14 to 20) and line 4 (21 to 27): date, certificate,
    // holder, from, shares, old certificate, amount.
    const char *transferAll = "p24.14=5/1/2018;p24.15=3;p24.16=Cy;p24.17=Ann Lee;p24.18=500;p24.19=1;";
    ledger("ledger: a transfer", transferAll, 0, "");
    ledger("ledger: lines out of date order",
           "p24.14=6/1/2018;p24.15=3;p24.16=Cy;p24.17=Ann Lee;p24.18=500;p24.19=1;"
           "p24.21=5/1/2018;p24.22=4;p24.23=Dee;p24.24=Bo;p24.25=300;p24.26=2",
           1, "sheet 1, line 4: the line is dated May 1, 2018, before the line above it (June 1, 2018)");
    ledger("ledger: a transfer before the issue",
           "p24.14=3/1/2018;p24.15=3;p24.16=Cy;p24.17=Ann Lee;p24.18=500;p24.19=1", 2, "before the line above it");
    ledger("ledger: a cancellation before the issue",
           "p24.14=3/1/2018;p24.16=Certificate cancelled;p24.17=Ann Lee;p24.18=500;p24.19=1", 2, "before the line");
    ledger("ledger: a certificate of 0 shares",
           "p24.14=5/1/2018;p24.15=3;p24.16=Cy;p24.17=Ann Lee;p24.18=0;p24.19=1;"
           "p24.21=5/1/2018;p24.22=4;p24.23=Ann Lee;p24.24=Ann Lee;p24.25=500;p24.26=1",
           1, "certificate 3 is for 0 shares");
    ledger("ledger: shares vanish in a transfer",
           "p24.14=5/1/2018;p24.15=3;p24.16=Cy;p24.17=Ann Lee;p24.18=200;p24.19=1", 1,
           "it held 500, so 300 shares leave the ledger");
    ledger("ledger: a surrender shared out whole",
           "p24.14=5/1/2018;p24.15=3;p24.16=Cy;p24.17=Ann Lee;p24.18=200;p24.19=1;"
           "p24.21=5/1/2018;p24.22=4;p24.23=Ann Lee;p24.24=Ann Lee;p24.25=300;p24.26=1",
           0, "");
    ledger("ledger: redeemed in part",
           "p24.14=5/1/2018;p24.16=Redeemed by the corporation;p24.17=Ann Lee;p24.18=500;p24.19=1;"
           "p24.21=5/1/2018;p24.22=3;p24.23=Ann Lee;p24.24=Ann Lee;p24.25=200;p24.26=1",
           0, "");
    ledger("ledger: a number never issued", "p24.14=5/1/2018;p24.15=3;p24.16=Cy;p24.17=Ann Lee;p24.18=500;p24.19=7", 1,
           "no certificate 7 was issued before");
    ledger("ledger: a number issued twice",
           "p24.14=5/1/2018;p24.15=2;p24.16=Cy;p24.17=New issue;p24.18=10;p24.20=100;"
           "n38=1;p38.1=board of directors;p38.7=5/1/2018",
           1, "certificate 2 is issued twice");
    ledger("ledger: not fully paid", "p24.6=4000", 1,
           "paid $4,000.00; at $10.00 a share they are paid in full at $5,000.00");
    ledger("ledger: a new issue the board resolved",
           "n38=1;p38.1=board of directors;p38.7=5/1/2018;"
           "p24.14=5/2/2018;p24.15=3;p24.16=Cy;p24.17=New issue;p24.18=100;p24.20=1000",
           0, "");
    ledger("ledger: a new issue after the board's minutes",
           "n23=1;p23.1=Special Meeting of the Board of Directors;p23.9=May 2, 2018;"
           "p24.14=5/2/2018;p24.15=3;p24.16=Cy;p24.17=New issue;p24.18=100;p24.20=1000",
           0, "");
    ledger("ledger: a new issue without the board",
           "n38=1;p38.1=shareholders;p38.7=5/1/2018;"
           "p24.14=5/2/2018;p24.15=3;p24.16=Cy;p24.17=New issue;p24.18=100;p24.20=1000",
           1, "no resolution or minutes of the board dated on or before May 2, 2018");
    ledger("ledger: a new issue before the resolution",
           "n38=1;p38.1=board of directors;p38.7=5/3/2018;"
           "p24.14=5/2/2018;p24.15=3;p24.16=Cy;p24.17=New issue;p24.18=100;p24.20=1000",
           1, "no resolution or minutes of the board");
    ledger(
        "ledger: a new issue with no amount",
        "n38=1;p38.1=board of directors;p38.7=5/1/2018;p24.14=5/2/2018;p24.15=3;p24.16=Cy;p24.17=New issue;p24.18=100",
        1, "records no amount paid");
    // The certificate of amendment: an officer certifies it, on or after the
    // day it was adopted, by whom the law lets adopt it.
    row("officer: 540 certified by counsel", "CertifyingOfficer", "p26.10=Attorney", "", 26, 1, "not its counsel");
    row("officer: 540 certified by the president", "CertifyingOfficer", "p26.10=President", "", 26, 0, "");
    row("officer: the 540's title is not the 561's", "CertifyingOfficer", "p26.10=Attorney", "", 33, 0, "");
    row("certificate: 540 before the adoption", "CertificateDates", "p26.7=3/2/2026;p26.11=3/1/2026", "", 26, 1,
        "before the amendment was adopted (March 2, 2026)");
    row("certificate: 540 on the day", "CertificateDates", "p26.7=3/2/2026;p26.11=3/2/2026", "", 26, 0, "");
    row("adoption: incorporators after shares issued", "AmendmentAdoption", "p26.0=X;p26.7=3/2/2026;g90=4/2/2018",
        "S Ann_Lee 11=500;S Ben_Ortiz 11=300", 26, 1, "shows 800 shares issued");
    row("adoption: incorporators, no shares", "AmendmentAdoption", "p26.0=X;p26.7=3/2/2026", "C Ann_Lee", 26, 0, "");
    row("adoption: directors change the number of shares", "AmendmentAdoption",
        "p26.1=X;p26.8=The number of authorized shares is increased to 5,000.", "", 26, 1, "R.C. 1701.70 and 1701.71");
    row("adoption: directors change the name", "AmendmentAdoption",
        "p26.1=X;p26.8=Article FIRST: The name of the corporation is Acme Tools, Inc.", "", 26, 0, "");
    row("adoption: shareholders change the number of shares", "AmendmentAdoption",
        "p26.4=X;p26.8=The number of authorized shares is increased to 5,000.", "", 26, 0, "");
    // The statutory agent update and the multiple agent update.
    row("521: a new agent, section A unticked", "AgentUpdate", "g70=Harold Quince;p77.1=Mill Creek Agents LLC;p77.10=X",
        "", 77, 1, "neither box of section A is ticked");
    row("521: a new agent, section A ticked", "AgentUpdate", "g70=Harold Quince;p77.1=Mill Creek Agents LLC;p77.0=X",
        "", 77, 0, "");
    row("521: the same agent", "AgentUpdate", "g70=Harold Quince;p77.1=HAROLD  QUINCE", "", 77, 0, "");
    row("526: the representative signs", "AgentSigns", "p80.6=Harold Quince;p81.0=Ann Lee", "", 81, 1,
        "Ann Lee signs as the statutory agent, but the agent named on page 1 is Harold Quince");
    row("526: the agent signs", "AgentSigns", "p80.6=Harold Quince;p81.0=Harold Quince", "", 81, 0, "");
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
    QTest::newRow("professional association") << Plant(CompleteAssociation) << "cbxForm532C";
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

// One row per rule and per mistake a lawyer marks, planted in the complete
// client of its kind: exactly the expected findings, as FindingLine gives
// them (a finding worth a look ends "(worth a look)").
void tst_check::plantedFault_data()
{
    QTest::addColumn<Plant>("client");
    QTest::addColumn<Plant>("fault");
    QTest::addColumn<QStringList>("boxes"); // none: the forms the client uses
    QTest::addColumn<QStringList>("expected");
    const Plant corporation = CompleteCorporation;
    const Plant association = CompleteAssociation;
    const Plant company = CompleteCompany;
    const auto add = [](const char *name, Plant client, Plant fault, QStringList expected) {
        QTest::newRow(name) << client << fault << QStringList() << expected;
    };
    // A later paper, checked when the user asks for it.
    const auto addIn = [](const char *name, Plant client, Plant fault, QStringList boxes, QStringList expected) {
        QTest::newRow(name) << client << fault << boxes << expected;
    };

    // ---- required items and choose-one groups of the form sources
    add("corporation: a certificate cancelled twice", corporation,
        [](CalcClient &c) {
            c.store.PgCt[24] = 1;
            const QStringList lines[] = {{"5/1/2018", "", "Certificate cancelled", "Ben Ortiz", "300", "2", ""},
                                         {"5/1/2018", "4", "Dev Patel", "Ben Ortiz", "300", "2", ""},
                                         {"6/1/2018", "", "Certificate cancelled", "Ben Ortiz", "300", "2", ""}};
            for (int l = 0; l < 3; ++l)
                for (int k = 0; k < 7; ++k)
                    c.overridden(24, 7 * (3 + l) + k, lines[l][k]);
        },
        {"cbxMisc_ShareLedger page 24 \"cert. 6\": sheet 1, line 6: certificate 2 is cancelled twice; it was "
         "cancelled on May 1, 2018"});
    add("corporation: agent missing", corporation, [](CalcClient &c) { c.g(G0::AgentName, QString()); },
        {"cbxForm532A page 3 \"Name of the agent\": this is empty, and the form needs it"});
    add("company: for profit and nonprofit", company, [](CalcClient &c) { c.store.SetText(50, 0, 1, "X"); },
        {"cbxForm533A page 50 \"A limited liability company formed for profit\": both choices are ticked; tick only "
         "one"});
    add("company: individual and business", company,
        [](CalcClient &c) { c.g(G0::RepresentativeIsBusiness, "X").g(G0::RepresentativeSigner, "Anna Baker"); },
        {"cbxForm533A page 52 \"an individual\": both choices are ticked; tick only one"});
    add("corporation: AM and PM", corporation, [](CalcClient &c) { c.g(G0::OrderedMeetingPm, "X"); },
        {"cbxGeneralInformationWorksheet page 0 \"AM (The first shareholders' meeting, as the "
         "incorporators order it)\": both choices are ticked; tick only one (also cbxPOC_OrderWaiver)"});
    add("company: no management choice", company, [](CalcClient &c) { c.store.SetText(59, 0, 2, QString()); },
        {"cbxLLC_OperatingAgreement page 59 \"by its members, who act together through the managing member\": none of "
         "the 2 choices is filled or "
         "ticked, and the form needs one"});
    add("company: two voting rules", company, [](CalcClient &c) { c.store.SetText(60, 0, 1, "X"); },
        {"cbxLLC_OperatingAgreement page 60 \"more than half of the percentage interests\": 2 of the 3 choices of "
         "this group are ticked; tick only one"});
    add("company: no tax choice", company, [](CalcClient &c) { c.store.SetText(61, 0, 2, QString()); },
        {"cbxLLC_OperatingAgreement page 61 \"The company has two or more members and is treated\": none of the 3 "
         "choices is filled or ticked, and the form needs one"});
    add("company: business representative without a signer", company,
        [](CalcClient &c) {
            c.g(G0::RepresentativeIsIndividual, QString()).g(G0::RepresentativeIsBusiness, "X");
            c.g(G0::RepresentativeName, "Harbor Supply Co.");
        },
        {"cbxForm533A page 52 \"Person who signs for a business representative\": this is empty, and the form "
         "needs it when \"a business\" is ticked"});

    // ---- consistency across answers
    add("corporation: agent at a box", corporation, [](CalcClient &c) { c.g(G0::AgentStreet, "P.O. Box 118"); },
        {"cbxForm532A page 3 \"Street address in Ohio\": the statutory agent's address is a post-office box"});
    add("company: agent in Pittsburgh, PA", company,
        [](CalcClient &c) { c.g(G0::AgentCity, "Pittsburgh, PA").g(G0::AgentZip, "15222"); },
        {"cbxForm533A page 51 \"City (The statutory agent)\": the agent's city \"Pittsburgh, PA\" is "
         "outside Ohio; the agent's address must be in Ohio",
         "cbxForm533A page 51 \"ZIP code (the agent's state is always Ohio)\": the agent's ZIP code "
         "15222 is not in Ohio (Ohio's begin with 430 to 459)"});
    add("corporation: shares oversubscribed", corporation, [](CalcClient &c) { c.g(G0::AuthorizedShares, "900"); },
        {"cbxPOC_OrderWaiver page 7 \"Number of shares the corporation may issue\": the shareholders subscribe for "
         "1,000 shares, more than the 900 authorized (also cbxPOC_ShareSubscription)"});
    add("corporation: price below par", corporation, [](CalcClient &c) { c.g(G0::ParValue, "12.50"); },
        {"cbxPOC_OrderWaiver page 7 \"Price per share paid by the subscribers\": the subscribers pay $10.00 a share, "
         "less than the par value of $12.50 (also cbxElectionOfOfficers)"});
    add("corporation: 1,500 shares represented", corporation, [](CalcClient &c) { c.store.SetText(18, 0, 9, "1,500"); },
        {"cbxFSM_Election page 18 \"The secretary pro tem reported that\": 1,500 shares are represented, more than the "
         "1,000 the shareholders subscribe for (also cbxFSM_Conclusion)"});
    add("association: more votes than shares", association, [](CalcClient &c) { c.store.SetText(18, 0, 10, "600"); },
        {"cbxFSM_Election page 18 \"were represented at the meeting and that each nominee received\": each nominee "
         "receives "
         "600 votes, more than the 500 shares represented (also cbxFSM_Conclusion)"});
    // The capital of all the authorized shares, not of the 500 subscribed.
    add("association: stated capital", association, [](CalcClient &c) { c.g(G0::StatedCapital, "$20,000"); },
        {"cbxPOC_OrderWaiver page 7 \"Initial stated capital, if any\": the articles state a capital of $20,000.00, "
         "the order and waiver $10,000.00 (the shares subscribed times the stated capital per share) (also "
         "cbxForm532C)"});
    add("corporation: no par value, no price", corporation,
        [](CalcClient &c) { c.g(G0::ParValue, QString()).g(G0::SharePrice, QString()); },
        {"cbxPOC_OrderWaiver page 7 \"Price per share paid by the subscribers\": this is empty, and the form needs "
         "it",
         "cbxElectionOfOfficers page 21 \"Price per share paid by the subscribers\": the shares have no par value "
         "and no price per share, so the election of officers states nothing paid for them"});
    add("corporation: secretary spelled otherwise", corporation, [](CalcClient &c) { c.g(G0::Secretary, "Karla Ng"); },
        {"cbxElectionOfOfficers page 21 \"Secretary (also signs minutes and resolutions)\": the secretary is "
         "\"Karla Ng\" here and \"Carla Ng\" on the Directory Worksheet (row 3); the papers would name one person "
         "two ways (also cbxConclusion_FDM)"});
    add("corporation: officer not on the worksheet", corporation,
        [](CalcClient &c) { c.g(G0::Treasurer, "Dana White"); },
        {"cbxElectionOfOfficers page 21 \"Treasurer\": the treasurer, Dana White, is on no row of the Directory "
         "Worksheet; add the row as an officer (code O) (worth a look)"});
    add("association: chairman pro tem spelled otherwise", association,
        [](CalcClient &c) { c.g(G0::ChairmanProTem, "Marie Lopez"); },
        {"cbxPOC_ElectionProTem page 11 \"Chairman pro tem (also on the election of the board)\": the chairman pro "
         "tem is \"Marie Lopez\" here and \"Maria Lopez\" on the Directory Worksheet (row 1); the papers would name "
         "one person two ways (also cbxFSM_Election)"});
    add("association: directors' chairman no director", association,
        [](CalcClient &c) { c.g(G0::DirectorsChairman, "Ruth Adler"); },
        {"cbxPage1_FDM page 20 \"Chairman of the meeting\": the chairman of the directors' meeting, Ruth Adler, is "
         "on no row of the Directory Worksheet; add the row as a director (code D) (worth a look)"});
    add("company: interest typed in words", company,
        [](CalcClient &c) { c.directory.SetCell(1, ColInterest, "40 percent"); },
        {"cbxLLC_OperatingAgreement page 57 \"Directory Worksheet row 2, Tom Reyes\": the member's interest \"40 "
         "percent\" does not read as a percentage"});
    add("company: interests at 90 %", company, [](CalcClient &c) { c.directory.SetCell(1, ColInterest, "30"); },
        {"cbxLLC_OperatingAgreement page 57 \"Directory Worksheet\": the members' interests add up to 90 %, not "
         "100 %"});
    add("company: neither cash nor noncash", company, [](CalcClient &c) { c.directory.SetCell(1, ColCash, QString()); },
        {"cbxLLC_OperatingAgreement page 57 \"Directory Worksheet row 2, Tom Reyes\": Tom Reyes is a member with "
         "neither Cash nor Noncash ticked; the agreement lists the member's contribution as cash (worth a look)"});
    add("company: disregarded with two members", company,
        [](CalcClient &c) {
            c.store.SetText(61, 0, 2, QString());
            c.store.SetText(61, 0, 3, "X");
        },
        {"cbxLLC_OperatingAgreement page 61 \"The company has one member and is disregarded as an\": only a company "
         "with one member is disregarded; this "
         "one has 2"});

    // ---- dates
    add("corporation: notice mailed 3 days before", corporation,
        [](CalcClient &c) { c.g(G0::NoticeMailingDate, "3/17/2018"); },
        {"cbxPOC_NoticeWaiver page 9 \"Date the notice is mailed to the shareholders\": the notice is mailed 3 days "
         "before the meeting; it must be given 7 to 60 days before"});
    add("corporation: effective date 200 days away", corporation,
        [](CalcClient &c) { c.g(G0::EffectiveDate, "9/17/2018"); },
        {"cbxForm532A page 2 \"Effective date of the articles, if later than filing\": the effective "
         "date September 17, 2018 is 200 days after the filing date (March 1, 2018); the State allows at "
         "most 90"});
    add("corporation: fiscal year of 13 months", corporation,
        [](CalcClient &c) { c.g(G0::FiscalYearEnd, "3/31/2019"); },
        {"cbxPage1_FDM page 20 \"Last day of the first fiscal year\": the first fiscal year runs from March 1, 2018 "
         "to March 31, 2019, longer than twelve months (also cbxConclusion_FDM)"});
    add("association: minutes certified before the meeting", association,
        [](CalcClient &c) { c.g(G0::MinutesCertifiedDate, "6/20/2019"); },
        {"cbxConclusion_FDM page 22 \"Date the secretary certifies the minutes\": the certificate is dated June 20, "
         "2019, before the directors met (June 24, 2019)"});
    add("company: agreement before the company", company,
        [](CalcClient &c) {
            c.g(G0::FilingDate, "2/15/2018");
            c.store.SetText(57, 0, 0, "2/1/2018");
        },
        {"cbxLLC_OperatingAgreement page 57 \"This operating agreement takes effect on\": the agreement "
         "takes effect February 1, 2018, before the company exists (February 15, 2018) (worth a look)"});

    // ---- names of the business
    add("corporation: name without an ending", corporation,
        [](CalcClient &c) { c.g(G0::EntityName, "Ridgeway Tool Holdings"); },
        {"cbxForm532A page 2 \"Name, exactly as in the articles (heads every form)\": the name does not end as the "
         "State requires (Company, Co., Corporation, Corp., Incorporated or Inc.)"});

    // ---- people
    add("corporation: a person signing twice", corporation, [](CalcClient &c) { c.overridden(4, 5, "Ann Lee"); },
        {"cbxForm532A page 4 \"Printed name of the person signing 2\": Ann Lee fills two signer slots on this page"});
    add("corporation: incorporator without an address", corporation,
        [](CalcClient &c) {
            c.row({"CI", "Dora Fenn", "", "Dayton", "OH", "45402"});
        },
        {"cbxGeneralInformationWorksheet page 88 \"Directory Worksheet row 4, Dora Fenn\": Dora Fenn has no street "
         "address, and the papers print the address"});
    add("corporation: four incorporators", corporation,
        [](CalcClient &c) {
            c.directory.SetCell(2, ColCode, "DOSCI");
            c.row({"CI", "Dora Fenn", "3 Wayne Avenue", "Dayton", "OH", "45402"});
        },
        // The order and waiver lists every incorporator; the articles' three
        // signature lines do not grow.
        {"cbxForm532A page 4 \"Directory Worksheet row 4, Dora Fenn\": the articles have signature lines for 3 "
         "incorporators; Dora Fenn is left off"});
    add("corporation: neither individual nor business", corporation,
        [](CalcClient &c) { c.directory.SetCell(1, ColCode, "DOSC"); },
        {"cbxGeneralInformationWorksheet page 88 \"Directory Worksheet row 2, Ben Ortiz\": Ben Ortiz is marked "
         "neither an individual (I) nor a business (B), so no name goes on its signature line (also "
         "cbxPOC_OrderWaiver, cbxPOC_NoticeWaiver, cbxForm532A)"});
    add("company: business member without a signer", company,
        [](CalcClient &c) {
            c.directory.SetCell(1, ColCode, "MB");
            c.directory.SetCell(1, ColName, "Harbor Supply Co.");
        },
        {"cbxGeneralInformationWorksheet page 88 \"Directory Worksheet row 2, Harbor Supply Co.\": Harbor Supply "
         "Co. is a business and signs through a person; give the person who signs for it (By) (also "
         "cbxLLC_OperatingAgreement)"});
    // No fault: the table of property grows with the members.
    add("company: eleven members contribute property, none left off", company,
        [](CalcClient &c) {
            for (int r = 0; r < 2; ++r)
                c.directory.SetCell(r, ColNoncash, "X");
            for (int k = 0; k < 9; ++k)
                c.row({"MI", qPrintable(QStringLiteral("Partner %1").arg(QChar('A' + k))), "5 Elm Court", "Columbus",
                       "OH", "43215", "", "", "X", "100", "0"});
        },
        {"cbxLLC_OperatingAgreement page 58 \"The property or services contributed are\": members "
         "contribute property, and the agreement prints \"The property or services contributed are:\" "
         "with nothing after it"});

    // ---- what a lawyer checks: classes, dates of later papers, names, the ledger
    add("corporation: preferred shares subscribed", corporation,
        [](CalcClient &c) { c.directory.SetCell(2, ColClassOfShares, "preferred"); },
        {"cbxPOC_ShareSubscription page 8 \"Directory Worksheet row 3, Carla Ng\": Carla Ng subscribes "
         "for \"preferred\" shares; the articles authorize only \"common\""});
    add("corporation: Class A common", corporation,
        [](CalcClient &c) { c.directory.SetCell(0, ColClassOfShares, "Class A common"); },
        {"cbxPOC_ShareSubscription page 8 \"Directory Worksheet row 1, Ann Lee\": Ann Lee subscribes for "
         "\"Class A common\" shares; the articles name the class \"common\"; use the articles' words "
         "(worth a look)"});
    add("corporation: a shareholder entered twice", corporation,
        [](CalcClient &c) {
            c.row({"SI", "Ben Ortiz", "22 Oak Avenue", "Dayton", "OH", "45402", "", "", "", "", "", "300", "common"});
        },
        {"cbxGeneralInformationWorksheet page 88 \"Directory Worksheet row 4, Ben Ortiz\": Ben Ortiz is "
         "on rows 2 and 4 as a shareholder (code S); the papers would list the person twice (also "
         "cbxPOC_ShareSubscription)"});
    add("corporation: a shareholder without shares", corporation,
        [](CalcClient &c) { c.directory.SetCell(2, ColNoOfShares, QString()); },
        {"cbxPOC_OrderWaiver page 7 \"Directory Worksheet row 3, Carla Ng\": Carla Ng is a shareholder "
         "(code S) with no shares; the subscription lists the row without a number (also "
         "cbxPOC_ShareSubscription)",
         "cbxFSM_Election page 18 \"The secretary pro tem reported that\": 1,000 shares are represented, more "
         "than the 800 the shareholders subscribe for (also cbxFSM_Conclusion)"});
    add("corporation: notice meeting at AM and PM", corporation,
        [](CalcClient &c) { c.g(G0::NoticeMeetingAm, "X").g(G0::NoticeMeetingPm, "X"); },
        {"cbxGeneralInformationWorksheet page 0 \"AM (The first shareholders' meeting, as the notice "
         "gives it)\": both choices are ticked; tick only one (also cbxPOC_NoticeWaiver)"});
    add("corporation: no bank named", corporation, [](CalcClient &c) { c.g(G0::Bank, QString()); },
        {"cbxElectionOfOfficers page 21 \"Bank that will hold the corporation's account\": this is "
         "empty, and the form needs it"});
    addIn("corporation: minutes signed before the meeting", corporation,
          [](CalcClient &c) {
              c.store.PgCt[23] = 1;
              c.store.SetText(23, 0, 1, "Special Meeting of the Board of Directors");
              c.store.SetText(23, 0, 9, "5/10/2018");
              c.overridden(23, 3, "5/9/2018");
          },
          {"cbxMisc_Minutes"},
          {"cbxMisc_Minutes page 23 \"Ohio, on\": the minutes are signed May 9, 2018, before the meeting "
           "they record (May 10, 2018)"});
    addIn("company: members' resolution before the company", company,
          [](CalcClient &c) {
              c.g(G0::FilingDate, "3/1/2018");
              c.store.PgCt[68] = 1;
              c.store.SetText(68, 0, 4, "2/26/2018");
              c.store.SetText(68, 0, 7, "X");
              c.store.SetText(68, 0, 1, "RESOLVED, that the company open an account with Third Street Bank.");
          },
          {"cbxLLC_GenericMembersResolution"},
          {"cbxLLC_GenericMembersResolution page 68 \"adopted the resolution below on\": the members "
           "adopted the resolution on February 26, 2018, before the company existed (March 1, 2018)"});
    addIn("corporation: dissolution effective before the articles", corporation,
          [](CalcClient &c) {
              dissolving(c);
              c.g(G0::DissolutionDate, "2/1/2018");
          },
          {"cbxForm561_FP"},
          {"cbxForm561_FP page 28 \"Date the dissolution takes effect\": the dissolution takes effect "
           "February 1, 2018, before the articles were filed (March 1, 2018)"});
    addIn("corporation: dissolution effective before it was authorized", corporation,
          [](CalcClient &c) {
              dissolving(c);
              c.g(G0::DissolutionDate, "5/15/2018");
          },
          {"cbxForm561_FP"},
          {"cbxForm561_FP page 28 \"Date the dissolution takes effect\": the dissolution takes effect May "
           "15, 2018, before it was authorized (June 1, 2018)"});
    addIn("corporation: incorporators dissolve after an issue", corporation,
          [](CalcClient &c) {
              dissolving(c);
              c.store.SetText(33, 0, 2, QString());
              c.store.SetText(33, 0, 4, "X");
          },
          {"cbxForm561_FP"},
          {"cbxForm561_FP page 33 \"the incorporators, no shares having been issued\": the incorporators "
           "dissolve only a corporation that issued no shares; the shareholders subscribed for 1,000"});
    addIn("company: dissolved before its articles", company,
          [](CalcClient &c) {
              winding(c);
              c.store.SetText(65, 0, 4, "1/10/2017");
          },
          {"cbxForm562"},
          {"cbxForm562 page 65 \"Date on which the company was dissolved\": the company is dissolved "
           "January 10, 2017, before its articles were filed (March 1, 2017)"});
    addIn("company: dissolution effective before the dissolution", company,
          [](CalcClient &c) {
              winding(c);
              c.store.SetText(65, 0, 6, "1/5/2018");
          },
          {"cbxForm562"},
          {"cbxForm562 page 65 \"This certificate takes effect on (optional)\": the certificate takes "
           "effect January 5, 2018, before the company was dissolved (January 10, 2018)"});
    addIn("company: amendment effective in the past", company,
          [](CalcClient &c) {
              amending(c);
              c.store.SetText(54, 0, 10, "Article THIRD is deleted.");
              c.store.SetText(54, 0, 3, "1/15/2018");
          },
          {"cbxForm543A"},
          {"cbxForm543A page 54 \"The amendment takes effect on (optional)\": the effective date January "
           "15, 2018 is before today (February 20, 2018), the earliest day it can be filed; an amendment "
           "takes effect on filing or later"});
    addIn("company: new name without an ending", company,
          [](CalcClient &c) {
              amending(c);
              c.store.SetText(54, 0, 10,
                              "Article FIRST is amended to read: The name of the company is Maple Row "
                              "Foods.");
          },
          {"cbxForm543A"},
          {"cbxForm543A page 54 \"The new wording\": the new name \"Maple Row Foods\" does not end as the "
           "State requires (Limited Liability Company, LLC, L.L.C., Limited or Ltd.)"});
    addIn("association: biennial report for an odd year", association,
          [](CalcClient &c) {
              reporting(c);
              c.store.SetText(45, 0, 1, "2019");
          },
          {"cbxForm520"},
          {"cbxForm520 page 45 \"Reporting year\": the report is filed for even-numbered years; 2019 is odd"});
    addIn("association: biennial report spells a shareholder otherwise", association,
          [](CalcClient &c) {
              reporting(c);
              c.overridden(45, 10, "David Kimm");
          },
          {"cbxForm520"},
          {"cbxForm520 page 45 \"Shareholder 2\": the report names \"David Kimm\", the Directory Worksheet "
           "\"David Kim\" (row 2); the State's records would hold one shareholder two ways"});
    addIn("association: biennial report certified by the agent", association,
          [](CalcClient &c) {
              reporting(c);
              c.g(G0::AgentName, "Harold Quince");
              c.overridden(46, 13, "Harold Quince");
              c.overridden(46, 14, "Statutory Agent");
          },
          {"cbxForm520"},
          {"cbxForm520 page 46 \"Title\": the report is certified as \"Statutory Agent\"; an officer or "
           "the authorized representative certifies it, not the statutory agent or counsel"});
    add("company: contributions due before the agreement", company,
        [](CalcClient &c) {
            c.store.SetText(57, 0, 0, "3/1/2018");
            c.store.SetText(57, 0, 7, "2/15/2018");
        },
        {"cbxLLC_OperatingAgreement page 57 \"the cash set against the member's name, on or before\": "
         "the contributions are due February 15, 2018, before the agreement takes effect (March 1, 2018)"});
    add("company: property contributed, not described", company,
        [](CalcClient &c) {
            c.directory.SetCell(1, ColCash, QString());
            c.directory.SetCell(1, ColNoncash, "X");
        },
        {"cbxLLC_OperatingAgreement page 58 \"The property or services contributed are\": members "
         "contribute property, and the agreement prints \"The property or services contributed are:\" "
         "with nothing after it"});
    add("company: representative spelled without the hyphen", company,
        [](CalcClient &c) {
            c.directory.SetCell(0, ColName, "Amara Lindgren-Oduya");
            c.g(G0::AgentName, "Amara Lindgren-Oduya").g(G0::RepresentativeName, "Amara Lindgren Oduya");
        },
        {"cbxForm533A page 52 \"Name of the person or business\": the authorized representative is "
         "\"Amara Lindgren Oduya\" here and \"Amara Lindgren-Oduya\" on the Directory Worksheet (row 1); "
         "the papers would name one person two ways"});
    add("corporation: a transfer before the certificate's issue", corporation,
        [](CalcClient &c) {
            ledgerLine(c, 3, {"3/1/2018", "4", "Dev Patel", "Ben Ortiz", "300", "2", ""});
        },
        {"cbxMisc_ShareLedger page 24 \"Date 4\": sheet 1, line 4: the line is dated March 1, 2018, "
         "before the line above it (April 2, 2018); the journal keeps its lines in the order of their "
         "dates",
         "cbxMisc_ShareLedger page 24 \"Date 4\": sheet 1, line 4: certificate 2 is surrendered March 1, "
         "2018, before it was issued (April 2, 2018)"});
    add("corporation: a certificate of 0 shares", corporation,
        [](CalcClient &c) {
            ledgerLine(c, 3, {"5/1/2018", "4", "Dev Patel", "Ben Ortiz", "0", "2", ""});
            ledgerLine(c, 4, {"5/1/2018", "5", "Ben Ortiz", "Ben Ortiz", "300", "2", ""});
        },
        {"cbxMisc_ShareLedger page 24 \"Shares 4\": sheet 1, line 4: certificate 4 is for 0 shares"});
    add("corporation: a surrender that loses shares", corporation,
        [](CalcClient &c) {
            ledgerLine(c, 3, {"5/1/2018", "4", "Dev Patel", "Ben Ortiz", "200", "2", ""});
        },
        {"cbxMisc_ShareLedger page 24 \"Shares 4\": sheet 1, line 4: the certificates issued in place of "
         "certificate 2 hold 200 shares; it held 300, so 100 shares leave the ledger unaccounted for"});
    add("corporation: shares not fully paid", corporation,
        [](CalcClient &c) {
            ledgerLine(c, 0, {"4/2/2018", "1", "Ann Lee", "Original issue", "500", "", "4,000.00"});
        },
        {"cbxMisc_ShareLedger page 24 \"paid 1\": sheet 1, line 1: certificate 1 is issued for 500 "
         "shares paid $4,000.00; at $10.00 a share they are paid in full at $5,000.00, and a certificate "
         "is issued only for shares paid in full"});
    add("corporation: a new issue without the board", corporation,
        [](CalcClient &c) {
            ledgerLine(c, 3, {"5/1/2018", "4", "Dev Patel", "New issue", "100", "", "1,000.00"});
        },
        {"cbxMisc_ShareLedger page 24 \"Transferred from 4\": sheet 1, line 4: no resolution or minutes "
         "of the board dated on or before May 1, 2018 authorize the new issue of certificate 4 (worth a "
         "look)"});

    // ---- the later papers, each begun by an entry of the user's own
    add("corporation: 540 as a lawyer files it", corporation, amendedByTheShareholders, {});
    add("corporation: 540 certified by counsel", corporation,
        [](CalcClient &c) {
            amendedByTheShareholders(c);
            c.store.SetText(26, 0, 10, "Attorney");
        },
        {"cbxForm540_FP page 26 \"Title\": the certificate is signed as \"Attorney\"; an officer of the "
         "corporation signs it, not its counsel or agent"});
    add("corporation: 540 certified before the adoption", corporation,
        [](CalcClient &c) {
            amendedByTheShareholders(c);
            c.store.SetText(26, 0, 11, "5/1/2019");
        },
        {"cbxForm540_FP page 26 \"Date\": the certificate is dated May 1, 2019, before the amendment was adopted "
         "(May 4, 2019)"});
    add("corporation: amendment by the incorporators after shares issued", corporation,
        [](CalcClient &c) {
            amendedByTheShareholders(c);
            c.store.SetText(26, 0, 4, QString());
            c.store.SetText(26, 0, 0, "X");
        },
        {"cbxForm540_FP page 26 \"the incorporators, before any shares were subscribed and before the\": the "
         "amendment is adopted by the incorporators, but the share ledger shows 1,000 "
         "shares issued; once shares are issued the directors or the shareholders adopt it"});
    add("association: directors amend the number of shares", association,
        [](CalcClient &c) {
            amendedByTheShareholders(c);
            c.store.SetText(26, 0, 4, QString());
            c.store.SetText(26, 0, 1, "X");
            c.store.SetText(26, 0, 9, "Maria Lopez");
            c.store.SetText(26, 0, 7, "3/2/2026");
            c.store.SetText(26, 0, 11, "3/3/2026");
            c.store.SetText(26, 0, 8, "Article FOURTH is amended: the number of authorized shares is 5,000.");
        },
        {"cbxForm540_PA page 26 \"the directors, as the law allows them without a vote\": the directors adopt an "
         "amendment of the number of shares; such an amendment is normally adopted by the "
         "shareholders (R.C. 1701.70 and 1701.71) (worth a look)"});
    add("corporation: 521 naming a new agent at a box", corporation,
        [](CalcClient &c) {
            signedByThePresident(c);
            c.g(G0::AgentStreet, "P.O. Box 118");
            c.store.SetText(77, 0, 0, "X");
            c.store.SetText(77, 0, 1, "Mill Creek Agents LLC");
        },
        {"cbxForm521 page 77 \"Street address in Ohio\": the statutory agent's address is a post-office box (also "
         "cbxForm532A)"});
    add("corporation: 521 with the agent changed and nothing ticked", corporation,
        [](CalcClient &c) {
            signedByThePresident(c);
            c.store.SetText(77, 0, 1, "Mill Creek Agents LLC");
        },
        {"cbxForm521 page 77 \"Appoints a new statutory agent in place of the present\": none of the 6 choices is "
         "filled or ticked, and the form needs one",
         "cbxForm521 page 77 \"Appoints a new statutory agent in place of the present\": the statutory agent is Harold "
         "Quince on the General Information Worksheet and Mill Creek Agents LLC on record, "
         "but neither box of section A is ticked, so the update does not name the new agent"});
    add("corporation: 526 signed by the representative", corporation,
        [](CalcClient &c) {
            c.store.SetText(80, 0, 0, "X");
            c.overridden(81, 0, "Ann Lee");
        },
        {"cbxForm526 page 81 \"Printed name (Signed by the statutory agent)\": Ann Lee signs as the statutory agent, "
         "but the agent named on page 1 "
         "is Harold Quince; the agent signs this form"});
    add("corporation: bond with no amount", corporation,
        [](CalcClient &c) {
            c.store.PgCt[25] = 1;
            c.store.SetText(25, 0, 0, "Ben Ortiz");
            c.store.SetText(25, 0, 1, "Buckeye Fidelity and Surety Company");
        },
        {"cbxMisc_Bond page 25 \"dollars ($\": this is empty, and the form needs it"});
    add("company: members' resolution with no manner ticked", company,
        [](CalcClient &c) {
            c.store.PgCt[68] = 1;
            c.store.SetText(68, 0, 1, "RESOLVED, that the company open an account with Third Street Bank.");
            c.store.SetText(68, 0, 4, "4/20/2018");
        },
        {"cbxLLC_GenericMembersResolution page 68 \"They adopted it at a meeting of the members at\": none of the 2 "
         "choices is filled or ticked, "
         "and the form needs one"});
}

void tst_check::plantedFault()
{
    QFETCH(Plant, client);
    QFETCH(Plant, fault);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, expected);
    CalcClient c;
    client(c);
    fault(c);
    // As the register, the panel and brevane-cli check it: calculated first.
    const QList<Finding> found =
        CalculateAndCheck(c.store, c.directory, boxes.isEmpty() ? BoxesInUse(c.store, c.directory) : boxes, Today);
    QVERIFY2(lines(found) == expected, qPrintable(lines(found).join(QLatin1Char('\n'))));
}

// Lawful entries a lawyer may make that look unusual: none is a must-fix.
void tst_check::lawfulEntries_data()
{
    QTest::addColumn<Plant>("client");
    QTest::addColumn<Plant>("entry");
    QTest::newRow("agent in Port Washington")
        << Plant(CompleteCompany)
        << Plant([](CalcClient &c) { c.g(G0::AgentCity, "Port Washington").g(G0::AgentZip, "43837"); });
    QTest::newRow("agent in New Washington")
        << Plant(CompleteCorporation)
        << Plant([](CalcClient &c) { c.g(G0::AgentCity, "New Washington").g(G0::AgentZip, "44854"); });
    QTest::newRow("LLC taking effect 19 days after filing") << Plant(CompleteCompany) << Plant([](CalcClient &c) {
        c.g(G0::FilingDate, "6/1/2017").g(G0::LlcEffectiveDate, "6/20/2017");
        c.store.SetText(57, 0, 0, "6/20/2017");
    });
    QTest::newRow("articles taking effect 19 days after filing")
        << Plant(CompleteCorporation) << Plant([](CalcClient &c) { c.g(G0::EffectiveDate, "3/20/2018"); });
    QTest::newRow("an agent that is a business")
        << Plant(CompleteCorporation)
        << Plant([](CalcClient &c) { c.g(G0::AgentName, "Buckeye Registered Agents, Inc."); });
    QTest::newRow("an LLC's agent that is a business")
        << Plant(CompleteCompany)
        << Plant([](CalcClient &c) { c.g(G0::AgentName, "Buckeye Registered Agents, Inc."); });
    QTest::newRow("notice exactly 7 days before")
        << Plant(CompleteCorporation)
        << Plant([](CalcClient &c) { c.g(G0::NoticeDate, "3/13/2018").g(G0::NoticeMailingDate, "3/13/2018"); });
    QTest::newRow("two shareholders, two directors") << Plant(CompleteAssociation) << Plant([](CalcClient &) {});
    QTest::newRow("two shareholders, two directors stated")
        << Plant(CompleteAssociation) << Plant([](CalcClient &c) { c.overridden(12, 7, "2"); });
    QTest::newRow("one member at \"100%\"") << Plant(CompleteCompany) << Plant([](CalcClient &c) {
        c.directory.RemoveRow(1);
        c.directory.SetCell(0, ColInterest, "100%");
        c.store.SetText(61, 0, 2, QString());
        c.store.SetText(61, 0, 3, "X");
    });
    QTest::newRow("class written \"Common shares\"")
        << Plant(CompleteCorporation)
        << Plant([](CalcClient &c) { c.directory.SetCell(1, ColClassOfShares, "Common shares"); });
    QTest::newRow("representative spelled as the member") << Plant(CompleteCompany) << Plant([](CalcClient &c) {
        c.directory.SetCell(0, ColName, "Amara Lindgren-Oduya");
        c.g(G0::AgentName, "Amara Lindgren-Oduya").g(G0::RepresentativeName, "Amara Lindgren-Oduya");
    });
}

void tst_check::lawfulEntries()
{
    QFETCH(Plant, client);
    QFETCH(Plant, entry);
    CalcClient c;
    client(c);
    entry(c);
    QList<Finding> mustFix;
    for (const Finding &f : CalculateAndCheck(c.store, c.directory, BoxesInUse(c.store, c.directory), Today))
        if (f.severity == Severity::MustFix && !f.text.contains(QLatin1String("the form needs")))
            mustFix << f;
    QVERIFY2(mustFix.isEmpty(), qPrintable(lines(mustFix).join(QLatin1Char('\n'))));
}

// A page procedure that cannot complete (a 24th shareholder for the
// waiver's 23 rows) is a finding of its own, and every other finding is
// still reported: the cause among them.
void tst_check::calculationFailureIsAFinding()
{
    // More shareholders than the waiver keeps on its page: the table grows,
    // the calculation completes, and nobody is reported left off.
    CalcClient c;
    CrowdedCorporation(c);
    const QStringList boxes = {"cbxPOC_WaiverOfNotice", "cbxForm532A"};
    const QStringList all = lines(CalculateAndCheck(c.store, c.directory, boxes, Today));
    QVERIFY2(all.filter(QStringLiteral("could not")).isEmpty(), qPrintable(all.join(QLatin1Char('\n'))));
    QVERIFY2(all.filter(QStringLiteral("left off")).isEmpty(), qPrintable(all.join(QLatin1Char('\n'))));
    QVERIFY(c.store.PageFailures.isEmpty());
    // A page procedure that stops is a finding on its paper (tst_papers).
}

// A fact printed by several papers is reported by whichever of them is
// checked, and once when several are, naming the others.
void tst_check::findingFollowsTheFact_data()
{
    QTest::addColumn<Plant>("fault");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("line");
    const Plant oversubscribed = [](CalcClient &c) { c.g(G0::AuthorizedShares, "900"); };
    const QString says = QStringLiteral("\"Number of shares the corporation may issue\": the shareholders subscribe "
                                        "for 1,000 shares, more than the 900 authorized");
    QTest::newRow("subscribed: order and waiver")
        << oversubscribed << QStringList{"cbxPOC_OrderWaiver"} << QStringLiteral("cbxPOC_OrderWaiver page 7 ") + says;
    QTest::newRow("subscribed: share subscription") << oversubscribed << QStringList{"cbxPOC_ShareSubscription"}
                                                    << QStringLiteral("cbxPOC_ShareSubscription page 8 ") + says;
    QTest::newRow("subscribed: both") << oversubscribed << QStringList{"cbxPOC_OrderWaiver", "cbxPOC_ShareSubscription"}
                                      << QStringLiteral("cbxPOC_OrderWaiver page 7 ") + says +
                                             QStringLiteral(" (also cbxPOC_ShareSubscription)");

    const Plant represented = [](CalcClient &c) { c.store.SetText(18, 0, 9, "1,500"); };
    const QString shares =
        QStringLiteral("\"The secretary pro tem reported that\": 1,500 shares are represented, more than "
                       "the 1,000 the shareholders subscribe for");
    QTest::newRow("represented: the inspectors' certificate alone")
        << represented << QStringList{"cbxFSM_Conclusion"} << QStringLiteral("cbxFSM_Conclusion page 19 ") + shares;
    QTest::newRow("represented: both, in the order given")
        << represented << QStringList{"cbxFSM_Conclusion", "cbxFSM_Election"}
        << QStringLiteral("cbxFSM_Conclusion page 19 ") + shares + QStringLiteral(" (also cbxFSM_Election)");

    const Plant noAddress = [](CalcClient &c) { c.directory.SetCell(1, ColAddress, QString()); };
    const QString address = QStringLiteral("\"Directory Worksheet row 2, Ben Ortiz\": Ben Ortiz has no street address, "
                                           "and the papers print the address");
    QTest::newRow("address: the directors' minutes alone")
        << noAddress << QStringList{"cbxPage1_FDM"} << QStringLiteral("cbxPage1_FDM page 20 ") + address;
    QTest::newRow("address: the worksheets and the minutes")
        << noAddress << QStringList{"cbxGeneralInformationWorksheet", "cbxPage1_FDM"}
        << QStringLiteral("cbxGeneralInformationWorksheet page 88 ") + address + QStringLiteral(" (also cbxPage1_FDM)");
    QTest::newRow("address: a paper that prints none")
        << noAddress << QStringList{"cbxElectionOfOfficers"} << QString();
}

void tst_check::findingFollowsTheFact()
{
    QFETCH(Plant, fault);
    QFETCH(QStringList, boxes);
    QFETCH(QString, line);
    for (const QString &box : boxes)
        QVERIFY2(FindSelectionBox(box), qPrintable(box));
    CalcClient c;
    CompleteCorporation(c);
    fault(c);
    QVERIFY(c.calculate());
    QCOMPARE(lines(CheckForms(c.store, c.directory, boxes, Today)), line.isEmpty() ? QStringList() : QStringList{line});
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

// What the panel, the dialog before printing and the command line say: the
// form as the user knows it, the page as the form numbers it, the field's
// label and the sentence; the other forms that print the fact by name.
void tst_check::findingSentence_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("alsoIn");
    QTest::addColumn<bool>("worthALook");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("a State form numbers its pages")
        << "cbxForm533A" << 50 << QStringList() << false << "533A, page 1 of 3, \"Label\": what is wrong.";
    QTest::newRow("the dissolution's pages in the form's order")
        << "cbxForm561_FP" << 33 << QStringList() << false << "561, page 2 of 8, \"Label\": what is wrong.";
    QTest::newRow("a paper of several pages") << "cbxFSM_CodeOfRegulations" << 13 << QStringList() << false
                                              << "Code of Regulations, page 2 of 5, \"Label\": what is wrong.";
    QTest::newRow("one page, also on others, worth a look")
        << "cbxPOC_OrderWaiver" << 7 << QStringList{"cbxPOC_ShareSubscription", "cbxForm532A"} << true
        << "Order & Waiver of Notice, page 1, \"Label\": what is wrong. (Also on Share Subscription, 532A.) Worth a "
           "look.";
    QTest::newRow("a first page known by its section")
        << "cbxPage1_FDM" << 20 << QStringList{"cbxConclusion_FDM"} << false
        << "Minutes of First Directors' Meeting, page 1, \"Label\": what is wrong. (Also on Conclusion & "
           "Certification.)";
    QTest::newRow("the same form twice is named once") << "cbxForm540_FP" << 26 << QStringList{"cbxForm540_PA"} << false
                                                       << "540, page 1 of 2, \"Label\": what is wrong.";
}

void tst_check::findingSentence()
{
    QFETCH(QString, box);
    QFETCH(int, page);
    QFETCH(QStringList, alsoIn);
    QFETCH(bool, worthALook);
    QFETCH(QString, sentence);
    Finding f;
    f.box = box;
    f.page = page;
    f.alsoIn = alsoIn;
    f.label = QStringLiteral("Label");
    f.text = QStringLiteral("what is wrong");
    f.severity = worthALook ? Severity::WorthALook : Severity::MustFix;
    QCOMPARE(FindingSentence(f), sentence);
    QCOMPARE(FindingCommandLine(f),
             sentence + QStringLiteral(" [") + (QStringList{box} + alsoIn).join(QLatin1Char(' ')) + QLatin1Char(']'));
}

QTEST_GUILESS_MAIN(tst_check)
#include "tst_check.moc"
