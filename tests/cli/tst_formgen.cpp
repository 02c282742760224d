// brevane-formgen run as the build runs it: the names of page 0's answers
// that the page procedures read, what a source with bad names is told, and
// where the print template leaves a line to fill in for an empty answer; and
// what the check before filing takes from a source.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <utility>

class tst_formgen : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void names_data();
    void names();
    void namesAreNeitherShownNorPrinted();
    void fillLines_data();
    void fillLines();
    void printIfFollowsRepeatedLines();
    void growingTable_data();
    void growingTable();
    void checkFacts_data();
    void checkFacts();

private:
    struct Result
    {
        int exitCode;
        QString errors;
    };
    Result run(const QStringList &args);
    // Writes `text` as <folder>/page<N>.form and returns its path.
    QString source(const QString &folder, int page, const QString &text);
    static QByteArray read(const QString &path);
    QString program_;
    QTemporaryDir dir_;
};

void tst_formgen::initTestCase()
{
    program_ =
        QString::fromLocal8Bit(qgetenv("BREVANE_BINARY_DIR")) + QStringLiteral("/src/tools/formgen/brevane-formgen");
    QVERIFY2(QFileInfo::exists(program_), qPrintable(program_));
    QVERIFY(dir_.isValid());
}

tst_formgen::Result tst_formgen::run(const QStringList &args)
{
    QProcess process;
    process.start(program_, args);
    if (!process.waitForFinished(60000))
        return {-1, QStringLiteral("timed out")};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

QString tst_formgen::source(const QString &folder, int page, const QString &text)
{
    QDir(dir_.path()).mkpath(folder);
    const QString path = dir_.filePath(folder + QStringLiteral("/page%1.form").arg(page));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) != text.toUtf8().size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray tst_formgen::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_formgen::names_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("exitCode");
    // Lines the header holds on success, else messages on standard error.
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("named answers")
        << 0
        << ".page 0\n=== The bank\n- Bank of the account | {45 name=Bank w30 \"Named in the resolution.\"}\n"
           "- Time | {24 name=MeetingTime w8} {25 name=MeetingAm check} AM\n"
           "- Again: {45 lbl}\n"
        << 0
        << QStringList{"namespace brevane::G0 {\n\n// The bank\n"
                       "inline constexpr int Bank = 45; // Bank of the account\n"
                       "inline constexpr int MeetingTime = 24; // Time\n"
                       "inline constexpr int MeetingAm = 25; // AM\n\n}"};
    QTest::newRow("answer without a name") << 0 << ".page 0\n- Bank | {45 name=Bank}\n- City | {2 w24}\n"
                                           << 1 << QStringList{"page0.form:3: a page-0 answer needs a name"};
    QTest::newRow("one name for two answers")
        << 0 << ".page 0\n- Bank | {45 name=Bank}\n- Other bank | {46 name=Bank}\n"
        << 1 << QStringList{"page0.form:3: answer 46: the name Bank is already answer 45's"};
    QTest::newRow("two names for one answer")
        << 0 << ".page 0\n- Bank | {45 name=Bank}\n- Again | {45 name=BankName lbl}\n"
        << 1 << QStringList{"page0.form:3: answer 45: name differs from an earlier occurrence"};
    QTest::newRow("not a name") << 0 << ".page 0\n- Bank | {45 name=bank_name}\n"
                                << 1 << QStringList{"page0.form:2: 'bank_name' is not a name"};
    QTest::newRow("empty name") << 0 << ".page 0\n- Bank | {45 name=}\n"
                                << 1 << QStringList{"page0.form:2: '' is not a name"};
    QTest::newRow("another page") << 7 << ".page 7\n- Name | {0 name=EntityName}\n"
                                  << 1 << QStringList{"names are written for page 0 alone"};
}

void tst_formgen::names()
{
    QFETCH(int, page);
    QFETCH(QString, text);
    QFETCH(int, exitCode);
    QFETCH(QStringList, expected);

    const QString header = dir_.filePath(QStringLiteral("core/forms/PageZero.h"));
    QFile::remove(header);
    const Result result =
        run({QStringLiteral("--names"), header, source(QString::fromLatin1(QTest::currentDataTag()), page, text)});
    QCOMPARE(result.exitCode, exitCode);
    const QString written = QString::fromUtf8(read(header));
    QCOMPARE(written.isEmpty(), exitCode != 0);
    for (const QString &line : expected)
        QVERIFY2((exitCode == 0 ? written : result.errors).contains(line),
                 qPrintable(result.errors + QLatin1Char('\n') + written));
}

