#pragma once
// The share ledger's commands: a transfer of a certificate, a further issue
// of shares and a redemption, each written into the journal the way a lawyer
// writes it, on the lines after the journal's last line (a new sheet when
// the last one is full). The lines are ordinary answers of the ledger
// sheets; the calculation leaves them alone, since none reads as the
// original issue (a further issue says "New issue").
//
// A transfer writes: the certificate surrendered, cancelled; a new
// certificate to each transferee; and one for any balance back to the
// holder. A redemption: the certificate surrendered, cancelled; the shares
// the corporation bought back, with the price; and one for any balance back
// to the holder. An issue: a new certificate.
//
// A command that cannot be written (its date unreadable or before the
// journal's last line, the certificate not outstanding, more shares than it
// holds or than the articles authorize) fails with its message and changes
// nothing.

#include "core/dialogs/Outcome.h"
#include "core/ledger/ShareLedger.h"

#include <QDate>
#include <QList>
#include <QString>

namespace brevane {

class ClientDocument;

namespace ledger {

struct NewHolder
{
    QString holder;
    qint64 shares = 0;
};

struct TransferOrder
{
    QDate date;
    int certificate = 0;
    QList<NewHolder> to;
};

struct IssueOrder
{
    QDate date;
    NewHolder to;
    QString amount; // paid for the shares, in the answer form ("1,250.00"); may be empty
};

struct RedemptionOrder
{
    QDate date;
    int certificate = 0;
    qint64 shares = 0;
    QString amount; // paid by the corporation; may be empty
};

// The lines each command writes, from the ledger as `answers` hold it.
Outcome TransferLines(const TAnswer &answers, const DirectoryTable &directory, const TransferOrder &order,
                      QList<JournalLine> *lines);
Outcome IssueLines(const TAnswer &answers, const DirectoryTable &directory, const IssueOrder &order,
                   QList<JournalLine> *lines);
Outcome RedemptionLines(const TAnswer &answers, const DirectoryTable &directory, const RedemptionOrder &order,
                        QList<JournalLine> *lines);

// Writes the lines after the journal's last line, adding the sheets they
// need, marks the client modified and recalculates.
Outcome WriteJournalLines(ClientDocument &document, const QList<JournalLine> &lines);

Outcome RecordTransfer(ClientDocument &document, const TransferOrder &order);
Outcome RecordIssue(ClientDocument &document, const IssueOrder &order);
Outcome RecordRedemption(ClientDocument &document, const RedemptionOrder &order);

} // namespace ledger
} // namespace brevane
