#pragma once
// The zoom dialog ("Set Zoom Level") and the page-panel geometry a zoom gives.
//
//     if (auto zoom = ZoomClick(this, zoomFactor)) {
//         zoomFactor = *zoom;
//         ZoomGeometry g = ZoomLayout(zoomFactor, treeWidth, zoomBaseWidth, currentPage);
//         ... scale pnlMainForm by g.scale, resize the window to g.windowWidth,
//             the panel to g.panelHeight, centre the window ...
//     }

#include <QDialog>

#include <optional>

class QLabel;
class QSlider;

namespace brevane {

// The zoom the dialog offers: half size to twice the size.
inline constexpr double MinZoom = 0.5;
inline constexpr double MaxZoom = 2.0;

// The page panel's base height for the current page (the zoom height table).
int ZoomBaseHeight(int currentPage);

struct ZoomGeometry
{
    double scale = 1.0;  // horizontal and vertical scale of the page panel
    int windowWidth = 0; // int(tree width + zoom base width * zoom) + 24
    int panelHeight = 0; // base height of the current page * zoom * 1.1
};
ZoomGeometry ZoomLayout(double zoomFactor, int treeWidth, int zoomBaseWidth, int currentPage);

// The value label's text: value * 100 to the nearest whole number (halves to even) and "%".
QString ZoomPercentText(double value);

class TfrmWindowScale : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmWindowScale(double zoomFactor, QWidget *parent = nullptr);

    // The track bar's value, MinZoom to MaxZoom; a value beyond them is
    // taken as the nearer of them.
    double Value() const;
    void SetValue(double value);

    QSlider *TrackBar1 = nullptr;
    QLabel *lblValue = nullptr;

private:
    void TrackBar1Change();
};

// Shows the zoom dialog; the new zoom factor on "Ok", nothing on "Cancel".
std::optional<double> ZoomClick(QWidget *parent, double zoomFactor);

} // namespace brevane
