#include "core/files/FileRead.h"

#include <QFile>
#include <QFileInfo>

namespace brevane {

bool ReadRegularFile(const QString &path, QByteArray *bytes, QString *error, qint64 maxSize)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("No such file or directory"));
    // Checked before opening: opening a pipe waits for a writer.
    if (!info.isFile())
        return fail(QStringLiteral("not a regular file"));
    if (info.size() > maxSize)
        return fail(QStringLiteral("larger than %1 MB").arg(maxSize / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    // One byte past the limit catches a file that grew meanwhile.
    QByteArray read = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (read.size() > maxSize)
        return fail(QStringLiteral("larger than %1 MB").arg(maxSize / (1024 * 1024)));
    if (bytes)
        *bytes = std::move(read);
    return true;
}

} // namespace brevane
