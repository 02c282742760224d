#include "store/DirectoryTable.h"

namespace brevane {

const QString &DirectoryTable::Cell(int row, int column) const
{
    static const QString empty;
    if (row < 0 || row >= rows_.size() || column < 0 || column >= DirectoryColumnCount)
        return empty;
    return rows_[row][column];
}

void DirectoryTable::SetCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= rows_.size() || column < 0 || column >= DirectoryColumnCount)
        return;
    rows_[row][column] = text;
}

} // namespace brevane