void tst_formgen::namesAreNeitherShownNorPrinted()
{
    const QString text = QStringLiteral(".page 7\n.focus 1003\n= ORDER\n"
                                        "We order that the meeting be held at {3 %1w30 \"Where.\"}, on {9 %2date}.\n");
    for (const auto &[folder, named] : {std::pair{"plain", false}, std::pair{"named", true}}) {
        const QString path = source(QLatin1String(folder), 7,
                                    named ? text.arg(QStringLiteral("name=Street "), QStringLiteral("name=Date "))
                                          : text.arg(QString(), QString()));
        const Result result = run({QStringLiteral("--out"), dir_.filePath(QLatin1String(folder)), path});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.errors, QString());
    }
    for (const char *file : {"/PSF/page7.psf", "/RTF/page7.rtf", "/DAT/PAGE7.DAT"}) {
        const QByteArray plain = read(dir_.filePath(QStringLiteral("plain")) + QLatin1String(file));
        QVERIFY2(!plain.isEmpty(), file);
        QCOMPARE(read(dir_.filePath(QStringLiteral("named")) + QLatin1String(file)), plain);
    }
}

void tst_formgen::fillLines_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("filled");
    QTest::newRow("text in a sentence") << ""
                                        << "It takes effect on {3 w10} and ends." << true;
    QTest::newRow("text in a sentence, keep-blank page") << ".keepblank"
                                                         << "It takes effect on {3 w10} and ends." << true;
    QTest::newRow("text on its own line, keep-blank page") << ".keepblank"
                                                           << "- Street | {3 w10}" << false;
    QTest::newRow("text on its own line, other pages") << ""
                                                       << "- Street | {3 w10}" << true;
    QTest::newRow("an occurrence marked blank") << ""
                                                << "It takes effect on {3 w10 blank}." << false;
    QTest::newRow("an occurrence marked fill") << ".keepblank"
                                               << "- Street | {3 w10 fill}" << true;
    QTest::newRow("an amount") << ".keepblank"
                               << "- Amount | ${3 w10 money}" << true;
    QTest::newRow("an amount, zero-blank page") << ".zeroblank"
                                                << "Paid ${3 w10 money} in cash." << false;
    QTest::newRow("a date in a sentence") << ".keepblank"
                                          << "Adopted on {3 w10 date}." << true;
    QTest::newRow("a check box") << ""
                                 << "{3 check} Ticked." << false;
}

void tst_formgen::fillLines()
{
    QFETCH(QString, settings);
    QFETCH(QString, line);
    QFETCH(bool, filled);
    const QString folder = QStringLiteral("fill-") + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
    const QString path = source(folder, 26, QStringLiteral(".page 26\n%1\n%2\n").arg(settings, line));
    const Result result = run({QStringLiteral("--out"), dir_.filePath(folder), path});
    QCOMPARE(result.exitCode, 0);
    const QByteArray rtf = read(dir_.filePath(folder) + QStringLiteral("/RTF/page26.rtf"));
    QVERIFY(!rtf.isEmpty());
    // Ten underscores: the field's width.
    QCOMPARE(rtf.contains("3/{\\*\\brevanefill __________}"), filled);
}

void tst_formgen::printIfFollowsRepeatedLines()
{
    // Each repeated signature line is printed while its own slot is filled.
    const QString path = source(QStringLiteral("printif"), 26,
                                QStringLiteral(".page 26\n.tabs 3in\n.repeat 3 2\n[if=4] - {4 w20} | ______\n"));
    const Result result = run({QStringLiteral("--out"), dir_.filePath(QStringLiteral("printif")), path});
    QCOMPARE(result.exitCode, 0);
    const QByteArray rtf = read(dir_.filePath(QStringLiteral("printif/RTF/page26.rtf")));
    for (int answer : {4, 6, 8})
        QVERIFY2(rtf.contains("{\\*\\brevaneif " + QByteArray::number(answer) + "}{\\pard"), rtf.constData());
    // A table row, a line printed while an answer is empty, and a chosen
    // alternative: its line prints while its box is ticked, without the box.
    const QString other = source(QStringLiteral("printif-row"), 26,
                                 QStringLiteral(".page 26\n.tabs 3in\n[row, if=4] {4} | x\n\n[print, unless=5] None.\n"
                                                "[if=5] Some: {5}\n\n> {6 check choice} Chosen.\n"));
    QCOMPARE(run({QStringLiteral("--out"), dir_.filePath(QStringLiteral("printif-row")), other}).exitCode, 0);
    const QByteArray rows = read(dir_.filePath(QStringLiteral("printif-row/RTF/page26.rtf")));
    QVERIFY2(rows.contains("{\\*\\brevaneif 4}{\\trowd"), rows.constData());
    QVERIFY2(rows.contains("{\\*\\brevaneif !5}{\\pard"), rows.constData());
    QVERIFY2(rows.contains("{\\*\\brevaneif 6}{\\pard"), rows.constData());
    QVERIFY2(!rows.contains("&6/"), rows.constData());
    // A line under both conditions: the group of the one inside the group of
    // the other, each stepping with the repeated lines.
    const QString both = source(QStringLiteral("printif-both"), 26,
                                QStringLiteral(".page 26\n.repeat 2 2\n[if=4, unless=5] - {4} {5}\n"));
    QCOMPARE(run({QStringLiteral("--out"), dir_.filePath(QStringLiteral("printif-both")), both}).exitCode, 0);
    const QByteArray nested = read(dir_.filePath(QStringLiteral("printif-both/RTF/page26.rtf")));
    for (const QByteArray &pair :
         {QByteArray("!5}{{\\*\\brevaneif 4}{\\pard"), QByteArray("!7}{{\\*\\brevaneif 6}{\\pard")})
        QVERIFY2(nested.contains("{\\*\\brevaneif " + pair), nested.constData());
}

