#pragma once
// The settings file "brevane.ini" in the settings folder: a fixed sequence of
// lines read and written by position (not a sectioned key/value file).
//
//   1  client file folder        (non-empty replaces the default)
//      (a path Windows-1252 cannot hold: "utf-8:" and its bytes in percent form)
//   2  "reserved"
//   3  Force Word                "TRUE" or "FALSE"
//   4  Force WordPad             "TRUE" or "FALSE"
//   5  zoom factor               23-character scientific form
//   6  font shrink amount        23-character scientific form
//   7  n, the number of recent files
//   8 .. 7+n  recent file paths, most recent first
//   8+n  open a saved PDF           "TRUE" or "FALSE" (missing in older files: TRUE)

#include <QString>
#include <QStringList>

namespace brevane {

struct Settings
{
    QString clientFolder;
    bool forceWord = false;
    bool forceWordPad = false;
    double zoomFactor = 0.0;
    double fontShrink = 0.0;
    QStringList recentFiles;
    bool openSavedPdf = true; // Save as PDF opens the PDF in the desktop's viewer
    bool paperView = false;   // the paper view shows beside the page
};

inline constexpr char SettingsFileName[] = "brevane.ini";

// The values the settings file may hold; others keep the default. The zoom
// dialog offers 0 to 2, the font shrink list 0 to 3 points.
inline constexpr double MinZoomFactor = 0.0;
inline constexpr double MaxZoomFactor = 2.0;
inline constexpr double MaxFontShrink = 3.0;

// Reads the settings file of `settingsFolder` into `settings` (whose values
// are the defaults in memory). When the file is missing, creates the folder
// and the file from those values. Returns false only when a missing file
// could not be created (*error holds the system's text); the values in
// memory are then left as they are.
bool ReadSettings(const QString &settingsFolder, Settings &settings, QString *error = nullptr);

// Parses the file's bytes into `settings` (no file access).
void ParseSettings(const QByteArray &bytes, Settings &settings);
QByteArray FormatSettings(const Settings &settings);

// Rewrites the settings file from the values in memory (safely: a failed
// write keeps the previous file). Returns false with the system's text.
bool WriteSettings(const QString &settingsFolder, const Settings &settings, QString *error = nullptr);

} // namespace brevane
