#include "gui/screens/PageTransfer.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/files/LineText.h"
#include "core/forms/FieldText.h"
#include "core/forms/PageFacts.h"
#include "core/store/Conversions.h"
#include "gui/common/MainWindow.h"
#include "gui/common/StyleBook.h"
#include "gui/common/TypedText.h"
#include "gui/screens/PageBuilder.h"
#include "gui/screens/PageControls.h"
#include "gui/screens/RunInText.h"

#include <QApplication>
#include <QSignalBlocker>

namespace brevane {

namespace {

// What the field of an edit holds: its edit kind, and for a text edit whether
// its page's source makes it a date field.
FieldKind fieldKindOf(int kind, int page, int index)
{
    switch (kind) {
    case EditMoney:
        return FieldKind::Money;
    case EditPercent:
        return FieldKind::Percent;
    case EditWhole:
        return FieldKind::Whole;
    case EditShortWhole:
        return FieldKind::Short;
    default:
        return page >= 0 && index >= 0 && IsDateAnswer(page, index) ? FieldKind::Date : FieldKind::Text;
    }
}

bool isZero(const QString &answer)
{
    return Str2Float_2(answer) == 0.0;
}

// Calls `visit` for each page control inside `container`, depth first in
// child order.
template <typename Visit> void forEachControl(QWidget *container, const Visit &visit)
{
    for (QObject *child : container->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget)
            continue;
        if (TPageControl *control = PageControlOf(widget))
            visit(control);
        if (!widget->children().isEmpty())
            forEachControl(widget, visit);
    }
}

} // namespace

QString TPageTransfer::DisplayText(int kind, const QString &answer, int page, int index)
{
    if (kind < EditText || kind > EditShortWhole)
        return QString();
    if ((kind == EditMoney || kind == EditPercent || kind == EditWhole) && FactsOfPage(page).zeroBlank &&
        isZero(answer))
        return QString();
    return FieldTextOfAnswer(fieldKindOf(kind, page, index), answer);
}

QString TPageTransfer::ExitText(int kind, const QString &text, int page, int index)
{
    return FieldTextOnExit(fieldKindOf(kind, page, index), text);
}

QString TPageTransfer::AnswerText(int kind, const QString &text, int page, int index)
{
    return AnswerOfFieldText(fieldKindOf(kind, page, index), text);
}

bool TPageTransfer::HasOverrideStyle(const TPageControl *control)
{
    const QString style = control->StyleLookup();
    if (dynamic_cast<const TEdit *>(control))
        return style == QLatin1String(StyleName::EditOverrideable) || style == QLatin1String(StyleName::EditOverridden);
    if (dynamic_cast<const TMemo *>(control))
        return style == QLatin1String(StyleName::MemoOverrideable) || style == QLatin1String(StyleName::MemoOverridden);
    if (dynamic_cast<const TCheckBox *>(control))
        return style == QLatin1String(StyleName::CheckBoxOverrideable) ||
               style == QLatin1String(StyleName::CheckBoxOverridden);
    return false;
}

int TPageTransfer::AnswerIndexOf(const TPageControl *control)
{
    if (auto *edit = dynamic_cast<const TEdit *>(control))
        return edit->AnswerIndex();
    if (auto *check = dynamic_cast<const TCheckBox *>(control))
        return check->AnswerIndex();
    if (dynamic_cast<const TMemo *>(control))
        return control->Tag;
    return -1;
}

void TPageTransfer::ApplyOverrideLook(TPageControl *control, bool overridden)
{
    if (!HasOverrideStyle(control))
        return;
    if (auto *edit = dynamic_cast<TEdit *>(control)) {
        edit->SetStyleLookup(QLatin1String(overridden ? StyleName::EditOverridden : StyleName::EditOverrideable));
        edit->setReadOnly(!overridden);
    } else if (auto *memo = dynamic_cast<TMemo *>(control)) {
        memo->SetStyleLookup(QLatin1String(overridden ? StyleName::MemoOverridden : StyleName::MemoOverrideable));
        memo->setReadOnly(!overridden);
    } else if (auto *check = dynamic_cast<TCheckBox *>(control)) {
        check->SetStyleLookup(
            QLatin1String(overridden ? StyleName::CheckBoxOverridden : StyleName::CheckBoxOverrideable));
    }
}

