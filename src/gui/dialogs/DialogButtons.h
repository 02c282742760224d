#pragma once
// The "Ok" (default) and "Cancel" buttons of the small modal dialogs, added to
// a button row and wired to accept and reject.

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace brevane {

inline void AddOkCancelButtons(QDialog *dialog, QHBoxLayout *row)
{
    auto *ok = new QPushButton(QStringLiteral("Ok"), dialog);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    row->addWidget(ok);
    row->addWidget(cancel);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

} // namespace brevane
