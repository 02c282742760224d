#include "gui/ledger/ShareLedgerCommands.h"

#include "core/document/ClientDocument.h"
#include "core/ledger/ShareLedger.h"
#include "core/output/PrintSelection.h"
#include "gui/common/MainWindow.h"
#include "gui/ledger/TfrmLedgerEntry.h"
#include "gui/ledger/TfrmShareRegister.h"
#include "gui/output/OutputCommands.h"
#include "gui/screens/PageTransfer.h"

#include <QLocale>

namespace brevane {

QString RegionalDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

void RecordLedgerEntry(TMainWindow &main, int kind)
{
    main.Transfer().ControlsToAnswers();
    const auto entryKind = kind == 0   ? TfrmLedgerEntry::Kind::Transfer
                           : kind == 1 ? TfrmLedgerEntry::Kind::Issue
                                       : TfrmLedgerEntry::Kind::Redemption;
    TfrmLedgerEntry dialog(entryKind, main.Document(), main.Window());
    dialog.exec();
}

void ShowShareRegister(TMainWindow &main)
{
    main.Transfer().ControlsToAnswers();
    TfrmShareRegister::Hooks hooks;
    hooks.record = [&main](int kind) { RecordLedgerEntry(main, kind); };
    hooks.saveCertificates = [&main](const QList<int> &numbers) {
        PrintSelection selection;
        selection.SetChecked(QStringLiteral("cbxStockFront"));
        selection.certificates = numbers;
        main.Output().SaveAsPdf(selection);
    };
    hooks.printRegister = [&main](const QDate &asOf, bool pdf) {
        PrintSelection selection;
        selection.shareRegister = true;
        selection.registerAsOf = asOf;
        if (pdf)
            main.Output().SaveAsPdf(selection);
        else
            main.Output().PreviewPrint(selection);
    };
    TfrmShareRegister dialog(main.Document(), hooks, main.Window());
    dialog.exec();
}

} // namespace brevane
