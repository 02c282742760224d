// brevane-cli list FOLDER and brevane-cli calendar FOLDER: the client
// register and the office's due dates, for scripts and spreadsheets.

#include "cli/CliCommands.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/files/WholeFile.h"
#include "core/office/ClientRegister.h"
#include "core/office/ICalendar.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace brevane::cli {

namespace {

constexpr int DefaultCalendarDays = 90;
constexpr int MostCalendarDays = 3660; // ten years

// A field of a tab-separated line: no tab or line break of its own.
QString field(const QString &text)
{
    QString out = text;
    for (QChar &ch : out)
        if (ch == QLatin1Char('\t') || ch == QLatin1Char('\n') || ch == QLatin1Char('\r'))
            ch = QLatin1Char(' ');
    return TerminalSafe(out.trimmed());
}

void printRow(const QStringList &fields)
{
    QStringList cleaned;
    for (const QString &f : fields)
        cleaned << field(f);
    std::printf("%s\n", cleaned.join(QLatin1Char('\t')).toLocal8Bit().constData());
}

QString isoDate(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

// The register's state column: what is wrong, with the reason.
QString stateField(const ClientSummary &client)
{
    QString state = client.StateText();
    if (!client.problem.isEmpty())
        state += QStringLiteral(": ") + client.problem;
    else if (client.openElsewhere && !client.openBy.isEmpty())
        state += QStringLiteral(" (") + client.openBy + QLatin1Char(')');
    return state;
}

// Tells of each client that could not be read whole; true when there was one.
bool reportProblems(const QList<ClientSummary> &clients)
{
    bool any = false;
    for (const ClientSummary &client : clients) {
        if (client.state == ClientFileState::Ready)
            continue;
        any = true;
        PrintLine(QStringLiteral("brevane-cli: %1 %2: %3")
                      .arg(QDir::toNativeSeparators(client.path),
                           client.state == ClientFileState::Damaged ? QStringLiteral("is damaged")
                                                                    : QStringLiteral("cannot be read"),
                           client.problem));
    }
    return any;
}

// The clients of FOLDER, or the one client when it names a client file.
bool readClients(const QString &path, const QDate &today, QList<ClientSummary> *clients)
{
    const QFileInfo info(path);
    if (info.isFile()) {
        *clients = {SummarizeClientFile(path, today)};
        return true;
    }
    ClientRegister office(path);
    if (!office.Refresh(today)) {
        PrintLine(
            QStringLiteral("brevane-cli: %1 is not a folder of client files").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    *clients = office.Clients();
    return true;
}

} // namespace

int ListCommand(const QStringList &args)
{
    if (args.size() != 1)
        return ExitUsage;
    const QFileInfo folder(args[0]);
    if (!folder.isDir()) {
        PrintLine(
            QStringLiteral("brevane-cli: %1 is not a folder of client files").arg(QDir::toNativeSeparators(args[0])));
        return ExitFailed;
    }
    QList<ClientSummary> clients;
    if (!readClients(args[0], QDate::currentDate(), &clients))
        return ExitFailed;
    printRow({QStringLiteral("file"), QStringLiteral("name"), QStringLiteral("kind"), QStringLiteral("charter"),
              QStringLiteral("must fix"), QStringLiteral("next due"), QStringLiteral("state")});
    for (const ClientSummary &client : clients)
        printRow({client.relativePath, client.name, KindName(client.kind), client.charter,
                  client.mustFix < 0 ? QString() : QString::number(client.mustFix),
                  client.nextDue ? isoDate(client.nextDue->date) : QString(), stateField(client)});
    std::fflush(stdout);
    return reportProblems(clients) ? ExitFailed : ExitOk;
}

int CalendarCommand(QStringList args)
{
    QString icsPath;
    int days = DefaultCalendarDays;
    QDate from = QDate::currentDate();
    for (qsizetype i = 0; i < args.size();) {
        const QString &arg = args.at(i);
        if (arg != QLatin1String("--ics") && arg != QLatin1String("--days") && arg != QLatin1String("--from")) {
            ++i;
            continue;
        }
        if (i + 1 >= args.size())
            return ExitUsage;
        const QString value = args.at(i + 1);
        if (arg == QLatin1String("--ics")) {
            icsPath = value;
        } else if (arg == QLatin1String("--days")) {
            bool ok = false;
            days = value.toInt(&ok);
            if (!ok || days < 1 || days > MostCalendarDays) {
                PrintLine(QStringLiteral("brevane-cli: --days takes a number of days from 1 to %1, not \"%2\"")
                              .arg(MostCalendarDays)
                              .arg(value));
                return ExitUsage;
            }
        } else {
            from = QDate::fromString(value, Qt::ISODate);
            if (!from.isValid()) {
                PrintLine(QStringLiteral("brevane-cli: --from takes a date as YYYY-MM-DD, not \"%1\"").arg(value));
                return ExitUsage;
            }
        }
        args.remove(i, 2);
    }
    if (args.size() != 1)
        return ExitUsage;
    if (!icsPath.isEmpty() && QFileInfo(icsPath).suffix().compare(QLatin1String("cl1"), Qt::CaseInsensitive) == 0) {
        PrintLine(QStringLiteral("brevane-cli: %1 is a client file's name; the calendar is not written over a client")
                      .arg(QDir::toNativeSeparators(icsPath)));
        return ExitFailed;
    }
    QList<ClientSummary> clients;
    if (!readClients(args[0], from, &clients))
        return ExitFailed;
    const QDate to = from.addDays(days - 1);
    const QList<OfficeDueDate> dates = OfficeDueDates(clients, from, to);
    for (const OfficeDueDate &date : dates) {
        const auto client = std::find_if(clients.begin(), clients.end(),
                                         [&](const ClientSummary &c) { return c.path == date.clientPath; });
        printRow({isoDate(date.due.date), client->relativePath, date.clientName, date.due.title, date.due.source});
    }
    std::fflush(stdout);
    bool failed = reportProblems(clients);
    if (!icsPath.isEmpty()) {
        QString error;
        if (!ReplaceFile(icsPath, ICalendarOf(dates, QDateTime::currentDateTimeUtc()), &error)) {
            PrintLine(QStringLiteral("brevane-cli: cannot write %1: %2").arg(QDir::toNativeSeparators(icsPath), error));
            failed = true;
        }
    }
    return failed ? ExitFailed : ExitOk;
}

} // namespace brevane::cli
