#include "gui/screens/PageBuilder.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/forms/PageFacts.h"
#include "core/screens/ComponentReader.h"
#include "gui/common/MainWindow.h"
#include "gui/common/StyleBook.h"
#include "gui/screens/CalcCommands.h"
#include "gui/screens/OverrideCommands.h"
#include "gui/screens/PageControls.h"
#include "gui/screens/PageTransfer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSequentialAnimationGroup>
#include <QTreeWidget>
#include <QVariantAnimation>

#include <cmath>
#include <exception>
#include <functional>
#include <optional>

namespace brevane {

namespace {

// A page shows at once; the fade is short enough to go unnoticed when
// paging through a long paper.
constexpr int FadeDurationMs = 120;

// Paints the page area's background over the page, the less the further the
// page has faded in. It follows the page area's size and lets every mouse
// event through to the page.
class TFadeCurtain : public QWidget
{
public:
    explicit TFadeCurtain(QWidget *area)
        : QWidget(area)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(area->rect());
        area->installEventFilter(this);
    }

    double Opacity() const { return opacity_; }
    void SetOpacity(double opacity)
    {
        opacity_ = opacity;
        update();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }
    void paintEvent(QPaintEvent *) override
    {
        QColor cover = parentWidget()->palette().color(parentWidget()->backgroundRole());
        cover.setAlphaF(float(1.0 - opacity_));
        QPainter(this).fillRect(rect(), cover);
    }

private:
    double opacity_ = 0.0;
};

// Hands the application's events to the page builder while a help balloon
// is open.
class TBalloonWatch : public QObject
{
public:
    explicit TBalloonWatch(std::function<bool(QObject *, QEvent *)> seen)
        : seen_(std::move(seen))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override { return seen_(watched, event); }

private:
    std::function<bool(QObject *, QEvent *)> seen_;
};

bool isClass(const QString &className, const char *name)
{
    return className.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

bool nameHasHelp(const QWidget *widget)
{
    return widget->objectName().contains(QLatin1String("HELP"), Qt::CaseInsensitive);
}

// A colour of the file: an identifier ("claMistyrose", "Red", "xFFFF0000")
// or an ARGB integer.
std::optional<QColor> colourOf(const StreamValue *value)
{
    if (!value)
        return std::nullopt;
    if (value->IsInteger()) {
        const auto argb = quint32(value->integer);
        return QColor::fromRgba(argb);
    }
    if (!value->IsText())
        return std::nullopt;
    QString name = value->text;
    if (name.startsWith(QLatin1String("cla"), Qt::CaseInsensitive))
        name = name.mid(3);
    if (name.compare(QLatin1String("Null"), Qt::CaseInsensitive) == 0 || name.isEmpty())
        return std::nullopt;
    if (name.startsWith(QLatin1Char('x')) || name.startsWith(QLatin1Char('$')) || name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const quint32 argb = name.mid(1).toUInt(&ok, 16);
        if (ok)
            return QColor::fromRgba(argb);
        return std::nullopt;
    }
    QColor colour = QColor::fromString(name.toLower());
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

Qt::Alignment horizontalOf(const ComponentRecord &r, Qt::Alignment fallback)
{
    const QString align =
        r.String(u"TextSettings.HorzAlign").isEmpty() ? r.String(u"TextAlign") : r.String(u"TextSettings.HorzAlign");
    if (align.compare(QLatin1String("Center"), Qt::CaseInsensitive) == 0)
        return Qt::AlignHCenter;
    if (align.compare(QLatin1String("Trailing"), Qt::CaseInsensitive) == 0)
        return Qt::AlignRight;
    if (align.compare(QLatin1String("Leading"), Qt::CaseInsensitive) == 0)
        return Qt::AlignLeft;
    return fallback;
}

Qt::Alignment verticalOf(const ComponentRecord &r, Qt::Alignment fallback)
{
    const QString align = r.String(u"TextSettings.VertAlign");
    if (align.compare(QLatin1String("Leading"), Qt::CaseInsensitive) == 0)
        return Qt::AlignTop;
    if (align.compare(QLatin1String("Trailing"), Qt::CaseInsensitive) == 0)
        return Qt::AlignBottom;
    if (align.compare(QLatin1String("Center"), Qt::CaseInsensitive) == 0)
        return Qt::AlignVCenter;
    return fallback;
}

// A picture stored with an image: the first binary value under a bitmap
// property, or inside a multi-resolution bitmap's items.
QPixmap pictureOf(const ComponentRecord &r)
{
    QPixmap picture;
    auto tryValue = [&](const StreamValue &value) {
        if (value.type == ValueType::Binary && picture.isNull())
            picture.loadFromData(value.bytes);
        for (const CollectionItem &item : value.collection)
            for (const StreamProperty &p : item.properties)
                if (p.value.type == ValueType::Binary && picture.isNull())
                    picture.loadFromData(p.value.bytes);
    };
    for (const StreamProperty &p : r.properties)
        if (p.path.contains(QLatin1String("Bitmap"), Qt::CaseInsensitive) ||
            p.path.contains(QLatin1String("Picture"), Qt::CaseInsensitive))
            tryValue(p.value);
    return picture;
}

void applyFontSize(QWidget *widget, double size)
{
    QFont font = widget->font();
    // Sizes in the file are device-independent pixels.
    font.setPointSizeF(qMax(1.0, size) * 0.75);
    if (font != widget->font())
        widget->setFont(font);
}

void applyFont(QWidget *widget, TPageControl *control, const ComponentRecord &r, double zoom)
{
    if (const std::optional<double> size = r.FontSize(); size && *size > 0)
        control->FontSize = *size;
    QFont font = widget->font();
    font.setPointSizeF(qMax(1.0, control->FontSize * zoom) * 0.75);
    QString family = r.String(u"TextSettings.Font.Family");
    if (family.isEmpty())
        family = r.String(u"Font.Family");
    if (!family.isEmpty())
        font.setFamily(family);
    const StreamValue *style = r.Property(u"TextSettings.Font.Style");
    if (!style)
        style = r.Property(u"Font.Style");
    if (style && style->type == ValueType::Set) {
        for (const QString &name : style->names) {
            if (name.compare(QLatin1String("fsBold"), Qt::CaseInsensitive) == 0)
                font.setBold(true);
            else if (name.compare(QLatin1String("fsItalic"), Qt::CaseInsensitive) == 0)
                font.setItalic(true);
            else if (name.compare(QLatin1String("fsUnderline"), Qt::CaseInsensitive) == 0)
                font.setUnderline(true);
            else if (name.compare(QLatin1String("fsStrikeOut"), Qt::CaseInsensitive) == 0)
                font.setStrikeOut(true);
        }
    }
    if (font != widget->font())
        widget->setFont(font);
    const StreamValue *colour = r.Property(u"TextSettings.FontColor");
    if (!colour)
        colour = r.Property(u"FontColor");
    if (const std::optional<QColor> c = colourOf(colour)) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, *c);
        palette.setColor(QPalette::Text, *c);
        palette.setColor(QPalette::ButtonText, *c);
        widget->setPalette(palette);
    }
}

QSize defaultSize(const QString &className)
{
    if (isClass(className, "TLabel"))
        return {120, 17};
    if (isClass(className, "TEdit"))
        return {100, 22};
    if (isClass(className, "TCheckBox"))
        return {120, 19};
    if (isClass(className, "TButton"))
        return {80, 22};
    if (isClass(className, "TMemo"))
        return {200, 100};
    return {100, 100};
}

} // namespace

