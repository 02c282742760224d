#include "gui/common/TypedText.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/files/LineText.h"

namespace brevane {

QString FitTypedText(const QString &typed)
{
    const QString fitted = FitWindows1252(typed);
    if (fitted != typed)
        ShowError(msg::TypedTextFitted, typed + QStringLiteral(" \u2192 ") + fitted);
    return fitted;
}

} // namespace brevane
