#include "gui/output/PaperView.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/output/PdfExport.h"
#include "core/output/PrintJob.h"
#include "core/output/PrintSelection.h"
#include "gui/common/MainWindow.h"
#include "gui/screens/PageControls.h"
#include "gui/screens/PageTransfer.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <poppler-qt6.h>

namespace brevane {

namespace {

// The paper's width on screen at most, in pixels, and the least.
constexpr int MaxSheetWidth = 900;
constexpr int MinSheetWidth = 200;
// The longest piece of a field's answer looked for on the paper.
constexpr int MaxSearched = 40;

// A message of the catalogue as the panel shows it: its text without number.
QString panelText(int number, const QString &detail = QString())
{
    QString text = ComposeError(number, detail).text;
    const qsizetype dash = text.indexOf(QLatin1Char('-'));
    if (dash > 0 && dash < 6)
        text = text.mid(dash + 1);
    return text.trimmed();
}

} // namespace

PaperView::PaperView(TMainWindow &main, QWidget *parent)
    : QDockWidget(QStringLiteral("Paper"), parent)
    , main_(main)
{
    setObjectName(QStringLiteral("paperView"));
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    message_ = new QLabel(body);
    message_->setObjectName(QStringLiteral("paperMessage"));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->hide();
    layout->addWidget(message_);
    scroll_ = new QScrollArea(body);
    scroll_->setObjectName(QStringLiteral("paperScroll"));
    scroll_->setWidgetResizable(true);
    scroll_->setBackgroundRole(QPalette::Dark);
    sheets_ = new QWidget(scroll_);
    sheetsLayout_ = new QVBoxLayout(sheets_);
    sheetsLayout_->setSpacing(8);
    sheetsLayout_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setWidget(sheets_);
    layout->addWidget(scroll_, 1);
    setWidget(body);
    setMinimumWidth(320);
    // A panel made wider or narrower draws its pages anew once the user
    // stops dragging.
    resized_ = new QTimer(this);
    resized_->setSingleShot(true);
    resized_->setInterval(150);
    connect(resized_, &QTimer::timeout, this, [this] {
        if (pdf_ && std::abs(sheetRoom() - sheetWidth_) > 8) {
            paintSheets();
            drawPages();
            // The place of the focused field moves with the scale.
            follow(QApplication::focusWidget());
        }
    });

    connect(&main_.Document(), &ClientDocument::AnswersChanged, this, &PaperView::Refresh);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

PaperView::~PaperView()
{
    if (connected_ && job_)
        connected_->Cancel(job_);
}

QString PaperView::Message() const
{
    return message_->isHidden() ? QString() : message_->text();
}

void PaperView::showEvent(QShowEvent *event)
{
    QDockWidget::showEvent(event);
    Refresh();
}

void PaperView::resizeEvent(QResizeEvent *event)
{
    QDockWidget::resizeEvent(event);
    resized_->start();
}

void PaperView::closeEvent(QCloseEvent *event)
{
    QDockWidget::closeEvent(event);
    Q_EMIT Closed();
}

void PaperView::Refresh()
{
    if (isHidden())
        return;
    if (job_) {
        again_ = true;
        return;
    }
    if (scheduled_)
        return;
    // After the event that asked for it: a field exit is not held up.
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        scheduled_ = false;
        render();
    });
}

void PaperView::showMessage(const QString &text)
{
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
}

