#include "app/TfrmMain.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevane"));
    QApplication::setOrganizationName(QStringLiteral("Tarnwick Hollow Software"));
    QLocale::setDefault(QLocale::system());
    // HOOK: the message dialog (TfrmErrorDlg) becomes the message sink here.
    brevane::TfrmMain window;
    window.show();
    return app.exec();
}
