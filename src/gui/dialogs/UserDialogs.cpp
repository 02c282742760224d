#include "gui/dialogs/UserDialogs.h"

#include "platform/WordProcessor.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QStandardPaths>
#include <QTreeView>

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

// The size, type and date columns as wide as what they show, once the
// folder's files are known; the name takes the rest of the list's width.
void showWholeColumns(QFileDialog &dialog)
{
    auto *view = dialog.findChild<QTreeView *>();
    auto *model = view ? qobject_cast<QFileSystemModel *>(view->model()) : nullptr;
    if (!model)
        return; // a desktop's own dialog lays out its list itself
    view->header()->setStretchLastSection(false);
    view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    const auto fit = [view] {
        for (int column = 1; column < view->header()->count(); ++column)
            view->resizeColumnToContents(column);
    };
    QObject::connect(model, &QFileSystemModel::directoryLoaded, view, fit);
    fit();
}

// The extension of the filter's first pattern ("cl1" for "Brevane Files
// (*.cl1)"); empty when the filter names no single extension.
QString defaultSuffix(const QString &filter)
{
    const qsizetype open = filter.indexOf(QLatin1String("(*."));
    if (open < 0)
        return QString();
    const qsizetype start = open + 3;
    qsizetype end = start;
    while (end < filter.size() && filter.at(end).isLetterOrNumber())
        ++end;
    return filter.mid(start, end - start);
}

// A file dialog large enough to show the name, size, type and date of each
// file side by side. A name typed without an extension gets the filter's
// inside the dialog, so the dialog finds (and asks before replacing) the
// file that is meant.
QString pickFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter,
                 QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setDefaultSuffix(defaultSuffix(filter));
    dialog.resize(FileDialogSize);
    showWholeColumns(dialog);
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

bool UserDialogs::OpenUrl(const QUrl &url, const std::function<void()> &failedLater)
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    Q_UNUSED(failedLater);
    return QDesktopServices::openUrl(url);
#else
    // The desktop's opener is a program that looks for an application once
    // it runs; one that ends at once with an error found none.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return QDesktopServices::openUrl(url);
    const QString target = url.isLocalFile() ? url.toLocalFile() : url.toString();
    return StartProgram(opener, {target}, QString(), failedLater) == ShellStarted;
#endif
}

} // namespace brevane
