// The form catalogue against the form sources and the generated support
// files: every page a family shows or walks to can be shown, every page a
// print box prints has a template, every source belongs to a family, and the
// generated files are the ones the sources promise. Each fault names the
// family, the page and the source to change.
#include "core/forms/FormCatalogue.h"
#include "core/forms/PageFacts.h"
#include "core/output/PrintSelection.h"

#include <QFileInfo>
#include <QSet>
#include <QtTest>

using namespace brevane;

namespace {

QString supportFile(const char *folder, const QString &name)
{
    return QString::fromLocal8Bit(qgetenv("BREVANE_BINARY_DIR")) + QStringLiteral("/support/") + QLatin1String(folder) +
           QLatin1Char('/') + name;
}

QString source(int page)
{
    return QStringLiteral("forms/page%1.form").arg(page);
}

// The catalogue's faults, one line each.
QStringList catalogueFaults()
{
    QStringList faults;
    QSet<int> inFamilies;
    for (const FormFamily &family : FormFamilies()) {
        if (family.pages.isEmpty())
            faults << QStringLiteral("family %1 has no pages").arg(family.key);
        for (const FormPageEntry &entry : family.pages) {
            const PageFacts &facts = FactsOfPage(entry.page);
            if (inFamilies.contains(entry.page))
                faults
                    << QStringLiteral("page %1 is in two families (the second is %2)").arg(entry.page).arg(family.key);
            inFamilies.insert(entry.page);
            if (!facts.hasSource)
                faults << QStringLiteral("family %1: page %2 has no form source (%3 is missing)")
                              .arg(family.key)
                              .arg(entry.page)
                              .arg(source(entry.page));
            else if (!facts.hasScreen)
                faults << QStringLiteral("family %1: page %2 is shown or walked to but has no screen (%3 says "
                                         "\".screen no\")")
                              .arg(family.key)
                              .arg(entry.page)
                              .arg(source(entry.page));
        }
        for (const SelectionBox &box : family.boxes)
            for (int page : box.pages + box.instructions)
                if (!FactsOfPage(page).isPrinted)
                    faults << QStringLiteral("box %1 prints page %2, which has no template (%3)")
                                  .arg(box.name)
                                  .arg(page)
                                  .arg(source(page));
    }
    QSet<int> printed;
    for (const SelectionBox &box : SelectionBoxes())
        for (int page : box.pages + box.instructions)
            printed.insert(page);
    for (int p = 0; p < PageCount; ++p)
        if (FactsOfPage(p).hasSource && !inFamilies.contains(p) && !printed.contains(p))
            faults << QStringLiteral("%1 has a source, but no family shows it and no box prints it").arg(source(p));
    return faults;
}

} // namespace

class tst_formcatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogueAgreesWithTheSources();
    void generatedFilesAreTheOnesTheSourcesPromise_data();
    void generatedFilesAreTheOnesTheSourcesPromise();
    void boxesAreDistinct();
    void priorNextSequences_data();
    void priorNextSequences();
    void printOrderAndInitialSelection_data();
    void printOrderAndInitialSelection();
};

