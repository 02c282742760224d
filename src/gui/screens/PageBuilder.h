#pragma once
// The page builder: replaces the displayed page by the controls of another
// page's screen file, wires them to the window's handlers, runs the
// calculation that fills them, focuses the page's first control and fades
// the page in.

#include "core/screens/ComponentModel.h"

#include <QPointer>

class QAbstractAnimation;
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
    // Click handler of help buttons: their callouts show or hide.
    void CalloutDispatch(QWidget *sender);
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

    TMainWindow &main_;
    QPointer<QAbstractAnimation> fade_;
    // Covers the page while it fades in (see startFadeIn).
    QPointer<QWidget> curtain_;
    bool pageSized_ = false;
    bool pageReady_ = false;
    double zoom_ = 1.0;
    // Labels and the names of the controls they name, while a page is built.
    QList<QPair<QLabel *, QString>> buddies_;
};

} // namespace brevane
