#include "gui/office/TfrmClients.h"

#include "core/document/ClientDocument.h"
#include "gui/common/MainWindow.h"
#include "gui/common/Sender.h"
#include "gui/files/FileCommands.h"
#include "gui/office/TfrmCalendar.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace brevane {

namespace {

// What a column sorts by: dates and counts by value, texts without case.
constexpr int SortRole = Qt::UserRole + 1;
constexpr int PathRole = Qt::UserRole + 2;
// Changes to the folder within this time are read together.
constexpr int SettleMs = 300;

QStandardItem *cell(const QString &text, const QVariant &sortKey, const QString &tip = QString())
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(sortKey, SortRole);
    if (!tip.isEmpty())
        item->setToolTip(tip);
    return item;
}

} // namespace

TfrmClients::TfrmClients(TMainWindow &main, QWidget *parent)
    : QDialog(parent)
    , main_(main)
{
    setObjectName(QStringLiteral("frmClients"));
    setWindowTitle(QStringLiteral("Clients"));
    auto *layout = new QVBoxLayout(this);

    folderLabel_ = new QLabel(this);
    folderLabel_->setObjectName(QStringLiteral("lblFolder"));
    folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(folderLabel_);

    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("edtFilter"));
    filter_->setPlaceholderText(QStringLiteral("Type to filter: name, kind, charter number, agent, file..."));
    filter_->setClearButtonEnabled(true);
    filter_->installEventFilter(this);
    layout->addWidget(filter_);

    model_ = new QStandardItemModel(0, ColumnCount, this);
    model_->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Kind"), QStringLiteral("Charter No."),
                                       QStringLiteral("Filed"), QStringLiteral("Statutory agent"),
                                       QStringLiteral("Last saved"), QStringLiteral("Must fix"),
                                       QStringLiteral("Next due"), QStringLiteral("State"), QStringLiteral("File")});
    model_->horizontalHeaderItem(ColMustFix)
        ->setToolTip(QStringLiteral("Findings of the check before filing that must be fixed before the papers are "
                                    "filed."));
    model_->horizontalHeaderItem(ColNextDue)
        ->setToolTip(QStringLiteral("The next date the law or the client's papers set; the client's calendar says "
                                    "why."));
    proxy_ = new QSortFilterProxyModel(this);
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(SortRole);
    proxy_->setSortCaseSensitivity(Qt::CaseInsensitive);
    proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy_->setFilterKeyColumn(-1); // every column

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tblClients"));
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(ColName, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    table_->installEventFilter(this);
    layout->addWidget(table_, 1);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblSummary"));
    layout->addWidget(summary_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    open_ = buttons->addButton(QStringLiteral("&Open"), QDialogButtonBox::ActionRole);
    open_->setObjectName(QStringLiteral("btnOpen"));
    clientCalendar_ = buttons->addButton(QStringLiteral("Client &Calendar..."), QDialogButtonBox::ActionRole);
    clientCalendar_->setObjectName(QStringLiteral("btnClientCalendar"));
    QPushButton *office = buttons->addButton(QStringLiteral("O&ffice Calendar..."), QDialogButtonBox::ActionRole);
    office->setObjectName(QStringLiteral("btnOfficeCalendar"));
    office->setToolTip(QStringLiteral("The due dates of every client in the next 90 days."));
    layout->addWidget(buttons);
    open_->setAutoDefault(false);
    clientCalendar_->setAutoDefault(false);
    office->setAutoDefault(false);

    const auto currentRow = [this] { return table_->currentIndex().isValid() ? table_->currentIndex().row() : -1; };
    connect(table_, &QTableView::activated, this, [this](const QModelIndex &index) { OpenRow(index.row()); });
    connect(open_, &QPushButton::clicked, this, [this, currentRow] { OpenRow(currentRow()); });
    connect(clientCalendar_, &QPushButton::clicked, this, [this, currentRow] { ShowClientCalendar(currentRow()); });
    connect(office, &QPushButton::clicked, this, &TfrmClients::ShowOfficeCalendar);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString &text) {
        proxy_->setFilterFixedString(text.trimmed());
        if (!table_->currentIndex().isValid() && proxy_->rowCount() > 0)
            table_->setCurrentIndex(proxy_->index(0, 0));
    });

    watcher_ = new QFileSystemWatcher(this);
    settle_ = new QTimer(this);
    settle_->setSingleShot(true);
    settle_->setInterval(SettleMs);
    connect(settle_, &QTimer::timeout, this, &TfrmClients::Refresh);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));

    Refresh();
    // Wide enough for every column, as far as the screen allows.
    int width = table_->verticalScrollBar()->sizeHint().width() + 4 * layout->contentsMargins().left();
    for (int column = 0; column < ColumnCount; ++column)
        width += table_->columnWidth(column);
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int most = screen ? screen->availableGeometry().width() * 9 / 10 : 1200;
    resize(qBound(700, width, most), 520);
}

void TfrmClients::Refresh()
{
    const QString folder = main_.settings.clientFolder;
    register_.SetFolder(folder);
    const bool read = register_.Refresh(QDate::currentDate());
    folderLabel_->setText(read ? QStringLiteral("Client folder: %1").arg(QDir::toNativeSeparators(folder))
                               : QStringLiteral("The client folder %1 does not exist yet; choose it under Options, "
                                                "Default File Locations.")
                                     .arg(QDir::toNativeSeparators(folder)));
    fill();
    watch();
}

