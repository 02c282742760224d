// The desktop program under the offscreen platform: start-up to the first
// page shown, building a page of 300 controls, and leaving a field on a full
// client (transfer, one calculation run, refill).
//
//   QT_QPA_PLATFORM=offscreen build-bench/bench/bench_gui
#include "BenchSupport.h"
#include "core/calc/Calculate.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/files/Folders.h"
#include "core/screens/ComponentWriter.h"
#include "gui/app/Navigation.h"
#include "gui/app/TfrmMain.h"
#include "gui/screens/CalcCommands.h"
#include "gui/screens/PageBuilder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

using namespace brevane;
using namespace brevane::bench;

namespace {

ComponentRecord control(const char *className, const QString &name, int tag, double x, double y, double w, double h,
                        const QString &style = QString())
{
    ComponentRecord r;
    r.className = QLatin1String(className);
    r.name = name;
    if (tag)
        r.Set(QStringLiteral("Tag"), StreamValue::Integer(tag));
    r.Set(QStringLiteral("Position.X"), StreamValue::Number(x));
    r.Set(QStringLiteral("Position.Y"), StreamValue::Number(y));
    r.Set(QStringLiteral("Size.Width"), StreamValue::Number(w));
    r.Set(QStringLiteral("Size.Height"), StreamValue::Number(h));
    if (!style.isEmpty())
        r.Set(QStringLiteral("StyleLookup"), StreamValue::Text(style));
    return r;
}

// A page of `rows` rows, each a caption label and a bound control: text,
// money, percent and whole-number edits (a third of them computed fields),
// check boxes, memos and help buttons with callouts, 2 controls a row.
ComponentRecord page(int rows)
{
    ComponentRecord root;
    root.className = QStringLiteral("TLayout");
    root.name = QStringLiteral("Page");
    root.Set(QStringLiteral("Size.Width"), StreamValue::Number(1000));
    root.Set(QStringLiteral("Size.Height"), StreamValue::Number(30.0 * rows + 40));
    for (int i = 0; i < rows; ++i) {
        const double y = 20 + 30.0 * i;
        ComponentRecord label = control("TLabel", QStringLiteral("lbl%1").arg(i), 0, 20, y, 360, 24);
        label.Set(QStringLiteral("Text"), StreamValue::Text(QStringLiteral("Caption of the answer number %1").arg(i)));
        root.children.append(label);
        const int answer = i % 100;
        const QString name = QStringLiteral("ctl%1").arg(i);
        switch (i % 10) {
        case 7:
            root.children.append(control("TCheckBox", name, answer, 400, y, 200, 24));
            break;
        case 8:
            root.children.append(control("TMemo", name, answer, 400, y, 400, 26));
            break;
        case 9: {
            ComponentRecord edit = control("TEdit", name + QStringLiteral("HELP"), 1000 + answer, 400, y, 300, 24);
            ComponentRecord button = control("TButton", QStringLiteral("btn%1Help").arg(i), 0, 276, 0, 24, 24);
            ComponentRecord callout = control("TCalloutPanel", QStringLiteral("cal%1").arg(i), 0, 0, 24, 260, 90);
            callout.Set(QStringLiteral("Visible"), StreamValue::Boolean(false));
            button.children.append(callout);
            edit.children.append(button);
            root.children.append(edit);
            break;
        }
        default: {
            const int kind = 1 + i % 4;
            root.children.append(control("TEdit", name, kind * 1000 + answer, 400, y, 300, 24,
                                         i % 3 == 0 ? QStringLiteral("EditOverrideable") : QString()));
        }
        }
    }
    return root;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    CountingSink sink;
    InstallMessageSink(&sink);

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("program/PSF"));
    const QString psf = dir.path() + QStringLiteral("/program/PSF/");
    SaveComponentStream(psf + QStringLiteral("page0.psf"), {page(75)});  // 150 controls
    SaveComponentStream(psf + QStringLiteral("page7.psf"), {page(150)}); // 300 controls
    TStartOptions options;
    options.installRoot = dir.path() + QStringLiteral("/root/");
    options.programFolder = dir.path() + QStringLiteral("/program");
    options.screenSize = QSize(1920, 1080);

    const double startup = MedianMs(15, [&] {
        auto window = std::make_unique<TfrmMain>(options);
        window->show();
        QCoreApplication::processEvents();
        window->repaint();
    });
    Report("start-up to page 0 shown (150 controls)", startup);
    // The same with the program's own page screens, when they are found.
    TStartOptions installed = options;
    installed.programFolder = FindProgramFolder(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(installed.programFolder + QStringLiteral("/PSF/page0.psf"))) {
        Report("start-up to page 0 shown (the program's page 0)", MedianMs(15, [&] {
                   auto window = std::make_unique<TfrmMain>(installed);
                   window->show();
                   QCoreApplication::processEvents();
                   window->repaint();
               }));
    }

    TfrmMain window(options);
    window.show();
    QCoreApplication::processEvents();
    Report("LoadPage, 300 controls, empty client", MedianMs(31, [&] { window.Pages().LoadPage(700); }));

    // The client is filled as a file is read: no change by the user.
    static_cast<void>(window.Document().Fill([](TAnswer &answers, DirectoryTable &rows) {
        FillFullClient(answers, rows, 300, true);
        // The shown pages hold what their fields expect: amounts, percentages,
        // numbers and ticks read as such.
        for (int page : {0, 7})
            for (int k = 0; k <= 100; ++k)
                answers.SetText(page, 0, k, k % 10 == 7 ? QStringLiteral("X") : QStringLiteral("1,234.50"));
        return Outcome();
    }));
    window.GraphicsAdapterAdjust = true; // paint the page itself, not a transparent one
    Report("LoadPage, 300 controls, full client", MedianMs(31, [&] { window.Pages().LoadPage(700); }));
    Report("LoadPage and first paint, 300 controls, full client", MedianMs(31, [&] {
               window.Pages().LoadPage(700);
               window.repaint();
           }));
    Report("calculation run alone, full client", MedianMs(31, [&] {
               static_cast<void>(window.Document().Fill(
                   [](TAnswer &answers, DirectoryTable &rows) { return Calculate(&answers, rows); }));
           }));

    window.Navigation().DisplayAPage(window.Invisible(0));
    auto *edit = window.pnlMainForm->findChild<QLineEdit *>(QStringLiteral("ctl1")); // a money field
    Report("field exit on page 0, full client", MedianMs(101, [&] {
               edit->setText(QStringLiteral("1234.5"));
               window.Calc().CalcOnExit(edit);
           }));
    window.Navigation().DisplayAPage(window.Invisible(700));
    edit = window.pnlMainForm->findChild<QLineEdit *>(QStringLiteral("ctl1"));
    Report("field exit on a 300-control page, full client", MedianMs(101, [&] {
               edit->setText(QStringLiteral("1234.5"));
               window.Calc().CalcOnExit(edit);
           }));
    std::printf("messages shown: %d (pages overfilled by 300 rows report 18047)\n", sink.shown);
    InstallMessageSink(nullptr);
    return 0;
}
