#include "gui/dialogs/TfrmWindowScale.h"
#include "gui/dialogs/DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <cfenv>
#include <cmath>

namespace brevane {

namespace {
// The track bar runs from 0 to 2 in steps of 0.001.
constexpr int TrackSteps = 1000;
} // namespace

int ZoomBaseHeight(int currentPage)
{
    switch (currentPage) {
    case 1:
        return 3150;
    case 2:
    case 3:
        return 2600;
    case 4:
    case 8:
    case 11:
        return 1950;
    case 5:
    case 29:
    case 30:
    case 31:
    case 32:
    case 33:
    case 34:
        return 1750;
    case 6:
        return 2250;
    case 7:
    case 21:
        return 1500;
    case 9:
        return 2350;
    case 10:
        return 2150;
    case 12:
        return 2500;
    case 13:
        return 1250;
    case 15:
    case 18:
    case 19:
    case 20:
    case 26:
        return 1600;
    case 22:
        return 1850;
    case 23:
    case 28:
        return 850;
    case 25:
        return 950;
    default:
        return 2000;
    }
}

ZoomGeometry ZoomLayout(double zoomFactor, int treeWidth, int zoomBaseWidth, int currentPage)
{
    ZoomGeometry g;
    g.scale = zoomFactor;
    g.windowWidth = int(std::trunc(treeWidth + zoomBaseWidth * zoomFactor)) + 24;
    g.panelHeight = int(std::lround(ZoomBaseHeight(currentPage) * zoomFactor * 1.1));
    return g;
}

QString ZoomPercentText(double value)
{
    // Nearest whole number, halves to even (the default rounding mode).
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double percent = std::nearbyint(value * 100.0);
    std::fesetround(saved);
    return QString::number(qint64(percent)) + QLatin1Char('%');
}

TfrmWindowScale::TfrmWindowScale(double zoomFactor, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmWindowScale"));
    setWindowTitle(QStringLiteral("Set Zoom Level"));

    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(QStringLiteral("Drag the sliding cursor toward -0- to shrink form, toward 200% to enlarge. "
                                           "Try to stay near 100%."),
                            this);
    text->setWordWrap(true);
    layout->addWidget(text);

    auto *trackRow = new QHBoxLayout;
    trackRow->addWidget(new QLabel(QStringLiteral("0"), this));
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(0, 2 * TrackSteps);
    TrackBar1->setSingleStep(10);
    TrackBar1->setPageStep(100);
    TrackBar1->setMinimumWidth(300);
    trackRow->addWidget(TrackBar1, 1);
    trackRow->addWidget(new QLabel(QStringLiteral("200%"), this));
    layout->addLayout(trackRow);

    lblValue = new QLabel(this);
    lblValue->setObjectName(QStringLiteral("lblValue"));
    lblValue->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblValue);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    AddOkCancelButtons(this, buttons);
    layout->addLayout(buttons);

    connect(TrackBar1, &QSlider::valueChanged, this, &TfrmWindowScale::TrackBar1Change);
    SetValue(zoomFactor);
    TrackBar1Change();
}

double TfrmWindowScale::Value() const
{
    return double(TrackBar1->value()) / TrackSteps;
}

void TfrmWindowScale::SetValue(double value)
{
    if (!std::isfinite(value))
        value = 1.0;
    TrackBar1->setValue(int(std::lround(value * TrackSteps)));
}

void TfrmWindowScale::TrackBar1Change()
{
    lblValue->setText(ZoomPercentText(Value()));
}

std::optional<double> ZoomClick(QWidget *parent, double zoomFactor)
{
    TfrmWindowScale dialog(zoomFactor, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Value();
}

} // namespace brevane
