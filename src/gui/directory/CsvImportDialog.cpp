#include "gui/directory/CsvImportDialog.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/exchange/DirectoryColumns.h"

#include <QColor>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace brevane {

namespace {

constexpr int MostRowsShown = 1000;

QString headingOf(int column)
{
    return QLatin1String(DirectoryColumnNames[size_t(column)].heading);
}

// A cell's text on one line of the preview.
QString shown(const QString &cell)
{
    QString text = cell;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" | "));
    text.replace(QLatin1Char('\n'), QStringLiteral(" | "));
    text.replace(QLatin1Char('\r'), QStringLiteral(" | "));
    return text;
}

} // namespace

CsvImportDialog::CsvImportDialog(DirectoryCsvImport import, const QString &fileName, const DirectoryTable &current,
                                 QWidget *parent)
    : QDialog(parent)
    , import_(std::move(import))
    , fileName_(fileName)
{
    setObjectName(QStringLiteral("dlgCsvImport"));
    setWindowTitle(QStringLiteral("Import from CSV"));
    resize(860, 620);

    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(
        QStringLiteral("%1: %2 rows below a heading line of %3 columns. Choose where each column of the file goes; "
                       "the worksheet changes only when you press Import.")
            .arg(fileName_)
            .arg(import_.Records().size())
            .arg(import_.Headings().size()),
        this);
    intro->setObjectName(QStringLiteral("lblFile"));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto *mappingBox = new QGroupBox(QStringLiteral("Columns of the file"), this);
    auto *mappingLayout = new QVBoxLayout(mappingBox);
    // A file with more columns than a worksheet file may have is refused;
    // its first columns are shown.
    const int shownColumns = int(qMin(import_.Headings().size(), qsizetype(MostCsvColumns)));
    tblMapping = new QTableWidget(shownColumns, 3, mappingBox);
    tblMapping->setObjectName(QStringLiteral("tblMapping"));
    tblMapping->setHorizontalHeaderLabels(
        {QStringLiteral("Column of the file"), QStringLiteral("First row"), QStringLiteral("Goes into")});
    tblMapping->verticalHeader()->setVisible(false);
    tblMapping->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblMapping->setSelectionMode(QAbstractItemView::NoSelection);
    tblMapping->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int i = 0; i < shownColumns; ++i) {
        tblMapping->setItem(i, 0, new QTableWidgetItem(import_.Headings()[i]));
        const QString first = import_.Records().isEmpty() || i >= import_.Records().first().fields.size()
                                  ? QString()
                                  : shown(import_.Records().first().fields[i]);
        tblMapping->setItem(i, 1, new QTableWidgetItem(first));
        auto *target = new QComboBox(tblMapping);
        target->setObjectName(QStringLiteral("cmbColumn%1").arg(i));
        target->setAccessibleName(QStringLiteral("Where the column %1 goes").arg(import_.Headings()[i]));
        target->addItem(QStringLiteral("(not imported)"), -1);
        for (int column = 0; column < DirectoryColumnCount; ++column)
            target->addItem(headingOf(column), column);
        target->setCurrentIndex(target->findData(i < import_.Mapping.size() ? import_.Mapping[i] : -1));
        connect(target, &QComboBox::currentIndexChanged, this, [this, i, target] {
            import_.Mapping[i] = target->currentData().toInt();
            Refresh();
        });
        tblMapping->setCellWidget(i, 2, target);
        targets_ << target;
    }
    tblMapping->setMaximumHeight(tblMapping->verticalHeader()->defaultSectionSize() * 6 +
                                 tblMapping->horizontalHeader()->sizeHint().height() + 4);
    mappingLayout->addWidget(tblMapping);
    layout->addWidget(mappingBox);

    auto *previewBox = new QGroupBox(QStringLiteral("The rows as they will come in, by their line in the file"), this);
    auto *previewLayout = new QVBoxLayout(previewBox);
    tblPreview = new QTableWidget(previewBox);
    tblPreview->setObjectName(QStringLiteral("tblPreview"));
    tblPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPreview->setSelectionBehavior(QAbstractItemView::SelectRows);
    previewLayout->addWidget(tblPreview);
    layout->addWidget(previewBox, 1);

    lblProblems = new QLabel(this);
    lblProblems->setObjectName(QStringLiteral("lblProblems"));
    lblProblems->setWordWrap(true);
    lblProblems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblProblems);

    auto *modeBox = new QGroupBox(QStringLiteral("The worksheet's rows"), this);
    auto *modeLayout = new QVBoxLayout(modeBox);
    int filled = 0;
    for (const DirectoryRow &row : current.Rows())
        filled += std::any_of(row.begin(), row.end(), [](const QString &cell) { return !cell.isEmpty(); }) ? 1 : 0;
    rbtnAdd = new QRadioButton(
        filled == 0 ? QStringLiteral("Add the rows (the worksheet holds none yet)")
                    : QStringLiteral("Add the rows after the worksheet's %1 rows").arg(current.RowCount()),
        modeBox);
    rbtnAdd->setObjectName(QStringLiteral("rbtnAdd"));
    rbtnReplace = new QRadioButton(QStringLiteral("Replace the worksheet's rows with them"), modeBox);
    rbtnReplace->setObjectName(QStringLiteral("rbtnReplace"));
    rbtnAdd->setChecked(true);
    modeLayout->addWidget(rbtnAdd);
    modeLayout->addWidget(rbtnReplace);
    layout->addWidget(modeBox);

    auto *buttons = new QDialogButtonBox(this);
    btnImport = buttons->addButton(QStringLiteral("Import"), QDialogButtonBox::AcceptRole);
    btnImport->setObjectName(QStringLiteral("btnImport"));
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (import_.Problems().isEmpty())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    Refresh();
}

