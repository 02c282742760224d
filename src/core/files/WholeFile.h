#pragma once
// Whole files the program keeps or ships (client, settings, page screen).
// Only a regular file is read, and only up to a size far above any real one,
// so that a pipe, a device or a runaway file never freezes the program or
// fills its memory. A file is replaced only once its new contents are whole
// on the disk, so a failed save never destroys the previous file.

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace brevane {

// 64 MB: a full client is under 4 MB.
inline constexpr qint64 MaxReadFileSize = 64 * 1024 * 1024;

// Reads the file at `path` into *bytes. False, with the reason in *error,
// when it does not exist, is not a regular file (a folder, a pipe, a
// device), is larger than `maxSize` bytes, or cannot be read.
bool ReadRegularFile(const QString &path, QByteArray *bytes, QString *error = nullptr,
                     qint64 maxSize = MaxReadFileSize);

// Writes all the bytes to an open file. False with the system's reason in
// *error ("No space left on device", never "Unknown error") when it cannot.
bool WriteAllBytes(QFileDevice &file, const QByteArray &bytes, QString *error = nullptr);

// Writes the bytes to a temporary file beside `path`, syncs it to the disk
// and renames it over `path`. False, with the system's reason in *error
// (disk full, I/O error), when any step fails; the old file is then as it
// was. A link to a regular file is written through; a link to anything else
// (or to nothing) is replaced by the file; a pipe, device or folder at
// `path` is left alone and refused ("not a regular file").
bool ReplaceFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace brevane
