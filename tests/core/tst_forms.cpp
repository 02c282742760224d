// The generated form pages (the build's support folder) against the
// calculations and the print merge: every answer a page procedure writes is
// bound on its page's screen (guarded answers with an overrideable style,
// answers written on every run read-only, the user's own fields never
// written); every focus Tag names a control; every template reads as the
// merge reads it, names answers of its page only, has its data file line for
// each variable and merges a filled client cleanly.
#include "CalcFixture.h"
#include "TestSupport.h"
#include "core/calc/Calculate.h"
#include "core/files/LineText.h"
#include "core/forms/PageFacts.h"
#include "core/output/RtfText.h"
#include "core/output/TemplateMerge.h"
#include "core/screens/ComponentReader.h"
#include "core/store/PageCatalogue.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <algorithm>

using namespace brevane;
using namespace brevane::test;

namespace {

QString supportDir()
{
    return QString::fromLocal8Bit(qgetenv("BREVANE_BINARY_DIR")) + QStringLiteral("/support");
}

QString psfPath(int page)
{
    return supportDir() + QStringLiteral("/PSF/page") + QString::number(page) + QStringLiteral(".psf");
}

QString rtfPath(int page)
{
    return supportDir() + QStringLiteral("/RTF/page") + QString::number(page) + QStringLiteral(".rtf");
}

QString datPath(int page)
{
    return supportDir() + QStringLiteral("/DAT/PAGE") + QString::number(page) + QStringLiteral(".DAT");
}

// The pages shown on screen and the pages printed, as their sources say.
QList<int> pagesWhere(bool (*fact)(const PageFacts &))
{
    QList<int> pages;
    for (int p = 0; p < PageCount; ++p)
        if (fact(FactsOfPage(p)))
            pages << p;
    return pages;
}

QList<int> displayedPages()
{
    return pagesWhere([](const PageFacts &f) { return f.hasScreen; });
}

QList<int> printedPages()
{
    return pagesWhere([](const PageFacts &f) { return f.isPrinted; });
}

// Every control of a page, depth first.
void collect(const ComponentRecord &r, QList<const ComponentRecord *> &out)
{
    for (const ComponentRecord &child : r.children) {
        out << &child;
        collect(child, out);
    }
}

QList<const ComponentRecord *> controlsOf(const ComponentStream &stream)
{
    QList<const ComponentRecord *> out;
    for (const ComponentRecord &root : stream.images)
        collect(root, out);
    return out;
}

bool is(const ComponentRecord *r, const char *cls)
{
    return r->className == QLatin1String(cls);
}

bool styled(const ComponentRecord *r, const char *style)
{
    return r->StyleLookup().compare(QLatin1String(style), Qt::CaseInsensitive) == 0;
}

// The answer a control binds, or -1.
int boundAnswer(const ComponentRecord *r)
{
    const qint64 tag = r->Tag();
    if (is(r, "TLabel"))
        return tag > 0 ? int(tag) : -1;
    if (is(r, "TEdit")) {
        if (tag / 1000 < 1)
            return -1;
        return int(tag % 1000);
    }
    if (is(r, "TMemo"))
        return int(tag);
    if (is(r, "TCheckBox"))
        return int(tag >= 1000 ? tag - 1000 : tag);
    return -1;
}

enum class Binding { None, Input, Overrideable, ReadOnly };

Binding bindingOf(const ComponentRecord *r)
{
    if (is(r, "TLabel"))
        return Binding::ReadOnly;
    if (is(r, "TEdit")) {
        if (styled(r, "EditOverrideable") || styled(r, "EditOverridden"))
            return Binding::Overrideable;
        if (styled(r, "EditReadOnly"))
            return Binding::ReadOnly;
        return Binding::Input;
    }
    if (is(r, "TMemo")) {
        if (styled(r, "MemoOverrideable") || styled(r, "MemoOverridden"))
            return Binding::Overrideable;
        return r->ReadOnly() ? Binding::ReadOnly : Binding::Input;
    }
    if (is(r, "TCheckBox")) {
        if (styled(r, "CheckBoxOverrideable") || styled(r, "CheckBoxOverridden"))
            return Binding::Overrideable;
        return r->Flag(u"Enabled", true) ? Binding::Input : Binding::ReadOnly;
    }
    return Binding::None;
}

// What the page procedures write, found by running them: before each run
// every answer of every calculated page holds a marker; an answer whose
// marker is gone was written. With every override flag set only the answers
// written on every run change; the others are written unless overridden.
// The clients range from empty to a directory larger than any page, so that
// every slot a procedure can fill is filled in one of the runs.
struct Writes
{
    QSet<int> written;
    QSet<int> always;
};

// A client with every page-0 answer filled as its kind wants.
void fillPageZero(TAnswer &store)
{
    for (int g = 0; g < TAnswer::AnswerCount(0); ++g)
        store.SetText(0, 0, g, QStringLiteral("G%1 text").arg(g));
    for (int g : {9, 12, 13, 14, 23, 33, 37, 38, 46, 51, 52, 90})
        store.SetText(0, 0, g, QStringLiteral("3/1/2018"));
    for (int g : {17, 27, 28})
        store.SetText(0, 0, g, QStringLiteral("1.50"));
    store.SetText(0, 0, 15, QStringLiteral("1000"));
    store.SetText(0, 0, 3, QStringLiteral("OH"));
    for (int g : {25, 26, 35, 36, 55, 56, 92, 93})
        store.SetText(0, 0, g, QStringLiteral("X"));
}

// A directory of a few rows with mixed roles, or (full) of 100 rows that
// each have every role, more than any page has room for.
void fillDirectory(DirectoryTable &directory, bool full = false)
{
    QList<const char *> codes = {"DOSCMGIR", "DOSCMGBR", "DSCI", "DSCB", "SMIR", "CMBR", "DOS", "MGIR"};
    if (full)
        codes = QList<const char *>(100, "DOSCMGIBR");
    int i = 0;
    for (const char *code : codes) {
        directory.AddRow();
        const int r = directory.RowCount() - 1;
        const QString n = QString::number(i);
        const QStringList cells = {QLatin1String(code),
                                   QStringLiteral("Name ") + n,
                                   QStringLiteral("Street ") + n,
                                   QStringLiteral("City"),
                                   QStringLiteral("OH"),
                                   QStringLiteral("4321") + n,
                                   QStringLiteral("Signer ") + n,
                                   full || i % 2 == 0 ? QStringLiteral("X") : QString(),
                                   full || i % 3 ? QStringLiteral("X") : QString(),
                                   QStringLiteral("1000"),
                                   QStringLiteral("25"),
                                   QStringLiteral("100"),
                                   QStringLiteral("Common")};
        for (int c = 0; c < cells.size(); ++c)
            directory.SetCell(r, c, cells[c]);
        ++i;
    }
}

QMap<int, Writes> findWrites()
{
    MessageRecorder quiet;
    QList<int> pages = CalculatedPages();
    QMap<int, Writes> writes;
    for (bool richPageZero : {true, false}) {
        for (int rows : {0, 8, 100}) {
            // Empty answers too: the share ledger writes its original issue
            // only into lines that are empty or hold it already.
            for (int fill : {0, 1, 2}) {
                const bool ticks = fill == 1;
                const bool empty = fill == 2;
                for (bool overridden : {false, true}) {
                    TAnswer store;
                    DirectoryTable directory;
                    directory.Clear();
                    if (richPageZero)
                        fillPageZero(store);
                    if (rows)
                        fillDirectory(directory, rows > 8);
                    auto marker = [&](int p, int k) {
                        if (empty)
                            return QString();
                        return ticks ? QStringLiteral("X") : QStringLiteral("\x01%1.%2").arg(p).arg(k);
                    };
                    for (int p : RepeatablePages)
                        store.PgCt[p] = 1; // one copy in use, so that its procedure runs
                    for (int p : pages) {
                        for (int k = 0; k < TAnswer::AnswerCount(p); ++k) {
                            store.SetText(p, 0, k, marker(p, k));
                            store.SetOvRide(p, 0, k, overridden);
                        }
                    }
                    // Only which answers the run writes counts here.
                    static_cast<void>(Calculate(&store, directory));
                    for (int p : pages) {
                        for (int k = 0; k < TAnswer::AnswerCount(p); ++k) {
                            if (store.Text(p, 0, k) == marker(p, k))
                                continue;
                            (overridden ? writes[p].always : writes[p].written).insert(k);
                        }
                    }
                }
            }
        }
    }
    return writes;
}

// The variables of a template body as the merge reads them: line breaks
// between their characters do not count.
QList<QPair<QChar, int>> variablesOf(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    QList<QPair<QChar, int>> out;
    static const QRegularExpression re(QStringLiteral("/([*<$#%&^+])(\\d{1,3})/"));
    auto it = re.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out.append({m.captured(1).at(0), m.captured(2).toInt()});
    }
    return out;
}

} // namespace

