// The calculation's run order against the form sources: every page whose
// source has a field the program writes (`a` or `g`) has a page procedure in
// the run order, and every procedure in it belongs to such a page. A page
// with computed fields and no procedure would print them empty.
#include "core/calc/Calculate.h"
#include "core/forms/PageFacts.h"
#include "core/store/PageCatalogue.h"

#include <QtTest>

using namespace brevane;

class tst_pageprocedures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCalculatedPageHasItsProcedure_data();
    void everyCalculatedPageHasItsProcedure();
};

void tst_pageprocedures::everyCalculatedPageHasItsProcedure_data()
{
    QTest::addColumn<int>("page");
    for (int page = 0; page < PageCount; ++page)
        if (FactsOfPage(page).hasSource || CalculatedPages().contains(page))
            QTest::addRow("page %d", page) << page;
}

void tst_pageprocedures::everyCalculatedPageHasItsProcedure()
{
    QFETCH(int, page);
    const PageFacts &facts = FactsOfPage(page);
    const bool registered = CalculatedPages().contains(page);
    const QString name = QStringLiteral("page %1 (%2)").arg(page).arg(QString::fromUtf8(PageName[size_t(page)]));
    if (facts.calculated)
        QVERIFY2(registered, qPrintable(name + QStringLiteral(": forms/page%1.form has fields the program writes "
                                                              "(a or g), but no Calc%1 is in the run order of "
                                                              "src/core/calc/Calculate.cpp")
                                                   .arg(page)));
    else
        QVERIFY2(!registered, qPrintable(name + QStringLiteral(": Calc%1 is in the run order, but forms/page%1.form "
                                                               "has no field the program writes (a or g)")
                                                    .arg(page)));
}

QTEST_GUILESS_MAIN(tst_pageprocedures)
#include "tst_pageprocedures.moc"
