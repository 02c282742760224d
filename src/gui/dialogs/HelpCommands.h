#pragma once
// Help and documents: the help pages of the maker's help site (shipped with
// the program as local pages below the program folder's Help folder, opened in
// the desktop's browser), the PDF resources and the shell's open command.
// Every page and document is opened through UserDialogs::Current().OpenUrl().

#include <QString>
#include <QUrl>

class QWidget;

namespace brevane {

// The maker's help web site; used when a help page is not installed locally.
inline constexpr char HelpSiteHost[] = "https://help.tarnwickhollow.example";

// Paths of the help pages on the help site.
inline constexpr char HelpContentsPath[] = "/help/Brevane/default.htm";
inline constexpr char HelpTutorialPath[] = "/help/Brevane/tutorial/tutorial.htm";
inline constexpr char HelpDirectoryPath[] = "/help/Brevane/tutorial/step_2.htm";
inline constexpr char HelpShrinkFontPath[] = "/help/Brevane/shrink_font.htm";

// The folder holding the local help pages: programFolder/Help when it exists,
// otherwise the help pages of a developer build's source tree.
QString HelpFolder(const QString &programFolder);
// The address of a help page: the local page when installed, else the site's.
QUrl HelpPageUrl(const QString &programFolder, const QString &sitePath);
// Opens a help page in the desktop's browser; when no browser takes it,
// 1118 names the page.
void OpenHelpPage(const QString &programFolder, const QString &sitePath);
// Opens a PDF in the desktop's PDF viewer; when none takes it, 1122 names
// the file.
void OpenPdf(const QString &path);
// Opens a folder in the desktop's file manager; when none takes it, 1123
// names the folder.
void OpenFolder(const QString &folder);

// "&Table of Contents" (F1) and "T&utorial".
void TableofContentsClick(const QString &programFolder);
void TutorialClick(const QString &programFolder);

// Result of the shell's open command for a document: 42 when it was handed to
// an application, otherwise one of the shell's failure codes (2 file not found,
// 3 path not found, 5 access denied, 31 no application for the file).
inline constexpr int ShellOpenStarted = 42;
int ShellOpenDocument(const QString &file);
// The failure text of a shell result code; empty for codes without one.
QString ShellFailureText(int code);

// "&PDF Resources...": asks for a PDF in the PDF support folder and opens it;
// a failure of the shell shows its text in a warning box.
void PDFClick(QWidget *parent, const QString &pdfFolder);

} // namespace brevane
