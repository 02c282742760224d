#pragma once
// The recovery copy of a client's unsaved work. While a window has changes
// not yet saved, it keeps a copy of the whole client in the user's data
// folder (never beside the client file), replaced whole each time. The copy
// is removed when the client is saved or the user declines it; one left by a
// program that ended without either (a crash, a kill, a power cut) is found
// at the next start and offered back.
//
// A copy is one file: a heading line, the client file's path, the time it
// was written and a line saying what it holds, then the client file's bytes.
// A lock beside it tells a running program's copy from one left behind.

#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

class QLockFile;

namespace brevane {

// A recovery copy left behind, as the start offers it.
struct RecoveredClient
{
    QString copyPath;   // the recovery copy itself
    QString clientPath; // the client file it belongs to; empty for a client never saved
    QDateTime written;  // when the copy was written
    QString holds;      // what it holds: the entity's name and how many answers
};

class RecoveryCopy
{
public:
    // Copies are kept in `folder` (made when first written).
    explicit RecoveryCopy(QString folder = DefaultFolder());
    ~RecoveryCopy(); // keeps the copy: only Remove() ends it
    RecoveryCopy(const RecoveryCopy &) = delete;
    RecoveryCopy &operator=(const RecoveryCopy &) = delete;

    // "recovery" in the user's data folder.
    static QString DefaultFolder();

    // Replaces this window's copy with the client as it stands. `clientPath`
    // names the client file (empty while untitled); `entityName` goes into
    // what the copy says it holds. False, with the reason in *error, when it
    // cannot be written; the previous copy is then as it was.
    bool Write(const QString &clientPath, const QString &entityName, const TAnswer &store,
               const DirectoryTable &directory, QString *error = nullptr);
    // Removes this window's copy (the client was saved or given up).
    void Remove();
    bool Exists() const;
    const QString &Path() const { return path_; }

    // The copies in `folder` left by programs no longer running, newest first.
    static QList<RecoveredClient> Find(const QString &folder = DefaultFolder());
    // Reads a copy's client into the store and directory; false, with the
    // reason in *problem, when it is not a whole recovery copy.
    static bool Load(const QString &copyPath, TAnswer &store, DirectoryTable &directory, QString *problem = nullptr);
    // Removes a copy found by Find (the user declined it, or it was restored
    // and saved).
    static void Discard(const QString &copyPath);

private:
    QString folder_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace brevane
