#include "gui/screens/PageControls.h"

#include "gui/common/StyleBook.h"

#include <QFocusEvent>
#include <QPainter>

#include <limits>

namespace brevane {

bool TPageControl::handlersEnabled = true;

void TPageControl::SetStyleLookup(const QString &styleName)
{
    const QString upper = styleName.toUpper();
    if (styled_ && upper == style_)
        return;
    style_ = upper;
    styled_ = true;
    ApplyStyleLookup(self_, upper, BasePalette);
    if (const StyleLook *look = LookOf(upper); look && look->border.isValid()) {
        if (auto *frame = dynamic_cast<TFrameControl *>(this))
            frame->stroke = look->border;
        else if (auto *box = dynamic_cast<QFrame *>(self_))
            box->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
}

void TPageControl::exited(Qt::FocusReason reason)
{
    // A menu opening or another window taking over does not move the focus
    // to another control of the page.
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return;
    run(OnExit);
}

void TPageControl::run(const Handler &handler)
{
    if (handler && handlersEnabled)
        handler(self_);
}

TPageControl *PageControlOf(QObject *object)
{
    return dynamic_cast<TPageControl *>(object);
}

TLabel::TLabel(QWidget *parent)
    : QLabel(parent)
    , TPageControl(this)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
}

TEdit::TEdit(QWidget *parent)
    : QLineEdit(parent)
    , TPageControl(this)
{
    // A line edit keeps 32,767 characters unless told otherwise; an answer
    // the client file holds is never cut when it is shown and stored again.
    setMaxLength(std::numeric_limits<int>::max());
    // Only the user's typing is a change: the program's own fills and
    // reformatting use setText, which is not told.
    connect(this, &QLineEdit::textEdited, this, [this] { changed(); });
}

void TEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    entered(event->reason());
}

void TEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    exited(event->reason());
}

void TEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    run(OnDblClick);
}

TMemo::TMemo(QWidget *parent)
    : QPlainTextEdit(parent)
    , TPageControl(this)
{
    setTabChangesFocus(true);
    // A plain text edit tells no typing apart from a fill: the program fills
    // it under a signal blocker, so what is told is the user's.
    connect(this, &QPlainTextEdit::textChanged, this, [this] { changed(); });
}

void TMemo::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    entered(event->reason());
}

void TMemo::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    exited(event->reason());
}

void TMemo::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    run(OnDblClick);
}

TCheckBox::TCheckBox(QWidget *parent)
    : QCheckBox(parent)
    , TPageControl(this)
{
    // The user's click or key; setChecked by the program is not told.
    connect(this, &QCheckBox::clicked, this, [this] { changed(); });
}

void TCheckBox::focusInEvent(QFocusEvent *event)
{
    QCheckBox::focusInEvent(event);
    entered(event->reason());
}

void TCheckBox::focusOutEvent(QFocusEvent *event)
{
    QCheckBox::focusOutEvent(event);
    exited(event->reason());
}

TButton::TButton(QWidget *parent)
    : QPushButton(parent)
    , TPageControl(this)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { run(OnClick); });
}

void TButton::focusInEvent(QFocusEvent *event)
{
    QPushButton::focusInEvent(event);
    entered(event->reason());
}

TCalloutPanel::TCalloutPanel(QWidget *parent)
    : QFrame(parent)
    , TPageControl(this)
{}

void TCalloutPanel::paintEvent(QPaintEvent *)
{
    // A balloon: the style's ground inside a rounded border.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const StyleLook *look = LookOf(StyleLookup());
    painter.setPen(look && look->border.isValid() ? look->border : QColor(Qt::gray));
    painter.setBrush(palette().color(QPalette::Window));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

TGroupBox::TGroupBox(QWidget *parent)
    : QGroupBox(parent)
    , TPageControl(this)
{}

TFrameControl::TFrameControl(QWidget *parent)
    : QFrame(parent)
    , TPageControl(this)
{}

void TFrameControl::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!fill.isValid() && !stroke.isValid() && picture.isNull() && text.isEmpty() && !line)
        return;
    QPainter painter(this);
    const QRect area = rect();
    if (line) {
        painter.setPen(stroke.isValid() ? stroke : QColor(Qt::black));
        if (area.width() >= area.height())
            painter.drawLine(area.left(), area.center().y(), area.right(), area.center().y());
        else
            painter.drawLine(area.center().x(), area.top(), area.center().x(), area.bottom());
        return;
    }
    if (fill.isValid())
        painter.fillRect(area, fill);
    if (stroke.isValid()) {
        painter.setPen(stroke);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    if (!picture.isNull())
        painter.drawPixmap(area, picture);
    if (!text.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
    }
}

} // namespace brevane