void TPageTransfer::ControlsToAnswers()
{
    ControlsToAnswers(main_.pnlMainForm);
}

void TPageTransfer::AnswersToControls()
{
    AnswersToControls(main_.pnlMainForm);
}

void TPageTransfer::SetBusyCursor(bool busy)
{
    if (busy) {
        ++busyDepth_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        --busyDepth_;
        QApplication::restoreOverrideCursor();
    }
}

bool TPageTransfer::AnswersToControls(QWidget *container)
{
    const bool filled = transfer(container, fill);
    CloseRunInGaps(container);
    return filled;
}

bool TPageTransfer::ControlsToAnswers(QWidget *container)
{
    return transfer(container, store);
}

bool TPageTransfer::transfer(QWidget *container, ControlStep step)
{
    if (!main_.Document().Answers() || main_.CurrentPage < 0 || !container || !main_.Pages().PageReady())
        return true;
    ClientDocument &document = main_.Document();
    const int page = main_.CurrentPage;
    const int cont = main_.CurrentContinuation;
    try {
        forEachControl(container, [&](TPageControl *control) { step(control, document, page, cont); });
    } catch (const AnswerRangeError &) {
        ShowError(msg::CalculationFailed);
        return false;
    }
    return true;
}

void TPageTransfer::fill(TPageControl *control, ClientDocument &document, int page, int cont)
{
    const TAnswer &answers = *document.Answers();
    if (auto *label = dynamic_cast<TLabel *>(control)) {
        if (label->Tag != 0 && label->text() != answers.Text(page, cont, label->Tag))
            label->setText(answers.Text(page, cont, label->Tag));
    } else if (auto *memo = dynamic_cast<TMemo *>(control)) {
        const QString text = BarsToLineBreaks(answers.Text(page, cont, memo->Tag));
        if (memo->toPlainText() != text) {
            const QSignalBlocker fillIsNoEdit(memo);
            memo->setPlainText(text);
        }
        ApplyOverrideLook(memo, answers.OvRide(page, cont, memo->Tag));
    } else if (auto *edit = dynamic_cast<TEdit *>(control)) {
        const int kind = edit->EditKind();
        if (kind >= EditText && kind <= EditShortWhole) {
            const int k = edit->AnswerIndex();
            const QString text = DisplayText(kind, answers.Text(page, cont, k), page, k);
            if (text != edit->text()) {
                edit->setText(text);
                edit->setCursorPosition(0);
            }
            ApplyOverrideLook(edit, answers.OvRide(page, cont, k));
        }
    } else if (auto *check = dynamic_cast<TCheckBox *>(control)) {
        const int k = check->AnswerIndex();
        const bool ticked = answers.Text(page, cont, k) == QLatin1String("X");
        check->setChecked(ticked);
        if (check->IsEstimate() && check->text().isEmpty() == ticked)
            check->setText(ticked ? QStringLiteral("EST") : QString());
        ApplyOverrideLook(check, answers.OvRide(page, cont, k));
    }
}

void TPageTransfer::store(TPageControl *control, ClientDocument &document, int page, int cont)
{
    if (auto *edit = dynamic_cast<TEdit *>(control)) {
        const int kind = edit->EditKind();
        if (kind >= EditText && kind <= EditShortWhole)
            document.StoreAnswer(page, cont, edit->AnswerIndex(),
                                 AnswerText(kind, FitTypedText(edit->text()), page, edit->AnswerIndex()));
    } else if (auto *memo = dynamic_cast<TMemo *>(control)) {
        document.StoreAnswer(page, cont, memo->Tag, LineBreaksToBars(FitTypedText(memo->toPlainText())));
    } else if (auto *check = dynamic_cast<TCheckBox *>(control)) {
        document.StoreAnswer(page, cont, check->AnswerIndex(), check->isChecked() ? QStringLiteral("X") : QString());
    }
}

} // namespace brevane
