// brevane-cli list and calendar run as a user runs them over a folder of
// client files: the tab-separated lines, the iCalendar file, the exit status.
#include "CheckClient.h"
#include "TestSupport.h"
#include "core/files/ClientFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace brevane;
using namespace brevane::test;

class tst_clioffice : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void list();
    void listNamesADamagedClient();
    void calendar();
    void calendarOfOneClient();
    void calendarFile();
    void wrongUse_data();
    void wrongUse();

private:
    struct Result
    {
        int exitCode;
        QStringList lines; // standard output
        QString errors;
    };
    Result run(const QStringList &args);
    void write(const QString &folder, const QString &name, void (*plant)(CalcClient &));
    QString program_;
    QTemporaryDir dir_;
    QString office_; // three clients, all readable
};

void tst_clioffice::initTestCase()
{
    UseUnitedStatesLocale();
    program_ = QString::fromLocal8Bit(qgetenv("BREVANE_BINARY_DIR")) + QStringLiteral("/src/cli/brevane-cli");
    QVERIFY2(QFileInfo::exists(program_), qPrintable(program_));
    office_ = dir_.filePath(QStringLiteral("office"));
    write(office_, QStringLiteral("ridgeway.cl1"), [](CalcClient &c) {
        CompleteCorporation(c);
        c.g(G0::CharterNo, QStringLiteral("4410021"));
    });
    write(office_, QStringLiteral("dental/lakeside.cl1"), CompleteAssociation);
    write(office_, QStringLiteral("maple.cl1"), [](CalcClient &c) {
        CompleteCompany(c);
        c.g(G0::AgentStreet, QStringLiteral("P.O. Box 12"));
    });
}

