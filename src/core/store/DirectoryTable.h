#pragma once
// The directory worksheet rows (DSchedList): one row per person or business,
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
    DirectoryTable() : rows_(1) {}

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

    bool operator==(const DirectoryTable &other) const { return rows_ == other.rows_; }

private:
    QVector<DirectoryRow> rows_;
};

} // namespace brevane