void tst_formcatalogue::catalogueAgreesWithTheSources()
{
    const QStringList faults = catalogueFaults();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_formcatalogue::generatedFilesAreTheOnesTheSourcesPromise_data()
{
    QTest::addColumn<int>("page");
    for (int p = 0; p < PageCount; ++p)
        if (FactsOfPage(p).hasSource)
            QTest::addRow("page %d", p) << p;
}

void tst_formcatalogue::generatedFilesAreTheOnesTheSourcesPromise()
{
    QFETCH(int, page);
    const PageFacts &facts = FactsOfPage(page);
    const QString n = QString::number(page);
    QCOMPARE(QFileInfo::exists(supportFile("PSF", QStringLiteral("page") + n + QStringLiteral(".psf"))),
             facts.hasScreen);
    QCOMPARE(QFileInfo::exists(supportFile("RTF", QStringLiteral("page") + n + QStringLiteral(".rtf"))),
             facts.isPrinted);
    QCOMPARE(QFileInfo::exists(supportFile("DAT", QStringLiteral("PAGE") + n + QStringLiteral(".DAT"))),
             facts.isPrinted);
}

void tst_formcatalogue::boxesAreDistinct()
{
    QSet<QString> names;
    QSet<int> printOrders, dialogOrders;
    for (const SelectionBox &box : SelectionBoxes()) {
        QVERIFY2(!names.contains(box.name), qPrintable(box.name));
        QVERIFY2(!printOrders.contains(box.printOrder), qPrintable(box.name));
        QVERIFY2(!dialogOrders.contains(box.dialogOrder), qPrintable(box.name));
        names.insert(box.name);
        printOrders.insert(box.printOrder);
        dialogOrders.insert(box.dialogOrder);
        QVERIFY2(FindFamily(box.family), qPrintable(box.name));
    }

    // The print document takes the minute book first, the State forms after.
    QStringList order;
    for (const SelectionBox &box : SelectionBoxes())
        order << box.name;
    QVERIFY(order.indexOf(QStringLiteral("cbxGeneralInformationWorksheet")) == 0);
    QVERIFY(order.indexOf(QStringLiteral("cbxLLC_OperatingAgreement")) < order.indexOf(QStringLiteral("cbxPOC_Page1")));
    QVERIFY(order.indexOf(QStringLiteral("cbxPOC_NoticeWaiver")) <
            order.indexOf(QStringLiteral("cbxPOC_WaiverOfNotice")));
    QVERIFY(order.indexOf(QStringLiteral("cbxForm533A")) < order.indexOf(QStringLiteral("cbxStockFront")));
}

void tst_formcatalogue::priorNextSequences_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("sequence");
    QTest::newRow("532A") << 3 << QList<int>{2, 3, 4, 5};
    QTest::newRow("540 to its instructions") << 27 << QList<int>{26, 27, 84};
    QTest::newRow("533A reaches page 53") << 52 << QList<int>{50, 51, 52, 53};
    QTest::newRow("543A reaches page 56") << 56 << QList<int>{54, 55, 56};
    QTest::newRow("521 instructions") << 83 << QList<int>{77, 78, 79, 83};
    QTest::newRow("stock certificate") << 87 << QList<int>{86, 87};
    QTest::newRow("532C is not walked") << 39 << QList<int>{};
    QTest::newRow("biennial report is not walked") << 45 << QList<int>{};
    QTest::newRow("a single page") << 7 << QList<int>{};
    QTest::newRow("a repeatable page") << 23 << QList<int>{};
    QTest::newRow("the worksheet") << 0 << QList<int>{};
    QTest::newRow("a reserved page") << 70 << QList<int>{};
}

void tst_formcatalogue::priorNextSequences()
{
    QFETCH(int, page);
    QFETCH(QList<int>, sequence);
    QCOMPARE(PageSequence(page), sequence);
}

void tst_formcatalogue::printOrderAndInitialSelection_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<int>("tab");
    QTest::newRow("worksheet") << 0 << QStringList{"cbxGeneralInformationWorksheet"} << int(TabGeneralInfo);
    QTest::newRow("540 instructions check both boxes")
        << 84 << QStringList{"cbxForm540_FP", "cbxForm540_PA"} << int(TabGeneralInfo);
    QTest::newRow("notice") << 9 << QStringList{"cbxPOC_NoticeWaiver"} << int(TabCorporations);
    QTest::newRow("waiver") << 10 << QStringList{"cbxPOC_WaiverOfNotice"} << int(TabCorporations);
    QTest::newRow("page 53") << 53 << QStringList{"cbxForm533A"} << int(TabGeneralInfo);
    QTest::newRow("members resolution") << 68 << QStringList{"cbxLLC_GenericMembersResolution"} << int(TabLLC);
    QTest::newRow("stock certificate checks nothing") << 86 << QStringList{} << int(TabLLC);
    QTest::newRow("reserved page") << 70 << QStringList{} << int(TabLLC);
}

void tst_formcatalogue::printOrderAndInitialSelection()
{
    QFETCH(int, page);
    QFETCH(QStringList, checked);
    QFETCH(int, tab);
    const InitialSelection selection = SelectionForDisplayedPage(page);
    QCOMPARE(selection.checked, CheckedBoxes(checked.cbegin(), checked.cend()));
    QCOMPARE(int(selection.tab), tab);
}

QTEST_GUILESS_MAIN(tst_formcatalogue)
#include "tst_formcatalogue.moc"
