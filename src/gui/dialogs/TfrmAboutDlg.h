#pragma once
// The about box: picture, title, version and notice; the credits appear when
// the user double-clicks the picture.

#include <QDialog>

class QLabel;
class QPropertyAnimation;

namespace brevane {

// The data version shown in the caption.
inline constexpr double DataVersion = 1.01;
// "About Brevane - Version 1.01".
QString AboutCaption();

class TfrmAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAboutDlg(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblNotice = nullptr;
    QLabel *lblCredits = nullptr;
    QPropertyAnimation *FadeIn = nullptr; // the picture's opacity, 0 to 1 over 3 seconds

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void Image1DblClick();
};

// "&About": shows the box modally.
void AboutBoxClick(QWidget *parent);

} // namespace brevane
