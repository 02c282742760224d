#include "gui/app/ToolbarPanel.h"

#include <QAbstractButton>
#include <QPropertyAnimation>

namespace brevane {

namespace {
constexpr int Gap = 4;
constexpr int SlideFromX = 1280;
constexpr int SlideMs = 2000;
} // namespace

TToolbarPanel::TToolbarPanel(int height, QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(height);
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("QToolButton, QPushButton { border: 1px solid transparent; border-radius: 4px;"
                                 " padding: 2px 6px; background: transparent; }"
                                 " QToolButton:hover, QPushButton:hover { background-color: teal; color: white;"
                                 " border: 1px solid #006060; }"
                                 " QToolButton:pressed, QPushButton:pressed { background-color: #004c4c; }"));
}

void TToolbarPanel::AddButton(QAbstractButton *button)
{
    button->setParent(this);
    button->setFocusPolicy(Qt::NoFocus);
    entries_.append(Entry{button, true, nullptr, QPoint()});
    button->show();
    relayout();
}

bool TToolbarPanel::IsButtonVisible(const QAbstractButton *button) const
{
    for (const Entry &e : entries_)
        if (e.button == button)
            return e.visible;
    return false;
}

QPoint TToolbarPanel::Place(const QAbstractButton *button) const
{
    for (const Entry &e : entries_)
        if (e.button == button)
            return e.place;
    return QPoint();
}

void TToolbarPanel::SetButtonVisible(QAbstractButton *button, bool visible, bool slide)
{
    for (Entry &e : entries_) {
        if (e.button != button)
            continue;
        if (e.visible == visible)
            return;
        e.visible = visible;
        if (visible && slide) {
            relayout();
            auto *animation = new QPropertyAnimation(button, "pos", button);
            animation->setStartValue(QPoint(SlideFromX, e.place.y()));
            animation->setEndValue(e.place);
            animation->setDuration(SlideMs);
            animation->setEasingCurve(QEasingCurve::OutCubic);
            e.slide = animation;
            button->move(SlideFromX, e.place.y());
            button->show();
            animation->start(QAbstractAnimation::DeleteWhenStopped);
            return;
        }
        if (!visible && e.slide)
            e.slide->stop();
        button->setVisible(visible);
        relayout();
        return;
    }
}

void TToolbarPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void TToolbarPanel::relayout()
{
    int x = Gap;
    for (Entry &e : entries_) {
        const QSize size = e.button->sizeHint();
        e.place = QPoint(x, qMax(0, (height() - size.height()) / 2));
        e.button->resize(size);
        if (e.slide && e.slide->state() == QAbstractAnimation::Running)
            e.slide->setEndValue(e.place);
        else
            e.button->move(e.place);
        x += size.width() + Gap;
    }
}

} // namespace brevane