void PaperView::render()
{
    if (isHidden() || job_)
        return;
    again_ = false;
    const int page = main_.CurrentPage;
    if (page < 0) {
        showMessage(QStringLiteral("No page is shown."));
        return;
    }
    const PdfSettings settings = PdfSettingsFromEnvironment();
    if (!PdfConverterInstalled(settings)) {
        images_.clear();
        pdf_.reset();
        drawPages();
        shownPage_ = -1;
        showMessage(panelText(msg::PaperViewNeedsConverter));
        return;
    }
    WarmConverter *warm = main_.Converter();
    if (!warm || !warm->Available()) {
        showMessage(panelText(msg::PaperNotShown, QStringLiteral("the converter process is not installed")));
        return;
    }
    const CheckedBoxes boxes = SelectionForDisplayedPage(page).checked;
    if (boxes.isEmpty()) {
        images_.clear();
        pdf_.reset();
        drawPages();
        shownPage_ = page;
        showMessage(QStringLiteral("This page does not print."));
        return;
    }
    PrintSelection selection;
    selection.checked = boxes;
    QString document;
    const Outcome built =
        main_.Document().BuildPrintDocument(selection, main_.folders.Rtf(), main_.folders.Dat(), &document);
    if (document.isEmpty()) {
        const QList<OutcomeMessage> said = built.messages();
        showMessage(panelText(msg::PaperNotShown, said.isEmpty()
                                                      ? QStringLiteral("nothing to print")
                                                      : ComposeError(said.first().number, said.first().detail).text));
        return;
    }
    if (!work_ || !work_->isValid())
        work_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/brevane-paper-XXXXXX"));
    // A name of its own for each run: the page shown reads the last one.
    ++runs_;
    const QString rtf = work_->filePath(QStringLiteral("paper%1.rtf").arg(runs_ % 2));
    const QString pdf = work_->filePath(QStringLiteral("paper%1.pdf").arg(runs_ % 2));
    QFile::remove(pdf);
    QString error;
    if (!work_->isValid() || !WritePrintDocument(rtf, document, &error)) {
        showMessage(panelText(msg::PaperNotShown, work_->isValid() ? error : work_->errorString()));
        return;
    }
    if (connected_ != warm) {
        if (connected_)
            disconnect(connected_, nullptr, this, nullptr);
        connected_ = warm;
        connect(warm, &WarmConverter::Finished, this, &PaperView::converted);
        connect(warm, &QObject::destroyed, this, [this] {
            connected_ = nullptr;
            job_ = 0;
        });
    }
    renderPage_ = page;
    job_ = warm->Convert(QStringLiteral("pdf"), rtf, pdf);
    setProperty("paperFile", pdf);
    // The first paper waits while LibreOffice starts: the panel says so
    // rather than stand empty.
    if (labels_.isEmpty() && !message_->isVisible())
        showMessage(QStringLiteral("Drawing the paper; the first one takes a few seconds while LibreOffice starts."));
}

void PaperView::converted(quint64 job, const ConversionResult &result)
{
    if (job != job_)
        return;
    job_ = 0;
    if (result.end == ConversionEnd::Converted) {
        showPdf(property("paperFile").toString());
    } else {
        QString why = result.why;
        if (result.end == ConversionEnd::TimedOut)
            why = QStringLiteral("LibreOffice took longer than allowed and was stopped");
        else if (result.end == ConversionEnd::Cancelled)
            why = QStringLiteral("stopped");
        showMessage(panelText(msg::PaperNotShown, why));
        Q_EMIT PaperFailed();
    }
    if (again_)
        Refresh();
}

void PaperView::showPdf(const QString &path)
{
    std::unique_ptr<Poppler::Document> pdf = Poppler::Document::load(path);
    if (!pdf || pdf->isLocked() || pdf->numPages() < 1) {
        showMessage(panelText(msg::PaperNotShown, QStringLiteral("the PDF LibreOffice made cannot be read")));
        Q_EMIT PaperFailed();
        return;
    }
    pdf->setRenderHint(Poppler::Document::Antialiasing);
    pdf->setRenderHint(Poppler::Document::TextAntialiasing);
    const bool samePage = renderPage_ == shownPage_ && main_.CurrentContinuation == shownContinuation_;
    const int scrolled = scroll_->verticalScrollBar()->value();
    pdf_ = std::move(pdf);
    shownPage_ = renderPage_;
    shownContinuation_ = main_.CurrentContinuation;
    showMessage(QString());
    paintSheets();
    drawPages();
    if (samePage)
        scroll_->verticalScrollBar()->setValue(scrolled);
    else
        scroll_->verticalScrollBar()->setValue(0);
    // The focused field's place marked and scrolled to.
    follow(QApplication::focusWidget());
    Q_EMIT PaperShown();
}