TPageBuilder::TPageBuilder(TMainWindow &main)
    : main_(main)
{}

TPageBuilder::~TPageBuilder()
{
    if (balloonWatch_)
        qApp->removeEventFilter(balloonWatch_.get());
    if (fade_)
        fade_->stop();
}

QString TPageBuilder::PageScreenPath(int page) const
{
    return main_.folders.Psf() + QStringLiteral("page") + QString::number(page) + QStringLiteral(".psf");
}

void TPageBuilder::LoadPage(int pageTag)
{
    main_.Transfer().SetBusyCursor(true);
    if (!main_.GraphicsAdapterAdjust)
        stopFadeIn(true);

    // From here on the current page names the new page; no handler of the
    // old page's controls may run and write into it.
    TPageControl::handlersEnabled = false;
    main_.CurrentPage = PageOfTag(pageTag);
    main_.CurrentContinuation = ContinuationOfTag(pageTag);
    // Building and filling the page is the program's doing: the controls
    // tell only the user's edits.

    main_.pnlToolBar->setVisible(true);
    const int focusTag = FactsOfPage(main_.CurrentPage).focusTag;
    // A page with nothing to override (an instruction page) offers no Override.
    if (!FactsOfPage(main_.CurrentPage).overrideable)
        main_.SetOverrideVisible(false, false);

    pageReady_ = false;
    if (!ClearPage())
        ShowError(msg::PageNotCleared);
    main_.VertScrollBox1->verticalScrollBar()->setValue(0);
    main_.VertScrollBox1->horizontalScrollBar()->setValue(0);

    // A missing or damaged file shows 11150 with its path; what was read
    // completely before the damage is shown, but neither wired nor filled.
    ComponentStream stream;
    bool read = LoadComponentStream(PageScreenPath(main_.CurrentPage), stream);
    // Another page's screen put in this page's place would bind its fields
    // to answers this page does not have: it is not this page's file.
    if (const int other = read ? stream.OtherPageNamed(main_.CurrentPage) : -1; other >= 0) {
        ShowError(
            msg::PageScreenUnreadable,
            QStringLiteral("%1 (it holds the screen of page %2)").arg(PageScreenPath(main_.CurrentPage)).arg(other));
        stream = ComponentStream();
        read = false;
    }
    bool built = false;
    try {
        BuildControls(stream);
        built = true;
    } catch (const std::exception &) {
        ShowError(msg::PageScreenUnreadable, PageScreenPath(main_.CurrentPage));
    }

    bool focused = false;
    if (read && built) {
        PreparePageControls(main_.pnlMainForm);
        pageReady_ = true;
        TPageControl::handlersEnabled = true;
        main_.Calc().Calculate(false).show();
        FocusTaggedControl(focusTag);
        focused = true;
    }
    TPageControl::handlersEnabled = true;

    main_.UpdateCaption();
    main_.TreeView1->clearSelection();
    main_.SelectPageTreeItem(main_.CurrentPage);

    if (focused)
        main_.VertScrollBox1->verticalScrollBar()->setValue(0);
    if (!main_.GraphicsAdapterAdjust)
        startFadeIn();
    else
        stopFadeIn(false);
    main_.Transfer().SetBusyCursor(false);
}

