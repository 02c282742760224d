#include "gui/dialogs/TfrmAboutDlg.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QVBoxLayout>

namespace brevane {

namespace {

// The program's picture: a page with a folded corner and the initial B.
QPixmap AboutPicture()
{
    QPixmap picture(180, 180);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, 180);
    background.setColorAt(0, QColor(0x1f, 0x6f, 0x8b));
    background.setColorAt(1, QColor(0x0f, 0x3d, 0x4f));
    p.setBrush(background);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(4, 4, 172, 172));
    QPainterPath page;
    page.moveTo(55, 35);
    page.lineTo(110, 35);
    page.lineTo(130, 55);
    page.lineTo(130, 145);
    page.lineTo(55, 145);
    page.closeSubpath();
    p.setBrush(QColor(0xf7, 0xf3, 0xe8));
    p.drawPath(page);
    p.setBrush(QColor(0xcf, 0xc6, 0xb0));
    QPainterPath fold;
    fold.moveTo(110, 35);
    fold.lineTo(110, 55);
    fold.lineTo(130, 55);
    fold.closeSubpath();
    p.drawPath(fold);
    QFont letter(QStringLiteral("Serif"));
    letter.setPixelSize(64);
    letter.setBold(true);
    p.setFont(letter);
    p.setPen(QColor(0x0f, 0x3d, 0x4f));
    p.drawText(QRectF(55, 50, 75, 90), Qt::AlignCenter, QStringLiteral("B"));
    return picture;
}

} // namespace

QString AboutCaption()
{
    return QStringLiteral("About Brevane - Version ") + QString::number(DataVersion, 'f', 2).trimmed();
}

TfrmAboutDlg::TfrmAboutDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    FormCreate();
}

void TfrmAboutDlg::FormCreate()
{
    setObjectName(QStringLiteral("frmAboutDlg"));
    setWindowTitle(AboutCaption());
    setFixedSize(500, 500);

    auto *layout = new QVBoxLayout(this);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(AboutPicture());
    Image1->setAlignment(Qt::AlignCenter);
    Image1->installEventFilter(this);
    auto *opacity = new QGraphicsOpacityEffect(Image1);
    opacity->setOpacity(0.0);
    Image1->setGraphicsEffect(opacity);
    FadeIn = new QPropertyAnimation(opacity, "opacity", this);
    FadeIn->setStartValue(0.0);
    FadeIn->setEndValue(1.0);
    FadeIn->setDuration(3000);
    layout->addWidget(Image1);

    lblTitle = new QLabel(QStringLiteral("Brevane"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(22);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblTitle);

    lblNotice = new QLabel(QStringLiteral("Organisational papers for Ohio corporations, professional associations "
                                          "and limited liability companies.\n\n"
                                          "Copyright \u00a9 Tarnwick Hollow Software. All rights reserved."),
                           this);
    lblNotice->setObjectName(QStringLiteral("lblNotice"));
    lblNotice->setWordWrap(true);
    lblNotice->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblNotice);

    lblCredits = new QLabel(QStringLiteral("Program and forms by Tarnwick Hollow Software.\n"
                                           "Built with the Qt toolkit."),
                            this);
    lblCredits->setObjectName(QStringLiteral("lblCredits"));
    lblCredits->setAlignment(Qt::AlignCenter);
    lblCredits->setVisible(false);
    layout->addWidget(lblCredits);
    layout->addStretch();

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void TfrmAboutDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmAboutDlg::FormShow()
{
    FadeIn->stop();
    FadeIn->start();
}

bool TfrmAboutDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonDblClick)
        Image1DblClick();
    return QDialog::eventFilter(watched, event);
}

void TfrmAboutDlg::Image1DblClick()
{
    lblCredits->setVisible(true);
}

void AboutBoxClick(QWidget *parent)
{
    TfrmAboutDlg dialog(parent);
    dialog.exec();
}

} // namespace brevane
