// brevane-cli export IN.cl1 OUT.json and import IN.json OUT.cl1: the client
// as JSON for other programs (OUT may be /dev/stdout), and back. A client exported and imported again
// is the same client file, byte for byte. Neither runs a calculation: the
// answers go out and come in as they are saved.

#include "cli/CliCommands.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/exchange/ClientJson.h"
#include "core/files/ClientLock.h"
#include "core/files/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace brevane::cli {

int ExportCommand(const QStringList &args, bool replaceOtherKind)
{
    const QString &in = args.at(0);
    const QString &out = args.at(1);
    ClientFileLock lock;
    if (const int status = ClaimOutput(in, out, OutputKind::Json, replaceOtherKind, lock); status != ExitOk)
        return status;
    ClientDocument client;
    if (!LoadClient(in, client))
        return ExitFailed;
    const QByteArray json = WriteClientJson(*client.Answers(), client.Directory());
    QString error;
    // Standard output or another pipe or device (/dev/stdout) is written as
    // it is; a file is replaced only once the new one is whole.
    const QFileInfo target(out);
    bool written = false;
    if (target.exists() && !target.isFile() && !target.isDir()) {
        QFile stream(out);
        written = stream.open(QIODevice::WriteOnly) && WriteAllBytes(stream, json, &error);
        if (!written && error.isEmpty())
            error = stream.errorString();
    } else {
        written = ReplaceFile(out, json, &error);
    }
    if (!written) {
        Outcome::failure(msg::ExchangeFileNotWritten,
                         QDir::toNativeSeparators(out) + QStringLiteral(" (") + error + QLatin1Char(')'))
            .show();
        return ExitFailed;
    }
    return ExitOk;
}

int ImportCommand(const QStringList &args, bool replaceOtherKind)
{
    const QString &in = args.at(0);
    const QString &out = args.at(1);
    QByteArray json;
    QString error;
    if (!ReadRegularFile(in, &json, &error)) {
        Outcome::failure(msg::ExchangeFileUnreadable, QDir::toNativeSeparators(in) + QStringLiteral(": ") + error)
            .show();
        return ExitFailed;
    }
    ClientDocument client;
    if (!client.Answers())
        return ExitFailed;
    {
        // The client is read, as a client file is: nothing is calculated.
        const Outcome read = client.Fill(
            [&json](TAnswer &answers, DirectoryTable &rows) { return ReadClientJson(json, answers, rows); });
        if (!read) {
            // The message names the file.
            const MessageAbout about(QDir::toNativeSeparators(in));
            read.show();
            return ExitFailed;
        }
    }
    ClientFileLock lock;
    if (const int status = ClaimOutput(in, out, OutputKind::Client, replaceOtherKind, lock); status != ExitOk)
        return status;
    if (const Outcome saved = client.Save(out, &error); !saved) {
        saved.show();
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace brevane::cli
