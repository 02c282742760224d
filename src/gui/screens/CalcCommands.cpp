#include "gui/screens/CalcCommands.h"

#include "core/document/ClientDocument.h"
#include "gui/common/MainWindow.h"
#include "gui/screens/PageControls.h"
#include "gui/screens/PageTransfer.h"

namespace brevane {

bool TCalcCommands::Calculate(bool componentTransfer)
{
    if (componentTransfer)
        main_.Transfer().ControlsToAnswers();
    main_.Transfer().SetBusyCursor(true);
    // The displayed page's controls are filled again when the document
    // announces the new answers.
    const bool ok = main_.Document().Recalculate();
    main_.Transfer().SetBusyCursor(false);
    return ok;
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
    main_.UpdateMenuItems();
}

void TCalcCommands::RefreshClick()
{
    CompleteCalc(TSender::Menu(0));
    if (main_.CurrentPage < 0)
        return;
    main_.ShowPage(MakePageTag(main_.CurrentPage, qMax(0, main_.CurrentContinuation)));
}

} // namespace brevane