int PaperView::sheetRoom() const
{
    // The pages' width: the panel's less its vertical scroll bar (shown once
    // the pages are in), the frames and the margins.
    return scroll_->width() - 2 * scroll_->frameWidth() - scroll_->verticalScrollBar()->sizeHint().width() -
           sheetsLayout_->contentsMargins().left() - sheetsLayout_->contentsMargins().right() - 4;
}

void PaperView::paintSheets()
{
    sheetWidth_ = sheetRoom();
    const int width = std::clamp(sheetWidth_, MinSheetWidth, MaxSheetWidth);
    images_.clear();
    for (int i = 0; pdf_ && i < pdf_->numPages(); ++i) {
        const std::unique_ptr<Poppler::Page> sheet = pdf_->page(i);
        if (!sheet)
            continue;
        const double inches = sheet->pageSizeF().width() / 72.0;
        dpi_ = inches > 0 ? width / inches : 72;
        images_ << sheet->renderToImage(dpi_, dpi_);
    }
}

void PaperView::drawPages()
{
    while (labels_.size() > images_.size())
        delete labels_.takeLast();
    while (labels_.size() < images_.size()) {
        auto *label = new QLabel(sheets_);
        label->setObjectName(QStringLiteral("paperSheet%1").arg(labels_.size()));
        label->setFrameShape(QFrame::Box);
        sheetsLayout_->addWidget(label);
        labels_ << label;
    }
    for (int i = 0; i < images_.size(); ++i) {
        QImage image = images_[i];
        if (i == focusPaper_ && !focusPlace_.isEmpty()) {
            QPainter painter(&image);
            painter.fillRect(focusPlace_.adjusted(-3, -2, 3, 2), QColor(255, 210, 0, 90));
            painter.setPen(QPen(QColor(0, 128, 128), 2));
            painter.drawRect(focusPlace_.adjusted(-3, -2, 3, 2));
        }
        labels_[i]->setPixmap(QPixmap::fromImage(image));
    }
    sheetsLayout_->activate();
}

void PaperView::follow(QWidget *focused)
{
    if (isHidden())
        return;
    // Another page displayed: its paper.
    if (main_.CurrentPage != shownPage_ || main_.CurrentContinuation != shownContinuation_) {
        if (main_.CurrentPage >= 0)
            Refresh();
    }
    TPageControl *control = PageControlOf(focused);
    const int index = control ? TPageTransfer::AnswerIndexOf(control) : -1;
    const TAnswer *answers = main_.Document().Answers();
    QString text;
    if (index >= 0 && answers && main_.CurrentPage >= 0)
        text = answers->Text(main_.CurrentPage, std::max(main_.CurrentContinuation, 0), index)
                   .section(QLatin1Char('\n'), 0, 0)
                   .simplified()
                   .left(MaxSearched);
    if (!focused || !control)
        text = focusText_; // the focus left the page: the place stays
    focusText_ = text;
    const int before = focusPaper_;
    const QRect placeBefore = focusPlace_;
    focusPaper_ = -1;
    focusPlace_ = QRect();
    if (pdf_ && !text.isEmpty() && shownPage_ == main_.CurrentPage) {
        for (int i = 0; i < pdf_->numPages() && focusPaper_ < 0; ++i) {
            const std::unique_ptr<Poppler::Page> sheet = pdf_->page(i);
            const QList<QRectF> found = sheet ? sheet->search(text, Poppler::Page::IgnoreCase) : QList<QRectF>();
            if (found.isEmpty())
                continue;
            const double scale = dpi_ / 72.0;
            const QRectF at = found.first();
            focusPaper_ = i;
            focusPlace_ = QRectF(at.x() * scale, at.y() * scale, at.width() * scale, at.height() * scale).toRect();
        }
    }
    if (focusPaper_ != before || focusPlace_ != placeBefore)
        drawPages();
    if (focusPaper_ >= 0 && focusPaper_ < labels_.size()) {
        QLabel *sheet = labels_[focusPaper_];
        const QPoint center = sheet->pos() + focusPlace_.center();
        scroll_->ensureVisible(center.x(), center.y(), 40, scroll_->viewport()->height() / 3);
    }
}

} // namespace brevane
