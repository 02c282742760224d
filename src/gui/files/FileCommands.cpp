#include "gui/files/FileCommands.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/files/ClientFile.h"
#include "core/files/Folders.h"
#include "core/forms/PageZero.h"
#include "core/store/Answers.h"
#include "core/store/Conversions.h"
#include "gui/common/MainWindow.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/screens/CalcCommands.h"
#include "gui/screens/PageControls.h"
#include "gui/screens/PageTransfer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>

namespace brevane {

namespace {

const QString Untitled = QStringLiteral("Untitled.cl1");
// How often the recovery copy is brought up to date: well within a minute.
constexpr int RecoveryCopyInterval = 15 * 1000;
const QString ClientFilter = QStringLiteral("Brevane Files (*.cl1)");
constexpr int MaxRecentFiles = 5;

// A client file that was not read, and why: the system's reason, or what
// the reader found wrong.
QString whyNotRead(const QString &path, const Outcome &loaded)
{
    const QString why = ClientDocument::LoadProblem(loaded, path);
    const QString file = QDir::toNativeSeparators(path);
    return why.isEmpty() ? file : file + QStringLiteral(": ") + why;
}

// Shows a load's messages but the note of a damaged file, which is told
// once the client is in place (reportDamage).
void showAllButDamage(const Outcome &loaded)
{
    for (const OutcomeMessage &message : loaded.messages())
        if (message.number != msg::ClientFileDamaged)
            ShowError(message.number, message.detail);
}

// The client file and who has it open, for the messages about its lock.
QString openBy(const QString &path, const QString &holder)
{
    const QString file = QDir::toNativeSeparators(path);
    return holder.isEmpty() ? file : file + QStringLiteral(" (open by ") + holder + QLatin1Char(')');
}

class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

bool TFileCommands::IsUntitled(const QString &fileName)
{
    const QString name = QFileInfo(QString(fileName).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
    return name.compare(Untitled, Qt::CaseInsensitive) == 0;
}

QString TFileCommands::DefaultClientPath() const
{
    return FileInFolder(main_.settings.clientFolder, QStringLiteral("default.cl1"));
}

void TFileCommands::ReadDefaultClient()
{
    const QString path = DefaultClientPath();
    if (!main_.Document().Answers() || !QFileInfo(path).isFile())
        return;
    const Outcome loaded = main_.Document().Load(path);
    if (!loaded) {
        // What the reader said, then that the default client was not read.
        if (!loaded.has(msg::ClientFileUnreadable))
            loaded.show();
        ShowError(msg::DefaultClientUnreadable, whyNotRead(path, loaded));
    } else {
        showAllButDamage(loaded);
        if (loaded.has(msg::ClientFileDamaged))
            reportDamage(path, ClientDocument::LoadProblem(loaded, path));
    }
}

void TFileCommands::CommitEdit()
{
    QWidget *focus = QApplication::focusWidget();
    TPageControl *control = PageControlOf(focus);
    if (!control || !main_.pnlMainForm->isAncestorOf(focus))
        return;
    if (dynamic_cast<TEdit *>(control) || dynamic_cast<TCheckBox *>(control))
        main_.Calc().CalcOnExit(focus);
}

bool TFileCommands::SaveQuestion()
{
    if (!main_.Document().IsModified())
        return true;
    const QMessageBox::StandardButton answer = UserDialogs::Current().Question(
        main_.Window(), QStringLiteral("Brevane"), QStringLiteral("Do You Want To Save Your Changes"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        return SaveFile(); // a save that did not happen keeps the client open
    return true;
}

bool TFileCommands::resetStore()
{
    main_.CurrentPage = -1;
    main_.CurrentContinuation = -1;
    const Outcome cleared = main_.Document().Clear();
    cleared.show();
    return cleared.ok();
}

void TFileCommands::NewClick(const TSender &sender)
{
    newClient(sender, true);
}

void TFileCommands::newClient(const TSender &sender, bool ask)
{
    if (ask) {
        CommitEdit();
        if (!SaveQuestion())
            return;
    }
    // A new client starts with the worksheet a new run starts with, unless
    // the default client brings its own.
    if (!resetStore())
        return;
    ReadDefaultClient();
    // Open binds the file it opens (and its lock) once it is read.
    if (sender.IsMenuItem() && sender.Tag == InternalNewTag)
        return;
    bindFile(ClientFileLock(), false);
    main_.Calc().RecalculateWithCursor(false).show();
    main_.CurrentPage = -1;
    main_.CurrentContinuation = -1;
    main_.ShowPage(0);
}

QString TFileCommands::dialogFolder(bool *unset) const
{
    QString folder = main_.settings.clientFolder;
    *unset = folder.isEmpty();
    if (*unset)
        folder = main_.folders.installRoot;
    // On the first run the client folder is not there yet; a dialog would
    // then open wherever the program was started from.
    QDir().mkpath(folder);
    return AddPathDelimiter(folder);
}

void TFileCommands::OpenClick(const TSender &sender)
{
    CommitEdit();
    if (!SaveQuestion())
        return;
    bool unset = false;
    const QString folder = dialogFolder(&unset);
    const QString path =
        UserDialogs::Current().OpenFileName(main_.Window(), QStringLiteral("Open Client"), folder, ClientFilter);
    if (path.isEmpty())
        return;
    openClient(path, unset, sender);
}

void TFileCommands::OpenClientFile(const QString &path, const TSender &sender)
{
    CommitEdit();
    if (!SaveQuestion())
        return;
    openClient(path, main_.settings.clientFolder.isEmpty(), sender);
}

void TFileCommands::OpenFromCommandLine(const QStringList &files)
{
    if (files.isEmpty())
        return;
    OpenClientFile(files.first(), TSender::Menu(0));
    if (files.size() > 1) {
        QStringList others;
        for (const QString &file : files.mid(1))
            others << QDir::toNativeSeparators(file);
        ShowError(msg::OneClientFileAtATime, others.join(QStringLiteral(", ")));
    }
}

void TFileCommands::OfferRecoveredWork()
{
    for (const RecoveredClient &found : RecoveryCopy::Find()) {
        const QString client = found.clientPath.isEmpty() ? QStringLiteral("a client not yet saved")
                                                          : QDir::toNativeSeparators(found.clientPath);
        const QString text =
            QStringLiteral("Brevane ended without saving the changes to %1.\n\nA recovery copy from %2 holds %3."
                           "\n\nDo you want to restore it? It opens as a new client; Save As then asks for a name. "
                           "No removes the recovery copy.")
                .arg(client, QLocale().toString(found.written, QLocale::LongFormat), found.holds);
        const QMessageBox::StandardButton answer = UserDialogs::Current().Question(
            main_.Window(), QStringLiteral("Brevane"), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::No) {
            RecoveryCopy::Discard(found.copyPath);
            continue;
        }
        if (answer != QMessageBox::Yes || main_.Document().IsModified())
            continue; // kept for the next start
        newClient(TSender::Menu(InternalNewTag), false);
        if (!main_.Document().Answers())
            return;
        QString problem;
        if (!main_.Document().Restore(found.copyPath, &problem)) {
            ShowError(msg::ClientFileUnreadable,
                      QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(found.copyPath), problem));
            newClient(TSender::Menu(0), false);
            continue;
        }
        // Restored untitled and modified: the client file may have changed
        // since, and is never replaced without the user naming it.
        main_.CurrentPage = -1;
        main_.CurrentContinuation = -1;
        main_.ShowPage(0);
        main_.Calc().RecalculateWithCursor(false).show();
        KeepRecoveryCopy(); // the new copy is written before the old one goes
        RecoveryCopy::Discard(found.copyPath);
    }
    if (!recoveryTimer_) {
        recoveryTimer_ = new QTimer(main_.Window());
        recoveryTimer_->setInterval(RecoveryCopyInterval);
        QObject::connect(recoveryTimer_, &QTimer::timeout, main_.Window(), [this] { KeepRecoveryCopy(); });
        recoveryTimer_->start();
    }
}

void TFileCommands::KeepRecoveryCopy()
{
    const TAnswer *answers = main_.Document().Answers();
    if (!main_.Document().IsModified() || !answers) {
        recovery_.Remove();
        recovered_.clear();
        return;
    }
    // What is typed in the field being edited counts too, as it does for
    // Save: a kill while the user types loses at most the interval.
    main_.Transfer().ControlsToAnswers();
    const QByteArray now = WriteClientFile(*answers, main_.Document().Directory());
    if (now == recovered_ && recovery_.Exists())
        return;
    const QString client = IsUntitled(main_.Document().FileName()) ? QString() : main_.Document().FileName();
    if (recovery_.Write(client, main_.Document().ClientName(), *answers, main_.Document().Directory()))
        recovered_ = now;
}

void TFileCommands::openClient(const QString &givenPath, bool unset, const TSender &sender)
{
    // A file named on the command line may be relative to where the program
    // was started; the client keeps the whole path.
    QString path = QFileInfo(givenPath).absoluteFilePath();
    // "client" typed for client.cl1.
    if (!QFileInfo::exists(path) && QFileInfo(path).suffix().isEmpty() &&
        QFileInfo::exists(path + QStringLiteral(".cl1")))
        path += QStringLiteral(".cl1");
    ClientFileLock lock;
    bool readOnly = false;
    if (!lockForOpening(path, lock, &readOnly))
        return;
    newClient(TSender::Menu(InternalNewTag), false);
    if (!main_.Document().Answers())
        return;
    main_.Document().SetFileName(path);
    const Outcome loaded = main_.Document().Load(path);
    showAllButDamage(loaded);
    if (!loaded) {
        newClient(sender, false);
        return;
    }
    bindFile(std::move(lock), readOnly);
    const bool damaged = loaded.has(msg::ClientFileDamaged);
    if (unset)
        main_.SetClientFolder(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    if (!MoveToTopOfRecent(path)) {
        main_.settings.recentFiles.prepend(path);
        RebuildRecentMenu();
    }
    RebuildRecentMenu();
    main_.CurrentPage = -1;
    main_.CurrentContinuation = -1;
    main_.ShowPage(0);
    main_.Calc().RecalculateWithCursor(false).show();
    if (damaged)
        reportDamage(path, ClientDocument::LoadProblem(loaded, path));
}

void TFileCommands::ReOpenClick(int index)
{
    if (index < 0 || index >= main_.settings.recentFiles.size())
        return;
    const QString path = main_.settings.recentFiles.at(index);
    // A file that is gone leaves the list; the client open stays as it is,
    // and nothing is asked first.
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink()) {
        ShowError(msg::RecentFileGone, QDir::toNativeSeparators(path));
        main_.settings.recentFiles.removeAt(index);
        RebuildRecentMenu();
        return;
    }
    if (!SaveQuestion())
        return;
    ClientFileLock lock;
    bool readOnly = false;
    if (!lockForOpening(path, lock, &readOnly))
        return;
    BusyCursor busy;
    if (!resetStore()) {
        ShowError(msg::ReopenStoreNotCreated);
        return;
    }
    main_.Document().SetFileName(path);
    const Outcome loaded = main_.Document().Load(path);
    if (!loaded) {
        if (loaded.has(msg::ClientFileUnreadable))
            ShowError(msg::RecentFileNotRead, whyNotRead(path, loaded));
        else
            loaded.show();
        // No partly read client stays bound to the path.
        newClient(TSender::Menu(0), false);
        return;
    }
    showAllButDamage(loaded);
    bindFile(std::move(lock), readOnly);
    main_.CurrentPage = -1;
    main_.CurrentContinuation = -1;
    main_.ShowPage(0);
    if (MoveToTopOfRecent(path))
        RebuildRecentMenu();
    if (loaded.has(msg::ClientFileDamaged))
        reportDamage(path, ClientDocument::LoadProblem(loaded, path));
}

bool TFileCommands::writeClient(const QString &path)
{
    if (!main_.Document().Answers())
        return false;
    Outcome saved;
    {
        BusyCursor busy;
        saved = main_.Document().Save(path);
    }
    // A failed save leaves the previous file untouched and the answers in
    // the window.
    saved.show();
    return saved.ok();
}

bool TFileCommands::SaveFile()
{
    main_.Transfer().ControlsToAnswers();
    // A client opened read-only is saved under a new name only.
    if (IsUntitled(main_.Document().FileName()) || main_.Document().IsReadOnly())
        return SaveAsClick();
    // Another window or program wrote the file since it was opened here:
    // replacing it would lose that work unasked.
    if (main_.Document().ChangedOnDisk(main_.Document().FileName()) &&
        UserDialogs::Current().Question(main_.Window(), QStringLiteral("Brevane"),
                                        QStringLiteral("%1 was changed on disk since you opened it. Replace it with "
                                                       "your answers?")
                                            .arg(QFileInfo(main_.Document().FileName()).fileName()),
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return false;
    return writeClient(main_.Document().FileName());
}

bool TFileCommands::SaveAsClick()
{
    CommitEdit();
    main_.Transfer().ControlsToAnswers();
    QString proposed;
    // A client not yet saved is offered under the entity's name.
    if (IsUntitled(main_.Document().FileName()) && main_.Document().Answers()) {
        const QString name = FileBaseNameOf(main_.Document().Answers()->Text(0, 0, G0::EntityName));
        if (!name.isEmpty())
            proposed = name + QStringLiteral(".cl1");
    }
    bool unset = false;
    const QString folder = dialogFolder(&unset);
    QString name = UserDialogs::Current().SaveFileName(main_.Window(), QStringLiteral("Save Client As"),
                                                       folder + proposed, ClientFilter);
    if (name.isEmpty())
        return false; // nothing written; the client stays marked as modified

    // The default extension for a name typed without one (a desktop's own
    // dialog may not have added it).
    const QString chosen = name;
    if (QFileInfo(name).suffix().isEmpty() && !name.endsWith(QLatin1Char('.')))
        name += QStringLiteral(".cl1");
    if (name.right(3).compare(QLatin1String("CL1"), Qt::CaseInsensitive) != 0) {
        ShowError(msg::ClientFileExtensionChanged);
        name = RemoveExtension(name) + QStringLiteral(".cl1");
    }
    // The dialog asked about replacing the name it returned; a name changed
    // after it is asked about here.
    if (name != chosen && QFileInfo::exists(name) &&
        UserDialogs::Current().Question(
            main_.Window(), QStringLiteral("Brevane"),
            QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(name)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return false;
    // A client file another window has open is not replaced from here; the
    // new name is locked for this window before it is written.
    ClientFileLock lock;
    const bool ownFile = main_.Document().Lock.Holds(name);
    QString holder;
    const ClientFileLock::Result taken = ownFile ? ClientFileLock::Result::Taken : lock.Take(name, &holder);
    if (taken == ClientFileLock::Result::Unusable) {
        ShowError(msg::ClientLockUnusable,
                  QDir::toNativeSeparators(name) + QStringLiteral(" (") + holder + QLatin1Char(')'));
        return false;
    }
    if (taken == ClientFileLock::Result::HeldElsewhere) {
        ShowError(msg::ClientFileNotReplaced, openBy(name, holder));
        return false;
    }
    if (!writeClient(name))
        return false;
    if (!ownFile)
        bindFile(std::move(lock), false);
    if (unset)
        main_.SetClientFolder(QDir::toNativeSeparators(QFileInfo(name).absolutePath()));
    if (!MoveToTopOfRecent(name)) {
        main_.settings.recentFiles.prepend(name);
        RebuildRecentMenu();
    }
    main_.Document().SetFileName(name);
    return true;
}

void TFileCommands::DuplicateClick()
{
    main_.Document().SetFileName(Untitled);
    bindFile(ClientFileLock(), false);
    main_.ShowPage(MakePageTag(1, 0));
}

bool TFileCommands::MoveToTopOfRecent(const QString &path)
{
    if (IsUntitled(path))
        return true;
    QStringList &recent = main_.settings.recentFiles;
    for (qsizetype i = 0; i < recent.size(); ++i) {
        if (recent.at(i).compare(path, Qt::CaseInsensitive) == 0) {
            recent.removeAt(i);
            recent.prepend(path);
            return true;
        }
    }
    return false;
}

void TFileCommands::RebuildRecentMenu()
{
    QStringList &recent = main_.settings.recentFiles;
    while (recent.size() > MaxRecentFiles)
        recent.removeLast();
    main_.ShowRecentFiles(recent);
}

void TFileCommands::DefaultFileLocation(int tag)
{
    if (tag == 0) {
        const QString folder = UserDialogs::Current().FolderName(
            main_.Window(), QStringLiteral("Select client file folder"), main_.settings.clientFolder);
        if (!folder.isEmpty())
            main_.SetClientFolder(QDir::toNativeSeparators(folder));
    } else {
        const QString folder = UserDialogs::Current().FolderName(
            main_.Window(), QStringLiteral("Select temporary file folder"), main_.folders.tempFolder);
        if (!folder.isEmpty())
            main_.folders.tempFolder = QDir::toNativeSeparators(folder);
    }
}

void TFileCommands::reportDamage(const QString &path, const QString &problem)
{
    ShowError(msg::ClientFileDamaged, QDir::toNativeSeparators(path) + QStringLiteral(": ") + problem);
    // The next Save asks for a name, so the part that was read never
    // replaces the damaged file.
    main_.Document().SetFileName(QStringLiteral("Untitled.cl1"));
    bindFile(ClientFileLock(), false);
}

bool TFileCommands::lockForOpening(const QString &path, ClientFileLock &lock, bool *readOnly)
{
    *readOnly = false;
    ClientDocument &document = main_.Document();
    if (document.Lock.Holds(path)) {
        lock = std::move(document.Lock);
        return true;
    }
    // Only a client file is locked: what is not a regular file is turned
    // away when it is read, and leaves nothing beside it.
    QString holder;
    if (!QFileInfo(path).isFile())
        return true;
    const ClientFileLock::Result taken = lock.Take(path, &holder);
    if (taken == ClientFileLock::Result::Unusable) {
        ShowError(msg::ClientLockUnusable,
                  QDir::toNativeSeparators(path) + QStringLiteral(" (") + holder + QLatin1Char(')'));
        *readOnly = true;
        return true;
    }
    if (taken != ClientFileLock::Result::HeldElsewhere)
        return true; // locked here, or in a folder where no lock can be made
    const ErrorMessage message = ComposeError(msg::ClientFileOpenElsewhere, openBy(path, holder));
    const QMessageBox::StandardButton answer = UserDialogs::Current().Question(
        main_.Window(), message.caption, message.text, QMessageBox::Open | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Open)
        return false;
    *readOnly = true;
    return true;
}

void TFileCommands::bindFile(ClientFileLock lock, bool readOnly)
{
    // The lock held before, of the file open until now, is released.
    main_.Document().BindFile(std::move(lock), readOnly);
}

} // namespace brevane
