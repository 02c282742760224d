#include "CheckCommand.h"

#include "core/check/ClientCheck.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/document/ClientDocument.h"
#include "core/output/PrintSelection.h"

#include <cstdio>

namespace brevane {

int CheckCommand(const QStringList &args, ClientLoader load)
{
    const QStringList named = args.mid(1);
    for (const QString &box : named) {
        if (!FindSelectionBox(box)) {
            std::fprintf(stderr, "brevane-cli: no selection box is called %s\n",
                         TerminalSafe(box).toLocal8Bit().constData());
            return 2;
        }
    }
    ClientDocument client;
    if (!load(args.value(0), client))
        return 1;
    // The messages of a calculation that could not complete go to standard
    // error; its finding goes with the others.
    client.Recalculate().show();
    const QStringList boxes = named.isEmpty() ? BoxesInUse(*client.Answers(), client.Directory()) : named;
    const QList<Finding> findings = CheckForms(client, boxes);
    for (const Finding &finding : findings)
        std::printf("%s\n", TerminalSafe(FindingCommandLine(finding)).toLocal8Bit().constData());
    std::fflush(stdout);
    return HasMustFix(findings) ? 1 : 0;
}

} // namespace brevane