bool TPageBuilder::ClearPage()
{
    QWidget *panel = main_.pnlMainForm;
    CloseBalloon();
    const bool handlers = TPageControl::handlersEnabled;
    TPageControl::handlersEnabled = false;
    // The focus leaves the page first, so that no control is destroyed while
    // it holds it.
    if (QWidget *focus = QApplication::focusWidget(); focus && panel->isAncestorOf(focus))
        main_.VertScrollBox1->setFocus(Qt::OtherFocusReason);
    bool ok = true;
    try {
        const QList<QWidget *> children = panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *child : children)
            delete child;
    } catch (const std::exception &) {
        ok = false;
    }
    TPageControl::handlersEnabled = handlers;
    return ok;
}

void TPageBuilder::BuildControls(const ComponentStream &stream)
{
    QWidget *panel = main_.pnlMainForm;
    zoom_ = main_.ZoomFactor() > 0 ? main_.ZoomFactor() : 1.0;
    panel->setUpdatesEnabled(false);
    const bool shown = panel->isVisible();
    panel->hide();
    const QSizeF size = stream.RootSize();
    pageSized_ = size.width() > 0 || size.height() > 0;
    const QSize viewport = main_.VertScrollBox1->viewport()->size();
    const int width = size.width() > 0 ? int(std::lround(size.width() * zoom_)) : viewport.width();
    const int height = size.height() > 0 ? int(std::lround(size.height() * zoom_)) : viewport.height();
    panel->resize(qMax(1, width), qMax(1, height));
    buddies_.clear();
    for (const ComponentRecord &root : stream.images)
        for (const ComponentRecord &child : root.children)
            buildControl(child, panel);
    for (const auto &[label, name] : std::as_const(buddies_))
        if (QWidget *buddy = panel->findChild<QWidget *>(name))
            label->setBuddy(buddy);
    buddies_.clear();
    if (shown)
        panel->show();
    panel->setUpdatesEnabled(true);
}