class tst_forms : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void screenFileReads_data();
    void screenFileReads();
    void writtenAnswersAreBound_data();
    void writtenAnswersAreBound();
    void focusTagNamesAControl_data();
    void focusTagNamesAControl();
    void everyFieldHasAName_data();
    void everyFieldHasAName();
    void templateMatchesItsPage_data();
    void templateMatchesItsPage();
    void templateMergesAFilledClient_data();
    void templateMergesAFilledClient();

private:
    void pageRows(const QList<int> &pages, QString (*path)(int));
    QMap<int, Writes> writes_;
};

void tst_forms::initTestCase()
{
    UseUnitedStatesLocale();
    QVERIFY2(!qgetenv("BREVANE_BINARY_DIR").isEmpty(), "run through CTest, which names the build folder");
    QVERIFY2(QFileInfo(supportDir() + QStringLiteral("/PSF")).isDir(),
             qPrintable(QStringLiteral("no generated page screens in ") + supportDir()));
    writes_ = findWrites();
    QVERIFY(!writes_.isEmpty());
}

// One row per page, skipped while the page's source is still to be written.
void tst_forms::pageRows(const QList<int> &pages, QString (*path)(int))
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("present");
    for (int p : pages)
        QTest::addRow("page %d", p) << p << QFileInfo::exists(path(p));
}

