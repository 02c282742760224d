#pragma once
// The continuation picker: which copy of a repeatable page the user means.

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace brevane {

class TfrmMultiple : public QDialog
{
public:
    // What the user picks a copy for; the picker's text says so.
    enum Purpose { View, Delete };

    // `count`: the copies in use of the page.
    TfrmMultiple(int page, int count, Purpose purpose = View, QWidget *parent = nullptr);

    int MaxForms = 0;
    QComboBox *ComboBox1 = nullptr;
    QLabel *lblText = nullptr;
    QLabel *lblRange = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
    int Page() const { return page_; }
    // The picked continuation index (the list position); 0 after Cancel.
    int Picked() const;

    // Shows the picker modally. False for Cancel (or when it could not be
    // shown: error 11453); *index is the picked continuation then.
    static bool Pick(QWidget *parent, int page, int count, Purpose purpose, int *index);

private:
    int page_;
};

} // namespace brevane
