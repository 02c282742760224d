#pragma once
// How this platform opens the print document in a word processor.
//
// Where the program would start Microsoft Word it starts LibreOffice Writer
// ("lowriter", or "soffice --writer"), found on the PATH; where it would start
// WordPad it opens the document with the desktop's default application for
// RTF files. Programs are always started with an argument list, never through
// a shell command line. Results follow the shell's convention: 42 when the
// program was started, another value when it was not.

#include <QString>
#include <QStringList>

#include <functional>

namespace brevane {

inline constexpr int ShellStarted = 42;
inline constexpr int ShellFileNotFound = 2;   // the program does not exist or would not start
inline constexpr int ShellNoAssociation = 31; // no application opens the document

// The Writer program on the PATH and the arguments that come before the
// document's name.
struct WriterCommand
{
    QString program; // empty when Writer is not on the PATH
    QStringList arguments;
};
WriterCommand FindWriter();
// Whether Writer is on the PATH (this platform's "Word detected").
bool WriterInstalled();

// The names under which the Writer program is installed, and the folders it
// is usually installed in, in the order they are searched.
QStringList WriterProgramNames();
QStringList WriterInstallFolders();

// How long after its start a program that ends with an error is taken to
// have failed to open the document (it could not start its window, or
// refused the document), rather than having been closed by the user.
inline constexpr int QuickExitMs = 5000;

// Starts `program` with `arguments` in `workingFolder`; it lives on when this
// process ends. ShellStarted, or ShellFileNotFound when it could not be
// started. When it ends with an error within QuickExitMs, `failedAtOnce`
// runs (later, from the event loop).
int StartProgram(const QString &program, const QStringList &arguments, const QString &workingFolder,
                 const std::function<void()> &failedAtOnce = {});
// Opens the file with the desktop's default application for its kind.
// ShellStarted, or ShellNoAssociation when nothing opened it.
int OpenWithDefaultApplication(const QString &path);

// Whether a word processor holds the document open: LibreOffice keeps the
// lock file ".~lock.<name>#" beside a document while it is open. Asked to
// open such a document again, it shows the copy it holds, not the file.
bool DocumentHeldOpen(const QString &path);

// Starts the word processors. The program holds one; tests put in their own.
class WordProcessorLauncher
{
public:
    virtual ~WordProcessorLauncher() = default;

    // Word's stand-in with the document's file name (no folder) as its only
    // argument and the temporary folder as its working folder. When it ends
    // at once with an error, FailedAtOnce runs.
    virtual int StartWord(const QString &documentName, const QString &workingFolder);
    // WordPad's stand-in on the document `documentName` in `workingFolder`.
    virtual int StartWordPad(const QString &documentName, const QString &workingFolder);
    // Sets WordPad's page margins. Nothing to set on this platform (the
    // print templates carry their own margins): always true.
    virtual bool SetWordPadMargins();

    // What to do when the word processor started ends at once with an error.
    std::function<void()> FailedAtOnce;
};

} // namespace brevane
