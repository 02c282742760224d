#pragma once
// Moving values between the displayed page's controls and the answers of the
// current page and continuation: AnswersToControls fills the controls in the
// display format of each edit kind and with the override look of each
// overrideable control; ControlsToAnswers writes them back. Neither
// calculates: a recalculation stores the page first, and the page is filled
// again when the client document announces the new answers.

#include <QString>

class QWidget;

namespace brevane {

class ClientDocument;
class TMainWindow;
class TPageControl;

// Edit kinds (an edit's Tag div 1000).
enum EditKind { EditUnbound = 0, EditText = 1, EditMoney = 2, EditPercent = 3, EditWhole = 4, EditShortWhole = 5 };

class TPageTransfer
{
public:
    explicit TPageTransfer(TMainWindow &main)
        : main_(main)
    {}

    // The page panel's controls.
    void ControlsToAnswers();
    void AnswersToControls();
    void SetBusyCursor(bool busy);

    // Both walk the controls inside the container recursively. An answer
    // index beyond the page's list stops the walk with 18047; they return
    // false then. A fill is no change by the user: the controls tell only
    // the user's edits.
    bool AnswersToControls(QWidget *container);
    bool ControlsToAnswers(QWidget *container);

    // The text an edit of `kind` bound to answer `index` of `page` shows for
    // `answer`, in the region's form (core/forms/FieldText.h).
    static QString DisplayText(int kind, const QString &answer, int page, int index = -1);
    // The text such an edit takes when the user leaves it.
    static QString ExitText(int kind, const QString &text, int page = -1, int index = -1);
    // The answer, in the answer form, that such an edit showing `text` writes.
    static QString AnswerText(int kind, const QString &text, int page = -1, int index = -1);

    // The override look of an overrideable control (other styles untouched).
    static void ApplyOverrideLook(TPageControl *control, bool overridden);
    // Whether the control's style is one of its class's two overrideable styles.
    static bool HasOverrideStyle(const TPageControl *control);
    // The answer index an edit, memo or check box is bound to (-1 for others).
    static int AnswerIndexOf(const TPageControl *control);

private:
    // What a walk does with each control of the page shown.
    using ControlStep = void (*)(TPageControl *control, ClientDocument &document, int page, int cont);
    bool transfer(QWidget *container, ControlStep step);
    static void fill(TPageControl *control, ClientDocument &document, int page, int cont);
    static void store(TPageControl *control, ClientDocument &document, int page, int cont);

    TMainWindow &main_;
    int busyDepth_ = 0;
};

} // namespace brevane
