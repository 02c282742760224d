#include "core/dialogs/ErrorCatalogue.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace brevane {

namespace {

enum class Kind {
    Fixed,  // the text alone
    Detail, // the text immediately followed by the caller's detail
    Inside, // the detail takes the place of %1
    Merge,  // followed by the merge's page, "; Var - " and variable number
};

struct CatalogueRow
{
    int code;
    QString text;
    Kind kind;
};

// What to do when a support file (screen, template, print data) cannot be
// read; the message goes on with the file's path, which names the folder
// that was searched.
#if defined(Q_OS_MACOS)
#define SupportFileAdvice "You may need to reinstall. Make sure to leave Brevane in the Applications folder: "
#elif defined(Q_OS_WIN)
#define SupportFileAdvice "You may need to reinstall Brevane. It was looked for at: "
#else
#define SupportFileAdvice                                                                                              \
    "The support files are made by the build (scripts/start.sh, or \"cmake --build build\" in the source folder) "     \
    "and installed with the brevane package under share/brevane. It was looked for at: "
#endif

// Sorted by code. Rows 1201-1208 and 2901-2963 belong to forms this program
// does not prepare and are never raised.
const CatalogueRow Catalogue[] = {
    {1100, QStringLiteral("1100-Error messages go here"), Kind::Fixed},
    {1101,
     QStringLiteral("1101-You should save client files with the extension cl1. The extension of this file is being "
                    "changed to cl1. "),
     Kind::Fixed},
    {1102, QStringLiteral("1102-DeleteForm. Non-valid sender (neither TMenuItem or TTreeView). "), Kind::Fixed},
    {1103, QStringLiteral("1103-DeleteForm. Bad tag from sender. "), Kind::Fixed},
    {1104, QStringLiteral("1104-NewForm. Non-valid sender (neither TMenuItem or TTreeView). "), Kind::Fixed},
    {1105, QStringLiteral("1105-NewForm. Bad tag from sender. "), Kind::Fixed},
    {1106, QStringLiteral("1106 -An error occurred while attempting to View a continuation page. "), Kind::Fixed},
    {1107, QStringLiteral("1107-Error in New Form routine - "), Kind::Detail},
    {1110, QStringLiteral("1110-Unable to copy file "), Kind::Detail},
    {1111,
     QStringLiteral("1111-Unable to locate MS Word. If Brevane fails to print or is extremely too slow auto-starting "
                    "Word, manually start Word and minimize it. Then restart Brevane and try printing again. You "
                    "cannot print unless MS Word is installed."),
     Kind::Fixed},
    {1112,
     QStringLiteral(
         "1112-Unable to locate or read the DAT support file that is required for printing. " SupportFileAdvice),
     Kind::Detail},
    {1113,
     QStringLiteral(
         "1113-Unable to locate or read the RTF support file that is required for printing. " SupportFileAdvice),
     Kind::Detail},
    {1114,
     QStringLiteral(
         "1114-Unable to locate or read the RTF support file that is required for printing. " SupportFileAdvice),
     Kind::Detail},
    {1115,
     QStringLiteral("1115-Unable to locate or read the PSF support file that is required for displaying "
                    "forms. " SupportFileAdvice),
     Kind::Detail},
    // 1116 to 1119 are the program's own: a print job with nothing to
    // print, a print document that cannot be written, a help page that no
    // browser opens, typed characters the client file cannot keep.
    {1116,
     QStringLiteral("1116-No form is checked, so there is nothing to print. Check the forms you want to print and "
                    "choose Preview/Print. "),
     Kind::Fixed},
    {1117, QStringLiteral("1117-The print document could not be written: "), Kind::Detail},
    {1118, QStringLiteral("1118-The help page could not be opened: no web browser took it. Open it in your browser: "),
     Kind::Detail},
    {1119,
     QStringLiteral(
         "1119-Brevane keeps the letters of Western European languages only. What it cannot keep was changed: "),
     Kind::Detail},
    // The program's own: date entries that printing found unreadable, all
    // of one print job in one message.
    {1120,
     QStringLiteral("1120-These entries of date fields are not dates Brevane can read, so they are printed as typed. "
                    "Check them on their pages: "),
     Kind::Detail},
    // The program's own: a settings file that is not a file it can read (a
    // pipe, a device, a file far too large); the run goes on with the usual
    // settings.
    {1121, QStringLiteral("1121-Brevane could not read its settings file, so it starts with its usual settings: "),
     Kind::Detail},
    // The program's own: a PDF or a folder that no application on this
    // computer opens.
    {1122,
     QStringLiteral("1122-The PDF could not be opened: no PDF viewer took it. Install a PDF viewer (for example the "
                    "package evince) or open the file with a program of your choice: "),
     Kind::Detail},
    {1123,
     QStringLiteral("1123-The folder could not be opened: no file manager took it. Install a file manager (for "
                    "example the package pcmanfm) or find the folder yourself: "),
     Kind::Detail},
    {1126, QStringLiteral("1126-Error in Delete Form routine - "), Kind::Detail},
    {1129, QStringLiteral("1129-Bad Tag. Please call Tarnwick Hollow Software about this error. "), Kind::Fixed},
    {1155,
     QStringLiteral("1155-Word Processing Error. Brevane is failing to detect or run your word processor. Note that "
                    "you must have MS Word installed to preview and print on a Mac. Try using the Options menu and "
                    "select Force Word or Force WordPad. "),
     Kind::Fixed},
    // 1156 to 1159 are the program's own: the papers saved as a PDF, which
    // LibreOffice makes.
    {1156,
     QStringLiteral("1156-Saving as PDF needs LibreOffice Writer, which is not installed. Install the package "
                    "libreoffice-writer (as root: apt-get install libreoffice-writer) and try again. "),
     Kind::Fixed},
    {1157,
     QStringLiteral("1157-LibreOffice took longer than allowed to make the PDF and was stopped. No PDF was written: "),
     Kind::Detail},
    {1158, QStringLiteral("1158-LibreOffice could not make the PDF, so none was written: "), Kind::Detail},
    {1159, QStringLiteral("1159-The PDF could not be written: "), Kind::Detail},
    {1200, QStringLiteral("1200-Error in Margins"), Kind::Fixed},
    {1201, QStringLiteral("1201-Page limit exceeded on another form. "), Kind::Fixed},
    {1202, QStringLiteral("1202-Page limit exceeded on another form. "), Kind::Fixed},
    {1203, QStringLiteral("1203-Page limit exceeded on another form. "), Kind::Fixed},
    {1204, QStringLiteral("1204-Page limit exceeded on another form. "), Kind::Fixed},
    {1205, QStringLiteral("1205-Margin error on another form. "), Kind::Fixed},
    {1206, QStringLiteral("1206-Margin error on another form. "), Kind::Fixed},
    {1207, QStringLiteral("1207-Margin error on another form. "), Kind::Fixed},
    {1208, QStringLiteral("1208-Margin error on another form. "), Kind::Fixed},
    {1210, QStringLiteral("1210-Test New Customized Error. The test text string used was: "), Kind::Detail},
    {1300, QStringLiteral("1300-ErrorMessage. "), Kind::Fixed},
    {1308, QStringLiteral("1308-FormKeyDown. This answer is overrideable. Select Override on the Options menu. "),
     Kind::Fixed},
    {1309, QStringLiteral("1309-FormKeyDown. This answer is overrideable. Select Override on the Options menu. "),
     Kind::Fixed},
    {1314,
     QStringLiteral("1314-FormShow. This is NOT an error. You have more than 8 windows open, you may want to close one "
                    "or more forms that you're not using. Use the Close Active command on the Window menu. "),
     Kind::Fixed},
    {1321, QStringLiteral("1321-PageListToInputComponent. "), Kind::Fixed},
    {1323, QStringLiteral("1323-ReduceControl. "), Kind::Fixed},
    {1327, QStringLiteral("1327-Unable to locate or load the RTF file that represents the requested Display page. "),
     Kind::Fixed},
    {1400, QStringLiteral("1400-Error messages go here. "), Kind::Fixed},
    {1401, QStringLiteral("1401-Clear page error in Main. "), Kind::Fixed},
    {1402, QStringLiteral("1402-Form create error in multiple. "), Kind::Fixed},
    {1403, QStringLiteral("1403-ContinuationDlg error in Main. "), Kind::Fixed},
    {1404, QStringLiteral("1404-PresentContinuationDlg error in Main. "), Kind::Fixed},
    {1405, QStringLiteral("1405-DisplayKinWorksheet error in Main. "), Kind::Fixed},
    {1500, QStringLiteral("1500-Reserved."), Kind::Fixed},
    {1501,
     QStringLiteral("1501-The directory choice is not valid. You'll need to reset the default vq6 file location when "
                    "the dialog opens. The default path is C:\\Tarnwick\\Brevane\\Files\\"),
     Kind::Fixed},
    {1503, QStringLiteral("1503-The directory you chose does not exist or there is an access problem."), Kind::Fixed},
    {1600, QStringLiteral("1600-Error messages go here"), Kind::Fixed},
    {1601, QStringLiteral("1601-You did not enter a valid percentage. "), Kind::Fixed},
    {1700, QStringLiteral("1700-Error messages go here"), Kind::Fixed},
    {1800, QStringLiteral("1800-Error messages go here"), Kind::Fixed},
    {1803, QStringLiteral("1803-Unable to create attachment.txt file. "), Kind::Fixed},
    {1900, QStringLiteral("1900-Error messages go here"), Kind::Fixed},
    {2000, QStringLiteral("2000-Error messages go here. "), Kind::Fixed},
    {2100, QStringLiteral("2100-Error messages go here"), Kind::Fixed},
    {2101, QStringLiteral("2101-ConvertTeens. There was a dollar error on the attorney fee form. "), Kind::Fixed},
    {2102, QStringLiteral("2102-ConvertDate. Brevane was unable to convert a date to a string. "), Kind::Fixed},
    {2106, QStringLiteral("2106-GetNumFromText. Possible bad RTF template file. "), Kind::Fixed},
    {2107, QStringLiteral("2107-GetNumFromText. Possible bad RTF template file. "), Kind::Fixed},
    {2108, QStringLiteral("2108-DisplayAbbrFileName. "), Kind::Fixed},
    {2109,
     QStringLiteral("2109-Float2Dollar. An error occurred when Brevane attempted to convert real number to a text "
                    "representation. "),
     Kind::Fixed},
    {2110,
     QStringLiteral(
         "2110-InsertString. This error occurs as Brevane substitutes text for the variables in the RTF template. This "
         "can occur when the RTF has been corrupted and reinstalling Brevane should fix the problem. "),
     Kind::Fixed},
    {2111,
     QStringLiteral("2111-MakeReal. An error occurred while Brevane was attempting to read a real number, ie., "
                    "converting one of your text entries to a real number. Check your entries. "),
     Kind::Fixed},
    {2112,
     QStringLiteral("2112-MakeReal_2. An error occurred while Brevane was attempting to read a real number, ie., "
                    "converting one of your text entries to a real number. Check your entries. "),
     Kind::Fixed},
    {2113, QStringLiteral("2113-MakeTab. An error occurred decoding a tab position in the screen/print TXT file. "),
     Kind::Fixed},
    {2114, QStringLiteral("2114-Remove Asterisk. "), Kind::Fixed},
    {2115, QStringLiteral("2115-RemoveCommasAndSigns. "), Kind::Fixed},
    {2116, QStringLiteral("2116-RemoveHyphens. "), Kind::Fixed},
    {2117,
     QStringLiteral("2117-Str2Float_4. An error occurred while Brevane was converting an entry to a real number. "),
     Kind::Fixed},
    {2118,
     QStringLiteral("2118-Str2Float_P. An error occurred while Brevane was converting an entry to a real number. This "
                    "can occur when a date field contains text that it cannot read. When in doubt, use MM/DD/YY format "
                    "and let Brevane do the conversions. If available: Page - "),
     Kind::Merge},
    {2119,
     QStringLiteral("2119-Str2Float_0. An error occurred while Brevane was converting an entry to a real number. "),
     Kind::Fixed},
    {2120,
     QStringLiteral("2120-Str2Float_2. An error occurred while Brevane was converting an entry to a real number. "),
     Kind::Fixed},
    {2121, QStringLiteral("2121-Str2Int. An error occurred while Brevane was converting %1 to an integer. "),
     Kind::Inside},
    {2123,
     QStringLiteral(
         "2123-TransferDocument. This error occurs as Brevane substitutes text for the variables in the RTF template. "
         "This can occur when the RTF has been corrupted and reinstalling Brevane may fix the problem. "),
     Kind::Fixed},
    {2124, QStringLiteral("2124-TrimStr. "), Kind::Fixed},
    {2125,
     QStringLiteral(
         "2125-TransferAnswers. This error occurs as Brevane substitutes text for the variables in the RTF template. "
         "This can occur when the RTF has been corrupted and reinstalling Brevane may fix the problem. "),
     Kind::Fixed},
    {2126, QStringLiteral("2126-NumberToWords. "), Kind::Fixed},
    {2127, QStringLiteral("2127-NumberToWords. "), Kind::Fixed},
    {2139,
     QStringLiteral("2139-Font reduction below zero. This error usually denotes a corrupt RTF file. Reinstallation may "
                    "fix this problem. "),
     Kind::Fixed},
    {2200, QStringLiteral("2200-Error messages go here"), Kind::Fixed},
    {2300, QStringLiteral("2300-Error messages go here"), Kind::Fixed},
    {2400, QStringLiteral("2400-Error messages go here"), Kind::Fixed},
    {2500, QStringLiteral("2500-Error messages go here"), Kind::Fixed},
    {2600, QStringLiteral("2600-Error messages go here"), Kind::Fixed},
    {2700, QStringLiteral("2700-Error messages go here"), Kind::Fixed},
    {2800, QStringLiteral("2800-Error messages go here"), Kind::Fixed},
    {2900, QStringLiteral("2900-Error messages go here"), Kind::Fixed},
    {2901, QStringLiteral("2901-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2902, QStringLiteral("2902-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2903, QStringLiteral("2903-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2904, QStringLiteral("2904-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2905, QStringLiteral("2905-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2906, QStringLiteral("2906-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2907, QStringLiteral("2907-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2908, QStringLiteral("2908-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2909, QStringLiteral("2909-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2910, QStringLiteral("2910-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2911, QStringLiteral("2911-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2912, QStringLiteral("2912-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2913, QStringLiteral("2913-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2914, QStringLiteral("2914-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2915, QStringLiteral("2915-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2916, QStringLiteral("2916-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2917, QStringLiteral("2917-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2918, QStringLiteral("2918-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2919, QStringLiteral("2919-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2920, QStringLiteral("2920-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2921, QStringLiteral("2921-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2922, QStringLiteral("2922-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2923, QStringLiteral("2923-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2924, QStringLiteral("2924-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2925, QStringLiteral("2925-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2926, QStringLiteral("2926-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2927, QStringLiteral("2927-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2930, QStringLiteral("2930-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2931, QStringLiteral("2931-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2932, QStringLiteral("2932-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2933, QStringLiteral("2933-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2941, QStringLiteral("2941-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2942, QStringLiteral("2942-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2943, QStringLiteral("2942-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2951, QStringLiteral("2951-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2952, QStringLiteral("2952-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2953, QStringLiteral("2953-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2954, QStringLiteral("2954-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2955, QStringLiteral("2955-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2956, QStringLiteral("2956-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2957, QStringLiteral("2957-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2958, QStringLiteral("2958-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2959, QStringLiteral("2959-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2960, QStringLiteral("2960-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2961, QStringLiteral("2961-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2962, QStringLiteral("2962-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {2963, QStringLiteral("2963-Calculation error on a tax schedule this program does not prepare. "), Kind::Fixed},
    {3000, QStringLiteral("3000-Error messages go here"), Kind::Fixed},
    {3100, QStringLiteral("3100-Error messages go here"), Kind::Fixed},
    {3200, QStringLiteral("3200-Error messages go here"), Kind::Fixed},
    {3300, QStringLiteral("3300-Error messages go here"), Kind::Fixed},
    {3301, QStringLiteral("3301-An error occurred when Brevane attempted to open the client file. "), Kind::Fixed},
    {3302, QStringLiteral("3302-An error occurred when Brevane checked the version number. "), Kind::Fixed},
    {3305, QStringLiteral("3305-An error occurred when Brevane attempted to import the file: "), Kind::Detail},
    {3400, QStringLiteral("3400-Error messages go here"), Kind::Fixed},
    {3500, QStringLiteral("3500-Error messages go here"), Kind::Fixed},
    {3600, QStringLiteral("3600-Error messages go here"), Kind::Fixed},
    {3700, QStringLiteral("3700-Error messages go here"), Kind::Fixed},
    {3800, QStringLiteral("3800-Error messages go here"), Kind::Fixed},
    // 3801 to 3899 are the program's own messages about client files, under
    // the caption "Client File".
    {3801, QStringLiteral("3801-An error occurred when Brevane attempted to open the client file. "), Kind::Fixed},
    // A client another window or program has open (its lock file says so):
    // it may open read-only, so that the two never replace each other's work.
    {3802,
     QStringLiteral(
         "3802-This client file is open in another Brevane window or program. Open shows it read-only here: Save will "
         "ask for a new name, so the other window's work is not replaced. Cancel leaves it closed: "),
     Kind::Detail},
    // Save As chose a client file that is open elsewhere.
    {3803,
     QStringLiteral("3803-This client file is open in another Brevane window or program, so it was not replaced. Save "
                    "under another name: "),
     Kind::Detail},
    // A save that failed, the file on disk untouched.
    {3806,
     QStringLiteral("3806-The client file could not be saved. Your answers are still open: use Save As to save them in "
                    "another folder. "),
     Kind::Detail},
    // A client file that ends early. The file is kept as it is; the next
    // Save asks for a new name.
    {3807,
     QStringLiteral("3807-The client file is damaged. Brevane shows what it could read; Save will ask for a new name, "
                    "so the damaged file is kept as it is: "),
     Kind::Detail},
    // A recent file that is gone; its entry leaves the list.
    {3808, QStringLiteral("3808-This client file no longer exists, so it was taken off the recent files: "),
     Kind::Detail},
    // The program's own: more than one client file named when the program
    // starts; the first opens.
    {3809,
     QStringLiteral("3809-Brevane opens one client file at a time. The first one named is open; open the others with "
                    "File, Open: "),
     Kind::Detail},
    // The program's own: a client saved by an earlier Brevane keeps numbers
    // and dates as its region wrote them; those that read two ways are
    // named.
    {3810,
     QStringLiteral("3810-This client was saved by an earlier Brevane, which kept numbers and dates as the computer's "
                    "region wrote them. These answers can be read more than one way and were read as this computer's "
                    "region writes them; check each and type it again if it is wrong: "),
     Kind::Detail},
    // The program's own: what stands where a client's lock belongs cannot
    // be a lock, so whether another window has the client open is unknown.
    {3811,
     QStringLiteral("3811-Brevane cannot tell whether this client file is open in another window, because what stands "
                    "where its lock belongs is not a lock. Until it is removed, the client opens read-only and is not "
                    "replaced: "),
     Kind::Detail},
    // The program's own, for the share ledger's commands: the entry is not
    // written and the ledger stays as it was.
    {3900, QStringLiteral("3900-The date of the ledger entry does not read as a date: "), Kind::Detail},
    {3901, QStringLiteral("3901-No certificate of this number is outstanding on the day of the entry: "), Kind::Detail},
    {3902, QStringLiteral("3902-Each new certificate needs its holder and a number of shares: "), Kind::Detail},
    {3903, QStringLiteral("3903-The new certificates would hold more shares than the certificate surrendered: "),
     Kind::Detail},
    {3904, QStringLiteral("3904-The corporation would have more shares outstanding than its articles authorize: "),
     Kind::Detail},
    {3905,
     QStringLiteral("3905-The ledger records what happened in the order it happened; an entry cannot be dated before "
                    "its last line: "),
     Kind::Detail},
    {3906, QStringLiteral("3906-The ledger's sheets cannot hold these entries (at most 100 sheets of 27 lines): "),
     Kind::Detail},
    {3907,
     QStringLiteral("3907-The certificates to print are given by their numbers, as in \"1, 3, 6-8\", or left blank "
                    "for every certificate outstanding; this does not read that way: "),
     Kind::Detail},
    {3908,
     QStringLiteral("3908-No stock certificate was printed, since the share ledger shows no certificate of this number "
                    "outstanding: "),
     Kind::Detail},
    {3909,
     QStringLiteral("3909-A redemption buys back at least one share of the certificate; give how many shares the "
                    "corporation redeems: "),
     Kind::Detail},
    // The program's own: the due dates exported for a calendar program.
    {3950,
     QStringLiteral("3950-The calendar file could not be saved; nothing was written over an earlier one. Choose "
                    "another folder or name: "),
     Kind::Detail},
    // 4000 to 4049: the client's data read from and written to other
    // programs (JSON, CSV), under the caption "Import and Export".
    {4001,
     QStringLiteral("4001-This file cannot be imported as a client, so no client file was written. Correct what is "
                    "named and import it again: "),
     Kind::Detail},
    {4002,
     QStringLiteral("4002-The CSV file cannot be imported into the Directory Worksheet, so none of its rows were "
                    "imported. Correct the lines named and import it again: "),
     Kind::Detail},
    {4003, QStringLiteral("4003-The file cannot be read: "), Kind::Detail},
    {4004, QStringLiteral("4004-The file could not be written; a file of that name is left as it was: "), Kind::Detail},
    // The papers saved as a Word document, which LibreOffice makes as it
    // makes the PDF, and the paper view beside the page.
    {4050,
     QStringLiteral("4050-Saving as a Word document needs LibreOffice Writer, which is not installed. Install the "
                    "package libreoffice-writer (as root: apt-get install libreoffice-writer) and try again. "),
     Kind::Fixed},
    {4051,
     QStringLiteral("4051-LibreOffice took longer than allowed to make the Word document and was stopped. No Word "
                    "document was written: "),
     Kind::Detail},
    {4052, QStringLiteral("4052-LibreOffice could not make the Word document, so none was written: "), Kind::Detail},
    {4053, QStringLiteral("4053-The Word document could not be written: "), Kind::Detail},
    {4054,
     QStringLiteral("4054-The paper view shows the printed page with LibreOffice Writer, which is not installed. "
                    "Install the package libreoffice-writer (as root: apt-get install libreoffice-writer); the rest "
                    "of Brevane works without it. "),
     Kind::Fixed},
    {4055, QStringLiteral("4055-The paper could not be shown: "), Kind::Detail},
};

const std::array<QString, 10> AddedInstructions = {
    QStringLiteral(""),
    QStringLiteral("One of Brevane's internal RTF or DAT files may be corrupted. If restarting doesn't fix the problem "
                   "it may be necessary to reinstall Brevane. "),
    QStringLiteral("You can probably click OK and continue. If this error persists, restart Brevane. If this is a "
                   "date-related error, find the page and field and fix it. "),
    QStringLiteral("Possible memory error. Close any other programs. "),
    QStringLiteral("Possible disk access error. It may be necessary to reinstall Brevane. "),
    QStringLiteral("An error occurred during a printing operation. Make sure your printer is ready. "),
    QStringLiteral("No two entries on a worksheet can have the same record number. The problem can be repaired by "
                   "assigning a non-conflicting record number. "),
    QStringLiteral("Calculation Error. An error occurred as Brevane attempted to make the calculations on the schedule "
                   "or form above."),
    QStringLiteral("This error is usually related to the Borland Database Engine installation or aliases. Consult the "
                   "last section of the Brevane manual for solutions. "),
    QStringLiteral("You must reduce the amount of text sent to the form referred to above. "),
};

const CatalogueRow *findRow(int code)
{
    auto end = std::end(Catalogue);
    auto it =
        std::lower_bound(std::begin(Catalogue), end, code, [](const CatalogueRow &row, int c) { return row.code < c; });
    return (it != end && it->code == code) ? it : nullptr;
}

class StandardErrorSink : public MessageSink
{
public:
    void Show(const ErrorMessage &message) override
    {
        QString line = QStringLiteral("error %1: %2").arg(message.number).arg(message.text);
        if (!message.detail.isEmpty() && !message.text.contains(message.detail))
            line += message.detail;
        if (!message.instructionText.isEmpty()) {
            if (!line.endsWith(QLatin1Char(' ')))
                line += QLatin1Char(' ');
            line += message.instructionText;
        }
        std::fprintf(stderr, "%s\n", TerminalSafe(line.trimmed()).toLocal8Bit().constData());
    }
};

StandardErrorSink standardErrorSink;
MessageSink *installedSink = nullptr;
bool messageShowing = false;
QString messageSubject; // what the messages are about (MessageAbout)
int mergePage = 0;
int mergeVariable = 0;

} // namespace

MessageSink *InstallMessageSink(MessageSink *sink)
{
    MessageSink *previous = installedSink;
    installedSink = sink;
    return previous;
}

bool IsCatalogued(int code)
{
    return findRow(code) != nullptr;
}

int CatalogueSize()
{
    return int(std::size(Catalogue));
}

QString LookUpMessage(int code, const QString &detail)
{
    const CatalogueRow *row = findRow(code);
    if (!row)
        return QStringLiteral("Unidentified error -  ") + QString::number(code);
    switch (row->kind) {
    case Kind::Fixed:
        return row->text;
    case Kind::Detail:
        return row->text + detail;
    case Kind::Inside:
        return QString(row->text).replace(QStringLiteral("%1"), detail);
    case Kind::Merge:
        return row->text + QString::number(mergePage) + QStringLiteral("; Var - ") + QString::number(mergeVariable);
    }
    return row->text;
}

QString AddedInstruction(int instruction)
{
    if (instruction < 0 || instruction >= int(AddedInstructions.size()))
        return QString();
    return AddedInstructions[instruction];
}

QString CaptionOfCode(int code)
{
    if (code >= 3000 && code <= 3799)
        return QStringLiteral("Help On This Item");
    if (code >= 3801 && code <= 3899)
        return QStringLiteral("Client File");
    if (code >= 4000 && code <= 4049)
        return QStringLiteral("Import and Export");
    return QStringLiteral("Error Dialog");
}

ErrorMessage ComposeError(int number, const QString &detail)
{
    ErrorMessage m;
    m.number = number;
    m.code = number / 10;
    m.instruction = number % 10;
    m.detail = detail;
    m.caption = CaptionOfCode(m.code);
    m.beep = !(m.code >= 3000 && m.code <= 3799);
    m.text = LookUpMessage(m.code, detail);
    // A text without a place for the detail is followed by it.
    if (!detail.isEmpty() && !m.text.contains(detail)) {
        if (!m.text.endsWith(QLatin1Char(' ')))
            m.text += QLatin1Char(' ');
        m.text += detail;
    }
    m.instructionText = AddedInstruction(m.instruction);
    return m;
}

MessageAbout::MessageAbout(const QString &subject)
    : previous_(messageSubject)
{
    messageSubject = subject;
}

MessageAbout::~MessageAbout()
{
    messageSubject = previous_;
}

void ShowError(int number, const QString &detail)
{
    if (messageShowing)
        return;
    messageShowing = true;
    struct Clear
    {
        ~Clear() { messageShowing = false; }
    } clear;
    QString about = detail;
    if (!messageSubject.isEmpty() && !detail.contains(messageSubject))
        about = detail.isEmpty() ? messageSubject : messageSubject + QStringLiteral(": ") + detail;
    const ErrorMessage message = ComposeError(number, about);
    MessageSink *sink = installedSink ? installedSink : &standardErrorSink;
    sink->Show(message);
}

void RecordMergePosition(int page, int variable)
{
    mergePage = page;
    mergeVariable = variable;
}

QString TerminalSafe(const QString &text)
{
    QString safe;
    safe.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\n' && u != u'\t') || (u >= 0x7f && u <= 0x9f))
            safe += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            safe += c;
    }
    return safe;
}

} // namespace brevane
