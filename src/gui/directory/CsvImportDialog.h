#pragma once
// The preview of a CSV import into the Directory Worksheet: where each of the
// file's columns goes (the user may change it), the rows as they will come
// in, each under the line of the file it stands on, and what keeps the file
// out. Nothing changes until Import, which is offered only while nothing
// keeps the file out: every row comes in, or none.

#include "core/exchange/DirectoryCsv.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace brevane {

class CsvImportDialog : public QDialog
{
    Q_OBJECT
public:
    // `fileName` names the file in the window; `current` is the worksheet
    // the rows would join.
    CsvImportDialog(DirectoryCsvImport import, const QString &fileName, const DirectoryTable &current,
                    QWidget *parent = nullptr);

    // The file as read, under the mapping the user chose.
    const DirectoryCsvImport &Import() const { return import_; }
    // The imported rows take the place of the worksheet's rows (otherwise
    // they follow them).
    bool ReplaceRows() const;

    QTableWidget *tblMapping = nullptr; // one row per column of the file
    QTableWidget *tblPreview = nullptr; // the rows as they will come in
    QLabel *lblProblems = nullptr;      // what keeps the file out, as message 40020 says it
    QRadioButton *rbtnAdd = nullptr;
    QRadioButton *rbtnReplace = nullptr;
    QPushButton *btnImport = nullptr;

private:
    void Refresh();

    DirectoryCsvImport import_;
    QString fileName_;
    QList<QComboBox *> targets_;
};

} // namespace brevane
