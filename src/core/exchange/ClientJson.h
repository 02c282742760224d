#pragma once
// The client as JSON, for other programs: the answers of the General
// Information Worksheet by name, every other page's answers with their
// override flags, the copies of the repeatable pages and the Directory
// Worksheet's rows by column name. docs/json-layout.md describes the layout.
//
// A client written to JSON and read back writes the same client file, byte
// for byte: the JSON holds every answer and flag the client file holds, as
// the client file keeps it (numbers and dates in the answer form).

#include "core/dialogs/Outcome.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QByteArray>
#include <QString>

namespace brevane {

// The layout's name and version, the first two members of every file written.
inline constexpr char ClientJsonFormat[] = "Brevane client";
inline constexpr int ClientJsonVersion = 1;

// The client as JSON text (UTF-8, indented): the format and version first,
// answers in the order of their page, the directory's columns in the
// worksheet's order.
QByteArray WriteClientJson(const TAnswer &store, const DirectoryTable &directory);

// Reads JSON written as WriteClientJson writes it into the store and the
// directory, replacing every answer, flag, count of copies and row they held
// (what the JSON leaves out is empty). Fails with msg::ClientJsonRejected, naming every member that
// is wrong (at most ten) and where it stands, when the text is not JSON, is
// not a client of a version this program reads, or holds a member of the
// wrong type, an unknown member, page, answer or column, or a copy of a page
// the client cannot hold; the store and the directory are then as they were.
// Texts are taken as KeptText gives them.
Outcome ReadClientJson(const QByteArray &json, TAnswer &store, DirectoryTable &directory);

// A text from another program as the client keeps it: each line break as
// " | " (as a memo keeps its lines), and as it is when the client file can
// hold every character of it (so that what the file held comes back
// unchanged), otherwise fitted as typed text is (FitWindows1252).
QString KeptText(const QString &text);

// The key of an answer in the JSON: its name where its page's source gives
// one, otherwise its number ("12").
QString AnswerKey(int page, int answer);
// The answer a key names on the page: its name or its number; -1 for none.
int AnswerOfKey(int page, const QString &key);

} // namespace brevane