void tst_forms::screenFileReads_data()
{
    pageRows(displayedPages(), psfPath);
}

void tst_forms::screenFileReads()
{
    QFETCH(int, page);
    QFETCH(bool, present);
    if (!present)
        QSKIP("no form source for this page yet");
    MessageRecorder messages;
    ComponentStream stream;
    QVERIFY(LoadComponentStream(psfPath(page), stream));
    QVERIFY(messages.numbers().isEmpty());
    const QSizeF size = stream.RootSize();
    QVERIFY(size.width() > 0 && size.height() > 0);

    // Every control lies on the page and binds an answer of the page; no
    // answer has two controls the user can change (the later one would
    // write its stale text over the other's at every transfer).
    QMap<int, int> writable;
    for (const ComponentRecord *r : controlsOf(stream)) {
        const int answer = boundAnswer(r);
        QVERIFY2(answer < TAnswer::AnswerCount(page), qPrintable(r->name));
        if (answer >= 0 && bindingOf(r) != Binding::ReadOnly)
            ++writable[answer];
        if (is(r, "TEdit"))
            QVERIFY2(r->Tag() / 1000 <= 5, qPrintable(r->name));
        // A label with Tag 0 shows its own text; without one it shows nothing
        // (an answer 0 meant to show as a label would end up so).
        if (is(r, "TLabel") && r->Tag() == 0)
            QVERIFY2(!r->Text().isEmpty(), qPrintable(r->name + QStringLiteral(" is an empty label")));
    }
    for (auto it = writable.cbegin(); it != writable.cend(); ++it)
        QVERIFY2(it.value() == 1,
                 qPrintable(QStringLiteral("answer %1 has %2 controls").arg(it.key()).arg(it.value())));
}

void tst_forms::writtenAnswersAreBound_data()
{
    pageRows(CalculatedPages(), psfPath);
}

