#include "core/files/Settings.h"

#include "core/files/Folders.h"
#include "core/files/WholeFile.h"
#include "core/files/LineText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace brevane {

namespace {
constexpr int MaxRecentFilesRead = 1000; // far more than the menu ever lists

bool readFlag(LineReader &in)
{
    return in.ReadLine() == QLatin1String("TRUE");
}

void readNumber(LineReader &in, double &value)
{
    const QString line = in.ReadLine();
    if (line.trimmed().isEmpty())
        return;
    bool ok = false;
    const double parsed = ParseReal(line, &ok);
    if (ok)
        value = parsed;
}
} // namespace

void ParseSettings(const QByteArray &bytes, Settings &settings)
{
    LineReader in(bytes);
    const QString folder = in.ReadLine();
    if (!folder.isEmpty())
        settings.clientFolder = folder;
    in.SkipLine(); // "reserved"
    settings.forceWord = readFlag(in);
    settings.forceWordPad = readFlag(in);
    readNumber(in, settings.zoomFactor);
    readNumber(in, settings.fontShrink);
    bool ok = false;
    const int count = in.ReadInteger(&ok);
    for (int i = 0; ok && i < qMin(count, MaxRecentFilesRead) && !in.AtEnd(); ++i)
        settings.recentFiles.append(in.ReadLine());
}

QByteArray FormatSettings(const Settings &settings)
{
    QByteArray out;
    AppendLine1252(out, settings.clientFolder);
    AppendLine1252(out, QStringLiteral("reserved"));
    AppendLine1252(out, settings.forceWord ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    AppendLine1252(out, settings.forceWordPad ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    AppendLine1252(out, FormatReal23(settings.zoomFactor));
    AppendLine1252(out, FormatReal23(settings.fontShrink));
    AppendLine1252(out, QString::number(settings.recentFiles.size()));
    for (const QString &path : settings.recentFiles)
        AppendLine1252(out, path);
    return out;
}

bool WriteSettings(const QString &settingsFolder, const Settings &settings, QString *error)
{
    if (!QDir().mkpath(settingsFolder)) {
        if (error)
            *error = QStringLiteral("cannot create folder ") + settingsFolder;
        return false;
    }
    return ReplaceFile(FileInFolder(settingsFolder, QLatin1String(SettingsFileName)), FormatSettings(settings), error);
}

bool ReadSettings(const QString &settingsFolder, Settings &settings, QString *error)
{
    const QString path = FileInFolder(settingsFolder, QLatin1String(SettingsFileName));
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        QByteArray bytes;
        if (!ReadRegularFile(path, &bytes, error))
            return false;
        ParseSettings(bytes, settings);
        return true;
    }
    return WriteSettings(settingsFolder, settings, error);
}

} // namespace brevane