QWidget *TPageBuilder::buildControl(const ComponentRecord &r, QWidget *parent)
{
    const QString &cls = r.className;
    QWidget *widget = nullptr;
    TPageControl *control = nullptr;
    const QString text = r.Text();

    if (isClass(cls, "TLabel")) {
        auto *label = new TLabel(parent);
        label->setText(text);
        label->setAlignment(horizontalOf(r, Qt::AlignLeft) | verticalOf(r, Qt::AlignVCenter));
        label->setWordWrap(r.Flag(u"TextSettings.WordWrap", r.Flag(u"WordWrap", true)));
        label->RunIn = r.Flag(u"AutoSize", false);
        widget = label;
        control = label;
    } else if (isClass(cls, "TEdit")) {
        auto *edit = new TEdit(parent);
        edit->setText(text);
        edit->setReadOnly(r.ReadOnly());
        edit->setAlignment(horizontalOf(r, Qt::AlignLeft) | Qt::AlignVCenter);
        if (const std::optional<double> max = r.Number(u"MaxLength"); max && *max > 0)
            edit->setMaxLength(int(*max));
        if (const QString prompt = r.String(u"TextPrompt"); !prompt.isEmpty())
            edit->setPlaceholderText(prompt);
        widget = edit;
        control = edit;
    } else if (isClass(cls, "TMemo")) {
        auto *memo = new TMemo(parent);
        memo->setPlainText(text);
        memo->setReadOnly(r.ReadOnly());
        widget = memo;
        control = memo;
    } else if (isClass(cls, "TCheckBox")) {
        auto *check = new TCheckBox(parent);
        check->setText(text);
        check->setChecked(r.Flag(u"IsChecked", false));
        widget = check;
        control = check;
    } else if (isClass(cls, "TButton")) {
        auto *button = new TButton(parent);
        button->setText(text);
        widget = button;
        control = button;
    } else if (isClass(cls, "TCalloutPanel")) {
        auto *callout = new TCalloutPanel(parent);
        widget = callout;
        control = callout;
    } else if (isClass(cls, "TGroupBox")) {
        auto *group = new TGroupBox(parent);
        group->setTitle(text);
        widget = group;
        control = group;
    } else {
        auto *frame = new TFrameControl(parent);
        frame->text = text;
        if (isClass(cls, "TLine")) {
            frame->line = true;
            frame->stroke = colourOf(r.Property(u"Stroke.Color")).value_or(QColor(Qt::black));
        } else if (isClass(cls, "TRectangle") || isClass(cls, "TRoundRect") || isClass(cls, "TEllipse")) {
            const bool noFill = r.String(u"Fill.Kind").compare(QLatin1String("None"), Qt::CaseInsensitive) == 0;
            if (!noFill && r.StyleLookup().isEmpty())
                frame->fill = colourOf(r.Property(u"Fill.Color")).value_or(QColor(Qt::white));
            if (r.String(u"Stroke.Kind").compare(QLatin1String("None"), Qt::CaseInsensitive) != 0)
                frame->stroke = colourOf(r.Property(u"Stroke.Color")).value_or(QColor(Qt::black));
        } else if (isClass(cls, "TPanel")) {
            frame->setFrameShape(QFrame::StyledPanel);
        } else if (isClass(cls, "TImage") || isClass(cls, "TImageControl")) {
            frame->picture = pictureOf(r);
        }
        if (const std::optional<QColor> fill = colourOf(r.Property(u"Color")))
            frame->fill = *fill;
        widget = frame;
        control = frame;
    }

    widget->setObjectName(r.name);
    control->Tag = int(r.Tag());
    control->ClassName = cls;

    const QSize fallback = defaultSize(cls);
    const double w = r.Width() > 0 ? r.Width() : fallback.width();
    const double h = r.Height() > 0 ? r.Height() : fallback.height();
    widget->setGeometry(int(std::lround(r.Left() * zoom_)), int(std::lround(r.Top() * zoom_)),
                        qMax(1, int(std::lround(w * zoom_))), qMax(1, int(std::lround(h * zoom_))));
    if (r.String(u"Align").compare(QLatin1String("Client"), Qt::CaseInsensitive) == 0 ||
        r.String(u"Align").compare(QLatin1String("Contents"), Qt::CaseInsensitive) == 0)
        widget->setGeometry(parent->rect());
    applyFont(widget, control, r, zoom_);
    control->BasePalette = widget->palette();
    if (const QString style = r.StyleLookup(); !style.isEmpty())
        control->SetStyleLookup(style);
    else if (isClass(cls, "TCalloutPanel"))
        control->SetStyleLookup(QString::fromLatin1(StyleName::CalloutPanel));
    if (!r.Flag(u"Enabled", true))
        widget->setEnabled(false);
    if (!r.Flag(u"TabStop", true) || !r.Flag(u"CanFocus", true))
        widget->setFocusPolicy(Qt::NoFocus);
    if (const QString hint = r.String(u"Hint"); !hint.isEmpty())
        widget->setToolTip(hint);
    if (const QString name = r.String(u"AccessibleName"); !name.isEmpty())
        widget->setAccessibleName(name);
    if (auto *label = dynamic_cast<TLabel *>(control)) {
        // The control the label names; found once the whole page is built.
        if (const QString buddy = r.String(u"FocusControl"); !buddy.isEmpty())
            buddies_.append({label, buddy});
    }

    for (const ComponentRecord &child : r.children) {
        auto *button = dynamic_cast<TButton *>(control);
        if (button && isClass(child.className, "TCalloutPanel")) {
            // A help callout shows beyond its button: it lives on the page
            // panel, placed where the file puts it relative to the button.
            QWidget *panel = main_.pnlMainForm;
            QWidget *callout = buildControl(child, panel);
            callout->move(button->mapTo(panel, QPoint(0, 0)) + callout->pos());
            button->Callouts.append(static_cast<TCalloutPanel *>(callout));
            continue;
        }
        buildControl(child, widget);
    }
    if (auto *edit = dynamic_cast<TEdit *>(control)) {
        // Buttons inside an edit sit at its right end; the text stops short of them.
        int right = 0;
        for (QObject *child : edit->children())
            if (auto *b = dynamic_cast<TButton *>(child))
                right = qMax(right, edit->width() - b->x());
        if (right > 0)
            edit->setTextMargins(0, 0, right, 0);
    }
    widget->setVisible(r.Visible());
    return widget;
}

