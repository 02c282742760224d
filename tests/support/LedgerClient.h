#pragma once
// Harbor Lane Foods, Inc.: a corporation of five subscribers, one of them a
// business, whose directors accepted the subscriptions on April 2, 2018:
// 1,000 of 1,500 common shares at $10, certificates 1 to 5 in Directory
// order. Its share ledger keeps one sheet.
#include "core/forms/PageZero.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QString>

namespace brevane::test {

inline void FillLedgerClient(TAnswer &store, DirectoryTable &directory)
{
    using namespace G0;
    const auto g = [&store](int n, const char *text) { store.SetText(0, 0, n, QString::fromUtf8(text)); };
    g(EntityName, "Harbor Lane Foods, Inc.");
    g(Street, "300 Harbor Lane");
    g(City, "Toledo");
    g(State, "OH");
    g(Zip, "43604");
    g(County, "Lucas");
    g(AuthorizedShares, "1,500");
    g(ShareClass, "common");
    g(ParValue, "10");
    g(SharePrice, "10.00");
    g(FilingDate, "3/1/2018");
    g(DirectorsMeetingDate, "4/2/2018");
    g(President, "Ann Lee");
    g(Secretary, "Carla Ng");
    g(Treasurer, "Ben Ortiz");
    directory.Clear();
    // Code, name, address, city, state, ZIP, signer, cash, noncash,
    // contribution, interest, shares, class.
    const char *rows[][13] = {
        {"DOSCI", "Ann Lee", "10 Elm Street", "Toledo", "OH", "43604", "", "", "", "", "", "400", "common"},
        {"DOSCI", "Ben Ortiz", "22 Oak Avenue", "Toledo", "OH", "43604", "", "", "", "", "", "250", "common"},
        {"DOSI", "Carla Ng", "7 Birch Lane", "Toledo", "OH", "43604", "", "", "", "", "", "150", "common"},
        {"SI", "Dev Patel", "19 Pine Road", "Toledo", "OH", "43604", "", "", "", "", "", "100", "common"},
        {"SB", "Lakeshore Capital LLC", "5 Front Street", "Toledo", "OH", "43604", "Maria Gomez", "", "", "", "", "100",
         "common"},
    };
    for (const auto &row : rows) {
        directory.AddRow();
        for (int column = 0; column < 13; ++column)
            directory.SetCell(directory.RowCount() - 1, column, QString::fromUtf8(row[column]));
    }
    store.PgCt[24] = 1;
}

} // namespace brevane::test
