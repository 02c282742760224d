#include "gui/app/CalcCommands.h"

#include "gui/app/Navigation.h"
#include "gui/app/TfrmMain.h"
#include "core/calc/Calculate.h"
#include "gui/screens/PageControls.h"
#include "gui/screens/PageTransfer.h"

namespace brevane {

bool TCalcCommands::Calculate(bool componentTransfer)
{
    return brevane::Calculate(CurrentAnswers(), main_.DSchedList, componentTransfer, &main_.Transfer());
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

    if (auto *edit = dynamic_cast<TEdit *>(PageControlOf(sender))) {
        const int kind = edit->EditKind();
        if (kind >= EditMoney && kind <= EditShortWhole) {
            // Reformatting is the program's doing, not the user's.
            KeepModified keep(main_);
            const QString text = TPageTransfer::ExitText(kind, edit->text());
            if (text != edit->text())
                edit->setText(text);
        }
    }
    main_.Transfer().ControlsToAnswers();
    // The run ends by filling the page's controls from the answers.
    Calculate(false);
}

void TCalcCommands::RecalculateWithCursor(bool transfer)
{
    if (transfer)
        main_.Transfer().ControlsToAnswers();
    main_.Transfer().SetBusyCursor(true);
    Calculate(false);
    main_.Transfer().SetBusyCursor(false);
}

void TCalcCommands::CompleteCalc(const TSender &sender)
{
    if (sender.IsMenuItem() || sender.IsCornerButton())
        RecalculateWithCursor(true);
    main_.Navigation().UpdateMenuItems(sender);
}

void TCalcCommands::RefreshClick()
{
    CompleteCalc(main_.Invisible(0));
    if (main_.CurrentPage < 0)
        return;
    main_.Navigation().DisplayAPage(
        main_.Invisible(MakePageTag(main_.CurrentPage, qMax(0, main_.CurrentContinuation))));
}

} // namespace brevane
