#pragma once
// The directory worksheet window: the user edits the client's directory rows
// in an entry panel above a read-only grid. The window works on its own copy
// of the rows and hands them back (DirectoryHooks::keepRows) after every row
// it saves and when it closes; the main window passes them to the client
// document. The rules of the rows (insert, remove, the row clipboard, the
// role code) belong to DirectoryTable and DirectoryRoles; the window shows
// the rows and turns the user's commands into those calls.

#include "core/store/DirectoryRoles.h"
#include "core/store/DirectoryTable.h"

#include <QDialog>

#include <functional>

class QAbstractButton;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QToolButton;
class QWidget;

namespace brevane {

struct DirectoryHooks
{
    // Called whenever the user changes a panel control or a row (the client
    // is marked modified). Never called by the window's own fills.
    std::function<void()> markModified;
    // Takes the window's rows, after every row it saves and when it closes.
    std::function<void(const DirectoryTable &)> keepRows;
    // The program folder, below which the help page "Help/tutorial/step_2.htm" lives.
    QString programFolder;
    // The row selected when the window opens.
    int firstRow = 0;
    // The folder the CSV file pickers open in (the client's own).
    QString dataFolder;
};

class DirectoryGridModel;

class TfrmDirectory : public QDialog
{
    Q_OBJECT
public:
    // Copies `rows` (LoadStringGrid) and selects row 0.
    TfrmDirectory(const DirectoryTable &rows, DirectoryHooks hooks, QWidget *parent = nullptr);
    ~TfrmDirectory() override;

    // The worksheet window being shown, or nullptr.
    static TfrmDirectory *Showing();

    // The window's own rows (its grid).
    const DirectoryTable &Rows() const { return grid_; }
    int SelectedRow() const { return selected_; }
    // True when the rows differ from those the window was opened with.
    bool RowsChanged() const;

    void LoadStringGrid();
    // Hands the window's rows to keepRows.
    void SaveStringGrid();
    void RowToPanel();
    void SaveEntry();
    void ClearPanel();
    void SelectRow(int row);

    // Row commands (buttons, pop-up menu, shortcuts).
    void AddRow();
    void InsertRow();
    void InsertBeforeCurrentRow();
    // Asks for confirmation, then deletes the selected row.
    void DeleteRow();
    void CopyCurrentRow();
    void PasteCurrentRow();
    void CutCurrentRow();
    void FirstRow();
    void PriorRow();
    void NextRow();
    void LastRow();
    void ClearWorksheet();
    void HelpTopicSender();
    // The rows from a CSV file the user picks, after a preview with the
    // column mapping (CsvImportDialog): all of them or none.
    void ImportFromCsv();
    // The rows to a CSV file the user names.
    void ExportToCsv();

    // The panel's controls, by their names.
    QCheckBox *cbxDirector = nullptr;
    QCheckBox *cbxOfficer = nullptr;
    QCheckBox *cbxShareholder = nullptr;
    QCheckBox *cbxIncorporator = nullptr;
    QCheckBox *cbxMember = nullptr;
    QCheckBox *cbxManager = nullptr;
    QCheckBox *cbxIndividual = nullptr;
    QCheckBox *cbxBusiness = nullptr;
    QCheckBox *cbxAuthorizedRep = nullptr;
    QCheckBox *cbxCash = nullptr;
    QCheckBox *cbxNonCash = nullptr;
    QLineEdit *edtName = nullptr;
    QLineEdit *edtAddress = nullptr;
    QLineEdit *edtCity = nullptr;
    QLineEdit *edtState = nullptr;
    QLineEdit *edtZIP = nullptr;
    QLineEdit *edtByName = nullptr;
    QLabel *lblByName = nullptr;
    QLineEdit *edtContribution = nullptr;
    QLineEdit *edtInterest = nullptr;
    QLineEdit *edtNoOfShares = nullptr;
    QLineEdit *edtClassOfShares = nullptr;
    QWidget *Panel2 = nullptr;
    QTableView *StringGrid = nullptr;
    QMenu *PopupMenu = nullptr;

public Q_SLOTS:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void cntrlOnChange();
    void SaveOnExit();
    void BuildWindow();
    QWidget *BuildToolbar();
    QWidget *BuildButtonBar();
    QWidget *BuildPanel();
    void BuildGrid();
    void CommitPanel();
    void RemoveSelectedRow();
    void Changed();
    void SyncGridSelection();
    void UpdateByName();
    void UpdatePanelEnabled();
    QList<QCheckBox *> RoleBoxes() const;
    QList<QLineEdit *> PanelEdits() const;

    DirectoryTable grid_;
    DirectoryTable opened_;
    DirectoryHooks hooks_;
    DirectoryGridModel *model_ = nullptr;
    int selected_ = -1;
    bool filling_ = false;    // the window's own fills never mark the client modified
    bool panelDirty_ = false; // the user changed the panel since it was last saved or filled
    bool syncing_ = false;    // the grid's selection is being set to match the selected row
    bool closed_ = false;
    bool shown_ = false;
};

// Shows the directory worksheet modally over `parent` and destroys it after it
// closes. A failure shows error 14050. Returns true when the rows changed.
bool DisplayDirectory(QWidget *parent, const DirectoryTable &rows, const DirectoryHooks &hooks);

} // namespace brevane
