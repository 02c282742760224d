// The pages the user meets: every page of the page tree, built from the page
// screens the build generates from forms/, on a filled client opened from
// its file. Each opens without a message, shows the client's answers, and
// takes a field exit (transfer, full calculation, refill) without one.
//
// While the build has generated no page screens yet, the tests are skipped.
#include "FilledClient.h"
#include "GuiFixture.h"
#include "TestSupport.h"
#include "core/files/ClientFile.h"
#include "core/forms/FormCatalogue.h"
#include "core/forms/PageFacts.h"
#include "core/store/PageCatalogue.h"
#include "gui/app/MainMenus.h"
#include "gui/app/Navigation.h"
#include "gui/app/ToolbarPanel.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/directory/TfrmDirectory.h"
#include "gui/screens/CalcCommands.h"
#include "gui/screens/PageControls.h"

#include <QAbstractButton>
#include <QFrame>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <cmath>

using namespace brevane;
using namespace brevane::test;

namespace {

QString supportFolder()
{
    return qEnvironmentVariable("BREVANE_BINARY_DIR") + QStringLiteral("/support");
}

// The first control of the shown page that the user can type into.
QLineEdit *firstEditable(TfrmMain &w)
{
    const auto edits = w.pnlMainForm->findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits) {
        if (!edit->isReadOnly() && edit->isEnabled() && edit->focusPolicy() != Qt::NoFocus)
            return edit;
    }
    return nullptr;
}

// The edit of an answer on the shown page ("edt17", or "edtHELP17" when it
// has a help button).
QLineEdit *field(TfrmMain &w, int answer)
{
    for (const char *prefix : {"edt", "edtHELP"}) {
        if (auto *edit = w.pnlMainForm->findChild<QLineEdit *>(QLatin1String(prefix) + QString::number(answer)))
            return edit;
    }
    return nullptr;
}

} // namespace

class tst_formpages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyTreePageOpens();
    void answersShowInTheirFields_data();
    void answersShowInTheirFields();
    void everyFieldSaysWhatItIs_data();
    void everyFieldSaysWhatItIs();
    void fieldExit_data();
    void fieldExit();
    void toolbarButtonsKeepTheirPlaces();
    void runningTextLeavesNoGaps();
    void pageTextIsReadable_data();
    void pageTextIsReadable();

private:
    // A main window on the generated support files with the filled client
    // opened through File, Open.
    std::unique_ptr<TfrmMain> openFilledClient();

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TestDialogs> dialogs_;
};

void tst_formpages::initTestCase()
{
    if (QDir(supportFolder() + QStringLiteral("/PSF")).entryList({QStringLiteral("page*.psf")}).isEmpty())
        QSKIP("the build has not generated the page screens yet");
}

void tst_formpages::init()
{
    UseUnitedStatesLocale();
    dir_ = std::make_unique<QTemporaryDir>();
    dialogs_ = std::make_unique<TestDialogs>();
}

void tst_formpages::cleanup()
{
    dialogs_.reset();
    dir_.reset();
}

std::unique_ptr<TfrmMain> tst_formpages::openFilledClient()
{
    const QString path = dir_->filePath(QStringLiteral("filled.cl1"));
    {
        auto store = std::make_unique<TAnswer>();
        DirectoryTable directory;
        FillClient(*store, directory);
        QString error;
        if (!SaveClientFile(path, *store, directory, &error))
            qWarning("%s", qPrintable(error));
    }
    TStartOptions options;
    options.installRoot = dir_->filePath(QStringLiteral("root/"));
    options.programFolder = supportFolder();
    options.screenSize = QSize(1400, 900);
    auto w = std::make_unique<TfrmMain>(options);
    w->GraphicsAdapterAdjust = true;
    w->show();
    QApplication::setActiveWindow(w.get());
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("the main window did not become active");
    dialogs_->fileAnswers << path;
    w->Menus().Action(QStringLiteral("mnuOpen"))->trigger();
    return w;
}