void TPageBuilder::PreparePageControls(QWidget *container)
{
    TMainWindow &main = main_;
    for (QObject *child : container->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget)
            continue;
        if (PageControlOf(widget) && !widget->children().isEmpty())
            PreparePageControls(widget);
        TPageControl *control = PageControlOf(widget);
        if (!control)
            continue;
        auto scrollOnEnter = [&main](QWidget *sender) { main.ScrollOnEnter(sender); };
        auto controlChange = [&main](QWidget *) { main.Document().MarkEdited(); };
        auto calcOnExit = [&main](QWidget *sender) { main.Calc().CalcOnExit(sender); };
        if (auto *label = dynamic_cast<TLabel *>(control)) {
            applyFontSize(label, (label->FontSize - main.FontShrink()) * zoom_);
        } else if (auto *memo = dynamic_cast<TMemo *>(control)) {
            memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            memo->FontSize = 16;
            applyFontSize(memo, 16 * zoom_);
            memo->OnEnter = scrollOnEnter;
            memo->OnChange = controlChange;
            // A calculated memo is overridden as a calculated edit is.
            if (memo->StyleLookup() == QLatin1String(StyleName::MemoOverrideable))
                memo->OnDblClick = [&main](QWidget *sender) {
                    main.Override().OverrideClick(TSender{SenderKind::Control, 0, sender});
                };
        } else if (auto *button = dynamic_cast<TButton *>(control)) {
            if (nameHasHelp(button))
                button->OnClick = [this](QWidget *sender) { CalloutDispatch(sender); };
            else
                button->OnClick = [this](QWidget *sender) { DialogDispatch(sender); };
            button->OnEnter = scrollOnEnter;
        } else if (auto *edit = dynamic_cast<TEdit *>(control)) {
            if (nameHasHelp(edit)) {
                for (QObject *inner : edit->children())
                    if (auto *help = dynamic_cast<TButton *>(inner))
                        help->OnClick = [this](QWidget *sender) { CalloutDispatch(sender); };
            }
            edit->OnChange = controlChange;
            edit->OnExit = calcOnExit;
            edit->OnEnter = scrollOnEnter;
            edit->setContextMenuPolicy(Qt::CustomContextMenu);
            QObject::connect(edit, &QWidget::customContextMenuRequested, edit, [&main, edit](const QPoint &pos) {
                main.Override().SetOverride(edit);
                main.ShowPagePopup(edit->mapToGlobal(pos));
            });
            const QString style = edit->StyleLookup();
            if (style == QLatin1String(StyleName::EditOverrideable)) {
                edit->OnDblClick = [&main](QWidget *sender) {
                    main.Override().OverrideClick(TSender{SenderKind::Control, 0, sender});
                };
                edit->setReadOnly(true);
            }
            if (style == QLatin1String(StyleName::EditReadOnly))
                edit->setFocusPolicy(Qt::NoFocus);
        } else if (auto *check = dynamic_cast<TCheckBox *>(control)) {
            check->OnChange = controlChange;
            check->OnExit = calcOnExit;
            check->OnEnter = scrollOnEnter;
        }
    }
}

