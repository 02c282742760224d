#include "gui/output/FileSearch.h"

#include <QDir>
#include <QFileInfo>

namespace brevane {

void TFileSearch::FindFileRecursive(const QString &folder, const QString &name)
{
    if (Found)
        return;
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        if (Found)
            return;
        if (entry.isDir()) {
            if (!entry.isSymLink())
                FindFileRecursive(entry.filePath(), name);
        } else if (entry.fileName().compare(name, Qt::CaseInsensitive) == 0) {
            Found = true;
            FoundPath = dir.filePath(entry.fileName());
        }
    }
}

} // namespace brevane
