#include "platform/WordProcessor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#ifdef BREVANE_PLATFORM_HAS_GUI
#include <QDesktopServices>
#endif

namespace brevane {

WriterCommand FindWriter()
{
    const QString lowriter = QStandardPaths::findExecutable(QStringLiteral("lowriter"));
    if (!lowriter.isEmpty())
        return {lowriter, {}};
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (!soffice.isEmpty())
        return {soffice, {QStringLiteral("--writer")}};
    return {};
}

bool WriterInstalled()
{
    return !FindWriter().program.isEmpty();
}

QStringList WriterProgramNames()
{
    return {QStringLiteral("lowriter"), QStringLiteral("soffice")};
}

QStringList WriterInstallFolders()
{
    QStringList folders{QStringLiteral("/usr/bin"), QStringLiteral("/usr/lib/libreoffice/program")};
    // The vendor's own packages install as /opt/libreoffice<version>.
    const QDir opt(QStringLiteral("/opt"));
    for (const QString &name :
         opt.entryList({QStringLiteral("libreoffice*")}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders << opt.filePath(name) + QStringLiteral("/program");
    folders << QStringLiteral("/usr/local/bin") << QStringLiteral("/snap/bin");
    return folders;
}

int StartProgram(const QString &program, const QStringList &arguments, const QString &workingFolder,
                 const std::function<void()> &failedAtOnce)
{
    if (program.isEmpty())
        return ShellFileNotFound;
    if (!failedAtOnce)
        return QProcess::startDetached(program, arguments, workingFolder) ? ShellStarted : ShellFileNotFound;
    // Watched for a quick failure. The process object is never deleted while
    // the program runs, so the program is not ended with this one.
    auto *process = new QProcess;
    process->setProgram(program);
    process->setArguments(arguments);
    process->setWorkingDirectory(workingFolder);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    QObject::connect(process, &QProcess::finished, process,
                     [process, clock, failedAtOnce](int exitCode, QProcess::ExitStatus status) {
                         if ((status != QProcess::NormalExit || exitCode != 0) && clock.elapsed() < QuickExitMs)
                             failedAtOnce();
                         process->deleteLater();
                     });
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return ShellFileNotFound;
    }
    return ShellStarted;
}

int OpenWithDefaultApplication(const QString &path)
{
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
#ifdef BREVANE_PLATFORM_HAS_GUI
    return QDesktopServices::openUrl(url) ? ShellStarted : ShellNoAssociation;
#else
    // Without the desktop services of Qt Gui: the desktop's own opener.
#if defined(Q_OS_MACOS)
    const QString opener = QStringLiteral("open");
#else
    const QString opener = QStringLiteral("xdg-open");
#endif
    const QString program = QStandardPaths::findExecutable(opener);
    return program.isEmpty() ? ShellNoAssociation : StartProgram(program, {url.toLocalFile()}, QString());
#endif
}

bool DocumentHeldOpen(const QString &path)
{
    const QFileInfo document(path);
    return QFileInfo::exists(
        document.dir().filePath(QStringLiteral(".~lock.") + document.fileName() + QLatin1Char('#')));
}

int WordProcessorLauncher::StartWord(const QString &documentName, const QString &workingFolder)
{
    const WriterCommand writer = FindWriter();
    return StartProgram(writer.program, writer.arguments + QStringList{documentName}, workingFolder, FailedAtOnce);
}

int WordProcessorLauncher::StartWordPad(const QString &documentName, const QString &workingFolder)
{
    return OpenWithDefaultApplication(QDir(workingFolder).filePath(documentName));
}

bool WordProcessorLauncher::SetWordPadMargins()
{
    return true;
}

} // namespace brevane
