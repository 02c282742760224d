#pragma once
// Reading page screen files (ComponentModel.h) into the tree of component
// records.
//
// A file that is not a valid stream is turned away with error 11150 and the
// file's path. Reading works from memory with a fixed cap on the file's size,
// nesting depth and number of elements, so no file can make it crash or
// allocate without bound.

#include "core/screens/ComponentModel.h"

#include <QByteArray>
#include <QString>

namespace brevane {

// Why a stream was turned away (for tests and diagnostics; the user sees 11150).
struct StreamError
{
    enum Kind {
        None,
        Unreadable,       // missing or unreadable file
        Empty,            // no image at all
        BadSignature,     // an image does not start with "TPF0"
        UnknownValueType, // a type byte the format does not have
        Truncated,        // the data ends inside an image
        BadLength,        // a negative or impossibly large length
        DuplicateName,    // a component name used twice in the page
        Malformed,        // anything else: empty class name, bad prefix, ...
        TooDeep,          // nesting beyond MaxStreamDepth
        TooLarge,         // file or element count beyond the caps
    };
    Kind kind = None;
    qsizetype offset = 0; // where in the data the fault was found
};

// Reads a page screen file from memory. On failure shows 11150 with `path` as
// the detail and returns false; `out` then holds what was read completely
// before the fault: every complete image, and of the failing image its root
// with the properties and whole child records read so far.
bool ReadComponentStream(const QByteArray &bytes, const QString &path, ComponentStream &out,
                         StreamError *error = nullptr);

// Reads the page screen file at `path`: 11150 with the path, as above, also
// when the file is missing, unreadable or larger than MaxStreamFileSize.
bool LoadComponentStream(const QString &path, ComponentStream &out, StreamError *error = nullptr);

} // namespace brevane