void tst_formpages::everyTreePageOpens()
{
    MessageRecorder recorder;
    auto w = openFilledClient();
    QCOMPARE(recorder.numbers(), QList<int>{});
    QCOMPARE(QFileInfo(w->Document().FileName()).fileName(), QStringLiteral("filled.cl1"));

    QStringList faults;
    QSet<int> shown;
    const auto check = [&](const QString &where, int tag) {
        if (w->CurrentPage != tag / 100 || w->CurrentContinuation != qMax(tag % 100, 0))
            faults << where + QStringLiteral(" shows page %1.%2").arg(w->CurrentPage).arg(w->CurrentContinuation);
        if (w->pnlMainForm->findChildren<QWidget *>().size() < 3)
            faults << where + QStringLiteral(" shows no controls");
        // Leaving a field runs the whole calculation on the filled client.
        if (QLineEdit *edit = firstEditable(*w)) {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Tab);
        }
        if (!recorder.numbers().isEmpty())
            faults << where + QStringLiteral(" gave message ") + QString::number(recorder.numbers().first());
        recorder.clear();
        shown << tag / 100;
    };
    for (QTreeWidgetItemIterator it(w->TreeView1); *it; ++it) {
        QTreeWidgetItem *item = *it;
        if (TMainMenus::KindOf(item) != TreeItemKind::Page)
            continue;
        const int tag = TMainMenus::TagOf(item);
        w->Menus().TreeItemClicked(item);
        check(QStringLiteral("%1 (page tag %2)").arg(item->text(0)).arg(tag), tag);
    }
    // The pages no item offers are reached by Next from the page before them.
    for (int page = 0; page < PageCount; ++page) {
        const QList<int> sequence = PageSequence(page);
        if (shown.contains(page) || sequence.indexOf(page) < 1)
            continue;
        w->Navigation().DisplayAPage(w->Invisible(sequence.at(sequence.indexOf(page) - 1) * 100));
        recorder.clear();
        w->Navigation().NextClick();
        check(QStringLiteral("Next to page %1").arg(page), page * 100);
        w->Navigation().PriorClick();
        check(QStringLiteral("Prior from page %1").arg(page), sequence.at(sequence.indexOf(page) - 1) * 100);
    }
    // The repeatable pages open through their View items, which ask for a
    // copy when there are two: both copies are shown directly.
    for (int page : RepeatablePages) {
        for (int copy : {0, 1}) {
            w->Navigation().DisplayAPage(w->Invisible(page * 100 + copy));
            check(QStringLiteral("copy %1 of page %2").arg(copy + 1).arg(page), page * 100 + copy);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    // The exits above did run: a money entry that does not read is reported.
    w->Navigation().DisplayAPage(w->Invisible(0));
    QLineEdit *money = field(*w, 17);
    QVERIFY(money);
    money->setFocus();
    money->setText(QStringLiteral("12x"));
    QTest::keyClick(money, Qt::Key_Tab);
    QVERIFY(recorder.numbers().contains(21202));
    // Every page with a screen was shown (the directory worksheet and the
    // print dialog are windows of their own).
    for (int page = 0; page < PageCount; ++page) {
        if (FactsOfPage(page).hasScreen)
            QVERIFY2(shown.contains(page),
                     qPrintable(QStringLiteral("page %1 is neither in the tree nor reached by Next").arg(page)));
    }
}

void tst_formpages::answersShowInTheirFields_data()
{
    QTest::addColumn<int>("pageTag");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("red");
    QTest::newRow("general information: name") << 0 << 0 << EntityName << false;
    QTest::newRow("general information: money") << 0 << 17 << "1,234.50" << false;
    QTest::newRow("articles signature: overridden signer") << 400 << 2 << OverriddenSigner << true;
    QTest::newRow("order and waiver: derived name") << 700 << 0 << EntityName << false;
}

void tst_formpages::answersShowInTheirFields()
{
    QFETCH(int, pageTag);
    QFETCH(int, answer);
    QFETCH(QString, expected);
    QFETCH(bool, red);
    MessageRecorder recorder;
    auto w = openFilledClient();
    w->Navigation().DisplayAPage(w->Invisible(pageTag));
    QLineEdit *edit = field(*w, answer);
    QVERIFY(edit);
    QCOMPARE(edit->text(), expected);
    QCOMPARE(edit->palette().color(QPalette::Text) == QColor(Qt::red), red);
    QCOMPARE(recorder.numbers(), QList<int>{});
}

void tst_formpages::everyFieldSaysWhatItIs_data()
{
    QTest::addColumn<int>("pageTag");
    QTest::newRow("general information") << 0;
    QTest::newRow("articles signatures") << 400;
    QTest::newRow("articles of organization") << 5000;
    QTest::newRow("operating agreement signatures") << 6400;
}

// A screen reader, and any automation, reads each field's label; the label
// is the field's buddy.
void tst_formpages::everyFieldSaysWhatItIs()
{
    QFETCH(int, pageTag);
    auto w = openFilledClient();
    w->Navigation().DisplayAPage(w->Invisible(pageTag));
    QStringList nameless;
    int fields = 0;
    for (QWidget *widget : w->pnlMainForm->findChildren<QWidget *>()) {
        if (!qobject_cast<QLineEdit *>(widget) && !qobject_cast<QAbstractButton *>(widget) &&
            !qobject_cast<QPlainTextEdit *>(widget))
            continue;
        if (qobject_cast<QPushButton *>(widget))
            continue; // the help buttons say "?"
        ++fields;
        if (widget->accessibleName().trimmed().isEmpty())
            nameless << widget->objectName();
    }
    QVERIFY(fields > 0);
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1Char(' '))));
    if (pageTag == 0) {
        QLineEdit *name = field(*w, 0);
        QCOMPARE(name->accessibleName(), QStringLiteral("Name, exactly as in the articles (heads every form)"));
        bool buddy = false;
        for (QLabel *label : w->pnlMainForm->findChildren<QLabel *>())
            buddy = buddy || label->buddy() == name;
        QVERIFY(buddy);
        // The Directory Worksheet's fields too.
        DirectoryTable rows;
        TfrmDirectory directory(rows, DirectoryHooks{});
        for (QLineEdit *edit : directory.findChildren<QLineEdit *>())
            if (edit->objectName().startsWith(QLatin1String("edt")))
                QVERIFY2(!edit->accessibleName().isEmpty(), qPrintable(edit->objectName()));
        QCOMPARE(directory.edtName->accessibleName(), QStringLiteral("Name"));
    }
}

