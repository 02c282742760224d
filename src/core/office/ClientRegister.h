#pragma once
// The client register: every client file in the client folder and its
// subfolders, each summed up in one line (the entity, its kind, charter
// number, filing date and statutory agent, when it was last saved, how many
// findings of the check must be fixed before filing, the next date it must
// keep). A file that cannot be read whole, or that another window has open,
// is listed with what is wrong, never left out.

#include "core/office/OhioCalendar.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace brevane {

// How far a client file could be read.
enum class ClientFileState {
    Ready,      // read whole
    Damaged,    // ends early or its sections stop following its counts: what it holds is summed up
    Unreadable, // not a client file, of an unknown version, malformed, or not readable at all
};

struct ClientSummary
{
    QString path;         // the client file, absolute
    QString relativePath; // below the client folder, with "/" between folders
    ClientFileState state = ClientFileState::Ready;
    QString problem; // what is wrong with a damaged or unreadable file, in the user's words
    bool openElsewhere = false;
    bool openHere = false; // open in a window of this very program
    QString openBy;        // who has it open ("ana on desk1, brevane process 4321"); may be empty

    QString name;        // the entity's name as the worksheet gives it
    unsigned kind = 0;   // an EntityKind; 0 for a file that could not be read
    QString charter;     // the charter number
    QString filingDate;  // as the worksheet gives it
    QString agent;       // the statutory agent's name
    QDateTime lastSaved; // the file's modification time
    qint64 size = -1;
    int mustFix = -1; // findings that must be fixed before filing; -1 when the file could not be read
    ClientDates dates;
    std::optional<DueDate> nextDue;

    // The entity's name, else the file's name without its folder and extension.
    QString DisplayName() const;
    // What the register shows in its state column: "" for a file read whole
    // and not open elsewhere, else "damaged", "cannot be read", "open
    // elsewhere" or "open here" (a damaged file open elsewhere is damaged
    // first).
    QString StateText() const;
};

// "corporation", "professional association", "LLC"; empty for none.
QString KindName(unsigned kind);

// Sums up one client file. `today` is the day the must-fix findings and the
// next due date are counted from. Never shows a message.
ClientSummary SummarizeClientFile(const QString &path, const QDate &today);

// Sums up client files one after the other with one answer store, emptied
// of what each file filled: a store for every file would cost more than
// reading the file.
class ClientSummaryReader
{
public:
    ClientSummaryReader();
    ~ClientSummaryReader();
    ClientSummaryReader(const ClientSummaryReader &) = delete;
    ClientSummaryReader &operator=(const ClientSummaryReader &) = delete;

    ClientSummary Summarize(const QString &path, const QDate &today);
    // Whether another window or program, or this one, has it open.
    static void LookAtLock(ClientSummary &summary);

private:
    void emptyStore();
    std::unique_ptr<TAnswer> answers_;
};

// The client files in `folder` and its subfolders, sorted by path: files
// ending in ".cl1" in any letter case; hidden files, folders reached through
// links and the default client ("default.cl1" in the folder itself, which
// every new client starts from) are left out.
QStringList ClientFilesIn(const QString &folder);

class ClientRegister
{
public:
    explicit ClientRegister(const QString &folder = QString());

    const QString &Folder() const { return folder_; }
    void SetFolder(const QString &folder);

    // Reads the folder again. A file whose size and time of change are as
    // they were is not read again (whether it is open elsewhere is looked at
    // anew). False when the folder does not exist or is not a folder: the
    // register is then empty.
    bool Refresh(const QDate &today = QDate::currentDate());

    // The clients in the order of their paths.
    const QList<ClientSummary> &Clients() const { return clients_; }
    // The folders read, the client folder first: what a watcher of the
    // register's changes watches.
    const QStringList &Folders() const { return folders_; }

private:
    QString folder_;
    QDate today_;
    QList<ClientSummary> clients_;
    QStringList folders_;
};

// One date of one client, for the office's calendar.
struct OfficeDueDate
{
    QString clientPath;
    QString clientName;
    DueDate due;
};

// The dates of every client readable from `from` to `to`, in date order,
// clients in the order given on the same day.
QList<OfficeDueDate> OfficeDueDates(const QList<ClientSummary> &clients, const QDate &from, const QDate &to);

} // namespace brevane
