#pragma once
// The controls a page screen file describes, as widgets. Six classes carry
// meaning (TLabel, TEdit, TMemo, TCheckBox, TButton, TCalloutPanel); every
// other class of the file becomes a frame that holds its children. Each
// control keeps its Tag, its class name as the file gave it and its style
// name, and offers the events the page builder wires (enter, exit, change,
// click, double click).

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <functional>

namespace brevane {

class TPageControl
{
public:
    using Handler = std::function<void(QWidget *)>;

    explicit TPageControl(QWidget *self)
        : self_(self)
    {}
    virtual ~TPageControl() = default;

    int Tag = 0;
    QString ClassName;
    double FontSize = 12; // as the file gives it, before zoom and shrinking
    QPalette BasePalette; // as the file gives it, before any style's look
    QRect LaidOut;        // where the file places it, once a line of running text has closed up

    Handler OnEnter;    // the control received the focus
    Handler OnExit;     // the focus moved on to another control of the window
    Handler OnChange;   // the user changed the value (the program's fills are not told)
    Handler OnClick;    // buttons
    Handler OnDblClick; // edits and memos

    QWidget *Widget() const { return self_; }
    QString Name() const { return self_->objectName(); }
    // The style name, upper case (empty: none).
    const QString &StyleLookup() const { return style_; }
    // Gives the control a style's look and remembers the name.
    void SetStyleLookup(const QString &styleName);

    // Handlers run only while the control is live on the page: the builder
    // turns them off while it replaces a page.
    static bool handlersEnabled;

protected:
    // A pop-up menu taking and giving back the focus is no entry.
    void entered(Qt::FocusReason reason)
    {
        if (reason != Qt::PopupFocusReason)
            run(OnEnter);
    }
    void exited(Qt::FocusReason reason);
    void changed() { run(OnChange); }
    void run(const Handler &handler);

private:
    QWidget *self_;
    QString style_;
    bool styled_ = false;
};

// The control of a widget built from a page screen file, or nullptr.
TPageControl *PageControlOf(QObject *object);

class TLabel : public QLabel, public TPageControl
{
public:
    explicit TLabel(QWidget *parent);
    // Words or a value in running text: the label fits what it shows and
    // the rest of its line closes up behind it (CloseRunInGaps).
    bool RunIn = false;
};

class TEdit : public QLineEdit, public TPageControl
{
public:
    explicit TEdit(QWidget *parent);
    int EditKind() const { return Tag / 1000; }
    int AnswerIndex() const { return Tag % 1000; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

class TMemo : public QPlainTextEdit, public TPageControl
{
public:
    explicit TMemo(QWidget *parent);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

class TCheckBox : public QCheckBox, public TPageControl
{
public:
    explicit TCheckBox(QWidget *parent);
    bool IsEstimate() const { return Tag >= 1000; }
    int AnswerIndex() const { return IsEstimate() ? Tag - 1000 : Tag; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

class TCalloutPanel;

class TButton : public QPushButton, public TPageControl
{
public:
    explicit TButton(QWidget *parent);
    // The callout panels stored inside this button. They are placed on the
    // page panel so that they can show beyond the button's edges.
    QList<QPointer<TCalloutPanel>> Callouts;

protected:
    void focusInEvent(QFocusEvent *event) override;
};

class TCalloutPanel : public QFrame, public TPageControl
{
public:
    explicit TCalloutPanel(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A group box of the file: a frame with its caption.
class TGroupBox : public QGroupBox, public TPageControl
{
public:
    explicit TGroupBox(QWidget *parent);
};

// Any other class of the file: panels, rectangles, layouts, lines, images,
// texts. It shows its fill, its picture or its text and holds its children.
class TFrameControl : public QFrame, public TPageControl
{
public:
    explicit TFrameControl(QWidget *parent);
    QColor fill;
    QColor stroke;
    QPixmap picture;
    QString text;
    bool line = false;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace brevane
