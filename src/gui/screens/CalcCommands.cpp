#include "gui/screens/CalcCommands.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/document/ClientDocument.h"
#include "core/forms/FormCatalogue.h"
#include "core/forms/PageFacts.h"
#include "core/store/Conversions.h"
#include "gui/common/MainWindow.h"
#include "gui/screens/PageControls.h"
#include "gui/screens/PageTransfer.h"

#include <optional>

namespace brevane {

Outcome TCalcCommands::Calculate(bool componentTransfer)
{
    if (componentTransfer)
        main_.Transfer().ControlsToAnswers();
    main_.Transfer().SetBusyCursor(true);
    // The displayed page's controls are filled again when the document
    // announces the new answers.
    Outcome outcome = main_.Document().Recalculate();
    main_.Transfer().SetBusyCursor(false);
    return outcome;
}

void TCalcCommands::CalcOnExit(QWidget *sender)
{
    if (ExitRecalculation)
        return;
    ExitRecalculation = true;
    struct Clear
    {
        bool &flag;
        ~Clear() { flag = false; }
    } clear{ExitRecalculation};

    std::optional<MessageAbout> about;
    if (auto *edit = dynamic_cast<TEdit *>(PageControlOf(sender))) {
        const int kind = edit->EditKind();
        const int answer = edit->Tag % 1000;
        // A message about what was typed names the field, its page and the entry.
        about.emplace(AnswerPlace(main_.CurrentPage, qMax(0, main_.CurrentContinuation), answer) +
                      QStringLiteral(": \"") + edit->text() + QLatin1Char('"'));
        QString text = edit->text();
        if (kind >= EditText && kind <= EditShortWhole)
            text = TPageTransfer::ExitText(kind, text, main_.CurrentPage, answer);
        // Reformatting is the program's doing, not the user's: setText is
        // not told as an edit.
        if (text != edit->text())
            edit->setText(text);
    }
    about.reset();
    main_.Transfer().ControlsToAnswers();
    // The run ends by filling the page's controls from the answers.
    Calculate(false).show();
}

Outcome TCalcCommands::RecalculateWithCursor(bool transfer)
{
    if (transfer)
        main_.Transfer().ControlsToAnswers();
    main_.Transfer().SetBusyCursor(true);
    Outcome outcome = Calculate(false);
    main_.Transfer().SetBusyCursor(false);
    return outcome;
}

void TCalcCommands::CompleteCalc(const TSender &sender)
{
    if (sender.IsMenuItem() || sender.IsCornerButton())
        RecalculateWithCursor(true).show();
}

void TCalcCommands::RefreshClick()
{
    CompleteCalc(TSender::Menu(0));
    if (main_.CurrentPage < 0)
        return;
    main_.ShowPage(MakePageTag(main_.CurrentPage, qMax(0, main_.CurrentContinuation)));
}

} // namespace brevane
