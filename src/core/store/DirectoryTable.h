#pragma once
// The directory worksheet rows: one row per person or business,
// 13 text columns. Edited by the directory window, stored in the client file,
// read by the calculations, copied by printing.

#include <QString>
#include <QVector>

#include <array>

namespace brevane {

enum DirectoryColumn {
    ColCode = 0,
    ColName,
    ColAddress,
    ColCity,
    ColState,
    ColZIP,
    ColByName,
    ColCash,
    ColNoncash,
    ColContribution,
    ColInterest,
    ColNoOfShares,
    ColClassOfShares,
};

inline constexpr int DirectoryColumnCount = 13;

using DirectoryRow = std::array<QString, DirectoryColumnCount>;

class DirectoryTable
{
public:
    // A new table holds one empty row, as the worksheet starts.
    DirectoryTable()
        : rows_(1)
    {}

    int RowCount() const { return int(rows_.size()); }
    // Cells outside the table read as empty.
    const QString &Cell(int row, int column) const;
    // Writes outside the table are ignored.
    void SetCell(int row, int column, const QString &text);

    const DirectoryRow &Row(int row) const { return rows_.at(row); }
    const QVector<DirectoryRow> &Rows() const { return rows_; }
    QVector<DirectoryRow> &Rows() { return rows_; }

    void AddRow() { rows_.append(DirectoryRow{}); }
    void Clear() { rows_.clear(); }
    void SetRowCount(int count) { rows_.resize(count < 0 ? 0 : count); }

    // The row a selection of `row` lands on: `row` kept within the table, so
    // that after the last row is removed the new last row is selected; -1 when
    // the table has no rows.
    int ClampRow(int row) const;

    // The row commands of the worksheet. Each works on an existing row only:
    // outside the table (so on a table without rows) nothing changes and the
    // answer is false.
    //
    // Inserts an empty row at `row`; that row and every row below it move down
    // one place, so `row` now holds the empty row.
    bool InsertRow(int row);
    // Removes `row`; the rows below it move up one place.
    bool RemoveRow(int row);
    // Puts a copy of `row` on the row clipboard.
    bool CopyRow(int row) const;
    // Writes the row clipboard over `row`, every cell.
    bool PasteRow(int row);

    bool operator==(const DirectoryTable &other) const { return rows_ == other.rows_; }

private:
    bool HasRow(int row) const { return row >= 0 && row < rows_.size(); }

    QVector<DirectoryRow> rows_;
};

// The person who signs for a business, as its ByName cell holds them: the
// name, and after the last comma the capacity in which they sign ("Janet
// Sobczak, President"). A comma before a name's suffix ("Jr.", "III", "Esq.")
// belongs to the name, so "Paul Reyes, Jr." has no capacity.
struct BusinessSigner
{
    QString name;
    QString capacity;
};
BusinessSigner SplitByName(const QString &byName);

// The row clipboard of the worksheet's Copy, Cut and Paste: one row kept for
// the whole run, also while the worksheet window is closed. Empty at start.
using RCurrentRow = DirectoryRow;
RCurrentRow &CurrentRowClipboard();

} // namespace brevane
