#pragma once
// The roles of a directory row. Its Code cell holds the letters of the roles
// that apply: D director, O officer, S shareholder, C incorporator, M member,
// G manager, I individual, B business, R authorised representative. The
// worksheet writes them in that order; a row has a role when its letter
// occurs anywhere in the cell, in whatever order the cell holds them.

#include "core/store/DirectoryTable.h"

#include <QChar>
#include <QString>

namespace brevane {

// The role letters in the order the code writes them.
inline constexpr char RoleLetters[] = "DOSCMGIBR";

// True when `letter` occurs anywhere in `code`. Case-sensitive: "c" is no incorporator.
bool HasRole(const QString &code, QChar letter);
// The same test on a row's Code cell.
bool HasRole(const DirectoryRow &row, QChar letter);
// The same test on upper-cased copies of the Code cell and the letter, so that
// "c" counts as C (the dissolution papers read the cell this way).
bool HasRoleIgnoringCase(const DirectoryRow &row, QChar letter);

// The role code for the role letters in `letters`, given in any order: each
// letter once, in the order D O S C M G I B R. Other characters, lower-case
// letters included, are left out; no role gives the empty text.
QString RoleCode(const QString &letters);

} // namespace brevane
