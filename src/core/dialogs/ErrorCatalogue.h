#pragma once
// The numbered message catalogue and ShowError.
//
// An error number is message code * 10 + added-instruction code (0..9). Core
// code reports every failure through ShowError, which composes the message and
// hands it to the one installed MessageSink: the GUI's modal message dialog,
// the command line's standard error, or a test's recorder.

#include <QString>

namespace brevane {

struct ErrorMessage
{
    int number = 0;          // the error number shown
    int code = 0;            // number / 10
    int instruction = 0;     // number % 10
    QString caption;         // by the code's range: "Help On This Item", "Client File" or "Error Dialog"
    bool beep = false;       // sound the alert beep
    QString text;            // catalogue text with the detail in place
    QString instructionText; // the added instruction (may be empty)
    QString detail;          // the detail passed by the caller
};

class MessageSink
{
public:
    virtual ~MessageSink() = default;
    // Shows the message and returns when the user has dismissed it.
    virtual void Show(const ErrorMessage &message) = 0;
};

// Installs the sink that receives every message; nullptr restores the default
// (standard error). Returns the previous sink.
MessageSink *InstallMessageSink(MessageSink *sink);

// Shows message `number` with an optional detail text. A message raised
// while another is being shown waits its turn and shows when that one is
// closed; the same message raised again meanwhile is not repeated.
void ShowError(int number, const QString &detail = QString());

// What the messages shown while it lives are about: a field with its page
// (what was typed on leaving it), a file's path. ShowError puts it ahead of
// the caller's detail, so that a message raised deep inside a conversion or
// a reader still names the field or file. The innermost one counts.
class MessageAbout
{
public:
    explicit MessageAbout(const QString &subject);
    ~MessageAbout();
    MessageAbout(const MessageAbout &) = delete;
    MessageAbout &operator=(const MessageAbout &) = delete;

private:
    QString previous_;
};

// The catalogue text of a message code, with the detail in place; codes not in
// the catalogue give "Unidentified error -  " followed by the code.
QString LookUpMessage(int code, const QString &detail = QString());
bool IsCatalogued(int code);
// Number of codes the catalogue holds.
int CatalogueSize();

// Text as it may go to a terminal: control characters (C0 but the line end
// and tab, DEL, C1) written as "\x1b" and the like, so that an answer can
// never move the cursor, recolour or retitle the user's terminal.
QString TerminalSafe(const QString &text);
// The text of an added-instruction code 0..9 (empty for 0 and out-of-range).
QString AddedInstruction(int instruction);

// The caption of a message code's range: 3000..3799 "Help On This Item",
// 3801..3899 (the program's own client-file messages) "Client File",
// 4000..4049 (imports and exports of the client's data) "Import and Export",
// any other "Error Dialog".
QString CaptionOfCode(int code);

// Builds the whole message for an error number, as the dialog shows it. A
// detail given to a message whose text has no place for one follows the
// text.
ErrorMessage ComposeError(int number, const QString &detail = QString());

// The page and variable the print merge last recorded; message 2118 names them.
void RecordMergePosition(int page, int variable);

} // namespace brevane