void TPageBuilder::FocusTaggedControl(int tag)
{
    if (tag < 0)
        return;
    QWidget *target = nullptr;
    // The controls inside a container are looked at before the container;
    // within one container the first match ends its walk, so a match placed
    // directly on the panel wins over the matches inside containers.
    std::function<void(QWidget *)> walk = [&](QWidget *container) {
        for (QObject *child : container->children()) {
            auto *widget = qobject_cast<QWidget *>(child);
            if (!widget || !PageControlOf(widget))
                continue;
            if (!widget->children().isEmpty())
                walk(widget);
            TPageControl *control = PageControlOf(widget);
            const bool focusable = dynamic_cast<TEdit *>(control) || dynamic_cast<TCheckBox *>(control) ||
                                   dynamic_cast<TButton *>(control) || dynamic_cast<TMemo *>(control);
            if (focusable && control->Tag == tag) {
                target = widget;
                return;
            }
        }
    };
    walk(main_.pnlMainForm);
    if (target && target->focusPolicy() != Qt::NoFocus)
        target->setFocus(Qt::OtherFocusReason);
}

void TPageBuilder::CalloutDispatch(QWidget *sender)
{
    auto *button = dynamic_cast<TButton *>(sender);
    if (!button)
        return;
    if (balloonButton_ && balloonButton_ != button)
        CloseBalloon();
    QList<QPointer<QWidget>> opened;
    for (const QPointer<TCalloutPanel> &callout : button->Callouts) {
        if (!callout)
            continue;
        callout->setVisible(!callout->isVisible());
        if (callout->isVisible()) {
            callout->raise();
            opened.append(callout.data());
        }
    }
    if (opened.isEmpty()) {
        CloseBalloon();
        return;
    }
    balloonButton_ = button;
    balloons_ = opened;
    if (!balloonWatch_)
        balloonWatch_ = std::make_unique<TBalloonWatch>(
            [this](QObject *watched, QEvent *event) { return balloonEvent(watched, event); });
    qApp->removeEventFilter(balloonWatch_.get());
    qApp->installEventFilter(balloonWatch_.get());
}

bool TPageBuilder::BalloonOpen() const
{
    for (const QPointer<QWidget> &balloon : balloons_)
        if (balloon && balloon->isVisible())
            return true;
    return false;
}

bool TPageBuilder::CloseBalloon()
{
    const bool open = BalloonOpen();
    for (const QPointer<QWidget> &balloon : std::as_const(balloons_))
        if (balloon)
            balloon->hide();
    balloons_.clear();
    balloonButton_ = nullptr;
    if (balloonWatch_)
        qApp->removeEventFilter(balloonWatch_.get());
    return open;
}

