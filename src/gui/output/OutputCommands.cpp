#include "output/OutputCommands.h"

#include "app/Navigation.h"
#include "app/TfrmMain.h"
#include "dialogs/UserDialogs.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace brevane {

void TOutputCommands::PrintSelectedForms(const TSender &)
{
    // STUB: the print selection dialog and the print job replace this.
    UserDialogs::Current().Question(&main_, QStringLiteral("Brevane"),
                                    QStringLiteral("Preview and Print is not available in this version."),
                                    QMessageBox::Ok, QMessageBox::Ok);
}

void TOutputCommands::ForceWordClick()
{
    main_.settings.forceWord = !main_.settings.forceWord;
    main_.Navigation().UpdateMenuItems(TSender::Menu(0));
}

void TOutputCommands::ForceWordPadClick()
{
    main_.settings.forceWordPad = !main_.settings.forceWordPad;
    main_.Navigation().UpdateMenuItems(TSender::Menu(0));
}

void TOutputCommands::FindWordClick()
{
    // STUB: the search for a word processor comes with the hand-off; used
    // twice the command clears what it found.
    if (!FoundWordPath.isEmpty()) {
        FoundWordPath.clear();
    } else {
        UserDialogs::Current().Question(&main_, QStringLiteral("Brevane"),
                                        QStringLiteral("Did not find Word installation."), QMessageBox::Ok,
                                        QMessageBox::Ok);
    }
    main_.Navigation().UpdateMenuItems(TSender::Menu(0));
}

bool TOutputCommands::WordInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("lowriter")).isEmpty() ||
           !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty();
}

void TOutputCommands::DeleteTemps(const QString &folder, const QString &pattern)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return;
    for (const QString &name : dir.entryList(QStringList{pattern}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (!QFile::remove(dir.filePath(name)))
            UserDialogs::Current().Question(&main_, QStringLiteral("Brevane"),
                                            QStringLiteral("Unable to delete ") + name, QMessageBox::Ok,
                                            QMessageBox::Ok);
    }
}

} // namespace brevane
