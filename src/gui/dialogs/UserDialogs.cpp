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

QString UserDialogs::OpenFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString UserDialogs::SaveFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
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