// A table that grows: its first row once after the mark that names it, its
// heading also the running heading of the sheets after the first, and its
// columns in the page's facts; a line of it that would print for an empty
// row, or by another answer than its row's, is refused.
void tst_formgen::growingTable_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("exitCode");
    // Pieces of the template and of the facts on success, else of the messages.
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("a signed table")
        << "[row, bold] Name | Signature\n.repeat 5 3 grow\n[row, if=4, sign] {4} | {6}\n"
        << 0
        << QStringList{"{\\*\\brevanegrow 4 3 5}{{\\*\\brevaneif 4}{\\trowd\\trgaph72\\trrh720\\trkeep",
                       "\\titlepg{\\headerf", "{\\header \\trowd", "facts[26].tables = {{{4, 6}, 3, 5}};"};
    QTest::newRow("a line for every row") << ".repeat 5 3 grow\n[if=4] - {4}\n- Signature\n"
                                          << 1 << QStringList{"a line of a growing table needs if=N"};
    QTest::newRow("a line by another answer") << ".repeat 5 3 grow\n[if=4] - {4}\n[if=2] - {5}\n"
                                              << 1 << QStringList{"prints by answer 2, not of its row"};
    QTest::newRow("grow misspelt") << ".repeat 5 3 grows\n[if=4] - {4}\n" << 1 << QStringList{"may end in grow"};
}

void tst_formgen::growingTable()
{
    QFETCH(QString, table);
    QFETCH(int, exitCode);
    QFETCH(QStringList, expected);
    const QString folder = QStringLiteral("grow-") + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
    const QString path = source(folder, 26, QStringLiteral(".page 26\n.tabs 3in\n= Title\n\n") + table);
    const QString facts = dir_.filePath(folder + QStringLiteral("/PageFacts.cpp"));
    Result result = run({QStringLiteral("--out"), dir_.filePath(folder), path});
    QCOMPARE(result.exitCode, exitCode);
    if (exitCode != 0) {
        for (const QString &piece : expected)
            QVERIFY2(result.errors.contains(piece), qPrintable(result.errors));
        return;
    }
    QCOMPARE(run({QStringLiteral("--facts"), facts, path}).exitCode, 0);
    const QString written = QString::fromLatin1(read(dir_.filePath(folder + QStringLiteral("/RTF/page26.rtf")))) +
                            QString::fromUtf8(read(facts));
    for (const QString &piece : expected)
        QVERIFY2(written.contains(piece), qPrintable(piece + QStringLiteral(" is not in\n") + written));
    // Only the first row stands in the template; the heading repeats by the
    // running heading, not by the row's mark.
    QVERIFY(!written.contains(QStringLiteral("/*7/")));
    QVERIFY(!written.contains(QStringLiteral("\\trhdr")));
}

// The check's facts of a page: items required only under a condition, and
// the page's own number as a State form prints it.
void tst_formgen::checkFacts_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("exitCode");
    // Lines of the facts table on success, else messages on standard error.
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("conditions") << ".required 1|2 3?1 @C 3?@B" << 0
                                << QStringList{"facts[7].required = {AnyOf({{7, 1}, {7, 2}}), When(AnyOf({{7, 3}}), "
                                               "{{7, 1}}), Role('C'), WhenRole(AnyOf({{7, 3}}), 'B')};",
                                               "facts[7].formPage = \"page 2 of 3\";"};
    QTest::newRow("a condition not on the page")
        << ".required 3?9" << 1 << QStringList{"answer 9 a required item depends on is not on the page"};
    QTest::newRow("a condition left out") << ".required 3?" << 1 << QStringList{"'3?' is no required item"};
    QTest::newRow("two conditions") << ".required 3?1?2" << 1 << QStringList{"'3?1?2' is no required item"};
    QTest::newRow("a role with a condition") << ".required @C?1" << 1 << QStringList{"'@C?1' is no required item"};
}

void tst_formgen::checkFacts()
{
    QFETCH(QString, settings);
    QFETCH(int, exitCode);
    QFETCH(QStringList, expected);
    const QString folder = QStringLiteral("facts-") + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
    const QString path = source(folder, 7,
                                QStringLiteral(".page 7\n%1\n[right, small] Form 540, page 2 of 3\n"
                                               "- {1 check} by the directors {2 check} by the shareholders\n"
                                               "- Date | {3 date}\n")
                                    .arg(settings));
    const QString facts = dir_.filePath(folder + QStringLiteral("/PageFacts.cpp"));
    const Result result = run({QStringLiteral("--facts"), facts, path});
    QCOMPARE(result.exitCode, exitCode);
    const QString written = QString::fromUtf8(read(facts));
    for (const QString &line : expected)
        QVERIFY2((exitCode == 0 ? written : result.errors).contains(line),
                 qPrintable(result.errors + QLatin1Char('\n') + written));
}

QTEST_GUILESS_MAIN(tst_formgen)
#include "tst_formgen.moc"
