#pragma once
// The paper view: a panel beside the page that shows the displayed page's
// form as it prints. LibreOffice (kept loaded in the program's converter
// process) makes the PDF of the form, poppler draws its pages. It follows
// the focus to where the focused field prints, and shows the new paper after
// each field exit without holding up the typing: the conversion runs in the
// converter process, and edits made meanwhile are shown by the next one. A
// failed conversion is told in the panel, never in a message box; without
// LibreOffice the panel says what to install.

#include "core/output/WarmConverter.h"

#include <QDockWidget>
#include <QImage>
#include <QList>

#include <memory>

class QLabel;
class QScrollArea;
class QTimer;
class QTemporaryDir;
class QVBoxLayout;

namespace Poppler {
class Document;
}

namespace brevane {

class TMainWindow;

class PaperView : public QDockWidget
{
    Q_OBJECT
public:
    PaperView(TMainWindow &main, QWidget *parent);
    ~PaperView() override;

    // Shows the displayed page's form anew (later, from the event loop);
    // while a conversion runs, once it ends.
    void Refresh();

    // What the panel says above the paper (empty while the paper shows as
    // it is).
    QString Message() const;
    // The pages on screen and the page the paper shows.
    int PagesShown() const { return int(images_.size()); }
    int PaperOfPage() const { return shownPage_; }
    // Whether a conversion is under way.
    bool Rendering() const { return job_ != 0; }
    // The printed page and the place on it where the focused field prints
    // (in the page's image), or -1 and an empty rectangle when it is not
    // found.
    int FocusPaperPage() const { return focusPaper_; }
    QRect FocusPlace() const { return focusPlace_; }

Q_SIGNALS:
    // The new paper is on screen.
    void PaperShown();
    // The paper could not be made; the panel says why.
    void PaperFailed();
    // The user closed the panel.
    void Closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void render();
    void converted(quint64 job, const ConversionResult &result);
    void showPdf(const QString &path);
    void showMessage(const QString &text);
    void follow(QWidget *focused);
    void drawPages();
    // Draws the PDF's pages at the panel's width.
    void paintSheets();
    int sheetRoom() const;

    TMainWindow &main_;
    QLabel *message_ = nullptr;
    QScrollArea *scroll_ = nullptr;
    QWidget *sheets_ = nullptr;
    QVBoxLayout *sheetsLayout_ = nullptr;
    QList<QLabel *> labels_;
    QList<QImage> images_;
    std::unique_ptr<Poppler::Document> pdf_;
    std::unique_ptr<QTemporaryDir> work_;
    WarmConverter *connected_ = nullptr;
    quint64 job_ = 0;
    bool again_ = false;
    bool scheduled_ = false;
    int renderPage_ = -1;
    int shownPage_ = -1;
    int shownContinuation_ = -1;
    int runs_ = 0;
    double dpi_ = 72;
    int sheetWidth_ = 0;
    QTimer *resized_ = nullptr;
    QString focusText_;
    int focusPaper_ = -1;
    QRect focusPlace_;
};

} // namespace brevane
