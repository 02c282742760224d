#pragma once
// The Directory Worksheet's columns by name, as the client's data is
// exchanged: the key of each column in the JSON (core/exchange/ClientJson.h)
// and its heading in a CSV file (core/exchange/DirectoryCsv.h).

#include "core/store/DirectoryTable.h"

#include <QString>

#include <array>

namespace brevane {

// The most rows an import gives the worksheet: far more than any entity has
// people, few enough that a damaged or hostile file never fills the memory.
inline constexpr int MostImportedRows = 10000;

struct DirectoryColumnName
{
    const char *key;     // the JSON member: "Address"
    const char *heading; // the CSV heading: "Street Address"
};

// By column (DirectoryColumn), in the worksheet's order.
extern const std::array<DirectoryColumnName, DirectoryColumnCount> DirectoryColumnNames;

// The column a JSON key names, exactly; -1 for none.
int DirectoryColumnOfKey(const QString &key);
// The column a CSV heading names: its heading or its key, in any case, blanks
// and punctuation ignored ("ZIP code", "zip", "No. of shares"); -1 for none.
int DirectoryColumnOfHeading(const QString &heading);

} // namespace brevane
