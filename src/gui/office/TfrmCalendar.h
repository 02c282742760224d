#pragma once
// The due dates of one client or of the whole office over the next days
// (90 unless the user asks for more): the date, the client, what falls due
// and its legal source; the selected date's help text says what the law or
// the papers ask. "Export to iCalendar..." saves them for a calendar program.

#include "core/office/ClientRegister.h"

#include <QDialog>

class QLabel;
class QSpinBox;
class QTableWidget;

namespace brevane {

class TfrmCalendar : public QDialog
{
    Q_OBJECT
public:
    enum Column { ColDate, ColClient, ColWhat, ColSource, ColumnCount };
    static constexpr int DefaultDays = 90;

    // `title` names whose dates these are ("Ridgeway Tool Holdings, Inc.",
    // "every client"); the window starts at `from`.
    TfrmCalendar(const QList<ClientSummary> &clients, const QString &title, const QDate &from, QWidget *parent);

    const QList<OfficeDueDate> &Dates() const { return dates_; }
    QTableWidget *Table() const { return table_; }
    void SetDays(int days);
    // Writes the dates shown as an iCalendar file; false, with 39500 shown,
    // when it cannot be written.
    bool ExportTo(const QString &path);
    // "Export to iCalendar...": asks for the file, then ExportTo.
    void ExportClick();

private:
    void fill();
    void showHelp();

    QList<ClientSummary> clients_;
    QString title_;
    QDate from_;
    int days_ = DefaultDays;
    QList<OfficeDueDate> dates_;
    QLabel *heading_ = nullptr;
    QSpinBox *daysBox_ = nullptr;
    QTableWidget *table_ = nullptr;
    QLabel *help_ = nullptr;
};

} // namespace brevane
