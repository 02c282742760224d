#pragma once
// The client file (.cl1): the whole answer store and the directory rows as
// lines of Windows-1252 text with CR LF line ends, read and written by
// position. Layout:
//
//   Brevane
//    1.03000000000000E+0000               version, 23-character form (1.02: numbers
//                                          and dates in answers in the answer form;
//                                          earlier ones as their region wrote them;
//                                          1.03: the share ledger's original issue
//                                          is the program's, earlier ledger lines
//                                          the user's own)
//   ***** Page Counts
//   PgCt[0] .. PgCt[99]                   one integer line each
//   ***** Page Data
//   for each page p, continuation c = 0 .. PgCt[p] (at most the page's last list):
//     ***** Page p; Cont c
//     for each answer: its text line, then "1" (overridden) or "0"
//   Worksheet - ***************
//   Column Count
//   13
//   Row Count
//   R
//   13 x R cells, column by column (all rows of column 0, then column 1, ...)
//
// A text holding a line break is written with " | " in its place.

#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QByteArray>
#include <QString>

namespace brevane {

// The whole file as bytes.
QByteArray WriteClientFile(const TAnswer &store, const DirectoryTable &directory);

// Fills a freshly created store and the directory from the file's bytes.
// Shows 33010 (not a client file) or 33020 (unknown version) and returns
// false; a malformed count or flag, or a count of copies the page cannot
// have, returns false without a message of its own, saying what was wrong in
// *problem. A file that ends early,
// or whose sections stop following its counts, loads what it holds (up to
// the first section out of place, and the directory rows when their heading
// is found) and answers true, saying so in *problem; *problem is left alone
// for a whole file.
bool ReadClientFile(const QByteArray &bytes, TAnswer &store, DirectoryTable &directory, QString *problem = nullptr);

// Writes the client file through a temporary file beside it that replaces the
// old file only when complete, so a failed save never destroys the previous
// file. Returns false with the system's error text in *error.
bool SaveClientFile(const QString &path, const TAnswer &store, const DirectoryTable &directory,
                    QString *error = nullptr);

// Reads the file at `path` into the store and directory. False when the file
// cannot be read (*error holds the system's text; no message shown) or when
// ReadClientFile rejects it; *problem as ReadClientFile gives it.
bool LoadClientFile(const QString &path, TAnswer &store, DirectoryTable &directory, QString *error = nullptr,
                    QString *problem = nullptr);

} // namespace brevane