void tst_formpages::fieldExit_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QList<int>>("messages");
    QTest::addColumn<QString>("detail");
    const QString shares = QStringLiteral("page 0, \"Number of shares the corporation may issue\": \"abc\"");
    QTest::newRow("ISO date") << 12 << "2026-02-03"
                              << "2/3/2026" << QList<int>{} << QString();
    QTest::newRow("two-digit year") << 33 << "2/3/26"
                                    << "2/3/2026" << QList<int>{} << QString();
    QTest::newRow("free text in a date field") << 12 << "sometime in May"
                                               << "sometime in May" << QList<int>{} << QString();
    QTest::newRow("a date-like text field stays") << 1 << "2026-02-03"
                                                  << "2026-02-03" << QList<int>{} << QString();
    QTest::newRow("letters as a share count") << 15 << "abc"
                                              << "0" << QList<int>{21192} << shares;
}

// Leaving a field: a date typed in a common form becomes the regional short
// date; a message about what was typed names the field, its page and the
// entry.
void tst_formpages::fieldExit()
{
    QFETCH(int, answer);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QList<int>, messages);
    QFETCH(QString, detail);
    auto w = openFilledClient();
    MessageRecorder recorder;
    QLineEdit *edit = field(*w, answer);
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    w->Calc().CalcOnExit(edit);
    QCOMPARE(edit->text(), kept);
    QCOMPARE(w->Document().Answers()->Text(0, 0, answer), kept);
    QCOMPARE(recorder.numbers(), messages);
    if (!detail.isEmpty()) {
        QCOMPARE(recorder.messages().first().detail, detail);
        QVERIFY(recorder.messages().first().text.endsWith(detail));
    }
}