tst_clioffice::Result tst_clioffice::run(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(program_, args);
    if (!process.waitForFinished(60000))
        return {-1, {}, QStringLiteral("timed out")};
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    return {process.exitCode(), out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

void tst_clioffice::write(const QString &folder, const QString &name, void (*plant)(CalcClient &))
{
    CalcClient c;
    plant(c);
    QVERIFY(c.calculate());
    const QString path = folder + QLatin1Char('/') + name;
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(SaveClientFile(path, c.store, c.directory));
}

void tst_clioffice::list()
{
    const Result r = run({QStringLiteral("list"), office_});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.errors, QString());
    // The next due dates move with today; everything else is fixed.
    QCOMPARE(r.lines.size(), 4);
    QCOMPARE(r.lines[0], QStringLiteral("file\tname\tkind\tcharter\tmust fix\tnext due\tstate"));
    const auto columns = [&](int i) {
        QStringList f = r.lines[i].split(QLatin1Char('\t'));
        return f.size() == 7 ? f : QStringList{r.lines[i]};
    };
    QCOMPARE(columns(1).mid(0, 5),
             (QStringList{"dental/lakeside.cl1", "Lakeside Dental Group, Inc.", "professional association", "", "0"}));
    QCOMPARE(columns(2).mid(0, 5), (QStringList{"maple.cl1", "Maple Row Bakery LLC", "LLC", "", "1"}));
    QCOMPARE(columns(3).mid(0, 5),
             (QStringList{"ridgeway.cl1", "Ridgeway Tool Holdings, Inc.", "corporation", "4410021", "0"}));
    // A professional association always has a biennial statement ahead.
    const QDate next = QDate::fromString(columns(1).at(5), Qt::ISODate);
    QVERIFY2(next.isValid() && next >= QDate::currentDate(), qPrintable(r.lines[1]));
    QVERIFY(columns(1).at(6).isEmpty());
}

void tst_clioffice::listNamesADamagedClient()
{
    QTemporaryDir dir;
    write(dir.path(), QStringLiteral("whole.cl1"), CompleteCorporation);
    QFile cut(dir.filePath(QStringLiteral("cut.cl1")));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write("Brevane\r\n 1.02000000000000E+0000\r\n***** Page Counts\r\n0\r\n");
    cut.close();
    QFile notes(dir.filePath(QStringLiteral("notes.cl1")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("notes\r\n");
    notes.close();
    const Result r = run({QStringLiteral("list"), dir.path()});
    // Listed with their state, and named on standard error: the exit says so.
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.lines.size(), 4);
    QVERIFY2(r.lines[1].startsWith(QLatin1String("cut.cl1\t")) && r.lines[1].contains(QLatin1String("\tdamaged: ")),
             qPrintable(r.lines[1]));
    QVERIFY2(r.lines[2].startsWith(QLatin1String("notes.cl1\t\t\t\t\t\tcannot be read: ")), qPrintable(r.lines[2]));
    QVERIFY(r.lines[3].startsWith(QLatin1String("whole.cl1\tRidgeway Tool Holdings, Inc.\tcorporation\t")));
    QVERIFY2(r.errors.contains(QLatin1String("cut.cl1 is damaged")), qPrintable(r.errors));
    QVERIFY2(r.errors.contains(QLatin1String("notes.cl1 cannot be read")), qPrintable(r.errors));
}

void tst_clioffice::calendar()
{
    // The association's statement of 2026 and the corporation's meetings of
    // its fiscal year ending December 31: first Monday of April.
    const Result r = run({QStringLiteral("calendar"), office_, QStringLiteral("--from"), QStringLiteral("2026-03-01"),
                          QStringLiteral("--days"), QStringLiteral("180")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.lines,
             (QStringList{"2026-04-06\tdental/lakeside.cl1\tLakeside Dental Group, Inc.\tAnnual meeting of the "
                          "shareholders\tCode of regulations, Article I, section 1; Ohio Revised Code 1701.39",
                          "2026-04-06\tridgeway.cl1\tRidgeway Tool Holdings, Inc.\tAnnual meeting of the "
                          "shareholders\tCode of regulations, Article I, section 1; Ohio Revised Code 1701.39",
                          "2026-07-30\tdental/lakeside.cl1\tLakeside Dental Group, Inc.\tBiennial statement due "
                          "(form 520)\tOhio Revised Code 1785.06"}));
    // An odd year has no statement; --days counts from the first day.
    const Result odd = run({QStringLiteral("calendar"), office_, QStringLiteral("--from"), QStringLiteral("2027-07-01"),
                            QStringLiteral("--days"), QStringLiteral("60")});
    QCOMPARE(odd.exitCode, 0);
    QCOMPARE(odd.lines, QStringList());
    const Result lastDay = run({QStringLiteral("calendar"), office_, QStringLiteral("--from"),
                                QStringLiteral("2026-07-01"), QStringLiteral("--days"), QStringLiteral("30")});
    QCOMPARE(lastDay.lines.size(), 1);
    const Result dayBefore = run({QStringLiteral("calendar"), office_, QStringLiteral("--from"),
                                  QStringLiteral("2026-07-01"), QStringLiteral("--days"), QStringLiteral("29")});
    QCOMPARE(dayBefore.lines, QStringList());
}

void tst_clioffice::calendarOfOneClient()
{
    const Result r =
        run({QStringLiteral("calendar"), office_ + QStringLiteral("/ridgeway.cl1"), QStringLiteral("--from"),
             QStringLiteral("2026-01-01"), QStringLiteral("--days"), QStringLiteral("365")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.lines.size(), 2);
    QVERIFY(r.lines[0].startsWith(QLatin1String("2026-04-06\tridgeway.cl1\t")));
    QVERIFY(r.lines[1].startsWith(QLatin1String("2026-12-31\tridgeway.cl1\tRidgeway Tool Holdings, Inc.\tFiscal "
                                                "year ends\t")));
}

void tst_clioffice::calendarFile()
{
    const QString ics = dir_.filePath(QStringLiteral("due.ics"));
    const Result r = run({QStringLiteral("calendar"), office_, QStringLiteral("--ics"), ics, QStringLiteral("--from"),
                          QStringLiteral("2026-03-01"), QStringLiteral("--days"), QStringLiteral("180")});
    QCOMPARE(r.exitCode, 0);
    QFile f(ics);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("BEGIN:VCALENDAR\r\n"));
    QVERIFY(bytes.endsWith("END:VCALENDAR\r\n"));
    QCOMPARE(bytes.count("BEGIN:VEVENT\r\n"), 3);
    QVERIFY(bytes.contains("DTSTART;VALUE=DATE:20260730\r\n"));
    QVERIFY(!bytes.contains("\n\n") && !bytes.contains("\r\r"));
}

void tst_clioffice::wrongUse_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");
    QTest::newRow("list without a folder") << QStringList{"list"} << 2 << "usage:";
    QTest::newRow("list of a missing folder")
        << QStringList{"list", "/no/such/folder"} << 1 << "is not a folder of client files";
    QTest::newRow("calendar of a missing folder")
        << QStringList{"calendar", "/no/such/folder"} << 1 << "is not a folder of client files";
    QTest::newRow("no days") << QStringList{"calendar", "OFFICE", "--days", "0"} << 2 << "--days takes a number";
    QTest::newRow("days not a number") << QStringList{"calendar", "OFFICE", "--days", "many"} << 2
                                       << "--days takes a number";
    QTest::newRow("date not a date") << QStringList{"calendar", "OFFICE", "--from", "7/30/2026"} << 2
                                     << "--from takes a date as YYYY-MM-DD";
    QTest::newRow("option without its value") << QStringList{"calendar", "OFFICE", "--ics"} << 2 << "usage:";
    QTest::newRow("calendar written over a client")
        << QStringList{"calendar", "OFFICE", "--ics", "OFFICE/ridgeway.cl1"} << 1 << "is a client file's name";
}

void tst_clioffice::wrongUse()
{
    QFETCH(QStringList, args);
    args.replaceInStrings(QStringLiteral("OFFICE"), office_);
    const QByteArray before = [&] {
        QFile f(office_ + QStringLiteral("/ridgeway.cl1"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const Result r = run(args);
    QTEST(r.exitCode, "exitCode");
    QFETCH(QString, says);
    QVERIFY2(r.errors.contains(says), qPrintable(r.errors));
    QFile f(office_ + QStringLiteral("/ridgeway.cl1"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

QTEST_GUILESS_MAIN(tst_clioffice)
#include "tst_clioffice.moc"
