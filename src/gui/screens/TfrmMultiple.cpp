#include "gui/screens/TfrmMultiple.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/store/PageCatalogue.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <exception>

namespace brevane {

TfrmMultiple::TfrmMultiple(int page, int count, Purpose purpose, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , page_(page)
{
    setObjectName(QStringLiteral("TfrmMultiple"));
    setWindowTitle(QStringLiteral("Multiple Form Selection Dialog"));
    setFixedSize(396, 253);
    setModal(true);
    MaxForms = count;

    // The text says what the list holds (the copies of the page) and what
    // the pick is for.
    const QString name = IsValidPage(page) ? QString::fromLatin1(PageName[std::size_t(page)]) : QString();
    lblText = new QLabel(purpose == Delete ? QStringLiteral("Choose the copy to delete.")
                                           : QStringLiteral("Choose the copy to view."),
                         this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setWordWrap(true);
    lblText->setGeometry(16, 12, 364, 60);
    lblRange = new QLabel(QStringLiteral("%1: copies 1 to %2").arg(name).arg(MaxForms), this);
    lblRange->setGeometry(16, 80, 364, 24);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(16, 112, 364, 28);
    for (int i = 1; i <= MaxForms; ++i)
        ComboBox1->addItem(QStringLiteral("Copy %1 of %2").arg(i).arg(MaxForms));
    ComboBox1->setCurrentIndex(0);
    lblRange->setBuddy(ComboBox1);
    ComboBox1->setAccessibleName(lblText->text());
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

bool TfrmMultiple::Pick(QWidget *parent, int page, int count, Purpose purpose, int *index)
{
    *index = 0;
    try {
        TfrmMultiple picker(page, count, purpose, parent);
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