// Prior, Next and Override stay where they are: a button that does not
// apply leaves its place empty, so repeated clicks on Next never land on
// Prior; Override is not offered on a page with nothing to override.
void tst_formpages::toolbarButtonsKeepTheirPlaces()
{
    auto w = openFilledClient();
    QAbstractButton *next = w->Menus().Button("cbtnNext");
    QAbstractButton *labelNext = w->Menus().Button("btnNext");
    const QPoint nextPlace = w->Menus().IconBar->Place(next);
    const QPoint labelNextPlace = w->Menus().LabelBar->Place(labelNext);
    w->Navigation().DisplayAPage(w->Invisible(5700));
    QVERIFY(!w->Menus().IconBar->IsButtonVisible(w->Menus().Button("cbtnPrior")));
    for (int page = 58; page <= 64; ++page) {
        QCOMPARE(w->Menus().IconBar->Place(next), nextPlace);
        QCOMPARE(w->Menus().LabelBar->Place(labelNext), labelNextPlace);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(w->CurrentPage, page);
    }
    QVERIFY(w->Menus().IconBar->IsButtonVisible(w->Menus().Button("cbtnPrior")));
    QVERIFY(!w->Menus().IconBar->IsButtonVisible(next));

    // An overrideable field shows Override; the instruction page that
    // follows has nothing to override and hides it.
    QVERIFY(FactsOfPage(27).overrideable);
    QVERIFY(!FactsOfPage(84).overrideable);
    w->Navigation().DisplayAPage(w->Invisible(2700));
    w->SetOverrideVisible(true, false);
    QVERIFY(w->Menus().IconBar->IsButtonVisible(w->Menus().Button("cbtnOverride")));
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(w->CurrentPage, 84);
    QVERIFY(!w->Menus().IconBar->IsButtonVisible(w->Menus().Button("cbtnOverride")));
    QVERIFY(!w->Menus().LabelBar->IsButtonVisible(w->Menus().Button("btnOverride")));
}

