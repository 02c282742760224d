#pragma once
// File > Clients...: the client register. Every client file of the client
// folder and its subfolders in one table (the entity, its kind, charter
// number, filing date, statutory agent, last saved, must-fix findings, next
// due date, and what is wrong with a file that cannot be read whole),
// sorted by any column, filtered by typing, a client opened by double-click
// or Enter. It follows the folder: files saved, added or removed elsewhere
// show at once. The calendars of a client and of the office open from here.

#include "core/office/ClientRegister.h"

#include <QDialog>

class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QTimer;

namespace brevane {

class TMainWindow;

class TfrmClients : public QDialog
{
    Q_OBJECT
public:
    enum Column {
        ColName,
        ColKind,
        ColCharter,
        ColFiled,
        ColAgent,
        ColSaved,
        ColMustFix,
        ColNextDue,
        ColState,
        ColFile,
        ColumnCount
    };

    TfrmClients(TMainWindow &main, QWidget *parent);

    // Reads the client folder of the settings again (also when it changed).
    void Refresh();
    // The client files shown, in the order shown (sorted and filtered).
    QStringList ShownFiles() const;
    QTableView *Table() const { return table_; }
    QLineEdit *Filter() const { return filter_; }
    const ClientRegister &Register() const { return register_; }
    // Opens the client of the row shown at `row` in the main window, as
    // File, Open would (the save question first).
    void OpenRow(int row);
    // The calendar of the client at `row` shown, or of every client.
    void ShowClientCalendar(int row);
    void ShowOfficeCalendar();

    // Shows the one register of the main window, made on first use.
    static TfrmClients *ShowFor(TMainWindow &main);
    // At start with no client open: the register, when the client folder
    // holds clients.
    static void OfferAtStart(TMainWindow &main);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill();
    void watch();
    QString pathOfRow(int row) const;

    TMainWindow &main_;
    ClientRegister register_;
    QLabel *folderLabel_ = nullptr;
    QLineEdit *filter_ = nullptr;
    QTableView *table_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    QSortFilterProxyModel *proxy_ = nullptr;
    QLabel *summary_ = nullptr;
    QPushButton *open_ = nullptr;
    QPushButton *clientCalendar_ = nullptr;
    QFileSystemWatcher *watcher_ = nullptr;
    QTimer *settle_ = nullptr; // a burst of changes is read once
};

} // namespace brevane