bool TPageBuilder::isBalloonOrButton(const QWidget *widget) const
{
    if (!widget)
        return false;
    if (balloonButton_ && (widget == balloonButton_ || balloonButton_->isAncestorOf(widget)))
        return true;
    for (const QPointer<QWidget> &balloon : balloons_)
        if (balloon && (widget == balloon || balloon->isAncestorOf(widget)))
            return true;
    return false;
}

bool TPageBuilder::onBalloonOrButton(const QPoint &globalPos) const
{
    const auto contains = [&globalPos](const QWidget *w) {
        return w && w->isVisible() && QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).contains(globalPos);
    };
    if (contains(balloonButton_))
        return true;
    for (const QPointer<QWidget> &balloon : balloons_)
        if (contains(balloon))
            return true;
    return false;
}

bool TPageBuilder::coversBalloon(const QWidget *widget) const
{
    QWidget *panel = main_.pnlMainForm;
    if (!widget || !panel || !panel->isAncestorOf(widget) || isBalloonOrButton(widget))
        return false;
    const QRect place(widget->mapTo(panel, QPoint(0, 0)), widget->size());
    for (const QPointer<QWidget> &balloon : balloons_)
        if (balloon && balloon->isVisible() && balloon->geometry().intersects(place))
            return true;
    return false;
}

bool TPageBuilder::balloonEvent(QObject *watched, QEvent *event)
{
    if (!BalloonOpen()) {
        // The page that held it is gone, or it was closed by its button.
        CloseBalloon();
        return false;
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && widget->window() == main_.pnlMainForm->window()) {
            CloseBalloon();
            return true; // the Escape was for the balloon
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The click still does what it does; the balloon goes unless the
        // click is on it or on its button. (A press passes on to the
        // parents of what was clicked: where it is decides, not who sees it.)
        if (!onBalloonOrButton(static_cast<QMouseEvent *>(event)->globalPosition().toPoint()))
            CloseBalloon();
        break;
    case QEvent::FocusIn:
        if (coversBalloon(widget))
            CloseBalloon();
        break;
    default:
        break;
    }
    return false;
}

void TPageBuilder::DialogDispatch(QWidget *)
{
    // Page buttons without a help callout have no command of their own.
}

bool TPageBuilder::FadeRunning() const
{
    return fade_ && fade_->state() == QAbstractAnimation::Running;
}

double TPageBuilder::PageOpacity() const
{
    return curtain_ ? static_cast<const TFadeCurtain *>(curtain_.data())->Opacity() : 1.0;
}

// The page fades in under a curtain of the page area's own background that
// turns from opaque to clear. An opacity effect on the page panel would do
// the same, but leaves the old page's pixels showing through memos while it
// runs (their viewports count as opaque and are not redrawn).
void TPageBuilder::startFadeIn()
{
    stopFadeIn(true);
    auto *group = new QSequentialAnimationGroup(main_.VertScrollBox1);
    auto *opacity = new QVariantAnimation(group);
    opacity->setStartValue(0.0);
    opacity->setEndValue(1.0);
    opacity->setDuration(FadeDurationMs);
    QObject::connect(opacity, &QVariantAnimation::valueChanged, curtain_.data(),
                     [curtain = curtain_](const QVariant &v) {
                         if (curtain)
                             static_cast<TFadeCurtain *>(curtain.data())->SetOpacity(v.toDouble());
                     });
    group->addAnimation(opacity);
    // Once the page is fully shown the curtain goes.
    QObject::connect(group, &QAbstractAnimation::finished, curtain_.data(), &QObject::deleteLater);
    fade_ = group;
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

void TPageBuilder::stopFadeIn(bool transparent)
{
    if (fade_) {
        QAbstractAnimation *fade = fade_;
        fade_ = nullptr;
        fade->stop();
    }
    delete curtain_.data();
    if (transparent) {
        auto *curtain = new TFadeCurtain(main_.VertScrollBox1->viewport());
        curtain->show();
        curtain->raise();
        curtain_ = curtain;
    }
}

} // namespace brevane
