// What a command may write over. A batch run never replaces the client it
// reads (under any name or link), never a client open in a program window,
// and a file of another kind only when told to with --replace.

#include "cli/CliCommands.h"
#include "core/files/ClientLock.h"

#include <QFile>
#include <QFileInfo>

namespace brevane::cli {

namespace {

// The first bytes every file of the kind begins with.
QByteArray signatureOf(OutputKind kind)
{
    switch (kind) {
    case OutputKind::Rtf:
        return QByteArrayLiteral("{\\rtf");
    case OutputKind::Pdf:
        return QByteArrayLiteral("%PDF-");
    case OutputKind::Word:
        return QByteArrayLiteral("PK\x03\x04");
    case OutputKind::Json:
        return QByteArrayLiteral("{");
    case OutputKind::Client:
        return QByteArrayLiteral("Brevane");
    }
    return QByteArray();
}

QString kindName(OutputKind kind)
{
    switch (kind) {
    case OutputKind::Rtf:
        return QStringLiteral("an RTF document");
    case OutputKind::Pdf:
        return QStringLiteral("a PDF");
    case OutputKind::Word:
        return QStringLiteral("a Word document");
    case OutputKind::Json:
        return QStringLiteral("a JSON file");
    case OutputKind::Client:
        return QStringLiteral("a client file");
    }
    return QString();
}

} // namespace

int ClaimOutput(const QString &in, const QString &out, OutputKind kind, bool replaceOtherKind, ClientFileLock &lock)
{
    const QFileInfo target(out);
    // Standard output, a pipe or a device is written as it is.
    if (target.exists() && !target.isFile() && !target.isDir())
        return ExitOk;
    const QString inPath = QFileInfo(in).canonicalFilePath();
    if (target.exists() && !inPath.isEmpty() && target.canonicalFilePath() == inPath) {
        PrintLine(QStringLiteral("brevane-cli: %1 is the client being read; not written").arg(out));
        return ExitFailed;
    }
    QString holder;
    const ClientFileLock::Result taken =
        lock.Take(target.exists() ? target.canonicalFilePath() : target.absoluteFilePath(), &holder);
    if (taken == ClientFileLock::Result::Unusable) {
        PrintLine(
            QStringLiteral("brevane-cli: cannot tell whether %1 is open elsewhere: %2; not written").arg(out, holder));
        return ExitFailed;
    }
    if (taken == ClientFileLock::Result::HeldElsewhere) {
        PrintLine(
            QStringLiteral("brevane-cli: %1 is open in another Brevane window or program%2; not written")
                .arg(out, holder.isEmpty() ? QString() : QStringLiteral(" (open by ") + holder + QLatin1Char(')')));
        return ExitFailed;
    }
    if (target.isFile() && !replaceOtherKind) {
        QFile existing(out);
        QByteArray start = existing.open(QIODevice::ReadOnly) ? existing.read(64) : QByteArray();
        // A JSON object may begin with blanks, and its first member's name
        // follows the brace (an RTF document begins with a brace too).
        const bool json =
            kind == OutputKind::Json && start.trimmed().startsWith('{') &&
            (start.trimmed().mid(1).trimmed().startsWith('"') || start.trimmed().mid(1).trimmed().startsWith('}'));
        if (kind == OutputKind::Json ? !json : !start.startsWith(signatureOf(kind))) {
            PrintLine(QStringLiteral("brevane-cli: %1 is not %2; not replaced (--replace replaces it)")
                          .arg(out, kindName(kind)));
            return ExitFailed;
        }
    }
    return ExitOk;
}

} // namespace brevane::cli
