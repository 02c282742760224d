#include "gui/dialogs/UserDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>

namespace brevane {

namespace {
UserDialogs platformDialogs;
UserDialogs *installed = nullptr;
} // namespace

UserDialogs &UserDialogs::Current()
{
    return installed ? *installed : platformDialogs;
}

UserDialogs *UserDialogs::Install(UserDialogs *dialogs)
{
    UserDialogs *previous = installed;
    installed = dialogs;
    return previous;
}

QMessageBox::StandardButton UserDialogs::Question(QWidget *parent, const QString &title, const QString &text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::warning(parent, title, text, buttons, defaultButton);
}

namespace {

// A file dialog large enough to show the name, size, type and date of each
// file side by side.
QString pickFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter,
                 QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(FileDialogSize);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString UserDialogs::OpenFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return pickFile(parent, caption, folder, filter, QFileDialog::AcceptOpen);
}

QString UserDialogs::SaveFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return pickFile(parent, caption, folder, filter, QFileDialog::AcceptSave);
}

QString UserDialogs::FolderName(QWidget *parent, const QString &caption, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

void UserDialogs::Beep()
{
    QApplication::beep();
}

bool UserDialogs::OpenUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace brevane
