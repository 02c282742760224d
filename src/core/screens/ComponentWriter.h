#pragma once
// Writing the tree of component records as a page screen file
// (ComponentModel.h).

#include "core/screens/ComponentModel.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace brevane {

// The stream of the images (one image per root). Empty when the tree cannot
// be written: a name, class or path that is empty where it may not be, longer
// than 255 bytes or not Windows-1252; an integer outside its type; a Null
// inside a list; an empty set name; a nesting or element count beyond the
// caps. Nothing that was read can fail to be written again.
QByteArray WriteComponentStream(const QList<ComponentRecord> &images);
inline QByteArray WriteComponentStream(const ComponentRecord &root)
{
    return WriteComponentStream(QList<ComponentRecord>{root});
}
inline QByteArray WriteComponentStream(const ComponentStream &stream)
{
    return WriteComponentStream(stream.images);
}

// Writes the file through a temporary file that replaces `path` only when
// complete. False (with the reason in *error) when the tree cannot be written
// or the file cannot be saved; no message is shown.
bool SaveComponentStream(const QString &path, const QList<ComponentRecord> &images, QString *error = nullptr);

} // namespace brevane
