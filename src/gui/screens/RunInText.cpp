#include "gui/screens/RunInText.h"

#include "gui/screens/PageControls.h"

#include <QHash>

namespace brevane {

namespace {

// Where the page screen placed a control: kept the first time its line is
// closed up, so that every later fill starts again from there.
QRect laidOut(QWidget *widget)
{
    TPageControl *control = PageControlOf(widget);
    if (!control->LaidOut.isValid())
        control->LaidOut = widget->geometry();
    return control->LaidOut;
}

// The help balloons of a control (a help button, or an edit holding one):
// they stand on the panel beside the line and move with their button.
QList<TCalloutPanel *> balloonsOf(QWidget *widget)
{
    QList<TCalloutPanel *> balloons;
    QList<TButton *> buttons = widget->findChildren<TButton *>(Qt::FindDirectChildrenOnly);
    if (auto *button = dynamic_cast<TButton *>(widget))
        buttons.append(button);
    for (const TButton *button : std::as_const(buttons))
        for (const QPointer<TCalloutPanel> &balloon : button->Callouts)
            if (balloon)
                balloons.append(balloon.data());
    return balloons;
}

} // namespace

void CloseRunInGaps(QWidget *container)
{
    QList<TLabel *> runs;
    QList<QWidget *> controls;
    for (QObject *child : container->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || !PageControlOf(widget))
            continue;
        controls.append(widget);
        if (auto *label = dynamic_cast<TLabel *>(widget); label && label->RunIn)
            runs.append(label);
    }
    if (runs.isEmpty())
        return;
    for (QWidget *widget : std::as_const(controls))
        laidOut(widget);

    QHash<QWidget *, int> shift;
    for (TLabel *run : std::as_const(runs)) {
        const QRect room = laidOut(run);
        const QFontMetrics metrics = run->fontMetrics();
        // An empty value keeps a few blanks' room, so the sentence still
        // shows that something belongs there.
        const int wanted = run->text().isEmpty() ? metrics.horizontalAdvance(QStringLiteral("    "))
                                                 : metrics.horizontalAdvance(run->text()) + 2;
        const int width = qMin(wanted, room.width());
        run->resize(width, room.height());
        const int saved = room.width() - width;
        if (saved == 0)
            continue;
        for (QWidget *other : std::as_const(controls)) {
            const QRect place = laidOut(other);
            if (dynamic_cast<TCalloutPanel *>(other) || place.left() <= room.right() ||
                qAbs(place.center().y() - room.center().y()) > room.height() / 2)
                continue;
            shift[other] += saved;
            for (TCalloutPanel *balloon : balloonsOf(other))
                shift[balloon] += saved;
        }
    }
    for (QWidget *widget : std::as_const(controls))
        widget->move(laidOut(widget).topLeft() - QPoint(shift.value(widget), 0));
}

} // namespace brevane
