#pragma once
// The client being edited: all its answers, the directory rows, the name of
// its client file and whether it has changes not yet saved. The program and
// brevane-cli both work through it: load, save, recalculate and build the
// print document of a selection of forms.

#include "core/files/ClientLock.h"
#include "core/output/PrintJob.h"
#include "core/output/PrintSelection.h"
#include "core/output/TemplateMerge.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>

namespace brevane {

class ClientDocument : public QObject
{
    Q_OBJECT
public:
    // A new document holds an empty client, "Untitled.cl1".
    explicit ClientDocument(QObject *parent = nullptr);
    ~ClientDocument() override;

    // The answers; null only after a fresh store could not be had (18023 shown).
    TAnswer *Answers() const { return answers_.get(); }
    DirectoryTable &Directory() { return directory_; }
    const DirectoryTable &Directory() const { return directory_; }

    // The client file's path ("Untitled.cl1" until the client is saved).
    QString FileName = QStringLiteral("Untitled.cl1");
    // Set by the user's own changes, cleared by New, Open and Save.
    bool Modified = false;
    // The lock of the client file open here, so that another window opening
    // it is told; none for an untitled client or one opened read-only.
    ClientFileLock Lock;
    // Opened while another window had it open: Save asks for a new name, so
    // that window's work is never replaced from here.
    bool ReadOnly = false;

    // Replaces the answers with a fresh, empty store; the old store is
    // destroyed first, so that two never exist at once. Shows 18023 and
    // answers false (no answers) when the memory for it cannot be had.
    bool ResetAnswers();
    // Frees the answers when the program closes.
    void ReleaseAnswers() { answers_.reset(); }

    // Reads the client file into the answers and the directory rows (a fresh
    // store should be in place). False when the file cannot be read (*error
    // holds the system's text) or is rejected (*problem says why, where the
    // reader showed no message). True for a file that ends early, with
    // *problem saying so: what it holds is loaded.
    bool Load(const QString &path, QString *error = nullptr, QString *problem = nullptr);
    // Writes the client file; a failed save leaves the old file whole. False
    // with the system's text in *error.
    bool Save(const QString &path, QString *error = nullptr);
    // Whether the file at `path` changed on disk (another window or program
    // wrote it) since this document last read or saved it there.
    bool ChangedOnDisk(const QString &path) const;

    // One calculation run over the answers and the directory rows, then
    // AnswersChanged. False when a page procedure failed (18047 shown).
    [[nodiscard]] bool Recalculate();

    // Builds the print document of the checked boxes from the templates and
    // print data in the support folders. The client's answers are as they
    // were before (the directory worksheet pages are filled on the side).
    PrintBuildResult BuildPrintDocument(const PrintSelection &selection, const QString &templateFolder,
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
    PrintBuildResult BuildTitledPrintDocument(const PrintSelection &selection, const QString &templateFolder,
                                              const QString &dataFolder, QString *document);

Q_SIGNALS:
    // After every recalculation: whatever shows answers refreshes.
    void AnswersChanged();

private:
    // Notes how the file at `path` is on disk now.
    void rememberDiskState(const QString &path);

    std::unique_ptr<TAnswer> answers_;
    QString diskPath_; // the file last read or saved, as it was then
    QDateTime diskModified_;
    qint64 diskSize_ = -1;
    DirectoryTable directory_;
    // The merge of the run: its working text and font size carry from one
    // page and one job to the next.
    TemplateMerge merge_;
};

} // namespace brevane