bool CsvImportDialog::ReplaceRows() const
{
    return rbtnReplace->isChecked();
}

void CsvImportDialog::Refresh()
{
    const QList<CsvProblem> problems = import_.Problems();
    QSet<int> badLines;
    for (const CsvProblem &problem : problems)
        badLines.insert(problem.line);

    // The worksheet's columns the file fills, in the worksheet's order.
    QList<int> columns;
    for (int column = 0; column < DirectoryColumnCount; ++column)
        if (import_.Mapping.contains(column))
            columns << column;
    const DirectoryTable rows = import_.Rows();
    tblPreview->clear();
    tblPreview->setColumnCount(int(columns.size()));
    // The first rows of a long file are enough to judge it by; every bad
    // row is named below.
    const int shownRows = qMin(rows.RowCount(), MostRowsShown);
    tblPreview->setRowCount(shownRows);
    QStringList headings;
    for (int column : columns)
        headings << headingOf(column);
    tblPreview->setHorizontalHeaderLabels(headings);
    QStringList lines;
    for (int r = 0; r < shownRows; ++r) {
        const int line = import_.Records()[r].line;
        lines << QStringLiteral("line %1").arg(line);
        for (int c = 0; c < columns.size(); ++c) {
            auto *item = new QTableWidgetItem(shown(rows.Cell(r, columns[c])));
            if (badLines.contains(line)) {
                item->setBackground(QColor(255, 214, 214));
                item->setToolTip(QStringLiteral("This row keeps the file out; see below."));
            }
            tblPreview->setItem(r, c, item);
        }
    }
    tblPreview->setVerticalHeaderLabels(lines);
    tblPreview->resizeColumnsToContents();

    if (problems.isEmpty()) {
        lblProblems->setStyleSheet(QString());
        lblProblems->setText(rows.RowCount() > shownRows
                                 ? QStringLiteral("All %1 rows can be imported (the first %2 are shown).")
                                       .arg(rows.RowCount())
                                       .arg(shownRows)
                                 : QStringLiteral("All %1 rows can be imported.").arg(rows.RowCount()));
    } else {
        lblProblems->setStyleSheet(QStringLiteral("color: #a00000;"));
        lblProblems->setText(
            ComposeError(msg::DirectoryCsvRejected, fileName_ + QStringLiteral(": ") + import_.ProblemText()).text);
    }
    btnImport->setEnabled(problems.isEmpty());
}

} // namespace brevane