void tst_forms::writtenAnswersAreBound()
{
    QFETCH(int, page);
    QFETCH(bool, present);
    if (!present)
        QSKIP("no form source for this page yet");
    ComponentStream stream;
    QVERIFY(LoadComponentStream(psfPath(page), stream));
    const Writes &w = writes_[page];

    QMap<int, QList<Binding>> bindings;
    for (const ComponentRecord *r : controlsOf(stream)) {
        const int answer = boundAnswer(r);
        if (answer >= 0)
            bindings[answer] << bindingOf(r);
    }
    QStringList faults;
    QList<int> written(w.written.cbegin(), w.written.cend());
    std::sort(written.begin(), written.end());
    for (int k : written) {
        const bool always = w.always.contains(k);
        const QList<Binding> b = bindings.value(k);
        if (b.isEmpty())
            faults << QStringLiteral("answer %1 is written but not shown").arg(k);
        else if (!always && !b.contains(Binding::Overrideable))
            faults << QStringLiteral("answer %1 is written unless overridden but has no overrideable field").arg(k);
        else if (always && b.contains(Binding::Overrideable))
            faults << QStringLiteral("answer %1 is written on every run but shown as overrideable").arg(k);
        if (b.contains(Binding::Input))
            faults << QStringLiteral("answer %1 is written by the calculation but shown as the user's input").arg(k);
    }
    for (auto it = bindings.cbegin(); it != bindings.cend(); ++it) {
        const int k = it.key();
        if (it.value().contains(Binding::Overrideable) && !w.written.contains(k))
            faults << QStringLiteral("answer %1 is shown as overrideable but nothing writes it").arg(k);
        if (it.value().contains(Binding::ReadOnly) && !it.value().contains(Binding::Input) && !w.written.contains(k))
            faults << QStringLiteral("answer %1 is shown read-only but nothing writes it").arg(k);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void tst_forms::everyFieldHasAName_data()
{
    pageRows(displayedPages(), psfPath);
}

// Every input field of a page, tick box and memo says what it is: its label
// is its accessible name (what a screen reader reads), and the same name is
// what messages about its answer call it. Names on a page differ, so that
// each field can be told from the others.
void tst_forms::everyFieldHasAName()
{
    QFETCH(int, page);
    QFETCH(bool, present);
    if (!present)
        QSKIP("no form source for this page yet");
    ComponentStream stream;
    QVERIFY(LoadComponentStream(psfPath(page), stream));
    QMap<QString, QString> named; // name -> control
    QStringList nameless;
    for (const ComponentRecord *r : controlsOf(stream)) {
        if (!is(r, "TEdit") && !is(r, "TMemo") && !is(r, "TCheckBox"))
            continue;
        const QString name = r->String(u"AccessibleName");
        if (name.trimmed().isEmpty()) {
            nameless << r->name;
            continue;
        }
        const int answer = boundAnswer(r);
        if (answer >= 0 && !r->name.startsWith(QLatin1String("edt0r")))
            QCOMPARE(AnswerLabel(page, answer), name);
        if (!r->name.startsWith(QLatin1String("edt0r")))
            QVERIFY2(
                !named.contains(name) || named.value(name) == r->name,
                qPrintable(QStringLiteral("%1 and %2 are both named \"%3\"").arg(named.value(name), r->name, name)));
        named.insert(name, r->name);
    }
    QVERIFY2(nameless.isEmpty(), qPrintable(QStringLiteral("without a name: ") + nameless.join(QLatin1Char(' '))));
}

void tst_forms::focusTagNamesAControl_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("tag");
    for (int p : pagesWhere([](const PageFacts &f) { return f.focusTag >= 0; }))
        QTest::addRow("page %d", p) << p << FactsOfPage(p).focusTag;
}

void tst_forms::focusTagNamesAControl()
{
    QFETCH(int, page);
    QFETCH(int, tag);
    if (!QFileInfo::exists(psfPath(page)))
        QSKIP("no form source for this page yet");
    ComponentStream stream;
    QVERIFY(LoadComponentStream(psfPath(page), stream));
    bool found = false;
    for (const ComponentRecord *r : controlsOf(stream)) {
        if ((is(r, "TEdit") || is(r, "TMemo") || is(r, "TCheckBox") || is(r, "TButton")) && r->Tag() == tag)
            found = true;
    }
    QVERIFY(found);
}

void tst_forms::templateMatchesItsPage_data()
{
    pageRows(printedPages(), rtfPath);
}

void tst_forms::templateMatchesItsPage()
{
    QFETCH(int, page);
    QFETCH(bool, present);
    if (!present)
        QSKIP("no form source for this page yet");
    QStringList lines;
    QVERIFY(ReadTextLines(rtfPath(page), lines));
    const QString text = ListText(lines);

    // The header the print job keeps: the ballot-box font for check marks,
    // colour 1 for overridden answers, the page's margins, then the mark.
    const qsizetype mark = text.indexOf(QLatin1String("\\'b7"));
    QVERIFY(mark > 0);
    const QString header = text.left(mark);
    QVERIFY(header.startsWith(QLatin1String("{\\rtf1")));
    QVERIFY(header.contains(
        QRegularExpression(QStringLiteral("\\{\\\\fonttbl.*\\\\f\\d+[^;]*DejaVu Sans\\{\\\\\\*\\\\falt [^;]+\\};"))));
    QVERIFY(
        header.contains(QRegularExpression(QStringLiteral("\\{\\\\colortbl;\\\\red\\d+\\\\green\\d+\\\\blue\\d+;"))));
    for (const char *margin : {"\\margl", "\\margr", "\\margt", "\\margb"})
        QVERIFY(header.contains(QLatin1String(margin)));
    // Letter paper; the stock certificate's two sides print sideways.
    const bool sideways = page == 86 || page == 87;
    QCOMPARE(header.contains(QLatin1String("\\landscape")), sideways);
    QVERIFY(header.contains(sideways ? QLatin1String("\\paperw15840\\paperh12240")
                                     : QLatin1String("\\paperw12240\\paperh15840")));
    QVERIFY2(variablesOf(header).isEmpty(), "a variable in the header would be lost on later pages");

    // The body: balanced braces, closed by the last "}", no variable at its end.
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\')) {
            ++i;
            continue;
        }
        if (text[i] == QLatin1Char('{'))
            ++depth;
        else if (text[i] == QLatin1Char('}'))
            QVERIFY(--depth >= 0);
    }
    QCOMPARE(depth, 0);
    QVERIFY(text.trimmed().endsWith(QLatin1Char('}')));

    // Every variable names an answer of the page and has its data line.
    QStringList data;
    QVERIFY(ReadTextLines(datPath(page), data));
    QVERIFY(data.size() <= 400);
    for (const QString &line : data) {
        const QStringList n = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(n.size() >= 7, qPrintable(line));
    }
    for (const auto &[kind, number] : variablesOf(text)) {
        QVERIFY2(number < TAnswer::AnswerCount(page), qPrintable(QStringLiteral("answer %1").arg(number)));
        QVERIFY2(number < data.size(), qPrintable(QStringLiteral("no data line for answer %1").arg(number)));
        QCOMPARE(data[number].section(QLatin1Char(' '), 0, 0).toInt(), number);
    }
}

