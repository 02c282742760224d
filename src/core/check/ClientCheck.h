#pragma once
// The check before filing: for each form the user prints (its print box),
// the items its pages need (`.required` in the form sources) and the rules
// across answers its pages name (`.check`), run over the client's answers and
// Directory Worksheet rows. Fast enough to run after every field exit.

#include "core/check/Finding.h"
#include "core/dialogs/Outcome.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QDate>
#include <QList>
#include <QStringList>

namespace brevane {

class ClientDocument;

// The kind of business the client is (an EntityKind of the form catalogue):
// a company when a Directory Worksheet row is a member or a manager or the
// name ends as a company's; else a professional association when a
// profession is given; else a corporation for profit.
unsigned EntityOfClient(const TAnswer &answers, const DirectoryTable &directory);

// The print boxes of the forms the client uses: the worksheets, the papers
// that form a business of its kind, and the later papers of its kind it has
// begun (a copy of a repeatable page such as a ledger sheet or a bond, or an
// entry of the user's own on a form's page), in the order of the print
// document.
QStringList BoxesInUse(const TAnswer &answers, const DirectoryTable &directory);
// Every print box, in the order of the print document.
QStringList AllBoxes();

// The findings on the forms of `boxes` (unknown names are skipped), form by
// form in the order given, page by page; `today` stands for the filing day
// where the client gives none.
QList<Finding> CheckForms(const TAnswer &answers, const DirectoryTable &directory, const QStringList &boxes,
                          const QDate &today = QDate::currentDate());
// The same on the client being edited, after what its last calculation
// could not complete; nothing for a document without answers.
QList<Finding> CheckForms(const ClientDocument &client, const QStringList &boxes,
                          const QDate &today = QDate::currentDate());

// The check of a client as read from its file: calculated first, as the
// program and brevane-cli calculate it, then checked; the register, the
// check panel and `brevane-cli check` count the same findings this way.
QList<Finding> CalculateAndCheck(TAnswer &answers, const DirectoryTable &directory, const QStringList &boxes,
                                 const QDate &today = QDate::currentDate());

} // namespace brevane