// Running text reads as one sentence on every page: a value's label is as
// wide as its value, the words' labels as wide as their words, and what
// follows on the line comes right after them ("of Acme Widgets, Inc. were
// filed"), not after the field's room or an estimate of the words' width.
void tst_formpages::runningTextLeavesNoGaps()
{
    auto w = openFilledClient();
    QStringList faults;
    int seen = 0; // values with something after them on their line
    int runs = 0; // labels of running text
    for (int page = 0; page < PageCount; ++page) {
        if (!QFileInfo::exists(supportFolder() + QStringLiteral("/PSF/page%1.psf").arg(page)))
            continue;
        w->Navigation().DisplayAPage(w->Invisible(page * 100));
        const QList<QWidget *> controls = w->pnlMainForm->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (const TLabel *value : w->pnlMainForm->findChildren<TLabel *>(Qt::FindDirectChildrenOnly)) {
            if (!value->RunIn || value->text().isEmpty() || !value->isVisible())
                continue;
            ++runs;
            const int textEnd = value->x() + value->fontMetrics().horizontalAdvance(value->text());
            if (textEnd > value->geometry().right())
                continue; // longer than its room: shown in the room, as before
            const QWidget *next = nullptr;
            for (QWidget *other : controls)
                if (other->isVisible() && other->x() > value->x() &&
                    qAbs(other->geometry().center().y() - value->geometry().center().y()) <= value->height() / 2 &&
                    (!next || other->x() < next->x()))
                    next = other;
            if (!next)
                continue;
            if (value->Tag != 0)
                ++seen;
            if (next->x() - textEnd > 16)
                faults << QStringLiteral("page %1: %2 px between \"%3\" and %4")
                              .arg(page)
                              .arg(next->x() - textEnd)
                              .arg(value->text(), next->objectName());
        }
    }
    QVERIFY2(seen >= 5 && runs > 200,
             qPrintable(QStringLiteral("%1 values and %2 labels of running text looked at").arg(seen).arg(runs)));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

static double luminance(const QColor &c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

static double contrast(const QColor &a, const QColor &b)
{
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

namespace {

// What a piece of text looks like once drawn: its ground (the commonest
// colour), its ink (the pixel standing out most from the ground) and how
// many pixels stand out from the ground by the 4.5:1 small text needs.
struct DrawnText
{
    QColor ground;
    QColor ink;
    int readablePixels = 0;
};

DrawnText drawnText(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    DrawnText drawn;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            drawn.ground = QColor::fromRgb(it.key());
        }
    double best = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double c = contrast(QColor::fromRgb(it.key()), drawn.ground);
        if (c > best) {
            best = c;
            drawn.ink = QColor::fromRgb(it.key());
        }
        if (c >= 4.5)
            drawn.readablePixels += it.value();
    }
    return drawn;
}

} // namespace

void tst_formpages::pageTextIsReadable_data()
{
    QTest::addColumn<bool>("darkDesktop");
    QTest::addColumn<QString>("what");
    for (const bool dark : {false, true}) {
        const char *desktop = dark ? "dark desktop" : "light desktop";
        QTest::addRow("page title, %s", desktop) << dark << "title";
        QTest::addRow("field label, %s", desktop) << dark << "label";
        QTest::addRow("help balloon, %s", desktop) << dark << "balloon";
    }
}

// The text of a page and of its help balloons is drawn dark on light, with
// the 4.5:1 contrast small text needs (WCAG AA), whatever colours the
// desktop gives the program: the page is measured as it is drawn.
void tst_formpages::pageTextIsReadable()
{
    QFETCH(bool, darkDesktop);
    QFETCH(QString, what);
    const QPalette desktop = QApplication::palette();
    if (darkDesktop) {
        QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2b, 0x2b, 0x2b));
        QApplication::setPalette(dark);
    }
    const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
    auto w = openFilledClient();
    QWidget *panel = w->pnlMainForm;
    const QLabel *text = nullptr;
    if (what == "balloon") {
        auto *help = panel->findChild<QPushButton *>(QStringLiteral("btnHELP0"));
        QVERIFY(help);
        QTest::mouseClick(help, Qt::LeftButton);
        for (QFrame *frame : panel->findChildren<QFrame *>())
            if (frame->objectName().startsWith(QLatin1String("clpHelp")) && frame->isVisible())
                text = frame->findChild<QLabel *>();
    } else {
        for (const QLabel *label : panel->findChildren<QLabel *>()) {
            if (what == "title" && label->text() == QLatin1String("GENERAL INFORMATION WORKSHEET"))
                text = label;
            if (what == "label" && label->text().startsWith(QLatin1String("Name, exactly as in the articles")))
                text = label;
        }
    }
    QVERIFY(text);
    QVERIFY(text->isVisible());
    const QRect area(text->mapTo(panel, QPoint(0, 0)), text->size());
    const DrawnText drawn = drawnText(panel->grab(area).toImage());
    const QString seen = QStringLiteral("%1 on %2, %3:1, %4 readable pixels")
                             .arg(drawn.ink.name(), drawn.ground.name())
                             .arg(contrast(drawn.ink, drawn.ground), 0, 'f', 2)
                             .arg(drawn.readablePixels);
    QVERIFY2(luminance(drawn.ground) > luminance(drawn.ink), qPrintable(QStringLiteral("light text: ") + seen));
    QVERIFY2(drawn.readablePixels >= 20, qPrintable(QStringLiteral("too faint: ") + seen));
}

QTEST_MAIN(tst_formpages)
#include "tst_formpages.moc"
