#include "core/files/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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
    // A buffer as large as the file, not as the limit (reading up to the
    // limit at once sets aside the limit's memory for every file read). One
    // byte past the size catches a file that grew meanwhile; the rest of
    // it, up to one byte past the limit, is read after.
    QByteArray read = file.read(info.size() + 1);
    if (file.error() == QFileDevice::NoError && read.size() > info.size())
        read += file.read(maxSize + 1 - read.size());
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (read.size() > maxSize)
        return fail(QStringLiteral("larger than %1 MB").arg(maxSize / (1024 * 1024)));
    if (bytes)
        *bytes = std::move(read);
    return true;
}

bool WriteAllBytes(QFileDevice &file, const QByteArray &bytes, QString *error)
{
#ifdef Q_OS_UNIX
    // Straight to the file: Qt's buffered write loses the system's reason
    // for a failure ("Unknown error").
    if (!file.flush()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const int fd = file.handle();
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            if (error)
                *error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
#else
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (!written && error)
        *error = file.errorString();
    return written;
#endif
}

bool ReplaceFile(const QString &path, const QByteArray &bytes, QString *error)
{
    const QFileInfo info(path);
    if (info.isSymLink() && !info.isFile()) {
        // A link to a device, a pipe or a folder, or one pointing nowhere:
        // the file is written in the link's place, never through it (as an
        // administrator, that would replace the device itself).
        if (!QFile::remove(path)) {
            if (error)
                *error = QStringLiteral("cannot replace the link");
            return false;
        }
    } else if (info.exists() && !info.isFile()) {
        if (error)
            *error = QStringLiteral("not a regular file");
        return false;
    }
    QSaveFile file(path);
    QString reason;
    bool ok = file.open(QIODevice::WriteOnly);
    if (!ok)
        reason = file.errorString();
    else
        ok = WriteAllBytes(file, bytes, &reason);
#ifdef Q_OS_UNIX
    // The commit below does not report a failed sync: a full disk or a
    // failing device may show only here.
    if (ok && ::fsync(file.handle()) != 0) {
        ok = false;
        reason = QString::fromLocal8Bit(std::strerror(errno));
    }
#endif
    if (ok && !file.commit()) {
        ok = false;
        reason = file.errorString();
    }
    if (!ok) {
        file.cancelWriting();
        if (error)
            *error = reason;
    }
    return ok;
}

} // namespace brevane
