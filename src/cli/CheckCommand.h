#pragma once
// brevane-cli check IN.cl1 [BOX ...]: the findings of the check before filing,
// one a line on standard output, for the named print boxes or, without any,
// for the forms the client uses.

#include <QStringList>

namespace brevane {

class ClientDocument;

// Reads the client file into the document; false (with its message shown)
// when the file is refused, damaged ones included.
using ClientLoader = bool (*)(const QString &in, ClientDocument &client);

// `args` is IN and the boxes. The client is calculated as the program
// calculates it; a page whose calculation cannot complete is a finding, and
// the check goes on. Exit status: 0 when nothing must be fixed, 1 when
// something must be (always with its finding) or the client file is
// refused, 2 for a box name that is not one.
int CheckCommand(const QStringList &args, ClientLoader load);

} // namespace brevane
