#include "core/exchange/DirectoryColumns.h"

namespace brevane {

const std::array<DirectoryColumnName, DirectoryColumnCount> DirectoryColumnNames = {{
    {"Code", "Code"},
    {"Name", "Name"},
    {"Address", "Street Address"},
    {"City", "City"},
    {"State", "State"},
    {"ZIP", "ZIP Code"},
    {"ByName", "By Name"},
    {"Cash", "Cash"},
    {"Noncash", "Noncash"},
    {"Contribution", "Contribution"},
    {"Interest", "Interest"},
    {"NoOfShares", "Number of Shares"},
    {"ClassOfShares", "Class of Shares"},
}};

namespace {

// Letters and digits only, in lower case.
QString folded(const QString &text)
{
    QString out;
    for (const QChar c : text)
        if (c.isLetterOrNumber())
            out += c.toLower();
    return out;
}

} // namespace

int DirectoryColumnOfKey(const QString &key)
{
    for (int column = 0; column < DirectoryColumnCount; ++column)
        if (key == QLatin1String(DirectoryColumnNames[size_t(column)].key))
            return column;
    return -1;
}

int DirectoryColumnOfHeading(const QString &heading)
{
    const QString wanted = folded(heading);
    if (wanted.isEmpty())
        return -1;
    for (int column = 0; column < DirectoryColumnCount; ++column) {
        const DirectoryColumnName &name = DirectoryColumnNames[size_t(column)];
        if (wanted == folded(QLatin1String(name.heading)) || wanted == folded(QLatin1String(name.key)))
            return column;
    }
    return -1;
}

} // namespace brevane
