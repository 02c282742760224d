#include "gui/dialogs/HelpCommands.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "gui/dialogs/UserDialogs.h"

#include <QDir>
#include <QFileInfo>

namespace brevane {

namespace {
const QString SitePrefix = QStringLiteral("/help/Brevane/");
} // namespace

QString HelpFolder(const QString &programFolder)
{
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/Help"));
    if (QFileInfo(installed).isDir())
        return installed;
#ifdef BREVANE_HELP_SOURCE_DIR
    if (QFileInfo(QStringLiteral(BREVANE_HELP_SOURCE_DIR)).isDir())
        return QStringLiteral(BREVANE_HELP_SOURCE_DIR);
#endif
    return installed;
}

QUrl HelpPageUrl(const QString &programFolder, const QString &sitePath)
{
    if (sitePath.startsWith(SitePrefix)) {
        const QString local = HelpFolder(programFolder) + QLatin1Char('/') + sitePath.mid(SitePrefix.size());
        if (QFileInfo(local).isFile())
            return QUrl::fromLocalFile(local);
    }
    return QUrl(QString::fromLatin1(HelpSiteHost) + sitePath);
}

void OpenHelpPage(const QString &programFolder, const QString &sitePath)
{
    const QUrl url = HelpPageUrl(programFolder, sitePath);
    const QString where = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    const auto failed = [where] { ShowError(msg::HelpPageNotOpened, where); };
    if (!UserDialogs::Current().OpenUrl(url, failed))
        failed();
}

void OpenPdf(const QString &path)
{
    const QString where = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const auto failed = [where] { ShowError(msg::PdfNotOpened, where); };
    if (!UserDialogs::Current().OpenUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()), failed))
        failed();
}

void OpenFolder(const QString &folder)
{
    const QString where = QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath());
    const auto failed = [where] { ShowError(msg::FolderNotOpened, where); };
    if (!UserDialogs::Current().OpenUrl(QUrl::fromLocalFile(QFileInfo(folder).absoluteFilePath()), failed))
        failed();
}

void TableofContentsClick(const QString &programFolder)
{
    OpenHelpPage(programFolder, QString::fromLatin1(HelpContentsPath));
}

void TutorialClick(const QString &programFolder)
{
    OpenHelpPage(programFolder, QString::fromLatin1(HelpTutorialPath));
}

int ShellOpenDocument(const QString &file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return info.absoluteDir().exists() ? 2 : 3;
    if (!info.isReadable())
        return 5;
    // An opener that starts but finds no viewer is said as the PDF's own failure.
    const QString where = QDir::toNativeSeparators(info.absoluteFilePath());
    return UserDialogs::Current().OpenUrl(QUrl::fromLocalFile(info.absoluteFilePath()),
                                          [where] { ShowError(msg::PdfNotOpened, where); })
               ? ShellOpenStarted
               : 31;
}

QString ShellFailureText(int code)
{
    switch (code) {
    case 2:
        return QStringLiteral("The specified file was not found.");
    case 3:
        return QStringLiteral("The specified path was not found.");
    case 5:
        return QStringLiteral("The operating system denied access to the specified file.");
    case 8:
        return QStringLiteral("There was not enough memory to complete the operation.");
    case 11:
        return QStringLiteral("The .EXE file is invalid (non-Win32 .EXE or error in .EXE image).");
    case 26:
        return QStringLiteral("A sharing violation occurred.");
    case 27:
        return QStringLiteral("The filename association is incomplete or invalid.");
    case 28:
        return QStringLiteral("The DDE transaction could not be completed because the request timed out.");
    case 29:
        return QStringLiteral("The DDE transaction failed.");
    case 30:
        return QStringLiteral(
            "The DDE transaction could not be completed because other DDE transactions were being processed.");
    case 31:
        return QStringLiteral("There is no application associated with the given filename extension.");
    case 32:
        return QStringLiteral("The specified dynamic-link library was not found.");
    default:
        return QString();
    }
}

void PDFClick(QWidget *parent, const QString &pdfFolder)
{
    QString file = UserDialogs::Current().OpenFileName(parent, QStringLiteral("Open IRS Publication Dialog"), pdfFolder,
                                                       QStringLiteral("PDF files (*.PDF *.pdf)"));
    if (file.isEmpty())
        return;
    // The dialog's default extension: a name typed without one means the PDF of that name.
    if (QFileInfo(file).suffix().isEmpty() && !QFileInfo::exists(file) &&
        QFileInfo::exists(file + QStringLiteral(".PDF")))
        file += QStringLiteral(".PDF");
    const QString failure = ShellFailureText(ShellOpenDocument(file));
    if (!failure.isEmpty())
        UserDialogs::Current().Question(parent, QStringLiteral("Warning"), failure, QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace brevane
