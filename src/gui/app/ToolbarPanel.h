#pragma once
// A toolbar of the main window: buttons in a row, left to right, in their
// order. Every button keeps its place: a hidden button leaves its place
// empty, so the others never move under the mouse (repeated clicks on Next
// never land on Prior). A button that becomes visible can
// slide in from the window's right edge. Every button glows teal under the
// mouse.

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QPropertyAnimation;

namespace brevane {

class TToolbarPanel : public QWidget
{
public:
    TToolbarPanel(int height, QWidget *parent);

    void AddButton(QAbstractButton *button);
    // Shows or hides a button; with `slide` a button that was hidden moves
    // in from x = 1280 to its place over two seconds.
    void SetButtonVisible(QAbstractButton *button, bool visible, bool slide = false);
    bool IsButtonVisible(const QAbstractButton *button) const;
    // The place of a button once every slide has ended.
    QPoint Place(const QAbstractButton *button) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void relayout();

    struct Entry
    {
        QAbstractButton *button;
        bool visible;
        QPointer<QPropertyAnimation> slide;
        QPoint place;
    };
    QList<Entry> entries_;
};

} // namespace brevane