void tst_forms::templateMergesAFilledClient_data()
{
    pageRows(printedPages(), rtfPath);
}

void tst_forms::templateMergesAFilledClient()
{
    QFETCH(int, page);
    QFETCH(bool, present);
    if (!present)
        QSKIP("no form source for this page yet");
    // A filled client; the page's own entries hold what their kind asks for
    // (the data file names each answer's kind).
    TAnswer store;
    DirectoryTable directory;
    directory.Clear();
    fillPageZero(store);
    fillDirectory(directory);
    QStringList data;
    QVERIFY(ReadTextLines(datPath(page), data));
    if (page != 0) {
        for (const QString &line : data) {
            const QStringList n = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            const int k = n.value(0).toInt();
            static const char *samples[] = {
                "", "Sample text", "1250.50", "0.25", "40", "3", "3/1/2018", "First line | second line", "X", "X"};
            const int kind = n.value(1).toInt();
            if (n.value(2).toInt() == 1 && kind >= 1 && kind <= 9)
                store.SetText(page, 0, k, QLatin1String(samples[kind]));
        }
    }
    for (int p : RepeatablePages)
        store.PgCt[p] = 1;
    {
        MessageRecorder quiet;
        QVERIFY(Calculate(&store, directory));
    }
    store.SetOvRide(page, 0, 0, true); // one overridden answer prints in colour 1

    MessageRecorder messages;
    TemplateMerge merge(&store, supportDir() + QStringLiteral("/DAT"));
    QStringList lines;
    QVERIFY(ReadTextLines(rtfPath(page), lines));
    QVERIFY(merge.MergeTemplatePage(lines, page, 0));
    QVERIFY2(messages.numbers().isEmpty(), qPrintable(QStringLiteral("messages %1").arg(messages.numbers().size())));
    const QString merged = ListText(lines);
    QVERIFY2(variablesOf(merged).isEmpty(), "a variable is left in the merged page");
}

QTEST_GUILESS_MAIN(tst_forms)
#include "tst_forms.moc"
