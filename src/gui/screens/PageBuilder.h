#pragma once
// The page builder: replaces the displayed page by the controls of another
// page's screen file, wires them to the window's handlers, runs the
// calculation that fills them, focuses the page's first control and fades
// the page in.

#include "core/screens/ComponentModel.h"

#include <QPointer>

#include <memory>

class QAbstractAnimation;
class QEvent;
class QObject;
class QPoint;
class QWidget;

class QLabel;

namespace brevane {

class TMainWindow;

class TPageBuilder
{
public:
    explicit TPageBuilder(TMainWindow &main);
    ~TPageBuilder();

    // Builds the page of the PageTag (page * 100 + continuation) in the page
    // panel. Does not save the controls of the page being left and does not
    // refresh the menus.
    void LoadPage(int pageTag);
    // Destroys every control of the page panel. False when that failed.
    bool ClearPage();
    // Wires the controls inside `container`, recursively.
    void PreparePageControls(QWidget *container);
    // Focuses the edit, check box, button or memo whose Tag is `tag`.
    void FocusTaggedControl(int tag);
    // Click handler of help buttons: their callouts show or hide. Opening
    // one closes any other, so only one help balloon is open at a time.
    void CalloutDispatch(QWidget *sender);
    // Closes the open help balloon. An open balloon also closes on Escape,
    // on a click anywhere but on it or its button, and when a control it
    // covers receives the focus. True when one was open.
    bool CloseBalloon();
    // Whether a help balloon is open.
    bool BalloonOpen() const;
    // Click handler of every other page button.
    void DialogDispatch(QWidget *sender);

    // The page screen file of a page.
    QString PageScreenPath(int page) const;

    // The widgets built from a stream inside the page panel (no wiring);
    // also used for the controls read before a damaged part of a file.
    void BuildControls(const ComponentStream &stream);

    // Whether the shown page was read, wired and filled completely. The
    // controls of a page whose file broke off are shown as read but never
    // written to the store, so they cannot blank the answers they stand for.
    bool PageReady() const { return pageReady_; }
    // Whether the page was sized by its file at the last build.
    bool PageSized() const { return pageSized_; }
    bool FadeRunning() const;
    // How far the shown page has faded in: 0 hidden, 1 fully shown.
    double PageOpacity() const;

private:
    QWidget *buildControl(const ComponentRecord &record, QWidget *parent);
    void startFadeIn();
    void stopFadeIn(bool transparent);
    // What the open balloon's watcher sees, and what closes the balloon.
    bool balloonEvent(QObject *watched, QEvent *event);
    bool coversBalloon(const QWidget *widget) const;
    bool isBalloonOrButton(const QWidget *widget) const;
    bool onBalloonOrButton(const QPoint &globalPos) const;

    TMainWindow &main_;
    QPointer<QAbstractAnimation> fade_;
    // Covers the page while it fades in (see startFadeIn).
    QPointer<QWidget> curtain_;
    bool pageSized_ = false;
    bool pageReady_ = false;
    double zoom_ = 1.0;
    // Labels and the names of the controls they name, while a page is built.
    QList<QPair<QLabel *, QString>> buddies_;
    // The help button whose balloon is open, and the watcher of the
    // application's events while it is.
    QPointer<QWidget> balloonButton_;
    QList<QPointer<QWidget>> balloons_;
    std::unique_ptr<QObject> balloonWatch_;
};

} // namespace brevane
