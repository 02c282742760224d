#include "core/files/Settings.h"

#include "core/files/Folders.h"
#include "core/files/LineText.h"
#include "core/files/WholeFile.h"
#include "core/files/Windows1252.h"

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

// A value outside [least, most] keeps the default: a stray number must not
// make the page's text vanish or the window unusable.
void readNumber(LineReader &in, double &value, double least, double most)
{
    const QString line = in.ReadLine();
    if (line.trimmed().isEmpty())
        return;
    bool ok = false;
    const double parsed = ParseReal(line, &ok);
    if (ok && parsed >= least && parsed <= most)
        value = parsed;
}

// A path Windows-1252 cannot hold ("/home/ana/Документы") is written as this
// mark and its UTF-8 bytes in percent form, so that it reads back exactly;
// every other path is written as it is, as older files have it (but for one
// that starts with the mark itself).
constexpr char PathMark[] = "utf-8:";

void appendPath(QByteArray &out, const QString &path)
{
    if (!path.startsWith(QLatin1String(PathMark)) && Encode1252Exact(path)) {
        AppendLine1252(out, path);
        return;
    }
    out.append(PathMark);
    out.append(path.toUtf8().toPercentEncoding());
    out.append("\r\n");
}

QString readPath(LineReader &in)
{
    const QString line = in.ReadLine();
    if (!line.startsWith(QLatin1String(PathMark)))
        return line;
    return QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(int(sizeof PathMark) - 1).toLatin1()));
}
} // namespace

void ParseSettings(const QByteArray &bytes, Settings &settings)
{
    LineReader in(bytes);
    const QString folder = readPath(in);
    if (!folder.isEmpty())
        settings.clientFolder = folder;
    in.SkipLine(); // "reserved"
    settings.forceWord = readFlag(in);
    settings.forceWordPad = readFlag(in);
    readNumber(in, settings.zoomFactor, MinZoomFactor, MaxZoomFactor);
    readNumber(in, settings.fontShrink, 0.0, MaxFontShrink);
    bool ok = false;
    const int count = in.ReadInteger(&ok);
    for (int i = 0; ok && i < qMin(count, MaxRecentFilesRead) && !in.AtEnd(); ++i)
        settings.recentFiles.append(readPath(in));
    if (!in.AtEnd()) {
        const QString open = in.ReadLine();
        if (open == QLatin1String("TRUE") || open == QLatin1String("FALSE"))
            settings.openSavedPdf = open == QLatin1String("TRUE");
    }
    if (!in.AtEnd()) {
        const QString paper = in.ReadLine();
        if (paper == QLatin1String("TRUE") || paper == QLatin1String("FALSE"))
            settings.paperView = paper == QLatin1String("TRUE");
    }
}

QByteArray FormatSettings(const Settings &settings)
{
    QByteArray out;
    appendPath(out, settings.clientFolder);
    AppendLine1252(out, QStringLiteral("reserved"));
    AppendLine1252(out, settings.forceWord ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    AppendLine1252(out, settings.forceWordPad ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    AppendLine1252(out, FormatReal23(settings.zoomFactor));
    AppendLine1252(out, FormatReal23(settings.fontShrink));
    AppendLine1252(out, QString::number(settings.recentFiles.size()));
    for (const QString &path : settings.recentFiles)
        appendPath(out, path);
    AppendLine1252(out, settings.openSavedPdf ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    AppendLine1252(out, settings.paperView ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
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
