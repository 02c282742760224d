#include "core/store/Conversions.h"
#include "gui/app/TfrmMain.h"
#include "gui/dialogs/TfrmErrorDlg.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevane"));
    QApplication::setOrganizationName(QStringLiteral("Tarnwick Hollow Software"));
    brevane::UseSystemRegionalSettings();
    // Every numbered message of the run is shown in the message dialog.
    brevane::ErrorDialogSink messages;
    brevane::InstallMessageSink(&messages);
    brevane::TfrmMain window;
    messages.SetParent(&window);
    window.show();
    const int result = app.exec();
    brevane::InstallMessageSink(nullptr);
    return result;
}
