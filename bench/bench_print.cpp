// Printing a full client: merge and assembly of every printable page ("Select
// All" of both margin groups, and every box) with every repeatable page at 100
// instances and 300 directory rows (6 worksheet pages), from fixture templates
// that hold a variable for every answer of their page. Also the merge of one
// page on its own and the ASCII write of the document, and Select All of
// corporations of 10, 100 and 1,000 shareholders through the program's own
// templates, whose lists of shareholders grow with them.
#include "BenchSupport.h"
#include "core/calc/Calculate.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/forms/PageZero.h"
#include "core/output/PrintJob.h"
#include "core/output/PrintSelection.h"
#include "core/output/RtfText.h"
#include "core/output/TemplateMerge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <ctime>

using namespace brevane;
using namespace brevane::bench;

namespace {

const char Kinds[] = {'*', '$', '#', '%', '&', '^', '+', '<'};

// An answer that suits the kind of variable printing it.
QString answerFor(int k)
{
    switch (Kinds[k % 8]) {
    case '$':
        return QStringLiteral("12,345.60");
    case '#':
        return QStringLiteral("1,500");
    case '%':
        return QStringLiteral("0.25");
    case '&':
        return k % 16 ? QStringLiteral("X") : QString();
    case '^':
        return QStringLiteral("3/1/2018");
    case '+':
        return QStringLiteral("First line | second line | third line");
    default:
        return QStringLiteral("Jos\u00e9 Answer {%1}").arg(k);
    }
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// A template with a header like the real ones and, for every answer of the
// page, a labelled line with its variable, broken over lines now and then as
// RTF writers do.
QByteArray templateFor(int page, bool textOnly = false)
{
    QByteArray t = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
                   "{\\f1\\fnil\\fcharset2 Wingdings;}}{\\colortbl;\\red255\\green0\\blue0;}\\v\\'b7\\v0 "
                   "\\pard\\plain\\fs24 Page ";
    t += QByteArray::number(page) + "\\par\r\n";
    for (int k = 0; k < TAnswer::AnswerCount(page); ++k) {
        // The directory worksheet prints the rows' texts only.
        t += "{\\b Item " + QByteArray::number(k) + ":} /" +
             (textOnly || page == DirectoryWorksheetPage ? '*' : Kinds[k % 8]);
        t += k % 10 == 3 ? QByteArray::number(k).insert(1, "\r\n") : QByteArray::number(k);
        t += "/\\par\r\n";
        if (k % 25 == 0)
            t += "\\fs22 smaller text\\fs24\r\n";
    }
    t += "\\par\r\n}\r\n";
    return t;
}

// Each form page starts on a new sheet: after a page break, or after a
// section break where the paper changes with it.
int printedPages(const QString &document)
{
    return int(document.count(QStringLiteral("\\page ")) + document.count(QStringLiteral("\\sect\\sectd"))) + 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    constexpr int runs = 21;
    CountingSink sink(5); // a full client prints without any
    InstallMessageSink(&sink);

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("RTF"));
    QDir(dir.path()).mkpath(QStringLiteral("DAT"));
    QDir(dir.path()).mkpath(QStringLiteral("TXT"));
    const QString rtf = dir.path() + QStringLiteral("/RTF");
    const QString dat = dir.path() + QStringLiteral("/DAT");
    qint64 templateBytes = 0;
    for (const SelectionBox &box : SelectionBoxes()) {
        for (int page : box.pages) {
            const QByteArray t = templateFor(page);
            templateBytes += t.size();
            writeFile(rtf + QStringLiteral("/page%1.rtf").arg(page), t);
            writeFile(dir.path() + QStringLiteral("/TXT/page%1.rtf").arg(page), templateFor(page, true));
            QByteArray data;
            for (int k = 0; k < TAnswer::AnswerCount(page); ++k)
                data += QByteArray::number(k) + " 1 2 1.5 72.0 540.25 11 item\r\n";
            writeFile(dat + QStringLiteral("/PAGE%1.DAT").arg(page), data);
        }
    }

    TAnswer store;
    DirectoryTable directory;
    FillFullClient(store, directory, 300, false);
    for (int p = 0; p < PageCount; ++p)
        for (int c = 0; c <= PageContinuationMax[p]; ++c)
            for (int k = 0; k <= PageAnswerMax[p]; ++k)
                store.SetText(p, c, k, answerFor(k));
    for (int k = 0; k < 101; k += 7)
        store.SetOvRide(1, 0, k, true);

    TemplateMerge merge(&store, dat);
    PrintJob job(store, directory, merge, rtf);

    // One page on its own: the scan over a working text of 101 variables.
    const QString page12 = ListText(SplitListText(QString::fromLatin1(templateFor(12))));
    Report("MergeTemplateText, one page (101 variables)", MedianMs(201, [&] {
               merge.SetWorkingText(page12);
               merge.MergeTemplateText(12, 0);
           }));

    const PrintSelection selectAll{SelectAllBoxes({})};
    int pages = 0;
    Report("BuildPrintDocument, Select All", MedianMs(runs, [&] {
               job.BuildPrintDocument(selectAll);
               // Each form page starts on a new sheet: after a page break, or
               // after a section break where the paper changes with it.
               pages = printedPages(job.PrintDocument());
           }));
    const qsizetype documentSize = job.PrintDocument().size();
    Report("BuildPrintDocument, Select All (processor time)",
           MedianCpuMs(runs, [&] { job.BuildPrintDocument(selectAll); }));

    // The same pages with text variables only: the merge and assembly
    // without the number and date conversions.
    {
        PrintJob textJob(store, directory, merge, dir.path() + QStringLiteral("/TXT"));
        Report("BuildPrintDocument, Select All, text variables only",
               MedianCpuMs(runs, [&] { textJob.BuildPrintDocument(selectAll); }));
    }

    PrintSelection everyBox;
    for (const SelectionBox &box : SelectionBoxes())
        everyBox.SetChecked(box.name);
    Report("BuildPrintDocument, every box", MedianMs(runs, [&] { job.BuildPrintDocument(everyBox); }));
    // Every box prints the stock certificate's front and back once for each
    // certificate of the share ledger outstanding: the figure grows with them.
    job.BuildPrintDocument(everyBox);
    const int everyBoxPages = printedPages(job.PrintDocument());

    job.BuildPrintDocument(selectAll);
    const QString out = dir.path() + QStringLiteral("/send_temp.rtf");
    Report("WritePrintDocument (ASCII, to disk)",
           MedianMs(runs, [&] { WritePrintDocument(out, job.PrintDocument()); }));

    std::printf("Select All: %d printed pages, document %lld characters; templates %lld bytes; %d messages\n", pages,
                (long long)documentSize, (long long)templateBytes, sink.shown);
    std::printf("every box: %d printed pages\n", everyBoxPages);

    // A corporation of `holders` shareholders (three of them incorporators
    // and directors), calculated, and Select All through the templates the
    // build generates: the waiver, assent, subscription, acceptance and the
    // biennial report list every one.
    const QString support = QStringLiteral(BREVANE_BENCH_SUPPORT_DIR);
    const auto crowded = [&](int holders, qsizetype *size) {
        TAnswer answers;
        DirectoryTable people;
        people.Clear();
        answers.SetText(0, 0, G0::EntityName, QStringLiteral("Crowded Holdings, Inc."));
        answers.SetText(0, 0, G0::SharePrice, QStringLiteral("10.00"));
        for (int r = 0; r < holders; ++r) {
            people.AddRow();
            people.SetCell(r, ColCode,
                           r < 3   ? QStringLiteral("DOSCI")
                           : r % 7 ? QStringLiteral("SI")
                                   : QStringLiteral("SB"));
            people.SetCell(r, ColName, QStringLiteral("Shareholder Number %1").arg(r));
            people.SetCell(r, ColAddress, QStringLiteral("%1 Main Street").arg(r));
            people.SetCell(r, ColCity, QStringLiteral("Columbus"));
            people.SetCell(r, ColState, QStringLiteral("OH"));
            people.SetCell(r, ColZIP, QStringLiteral("43215"));
            people.SetCell(r, ColByName, QStringLiteral("Signer %1, Trustee").arg(r));
            people.SetCell(r, ColNoOfShares, QStringLiteral("100"));
            people.SetCell(r, ColClassOfShares, QStringLiteral("common"));
        }
        (void)Calculate(&answers, people);
        TemplateMerge realMerge(&answers, support + QStringLiteral("/DAT"));
        PrintJob realJob(answers, people, realMerge, support + QStringLiteral("/RTF"));
        const double ms = MedianCpuMs(holders >= 1000 ? 7 : runs, [&] { realJob.BuildPrintDocument(selectAll); });
        *size = realJob.PrintDocument().size();
        return ms;
    };
    qsizetype size10 = 0, size100 = 0, size1000 = 0;
    const double ten = crowded(10, &size10);
    const double hundred = crowded(100, &size100);
    const double thousand = crowded(1000, &size1000);
    Report("Select All, 10 shareholders, program's templates", ten);
    Report("Select All, 100 shareholders, program's templates", hundred);
    Report("Select All, 1,000 shareholders, program's templates", thousand);
    std::printf("documents: %lld, %lld and %lld characters; 1,000 against 100 shareholders: time x%.2f, "
                "document x%.2f (rows x10)\n",
                (long long)size10, (long long)size100, (long long)size1000, thousand / hundred,
                double(size1000) / double(size100));
    InstallMessageSink(nullptr);
    return 0;
}
