#pragma once
// The File menu commands: New (and Close), Open, Reopen from the recent
// files, Save, Save As and Duplicate, with the save question, the recent
// files list and its menu, and the Default File Locations commands.

#include "core/files/ClientLock.h"
#include "core/files/RecoveryCopy.h"
#include "gui/common/Sender.h"

#include <QString>
#include <QStringList>

class QTimer;

namespace brevane {

class TMainWindow;

class TFileCommands
{
public:
    explicit TFileCommands(TMainWindow &main)
        : main_(main)
    {}

    // New and Close. With mnuInvisible carrying Tag 69 (the internal New of
    // Open) the store is replaced without a display.
    void NewClick(const TSender &sender);
    void OpenClick(const TSender &sender);
    // Opens the client file at `path` as Open does once its dialog has
    // answered: the save question first, the same messages for a file that
    // cannot be read, is not a client file or is damaged.
    void OpenClientFile(const QString &path, const TSender &sender);
    // The files named when the program was started (brevane FILE.cl1): the
    // first opens as above; more than one are named in a message (33090).
    void OpenFromCommandLine(const QStringList &files);
    // At start: offers each recovery copy a program left behind (a crash, a
    // kill, a power cut) with its client, time and what it holds; a copy
    // restored opens untitled and modified, one declined is removed.
    void OfferRecoveredWork();
    // Keeps the recovery copy in step with the store while it has unsaved
    // changes, and removes it once there are none. Runs every few seconds.
    void KeepRecoveryCopy();
    // The client was saved or given up on closing: no copy is kept.
    void DropRecoveryCopy() { recovery_.Remove(); }
    // A recent-file item: `index` into the recent files list.
    void ReOpenClick(int index);
    // True when the client was written.
    bool SaveFile();
    bool SaveAsClick();
    void DuplicateClick();

    bool MoveToTopOfRecent(const QString &path);
    void RebuildRecentMenu();
    // Tag 0: the client file folder; Tag 1: the temporary folder.
    void DefaultFileLocation(int tag);

    // The save question for a modified client. False when the command must
    // stop: Cancel, or Yes with a save that did not happen.
    bool SaveQuestion();
    // The field being edited hands its value to the store, as a Tab would.
    void CommitEdit();

    // A client never saved: its file-name part is "Untitled.cl1" in any case.
    static bool IsUntitled(const QString &fileName);
    QString DefaultClientPath() const;
    // Reads the default client into the store when it exists; 11340 when it
    // cannot be read.
    void ReadDefaultClient();

    static constexpr int InternalNewTag = 69;

private:
    RecoveryCopy recovery_;
    QByteArray recovered_; // what the copy holds, to write it only when it changed
    QTimer *recoveryTimer_ = nullptr;
    // Before the client file at `path` opens here: its lock is taken into
    // `lock` (or handed over when this window holds it already). When another
    // window or program has it open the user is told (38020) and may open it
    // read-only (*readOnly) or cancel (false).
    bool lockForOpening(const QString &path, ClientFileLock &lock, bool *readOnly);
    // The client file open here (its name already set) is held by `lock`
    // (none for an untitled client or one opened read-only).
    void bindFile(ClientFileLock lock, bool readOnly);
    // A client file that ended early: the user is told, and Save asks for a name.
    void reportDamage(const QString &path, const QString &problem);
    void newClient(const TSender &sender, bool ask);
    // Open after its question and dialog; `unset`: no client file folder yet.
    void openClient(const QString &path, bool unset, const TSender &sender);
    bool resetStore();
    bool writeClient(const QString &path);
    QString dialogFolder(bool *unset) const;

    TMainWindow &main_;
};

} // namespace brevane
