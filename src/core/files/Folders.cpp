#include "core/files/Folders.h"

#include "core/store/Conversions.h"

#include <QDir>
#include <QFileInfo>

namespace brevane {

QString DefaultInstallRoot()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Tarnwick\\");
#else
    return QDir::homePath() + QStringLiteral("/Tarnwick/");
#endif
}

Folders DefaultFolders(const QString &installRoot)
{
    Folders f;
    f.installRoot = AddPathDelimiter(installRoot.isEmpty() ? DefaultInstallRoot() : installRoot);
    f.settingsFolder = f.installRoot + QStringLiteral("Brevane");
    f.clientFolder = QDir::toNativeSeparators(f.settingsFolder + QStringLiteral("/Files"));
    f.tempFolder = QDir::toNativeSeparators(f.settingsFolder + QStringLiteral("/Temp"));
    return f;
}

QString FindProgramFolder(const QString &applicationDir, const QString &override)
{
    if (!override.isEmpty())
        return QDir::cleanPath(override);
    const QByteArray fromEnvironment = qgetenv("BREVANE_SUPPORT");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(QString::fromLocal8Bit(fromEnvironment));
    if (QFileInfo(applicationDir + QStringLiteral("/PSF")).isDir())
        return QDir::cleanPath(applicationDir);
    const QString installed = QDir::cleanPath(applicationDir + QStringLiteral("/../share/brevane"));
    if (QFileInfo(installed + QStringLiteral("/PSF")).isDir())
        return installed;
#ifdef BREVANE_SOURCE_SUPPORT_DIR
    if (QFileInfo(QStringLiteral(BREVANE_SOURCE_SUPPORT_DIR "/PSF")).isDir())
        return QStringLiteral(BREVANE_SOURCE_SUPPORT_DIR);
#endif
    return installed;
}

QString FileInFolder(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    const QChar last = folder.back();
    if (last == QLatin1Char('/') || last == QLatin1Char('\\'))
        return folder + name;
    return folder + QDir::separator() + name;
}

QString FileBaseNameOf(const QString &clientName)
{
    QString name = clientName.simplified();
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('-');
    }
    // A name of dots alone would name a folder.
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.trimmed();
}

} // namespace brevane