void TfrmClients::fill()
{
    const QString selected = pathOfRow(table_->currentIndex().row());
    const QLocale locale;
    model_->setRowCount(0);
    int mustFix = 0;
    int troubled = 0;
    for (const ClientSummary &c : register_.Clients()) {
        QList<QStandardItem *> row;
        const QString stateTip = c.problem.isEmpty() ? c.openBy : c.problem;
        const QDate filed = c.dates.filed;
        row << cell(c.DisplayName(), c.DisplayName().toLower(), QDir::toNativeSeparators(c.path));
        row << cell(KindName(c.kind), KindName(c.kind));
        row << cell(c.charter, c.charter);
        row << cell(filed.isValid() ? locale.toString(filed, QLocale::ShortFormat) : c.filingDate,
                    filed.isValid() ? QVariant(filed) : QVariant(QDate()));
        row << cell(c.agent, c.agent.toLower());
        row << cell(locale.toString(c.lastSaved, QLocale::ShortFormat), c.lastSaved);
        row << cell(c.mustFix < 0 ? QString() : QString::number(c.mustFix), c.mustFix);
        if (c.nextDue)
            row << cell(locale.toString(c.nextDue->date, QLocale::ShortFormat), c.nextDue->date,
                        c.nextDue->title + QStringLiteral(" (") + c.nextDue->source + QLatin1Char(')'));
        else
            row << cell(QString(), QDate());
        row << cell(c.StateText(), c.StateText(), stateTip);
        row << cell(c.relativePath, c.relativePath.toLower(), QDir::toNativeSeparators(c.path));
        row.first()->setData(c.path, PathRole);
        if (c.state != ClientFileState::Ready)
            for (QStandardItem *item : row)
                item->setForeground(QColor(0xa0, 0x20, 0x20));
        model_->appendRow(row);
        mustFix += c.mustFix > 0;
        troubled += c.state != ClientFileState::Ready;
    }
    table_->resizeColumnsToContents();
    QString text = QStringLiteral("%1 client%2")
                       .arg(register_.Clients().size())
                       .arg(register_.Clients().size() == 1 ? QString() : QStringLiteral("s"));
    if (mustFix)
        text += QStringLiteral("; %1 with findings to fix before filing").arg(mustFix);
    if (troubled)
        text += QStringLiteral("; %1 that cannot be read whole (see State)").arg(troubled);
    summary_->setText(text);
    // The row chosen before stays chosen.
    int current = 0;
    for (int r = 0; r < proxy_->rowCount(); ++r)
        if (pathOfRow(r) == selected)
            current = r;
    if (proxy_->rowCount() > 0)
        table_->setCurrentIndex(proxy_->index(current, 0));
}

void TfrmClients::watch()
{
    const QStringList watched = watcher_->directories();
    if (!watched.isEmpty())
        watcher_->removePaths(watched);
    if (!register_.Folders().isEmpty())
        watcher_->addPaths(register_.Folders());
}

QString TfrmClients::pathOfRow(int row) const
{
    if (row < 0 || row >= proxy_->rowCount())
        return QString();
    return proxy_->index(row, ColName).data(PathRole).toString();
}

QStringList TfrmClients::ShownFiles() const
{
    QStringList files;
    for (int r = 0; r < proxy_->rowCount(); ++r)
        files << pathOfRow(r);
    return files;
}

void TfrmClients::OpenRow(int row)
{
    const QString path = pathOfRow(row);
    if (path.isEmpty())
        return;
    main_.Files().OpenClientFile(path, TSender::Menu(0));
    // Opened: the client is what the user looks at now. A save question
    // answered with Cancel leaves the register as it was.
    if (QFileInfo(main_.Document().FileName()) == QFileInfo(path))
        hide();
}

void TfrmClients::ShowClientCalendar(int row)
{
    const QString path = pathOfRow(row);
    for (const ClientSummary &c : register_.Clients()) {
        if (c.path != path)
            continue;
        TfrmCalendar calendar({c}, c.DisplayName(), QDate::currentDate(), this);
        calendar.exec();
        return;
    }
}

void TfrmClients::ShowOfficeCalendar()
{
    TfrmCalendar calendar(register_.Clients(), QStringLiteral("every client"), QDate::currentDate(), this);
    calendar.exec();
}

bool TfrmClients::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == filter_) {
        // Down and Enter from the filter go to the table's rows.
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_PageDown) {
            table_->setFocus();
            return false;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            OpenRow(table_->currentIndex().isValid() ? table_->currentIndex().row() : 0);
            return true;
        }
    } else if (watched == table_) {
        // Typing in the table filters, as in the filter field.
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            filter_->setFocus();
            filter_->insert(text);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

TfrmClients *TfrmClients::ShowFor(TMainWindow &main)
{
    QWidget *window = main.Window();
    auto *clients = window->findChild<TfrmClients *>(QStringLiteral("frmClients"), Qt::FindDirectChildrenOnly);
    if (!clients) {
        clients = new TfrmClients(main, window);
    } else {
        // Every client again, the columns as wide as their texts.
        clients->filter_->clear();
        clients->Refresh();
    }
    clients->show();
    clients->raise();
    clients->activateWindow();
    clients->filter_->setFocus();
    return clients;
}

void TfrmClients::OfferAtStart(TMainWindow &main)
{
    if (!TFileCommands::IsUntitled(main.Document().FileName()) || main.Document().IsModified())
        return;
    ClientRegister office(main.settings.clientFolder);
    if (!office.Refresh() || office.Clients().isEmpty())
        return;
    ShowFor(main);
}

} // namespace brevane
