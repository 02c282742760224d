#pragma once
// The client being edited: all its answers, the directory rows, the name of
// its client file and whether it has changes not yet saved. The program and
// brevane-cli both work through it: load, save, recalculate, add and delete
// copies of a repeatable page, override an answer and build the print
// document of a selection of forms. Every change to the client goes through
// it; it marks the client modified itself and announces what changed, and
// whatever shows the client (the window, the tree, the menus, the check
// panel, the caption) follows those signals.

#include "core/dialogs/Outcome.h"
#include "core/files/ClientLock.h"
#include "core/output/PrintJob.h"
#include "core/output/PrintSelection.h"
#include "core/output/TemplateMerge.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace brevane {

class ClientDocument : public QObject
{
    Q_OBJECT
public:
    // A new document holds an empty client, "Untitled.cl1".
    explicit ClientDocument(QObject *parent = nullptr);
    ~ClientDocument() override;

    // The answers, to read; null only after a fresh store could not be had
    // (18023 shown). Every change goes through the calls below.
    const TAnswer *Answers() const { return answers_.get(); }
    const DirectoryTable &Directory() const { return directory_; }

    // ---- the one way to change answers and rows together
    // A change to the answers and the directory rows. It fails (with its
    // message) before it writes anything.
    using Change = std::function<Outcome(TAnswer &answers, DirectoryTable &rows)>;
    // The user's change, in one step: runs `change` on the answers and
    // rows; when it succeeds the client is marked modified, each page whose
    // copies changed is announced (CopiesChanged), the rows when they
    // differ (DirectoryChanged), and the client recalculated once
    // (AnswersChanged). A failed change is only told. Fails without a store
    // (18023).
    Outcome Edit(const Change &change);
    // Writes answers and rows as reading a file does (an import into a new
    // client, a test's or benchmark's fixture): not the user's change, so
    // the modified flag stays, nothing is recalculated and nothing announced.
    Outcome Fill(const Change &fill);
    // Adds an empty copy of `page` to `answers` after the last one: the step
    // of AddCopy, for a change that adds copies inside an edit. Fails with
    // 18031 when the page has all the copies it can hold, and for a page
    // that does not repeat.
    static Outcome AddCopyTo(TAnswer &answers, int page);

    // ---- the file; a change of any of these is announced by FileStateChanged
    // The client file's path ("Untitled.cl1" until the client is saved).
    const QString &FileName() const { return fileName_; }
    void SetFileName(const QString &path);
    // Set by the user's own changes, cleared by New, Open and Save.
    bool IsModified() const { return modified_; }
    void SetModified(bool modified);
    // Opened while another window had it open: Save asks for a new name, so
    // that window's work is never replaced from here.
    bool IsReadOnly() const { return readOnly_; }
    // Binds the client to the lock of its file (none for an untitled client
    // or one opened read-only); the lock held before is released.
    void BindFile(ClientFileLock lock, bool readOnly);
    // The lock of the client file open here, so that another window opening
    // it is told.
    ClientFileLock Lock;

    // ---- changes by the user; each marks the client modified
    // The user changed an answer on the page shown (it reaches the answers
    // with the next StoreAnswer) or a row of the directory worksheet.
    void MarkEdited() { SetModified(true); }
    // Writes an answer as the page on screen holds it. Whether the user
    // changed it is told by MarkEdited: the screen's own formatting of an
    // answer is no change of the client. Throws AnswerRangeError outside the
    // page's answers.
    void StoreAnswer(int page, int copy, int answer, const QString &text);
    // Sets or clears the user's override of a computed answer, then
    // recalculates. Fails (nothing changes) outside the page's answers.
    Outcome SetOverride(int page, int copy, int answer, bool overridden);
    // The directory rows as the worksheet window leaves them: when they
    // differ from the rows the client had, an edit (marked modified,
    // DirectoryChanged, recalculated once); otherwise nothing happens.
    Outcome SetDirectory(const DirectoryTable &rows);

    // ---- copies of a repeatable page (pages 23, 24, 25, 38, 68)
    // Copies in use; 0 for a page that does not repeat.
    int CopyCount(int page) const;
    // Adds an empty copy after the last one, then recalculates. Fails with
    // 18031 when the page has all the copies it can hold, and for a page
    // that does not repeat. The new copy is CopyCount(page) - 1.
    Outcome AddCopy(int page);
    // Deletes copy `copy` (0-based): the later copies move down one place
    // with their override flags and the last place is emptied; then
    // recalculates. Fails for a copy not in use.
    Outcome DeleteCopy(int page, int copy);

