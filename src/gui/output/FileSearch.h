#pragma once
// The search of Find Word: a depth-first walk of a folder tree for a file of
// a given name.

#include <QString>

namespace brevane {

class TFileSearch
{
public:
    // Searches `folder` and every folder below it, depth first in the order
    // the entries come, for a file named `name` (letter case ignored). The
    // first match sets Found and FoundPath and ends the search; while Found is
    // set, a further search returns at once. Folders reached through a
    // symbolic link are not entered, so a link loop cannot keep the search
    // going for ever.
    void FindFileRecursive(const QString &folder, const QString &name);

    bool Found = false;
    QString FoundPath;
};

} // namespace brevane
