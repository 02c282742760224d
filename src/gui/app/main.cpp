#include "core/store/Conversions.h"
#include "gui/app/TfrmMain.h"
#include "gui/dialogs/TfrmErrorDlg.h"
#include "gui/files/FileCommands.h"
#include "gui/office/TfrmClients.h"

#include <QApplication>
#include <QTimer>

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
    // brevane FILE.cl1 (a file manager's double-click): the client opens
    // once the window is up, as File, Open would open it.
    const QStringList files = app.arguments().mid(1);
    // Work a crash or a kill left unsaved is offered back first.
    QTimer::singleShot(0, &window, [&window, files] {
        window.Files().OfferRecoveredWork();
        window.Files().OpenFromCommandLine(files);
        // With no client open, the office's clients are offered.
        brevane::TfrmClients::OfferAtStart(window);
    });
    const int result = app.exec();
    brevane::InstallMessageSink(nullptr);
    return result;
}
