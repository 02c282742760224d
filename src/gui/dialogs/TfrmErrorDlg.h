#pragma once
// The message dialog: every numbered message of the catalogue is shown here,
// one at a time. The program installs an ErrorDialogSink at start-up, so that
// ShowError in any subsystem opens this dialog:
//
//     static ErrorDialogSink sink;       // lives for the whole run
//     InstallMessageSink(&sink);

#include "core/dialogs/ErrorCatalogue.h"

#include <QDialog>

class QFontMetrics;
class QLabel;
class QPushButton;
class QFrame;

namespace brevane {

// A path (and a reason in parentheses after it) in lines no wider than
// `width`, broken only after a separator, never inside a name.
QString BreakPathLines(const QString &detail, const QFontMetrics &metrics, int width);

class TfrmErrorDlg : public QDialog
{
    Q_OBJECT
public:
    // The message for `errNo` (with the detail `errStr`, empty when none):
    // caption, beep and both texts are set here.
    static TfrmErrorDlg *Create1(int errNo, QWidget *parent = nullptr);
    static TfrmErrorDlg *Create2(int errNo, const QString &errStr, QWidget *parent = nullptr);
    explicit TfrmErrorDlg(const ErrorMessage &message, QWidget *parent = nullptr);
    ~TfrmErrorDlg() override;

    // Shows the message modally and returns when the user has pressed "Ok".
    // Does nothing while another message dialog is showing.
    static void ShowMessage(const ErrorMessage &message, QWidget *parent = nullptr);
    // The message dialog being shown, or nullptr.
    static TfrmErrorDlg *Showing();

    int Tag() const { return tag_; } // the message code

    QLabel *MessageLbl = nullptr;
    QPushButton *btnOk = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *MessageLbl2 = nullptr;
    int AddedInstructCode = 0;
    int TheErrNo = 0;
    QString TheErrStr;

private:
    void BuildWindow();
    void LookUpMessage(const ErrorMessage &message);
    void FitTexts();
    int tag_ = 0;
};

// The GUI's message sink: shows each message in TfrmErrorDlg.
class ErrorDialogSink : public MessageSink
{
public:
    // `parent`: the window the dialogs are centred over (may be nullptr).
    explicit ErrorDialogSink(QWidget *parent = nullptr)
        : parent_(parent)
    {}
    void Show(const ErrorMessage &message) override;
    void SetParent(QWidget *parent) { parent_ = parent; }

private:
    QWidget *parent_ = nullptr;
};

} // namespace brevane
