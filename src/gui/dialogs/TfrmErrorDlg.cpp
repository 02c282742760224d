#include "gui/dialogs/TfrmErrorDlg.h"

#include "gui/dialogs/UserDialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <exception>

namespace brevane {

namespace {
// The message dialog being shown: set when it is created, cleared when it is destroyed.
TfrmErrorDlg *showingDialog = nullptr;
} // namespace

TfrmErrorDlg *TfrmErrorDlg::Create1(int errNo, QWidget *parent)
{
    return new TfrmErrorDlg(ComposeError(errNo), parent);
}

TfrmErrorDlg *TfrmErrorDlg::Create2(int errNo, const QString &errStr, QWidget *parent)
{
    return new TfrmErrorDlg(ComposeError(errNo, errStr), parent);
}

TfrmErrorDlg::TfrmErrorDlg(const ErrorMessage &message, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    if (!showingDialog)
        showingDialog = this;
    setObjectName(QStringLiteral("frmErrorDlg"));
    BuildWindow();
    TheErrNo = message.number;
    TheErrStr = message.detail;
    try {
        tag_ = message.code;
        AddedInstructCode = message.instruction;
        setWindowTitle(message.caption);
        if (message.beep)
            UserDialogs::Current().Beep();
        LookUpMessage(message);
    } catch (...) {
        UserDialogs::Current().Question(this, QStringLiteral("Warning"), QStringLiteral("Unknown Error."),
                                        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    }
}

TfrmErrorDlg::~TfrmErrorDlg()
{
    if (showingDialog == this)
        showingDialog = nullptr;
}

TfrmErrorDlg *TfrmErrorDlg::Showing()
{
    return showingDialog;
}

void TfrmErrorDlg::BuildWindow()
{
    setWindowTitle(QStringLiteral("Error/Warning/Notice Dialog"));
    setFixedSize(537, 336);
    setModal(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setProperty("StyleLookup", QStringLiteral("PanelGradientStyle"));
    Panel1->setGeometry(0, 0, 537, 336);
    Panel1->setStyleSheet(QStringLiteral("QFrame#Panel1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                         "stop:0 #ffffff, stop:1 #d6e4f0); }"));

    QFont labelFont = font();
    labelFont.setPointSize(16);
    auto makeLabel = [&](const QString &name, int top) {
        auto *label = new QLabel(Panel1);
        label->setObjectName(name);
        label->setGeometry(16, top, 505, 105);
        label->setFont(labelFont);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    MessageLbl = makeLabel(QStringLiteral("MessageLbl"), 8);
    MessageLbl2 = makeLabel(QStringLiteral("MessageLbl2"), 128);

    btnOk = new QPushButton(QStringLiteral("Ok"), Panel1);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    QFont buttonFont = font();
    buttonFont.setPointSize(16);
    buttonFont.setBold(true);
    btnOk->setFont(buttonFont);
    btnOk->setGeometry(207, 285, 127, 30);
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

QString BreakPathLines(const QString &detail, const QFontMetrics &metrics, int width)
{
    // The reason after the path, "(...)" at the end, is prose.
    QString path = detail;
    QString reason;
    if (detail.endsWith(QLatin1Char(')'))) {
        const qsizetype open = detail.lastIndexOf(QLatin1String(" ("));
        const qsizetype lastSeparator =
            std::max(detail.lastIndexOf(QLatin1Char('/')), detail.lastIndexOf(QLatin1Char('\\')));
        if (open > lastSeparator && open > 0) {
            path = detail.left(open);
            reason = detail.mid(open);
        }
    }
    // The path in pieces that each end after a separator.
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (path.at(i) == QLatin1Char('/') || path.at(i) == QLatin1Char('\\')) {
            pieces << path.mid(start, i + 1 - start);
            start = i + 1;
        }
    }
    if (start < path.size())
        pieces << path.mid(start);
    pieces << reason;
    QStringList lines{QString()};
    for (const QString &piece : std::as_const(pieces)) {
        if (piece.isEmpty())
            continue;
        if (!lines.last().isEmpty() && metrics.horizontalAdvance(lines.last() + piece) > width)
            lines << (piece.startsWith(QLatin1Char(' ')) ? piece.mid(1) : piece);
        else
            lines.last() += piece;
    }
    return lines.join(QLatin1Char('\n'));
}

void TfrmErrorDlg::LookUpMessage(const ErrorMessage &message)
{
    // A path at the end of the text starts a line of its own, so that it is
    // read whole, and goes on to the next line only after a separator, never
    // in the middle of a folder's or a file's name.
    QString text = message.text;
    const QString &detail = message.detail;
    if (!detail.isEmpty() && text.endsWith(detail) && text.size() > detail.size() &&
        (detail.startsWith(QLatin1Char('/')) || detail.contains(QLatin1String(":\\"))))
        text = text.left(text.size() - detail.size()).trimmed() + QLatin1Char('\n') +
               BreakPathLines(detail, MessageLbl->fontMetrics(), MessageLbl->width() - 2);
    MessageLbl->setText(text);
    MessageLbl2->setText(message.instructionText);
    FitTexts();
}

// A text longer than its label (a message with a long path) makes its label
// taller and the dialog with it, so that no part of a message is cut off.
// Texts that fit keep the dialog's usual layout.
void TfrmErrorDlg::FitTexts()
{
    const int messageHeight = std::max(105, MessageLbl->heightForWidth(505));
    MessageLbl->setGeometry(16, 8, 505, messageHeight);
    const int instructionTop = MessageLbl->geometry().bottom() + 1 + 15;
    const int instructionHeight = std::max(105, MessageLbl2->heightForWidth(505));
    MessageLbl2->setGeometry(16, instructionTop, 505, instructionHeight);
    const int okTop = MessageLbl2->geometry().bottom() + 1 + 52;
    btnOk->setGeometry(207, okTop, 127, 30);
    const int height = okTop + 30 + 21;
    setFixedSize(537, height);
    Panel1->setGeometry(0, 0, 537, height);
}

void TfrmErrorDlg::ShowMessage(const ErrorMessage &message, QWidget *parent)
{
    if (showingDialog)
        return;
    QPointer<TfrmErrorDlg> dialog;
    try {
        dialog = new TfrmErrorDlg(message, parent);
        // Centred on the screen.
        if (QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), dialog->size());
            frame.moveCenter(screen->availableGeometry().center());
            dialog->move(frame.topLeft());
        }
        dialog->exec();
    } catch (...) {
    }
    delete dialog.data();
    showingDialog = nullptr;
}

void ErrorDialogSink::Show(const ErrorMessage &message)
{
    TfrmErrorDlg::ShowMessage(message, parent_);
}

} // namespace brevane
