#include "gui/office/TfrmCalendar.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/files/WholeFile.h"
#include "core/office/ICalendar.h"
#include "gui/dialogs/UserDialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace brevane {

TfrmCalendar::TfrmCalendar(const QList<ClientSummary> &clients, const QString &title, const QDate &from,
                           QWidget *parent)
    : QDialog(parent)
    , clients_(clients)
    , title_(title)
    , from_(from)
{
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(QStringLiteral("Due Dates - %1").arg(title));
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("lblHeading"));
    top->addWidget(heading_, 1);
    auto *daysLabel = new QLabel(QStringLiteral("&Days ahead:"), this);
    top->addWidget(daysLabel);
    daysBox_ = new QSpinBox(this);
    daysLabel->setBuddy(daysBox_);
    daysBox_->setObjectName(QStringLiteral("spnDays"));
    daysBox_->setRange(1, 3660);
    daysBox_->setValue(days_);
    daysBox_->setToolTip(QStringLiteral("How many days the list covers, from its first day on."));
    top->addWidget(daysBox_);
    layout->addLayout(top);

    table_ = new QTableWidget(0, ColumnCount, this);
    table_->setObjectName(QStringLiteral("tblDueDates"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Client"), QStringLiteral("What is due"), QStringLiteral("Source")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    layout->addWidget(table_, 1);

    help_ = new QLabel(this);
    help_->setObjectName(QStringLiteral("lblHelp"));
    help_->setWordWrap(true);
    help_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    help_->setFrameShape(QFrame::StyledPanel);
    help_->setMinimumHeight(help_->fontMetrics().lineSpacing() * 4);
    help_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(help_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *exportButton =
        buttons->addButton(QStringLiteral("&Export to iCalendar..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("btnExport"));
    exportButton->setToolTip(QStringLiteral("Saves these dates as an .ics file that calendar programs import."));
    connect(exportButton, &QPushButton::clicked, this, &TfrmCalendar::ExportClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(daysBox_, &QSpinBox::valueChanged, this, &TfrmCalendar::SetDays);
    connect(table_, &QTableWidget::currentCellChanged, this, &TfrmCalendar::showHelp);
    resize(900, 480);
    fill();
    table_->setFocus();
}

void TfrmCalendar::SetDays(int days)
{
    if (days == days_)
        return;
    days_ = days;
    if (daysBox_->value() != days)
        daysBox_->setValue(days);
    fill();
}

void TfrmCalendar::fill()
{
    const QDate to = from_.addDays(days_ - 1);
    dates_ = OfficeDueDates(clients_, from_, to);
    heading_->setText(QStringLiteral("%1 due date%2 of %3 from %4 to %5")
                          .arg(dates_.size())
                          .arg(dates_.size() == 1 ? QString() : QStringLiteral("s"))
                          .arg(title_, LongDate(from_), LongDate(to)));
    table_->setRowCount(int(dates_.size()));
    const QLocale locale;
    for (int row = 0; row < dates_.size(); ++row) {
        const OfficeDueDate &d = dates_[row];
        const QString tip = d.due.help + QStringLiteral("\n\nSource: ") + d.due.source;
        const QStringList cells = {locale.toString(d.due.date, QLocale::ShortFormat), d.clientName, d.due.title,
                                   d.due.source};
        for (int column = 0; column < ColumnCount; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setToolTip(tip);
            table_->setItem(row, column, item);
        }
    }
    table_->resizeColumnsToContents();
    if (!dates_.isEmpty())
        table_->setCurrentCell(0, 0);
    showHelp();
}

void TfrmCalendar::showHelp()
{
    const int row = table_->currentRow();
    if (row < 0 || row >= dates_.size()) {
        help_->setText(dates_.isEmpty() ? QStringLiteral("Nothing falls due in these days.") : QString());
        return;
    }
    const DueDate &d = dates_[row].due;
    help_->setText(
        QStringLiteral("<b>%1</b>, %2: %3<br><i>Source: %4</i>")
            .arg(d.title.toHtmlEscaped(), LongDate(d.date), d.help.toHtmlEscaped(), d.source.toHtmlEscaped()));
}

bool TfrmCalendar::ExportTo(const QString &path)
{
    QString error;
    if (!ReplaceFile(path, ICalendarOf(dates_, QDateTime::currentDateTimeUtc()), &error)) {
        ShowError(msg::CalendarNotSaved,
                  QDir::toNativeSeparators(path) + QStringLiteral(" (") + error + QLatin1Char(')'));
        return false;
    }
    return true;
}

void TfrmCalendar::ExportClick()
{
    QString path = UserDialogs::Current().SaveFileName(this, QStringLiteral("Export Due Dates"),
                                                       QDir::home().filePath(QStringLiteral("due-dates.ics")),
                                                       QStringLiteral("iCalendar files (*.ics)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive))
        path += QStringLiteral(".ics");
    ExportTo(path);
}

} // namespace brevane
