#pragma once
// The main window: the displayed page, the page tree, menus and toolbars, and
// the main-window state (current page, modified flag, client file name).

#include <QMainWindow>

namespace brevane {

class TfrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmMain(QWidget *parent = nullptr);

    QString ClientFileName() const { return clientFileName_; }
    void UpdateCaption();

private:
    QString clientFileName_ = QStringLiteral("Untitled.cl1");
};

} // namespace brevane
