#pragma once
// A client as a user would fill it, for the tests that show or print every
// page: the general information worksheet, five people and businesses with
// their roles, two copies of every repeatable page and one overridden answer.
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"
#include "core/store/PageCatalogue.h"

#include <QList>
#include <QPair>
#include <QString>

namespace brevane::test {

inline const QString EntityName = QStringLiteral("Ridgeway Tool Holdings, Inc.");
inline const QString OverriddenSigner = QStringLiteral("Quentin Override Signer");

inline void FillClient(TAnswer &store, DirectoryTable &directory)
{
    const QList<QPair<int, QString>> general = {
        {0, EntityName},
        {1, QStringLiteral("1200 Canal Street")},
        {2, QStringLiteral("Dayton")},
        {3, QStringLiteral("OH")},
        {4, QStringLiteral("45402")},
        {5, QStringLiteral("Montgomery")},
        {8, QStringLiteral("2231457")},
        {12, QStringLiteral("3/1/2018")},
        {13, QStringLiteral("3/5/2018")},
        {15, QStringLiteral("850")},
        {16, QStringLiteral("common")},
        {17, QStringLiteral("1234.5")},
        {18, QStringLiteral("5,000")},
        {19, QStringLiteral("1200 Canal Street")},
        {20, QStringLiteral("Dayton")},
        {21, QStringLiteral("OH")},
        {23, QStringLiteral("3/20/2018")},
        {24, QStringLiteral("10:00")},
        {25, QStringLiteral("X")},
        {27, QStringLiteral("10")},
        {28, QStringLiteral("10")},
        {33, QStringLiteral("3/20/2018")},
        {37, QStringLiteral("3/20/2018")},
        {38, QStringLiteral("3/21/2018")},
        {46, QStringLiteral("4/2/2018")},
        {51, QStringLiteral("4/3/2018")},
        {56, QStringLiteral("X")},
        {57, QStringLiteral("Dana Whitcombe")},
        {70, QStringLiteral("Harold Quince")},
        {71, QStringLiteral("45 Market Street")},
        {72, QStringLiteral("Dayton")},
        {73, QStringLiteral("45402")},
        {90, QStringLiteral("5/1/2018")},
        {96, QStringLiteral("engineering")},
        // The meetings, the officers, the representative and the company's
        // own wording, so that the minutes and letters print whole.
        {22, QStringLiteral("Conference Room B")},
        {29, QStringLiteral("1200 Canal Street")},
        {30, QStringLiteral("Dayton")},
        {32, QStringLiteral("Conference Room B")},
        {34, QStringLiteral("9:30")},
        {35, QStringLiteral("X")},
        {39, QStringLiteral("Ann Lee")},
        {40, QStringLiteral("Ben Ortiz")},
        {43, QStringLiteral("Ann Lee")},
        {44, QStringLiteral("Carla Ng")},
        {45, QStringLiteral("Miami Valley Savings Bank")},
        {47, QStringLiteral("Ann Lee")},
        {48, QStringLiteral("Ben Ortiz")},
        {49, QStringLiteral("Carla Ng")},
        {50, QStringLiteral("Ben Ortiz")},
        {53, QStringLiteral("making and selling machine tools")},
        {54, QStringLiteral("None.")},
        {58, QStringLiteral("Attorney")},
        {59, QStringLiteral("9 Pine Court")},
        {60, QStringLiteral("Dayton")},
        {61, QStringLiteral("OH")},
        {62, QStringLiteral("45402")},
        {63, QStringLiteral("937-555-0142")},
        {65, QStringLiteral("dana@example.com")},
        {86, QStringLiteral("1200 Canal Street")},
        {87, QStringLiteral("Dayton")},
        {89, QStringLiteral("Conference Room B")},
        {91, QStringLiteral("2:00")},
        {93, QStringLiteral("X")},
        {94, QStringLiteral("Evan Hart")},
        {97, QStringLiteral("Dana Whitcombe")},
    };
    for (const auto &[answer, text] : general)
        store.SetText(0, 0, answer, text);

    struct Person
    {
        const char *code, *name, *address, *byName, *shares;
    };
    const Person people[] = {
        {"DOSCI", "Ann Lee", "10 Elm Street", "", "500"},
        {"DOSCI", "Ben Ortiz", "22 Oak Avenue", "", "300"},
        {"DSMGI", "Carla Ng", "7 Birch Lane", "", "50"},
        {"SMB", "Northfield Partners LLC", "400 Main Street", "Evan Hart", ""},
        {"RI", "Dana Whitcombe", "9 Pine Court", "", ""},
    };
    directory.SetRowCount(0);
    for (const Person &p : people) {
        directory.AddRow();
        const int row = directory.RowCount() - 1;
        directory.SetCell(row, ColCode, QLatin1String(p.code));
        directory.SetCell(row, ColName, QLatin1String(p.name));
        directory.SetCell(row, ColAddress, QLatin1String(p.address));
        directory.SetCell(row, ColCity, QStringLiteral("Dayton"));
        directory.SetCell(row, ColState, QStringLiteral("OH"));
        directory.SetCell(row, ColZIP, QStringLiteral("45402"));
        directory.SetCell(row, ColByName, QLatin1String(p.byName));
        directory.SetCell(row, ColNoOfShares, QLatin1String(p.shares));
    }
    for (int page : RepeatablePages)
        store.PgCt[page] = 2;

    // The first incorporator's printed name on the articles' signature page,
    // overridden by the user.
    store.SetText(4, 0, 2, OverriddenSigner);
    store.SetOvRide(4, 0, 2, true);
}

} // namespace brevane::test
