#include "core/store/DirectoryRoles.h"

#include <string_view>

namespace brevane {

bool HasRole(const QString &code, QChar letter)
{
    return code.contains(letter, Qt::CaseSensitive);
}

bool HasRole(const DirectoryRow &row, QChar letter)
{
    return HasRole(row[ColCode], letter);
}

bool HasRoleIgnoringCase(const DirectoryRow &row, QChar letter)
{
    return HasRole(row[ColCode].toUpper(), letter.toUpper());
}

QString RoleCode(const QString &letters)
{
    QString code;
    for (const char letter : std::string_view(RoleLetters))
        if (HasRole(letters, QLatin1Char(letter)))
            code += QLatin1Char(letter);
    return code;
}

} // namespace brevane
