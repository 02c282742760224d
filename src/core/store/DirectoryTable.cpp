#include "core/store/DirectoryTable.h"

#include <algorithm>

namespace brevane {

BusinessSigner SplitByName(const QString &byName)
{
    const QString text = byName.simplified();
    const qsizetype comma = text.lastIndexOf(QLatin1Char(','));
    if (comma < 0)
        return {text, QString()};
    const QString after = text.mid(comma + 1).trimmed();
    QString bare = after.toLower();
    bare.remove(QLatin1Char('.'));
    static const QStringList suffixes{QStringLiteral("jr"),  QStringLiteral("sr"),  QStringLiteral("ii"),
                                      QStringLiteral("iii"), QStringLiteral("iv"),  QStringLiteral("esq"),
                                      QStringLiteral("cpa"), QStringLiteral("md"),  QStringLiteral("phd"),
                                      QStringLiteral("jd"),  QStringLiteral("dds"), QStringLiteral("pe")};
    if (after.isEmpty() || suffixes.contains(bare))
        return {after.isEmpty() ? text.left(comma).trimmed() : text, QString()};
    return {text.left(comma).trimmed(), after};
}

RCurrentRow &CurrentRowClipboard()
{
    static RCurrentRow clipboard;
    return clipboard;
}

const QString &DirectoryTable::Cell(int row, int column) const
{
    static const QString empty;
    if (!HasRow(row) || column < 0 || column >= DirectoryColumnCount)
        return empty;
    return rows_[row][column];
}

void DirectoryTable::SetCell(int row, int column, const QString &text)
{
    if (!HasRow(row) || column < 0 || column >= DirectoryColumnCount)
        return;
    rows_[row][column] = text;
}

int DirectoryTable::ClampRow(int row) const
{
    if (rows_.isEmpty())
        return -1;
    return std::clamp(row, 0, int(rows_.size()) - 1);
}

bool DirectoryTable::InsertRow(int row)
{
    if (!HasRow(row))
        return false;
    rows_.insert(row, DirectoryRow{});
    return true;
}

bool DirectoryTable::RemoveRow(int row)
{
    if (!HasRow(row))
        return false;
    rows_.remove(row);
    return true;
}

bool DirectoryTable::CopyRow(int row) const
{
    if (!HasRow(row))
        return false;
    CurrentRowClipboard() = rows_[row];
    return true;
}

bool DirectoryTable::PasteRow(int row)
{
    if (!HasRow(row))
        return false;
    rows_[row] = CurrentRowClipboard();
    return true;
}

} // namespace brevane
