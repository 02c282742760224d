#pragma once
// The lock beside an open client file: ".~acme.cl1.lock" next to acme.cl1
// says that a Brevane window (or brevane-cli) has the client open, and who
// (the user, the computer, the program and its process). A second window
// opening the same file learns that it is open elsewhere. A lock left by a
// program that ended without closing the file (a crash, a power cut) is
// taken over without a word.

#include <QString>

#include <memory>

class QLockFile;

namespace brevane {

class ClientFileLock
{
public:
    ClientFileLock();
    ~ClientFileLock(); // releases the lock it holds
    ClientFileLock(ClientFileLock &&) noexcept;
    ClientFileLock &operator=(ClientFileLock &&) noexcept;
    ClientFileLock(const ClientFileLock &) = delete;
    ClientFileLock &operator=(const ClientFileLock &) = delete;

    enum class Result {
        Taken,         // this object holds the lock now (or held it already)
        HeldElsewhere, // another window or program has the file open
        NotPossible,   // no lock can be made there (a folder the user cannot write)
        Unusable,      // the lock's place holds what no lock is (a folder, a link); *holder says what and what to do
    };

    // Takes the lock of the client file at `path`; the lock held before, of
    // another file, is released when the new one is taken. HeldElsewhere
    // says who holds it in *holder ("ana on desk1, brevane process 4321").
    Result Take(const QString &path, QString *holder = nullptr);
    void Release();
    // The client file whose lock this holds; empty when none.
    const QString &LockedFile() const { return file_; }
    bool Holds(const QString &path) const;

    // Where the lock of the client file at `path` is kept: beside the file
    // itself, links resolved, so that every name of one file finds its lock.
    static QString LockPathOf(const QString &path);
    // Whether a window or program has the client file at `path` open, seen
    // from outside without taking the lock: true with the holder in *holder
    // ("ana on desk1, brevane process 4321", empty when the lock does not
    // say). A lock left on this computer by a program that has ended holds
    // nothing. *pid is the holder's process (0 when the lock does not say).
    static bool IsOpenElsewhere(const QString &path, QString *holder = nullptr, qint64 *pid = nullptr);

private:
    std::unique_ptr<QLockFile> lock_;
    QString file_;
};

} // namespace brevane
