#pragma once
// A small window that tells the user to wait while the program works in the
// foreground (the search for a word processor).

#include <QDialog>

class QLabel;

namespace brevane {

class TfrmProgress : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmProgress(QWidget *parent = nullptr);

    QLabel *lblProgress = nullptr;

    // Shows the window without waiting and paints it before returning.
    void ShowNow(const QString &text);
};

} // namespace brevane
