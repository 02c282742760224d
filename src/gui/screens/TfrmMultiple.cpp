#include "gui/screens/TfrmMultiple.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <exception>

namespace brevane {

TfrmMultiple::TfrmMultiple(int page, int count, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , page_(page)
{
    setObjectName(QStringLiteral("TfrmMultiple"));
    setWindowTitle(QStringLiteral("Multiple Form Selection Dialog"));
    setFixedSize(396, 253);
    setModal(true);
    MaxForms = count;

    auto *text = new QLabel(QStringLiteral("This form exists in more than one copy or has continuation schedules. "
                                           "Select the page you desire from the list below."),
                            this);
    text->setWordWrap(true);
    text->setGeometry(16, 12, 364, 60);
    lblRange = new QLabel(QStringLiteral("Enter a number between 1 and ") + QString::number(MaxForms), this);
    lblRange->setGeometry(16, 80, 364, 24);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(16, 112, 364, 28);
    for (int i = 1; i <= MaxForms; ++i)
        ComboBox1->addItem(QStringLiteral("Continuation Page ") + QString::number(i));
    ComboBox1->setCurrentIndex(0);
    btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnOk->setGeometry(96, 196, 90, 30);
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setGeometry(210, 196, 90, 30);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TfrmMultiple::Picked() const
{
    if (result() != QDialog::Accepted)
        return 0;
    return qMax(0, ComboBox1->currentIndex());
}

bool TfrmMultiple::Pick(QWidget *parent, int page, int count, int *index)
{
    *index = 0;
    try {
        TfrmMultiple picker(page, count, parent);
        if (picker.exec() != QDialog::Accepted)
            return false;
        *index = picker.Picked();
        return true;
    } catch (const std::exception &) {
        ShowError(msg::ContinuationPickerFailed);
        return false;
    }
}

} // namespace brevane
