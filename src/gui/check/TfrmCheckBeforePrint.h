#pragma once
// Before Preview and Print: the check of the forms the user ticked. Where
// something must be fixed before filing, a window lists it and offers
// "Print anyway", "Go to first" and Cancel.

#include "core/check/Finding.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QListWidget;

namespace brevane {

class TMainWindow;

class TfrmCheckBeforePrint : public QDialog
{
    Q_OBJECT
public:
    enum Choice { Cancel, PrintAnyway, GoToFirst };

    TfrmCheckBeforePrint(const QList<Finding> &mustFix, QWidget *parent);
    Choice Chosen() const { return chosen_; }
    QListWidget *List() const { return list_; }

private:
    Choice chosen_ = Cancel;
    QListWidget *list_ = nullptr;
};

// Checks the forms of `boxes`; true when printing goes on (nothing must be
// fixed, or the user chose "Print anyway"). "Go to first" shows the first
// finding's field and answers false.
bool CheckBeforePrint(TMainWindow &main, const QStringList &boxes);

} // namespace brevane