    // Replaces the answers with a fresh, empty store; the old store is
    // destroyed first, so that two never exist at once. Fails with 18023
    // (no answers then) when the memory for it cannot be had.
    Outcome ResetAnswers();
    // Starts an empty client: a fresh store (as ResetAnswers), the
    // worksheet's one empty row, "Untitled.cl1" and no changes.
    Outcome Clear();
    // Frees the answers when the program closes.
    void ReleaseAnswers() { answers_.reset(); }

    // Reads the client file into the answers and the directory rows (a fresh
    // store should be in place). Fails when the file cannot be read or is
    // rejected: with the reader's message (not a client file, an unknown
    // version), else with msg::ClientFileUnreadable naming the file and what
    // was wrong. Succeeds for a file that ends early, noting
    // msg::ClientFileDamaged with the file and where it broke off: what it
    // holds is loaded. A client read has no changes not yet saved.
    Outcome Load(const QString &path);
    // What was wrong with the file that Load's outcome is about, as the
    // reader or the system said it (after "path: " in the message's
    // detail); empty when the outcome says nothing of the kind.
    static QString LoadProblem(const Outcome &loaded, const QString &path);
    // Reads a recovery copy into the client (cleared first): the work it
    // holds is saved nowhere, so the client stays untitled and is marked
    // modified. False with *problem saying why.
    bool Restore(const QString &copyPath, QString *problem);
    // Writes the client file and clears the modified flag; a failed save
    // leaves the old file whole and fails with msg::ClientFileNotSaved naming the
    // file and the system's text (also in *error).
    Outcome Save(const QString &path, QString *error = nullptr);
    // Whether the file at `path` changed on disk (another window or program
    // wrote it) since this document last read or saved it there.
    bool ChangedOnDisk(const QString &path) const;

    // One calculation run over the answers and the directory rows, then
    // AnswersChanged. Fails with 18047, naming the pages, when a page
    // procedure failed.
    Outcome Recalculate();

    // Builds the print document of the checked boxes from the templates and
    // print data in the support folders. The client's answers are as they
    // were before (the directory worksheet pages are filled on the side).
    // Fails when nothing is checked or printed, and when a page was left out
    // (a template or print data file missing, unreadable or damaged):
    // *document then holds what was built, possibly nothing. Date entries
    // that print as typed are told without failing.
    Outcome BuildPrintDocument(const PrintSelection &selection, const QString &templateFolder,
                               const QString &dataFolder, QString *document);

    // The client's name: the entity's name, else the client file's name
    // without its folder and extension.
    QString ClientName() const;
    // The forms of the checked boxes in print order, each named so that it
    // is known by itself ("Cover Sheet", "Proceedings Of Incorporators, Page 1").
    static QStringList PrintedForms(const PrintSelection &selection);
    // The print document of the checked boxes titled with the entity's name
    // and the forms printed, for a copy that keeps it (a PDF); as
    // BuildPrintDocument otherwise.
    Outcome BuildTitledPrintDocument(const PrintSelection &selection, const QString &templateFolder,
                                     const QString &dataFolder, QString *document);

Q_SIGNALS:
    // After every recalculation: whatever shows answers refreshes.
    void AnswersChanged();
    // A copy of `page` was added or deleted (a recalculation follows).
    void CopiesChanged(int page);
    // The directory rows changed.
    void DirectoryChanged();
    // The file name, the modified flag or the read-only state changed.
    void FileStateChanged();

private:
    // Notes how the file at `path` is on disk now.
    void rememberDiskState(const QString &path);

    std::unique_ptr<TAnswer> answers_;
    QString fileName_ = QStringLiteral("Untitled.cl1");
    bool modified_ = false;
    bool readOnly_ = false;
    QString diskPath_; // the file last read or saved, as it was then
    QDateTime diskModified_;
    qint64 diskSize_ = -1;
    DirectoryTable directory_;
    // The merge of the run: its working text and font size carry from one
    // page and one job to the next.
    TemplateMerge merge_;
};

// Whether a message of a print job means it left a page out of the document
// (a template or data file that cannot be used, a paper whose calculation
// failed).
bool LeavesPageOut(int number);

} // namespace brevane
