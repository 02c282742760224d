#pragma once
// brevane-cli ledger IN.cl1 [--as-of YYYY-MM-DD]: the corporation's register
// of shareholders from its share ledger, on the day given or after the
// journal's last line: one line per outstanding certificate (number, holder,
// shares, class), then the total outstanding and the total authorized.

#include <QStringList>

namespace brevane {

class ClientDocument;

namespace cli {

// `args` is IN and the options. Exit status: 0 for a register from a sound
// journal, 1 when the client file is refused or the journal has faults (they
// follow the register on standard error), 2 for wrong usage.
int LedgerCommand(const QStringList &args);

} // namespace cli
} // namespace brevane
