#pragma once
// Every error number the program shows, by name: code passes the name to
// ShowError (ErrorCatalogue.h), never the bare number.
//
// An error number is message code * 10 + added-instruction code (0..9): 21202
// is the text of code 2120 followed by added instruction 2. Users quote the
// number they saw, so a message keeps its number, and the list is in number
// order to find it by. Where the catalogue has no text for the code, the user
// sees "Unidentified error -  " and the code ("no text" below).
//
// The range of the code gives the caption (CaptionOfCode): a message belongs
// in a range whose caption fits it. The program's own messages about client
// files are 3801 to 3899 ("Client File"); its imports and exports of open
// data (JSON, CSV) 4000 to 4049 ("Import and Export"); 3000 to 3799 are
// titled "Help On This Item" and take no new message.
//
// The list is written once, as X(Name, number): it makes the constants and
// the table of them all.

#include <iterator>

#define BREVANE_MESSAGES(X)                                                                                            \
    X(RecentFileNotRead, 1154)           /* a file of the recent-files list; code 115, no text */                      \
    X(ClientFileExtensionChanged, 11010) /* Save As: a name not ending in .cl1 gets .cl1 */                            \
    X(DeleteFormBadSender, 11020)        /* Delete Form from neither a menu item nor the page tree */                  \
    X(NewFormBadSender, 11040)           /* New Form from neither a menu item nor the page tree */                     \
    X(ContinuationNotShown, 11063)       /* View: the chosen copy of a repeatable page */                              \
    X(NewFormFailed, 11070)              /* no copy of a repeatable page added; detail: the page's name */             \
    X(ScreenTooNarrow, 11080)            /* the window starts minimized; no text */                                    \
    X(PrintDataUnreadable, 11120)        /* missing, unreadable or not fitting the page; detail: its path */           \
    X(PrintPageTemplateUnusable, 11130)  /* a page after the first: its print template is missing,                     \
                                            unreadable or without its header mark; detail: its path */                 \
    X(PrintTemplateUnreadable, 11140)    /* missing or unreadable; detail: its path */                                 \
    X(PageScreenUnreadable, 11150)       /* missing or damaged; detail: its path */                                    \
    X(NothingToPrint, 11160)             /* Preview/Print with no form checked */                                      \
    X(PrintDocumentNotWritten, 11174)    /* detail: its path and the reason */                                         \
    X(HelpPageNotOpened, 11180)          /* no web browser took it; detail: where the page is */                       \
    X(TypedTextFitted, 11190)            /* typed characters the client file cannot keep were changed;                 \
                                            detail: what was typed and what was kept */                                \
    X(DatesUnreadable, 11200)            /* printing found date entries it cannot read; detail: each page and field    \
                                            by its label, with what it holds */                                        \
    X(SettingsUnreadable, 11210)         /* at start: the program goes on with its usual settings; detail: the         \
                                            settings file's path and the reason */                                     \
    X(PdfNotOpened, 11220)               /* no PDF viewer took it; detail: the PDF's path */                           \
    X(FolderNotOpened, 11230)            /* no file manager took it; detail: the folder's path */                      \
    X(DeleteFormFailed, 11260)           /* detail: the page's name */                                                 \
    X(DefaultClientUnreadable, 11340)    /* at start-up; no text */                                                    \
    X(ContinuationPickerFailed, 11453)   /* the window picking a copy of a repeatable page; no text */                 \
    X(ReopenStoreNotCreated, 11533)      /* no fresh answer store for a recent file; no text */                        \
    X(WordProcessorNotStarted, 11550)    /* the one that opens the print document */                                   \
    X(PdfConverterMissing, 11560)        /* Save as PDF: LibreOffice is not installed (names the package) */           \
    X(PdfTimedOut, 11570)                /* LibreOffice stopped at the time limit; detail: the PDF's path */           \
    X(PdfNotConverted, 11580)            /* LibreOffice made no PDF; detail: its path and what LibreOffice said */     \
    X(PdfNotWritten, 11590)              /* the PDF cannot be written; detail: its path and the reason */              \
    X(ContinuationLimitReached, 11860)   /* New Form: the page has all the copies it can have; no text */              \
    X(PageNotCleared, 14010)             /* the controls of the page shown before stay */                              \
    X(DirectoryWindowFailed, 14050)      /* the Directory Worksheet window */                                          \
    X(DirectoryTableNotSetUp, 16020)     /* the Directory Worksheet's table; no text */                                \
    X(DirectoryRowNotShown, 16030)       /* the Directory Worksheet's selected row; no text */                         \
    X(DirectoryRowsNotKept, 16050)       /* the Directory Worksheet's rows not handed back; no text */                 \
    X(AnswerStoreNotCreated, 18023)      /* out of memory; no text */                                                  \
    X(CalculationFailed, 18047)          /* a page procedure failed or reached past its page's answers; no text */     \
    X(TeensNotConverted, 21010)          /* while writing a number in words */                                         \
    X(PrintDataLineUnreadable, 21011)    /* a line of a page's print data file */                                      \
    X(TemplateNumberUnreadable, 21060)   /* a number in a print template */                                            \
    X(TemplateNumberAtEnd, 21070)        /* a number among the last characters of a print template */                  \
    X(DateUnreadable, 21180)             /* while printing, the text names the page and variable being merged */       \
    X(NumberEntryUnreadable, 21182)      /* an entry read as an unrounded number */                                    \
    X(WholeNumberEntryUnreadable, 21192) /* an entry read as a whole number */                                         \
    X(AmountEntryUnreadable, 21202)      /* an entry read as an amount with two decimals */                            \
    X(IntegerEntryUnreadable, 21212)     /* detail: the entry */                                                       \
    X(NumberTooLargeForWords, 21260)     /* above 999,999,999 */                                                       \
    X(NumberNotInWords, 21270)           /* writing a number in words failed otherwise */                              \
    X(WordPadMarginsNotSet, 21400)       /* no text */                                                                 \
    X(ClientFileRejected, 33010)         /* not a client file; detail: its path and why */                             \
    X(ClientFileVersionUnknown, 33020)  /* of a version the program does not read; detail: its path and the version */ \
    X(ClientFileUnreadable, 38014)      /* cannot be read, or breaks off in a malformed line; detail: its path         \
                                           and the reason */                                                           \
    X(ClientFileOpenElsewhere, 38020)   /* Open: another window or program has it open; it may open read-only;         \
                                           detail: its path and who has it */                                          \
    X(ClientFileNotReplaced, 38030)     /* Save As onto a client open elsewhere; detail: its path and who has it */    \
    X(ClientFileNotSaved, 38060)        /* the file on disk is untouched; detail: its path and the reason */           \
    X(ClientFileDamaged, 38070)         /* ends early: what it holds is shown; detail: its path and where */           \
    X(RecentFileGone, 38080)            /* a recent file that no longer exists; detail: its path */                    \
    X(OneClientFileAtATime, 38090)      /* more than one client file named at start; detail: those not opened */       \
    X(ClientAnswersAmbiguous, 38100)    /* saved before answers kept one form: numbers or dates that read two ways;    \
                                           detail: each, where, and how it was read */                                 \
    X(ClientLockUnusable, 38110)        /* the lock beside a client is a folder or a link: whether it is open          \
                                           elsewhere cannot be told; detail: the client, the lock and what to do */    \
    X(LedgerDateUnreadable, 39000)      /* a share ledger entry's date; detail: the text given */                      \
    X(LedgerNotOutstanding, 39010)      /* no such certificate outstanding on the entry's day; detail: its number */   \
    X(LedgerHolderMissing, 39020)       /* a new certificate without holder or shares; detail: which */                \
    X(LedgerBeyondCertificate, 39030)   /* more shares than the certificate surrendered holds; detail: the figures */  \
    X(LedgerBeyondAuthorized, 39040)    /* an issue beyond the shares authorized; detail: the figures */               \
    X(LedgerBackdated, 39050)           /* an entry dated before the journal's last line; detail: that date */         \
    X(LedgerFull, 39060)                /* the ledger sheets cannot hold the entries; detail: how many lines */        \
    X(CertificatesUnreadable, 39070)    /* the certificates to print are not a list of numbers; detail: the text */    \
    X(CertificateNotOutstanding, 39080) /* a certificate chosen for printing is not outstanding; detail: numbers */    \
    X(LedgerNothingRedeemed, 39090)     /* a redemption of no shares; detail: the certificate and its shares */        \
    X(CalendarNotSaved, 39500)          /* the due dates as an iCalendar file; detail: its path and the reason */      \
    X(ClientJsonRejected, 40010)        /* JSON import: not a client's JSON, or a member wrong; nothing written;       \
                                           detail: the file and each member that is wrong, where it stands */          \
    X(DirectoryCsvRejected, 40020)      /* CSV import: a bad row or column; no row imported; detail: the file and      \
                                           each bad row by its line */                                                 \
    X(ExchangeFileUnreadable, 40030)    /* an import's file cannot be read; detail: its path and the reason */         \
    X(ExchangeFileNotWritten, 40040)    /* an export's file cannot be written, an old one is untouched; detail: its    \
                                           path and the reason */                                                      \
    X(WordConverterMissing, 40500)      /* Save as Word document: LibreOffice is not installed (names the package) */  \
    X(WordTimedOut, 40510)              /* LibreOffice stopped at the time limit; detail: the document's path */       \
    X(WordNotConverted, 40520)          /* LibreOffice made no Word document; detail: its path and what it said */     \
    X(WordNotWritten, 40530)            /* the Word document cannot be written; detail: its path and the reason */     \
    X(PaperViewNeedsConverter, 40540)   /* the paper view's text without LibreOffice (names the package) */            \
    X(PaperNotShown, 40550)             /* the paper view's text when a page could not be shown; detail: why */

namespace brevane::msg {

#define BREVANE_MESSAGE_CONSTANT(name, number) inline constexpr int name = number;
BREVANE_MESSAGES(BREVANE_MESSAGE_CONSTANT)
#undef BREVANE_MESSAGE_CONSTANT

struct NamedMessage
{
    const char *name;
    int number;
};

// Every message of the list, in its order.
inline constexpr NamedMessage All[] = {
#define BREVANE_MESSAGE_ROW(name, number) {#name, number},
    BREVANE_MESSAGES(BREVANE_MESSAGE_ROW)
#undef BREVANE_MESSAGE_ROW
};

// In ascending order, a number has one name only.
consteval bool InNumberOrder()
{
    for (std::size_t i = 1; i < std::size(All); ++i)
        if (All[i].number <= All[i - 1].number)
            return false;
    return true;
}
static_assert(InNumberOrder(), "the messages are listed in ascending order of number, each number once");

} // namespace brevane::msg
