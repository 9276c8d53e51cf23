#include "ui/archive/ArchiveWindow.h"

#include "print/PrintSurface.h"
#include "print/ScaleSheet.h"
#include "print/ValueTable.h"
#include "ui/Platform.h"
#include "ui/archive/Archive.h"
#include "ui/printjob/PageSender.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace dravino {

namespace {

// A date field that Tab leaves, as every other field (Qt's own walks its
// day, month and year first); the arrows still move between them.
class DateField final : public QDateEdit
{
public:
    using QDateEdit::QDateEdit;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

} // namespace

void printRecordedSheet(PrintSurface &surface, const CheckRecord &record)
{
    printScaleSheet(surface, {record.check, record.code, record.takenAt});
}

ArchiveWindow::ArchiveWindow(Platform &platform, std::function<ArchiveService *()> archive, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_archive(std::move(archive))
{
    setObjectName(QStringLiteral("frmArchivio"));
    setWindowTitle(tr("Archivio prove"));
    setAccessibleName(windowTitle());

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("txtCercaCodice"));
    m_search->setPlaceholderText(tr("parte del codice del sensore"));
    m_search->setClearButtonEnabled(true);
    m_from = new DateField(QDate::currentDate().addYears(-1), this);
    m_from->setObjectName(QStringLiteral("dtDa"));
    m_to = new DateField(QDate::currentDate(), this);
    m_to->setObjectName(QStringLiteral("dtA"));
    // The dates as the list shows them, in the window's language, with the
    // whole year.
    QString dateFormat = QLocale().dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QLatin1String("yyyy")))
        dateFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    for (QDateEdit *d : {m_from, m_to}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(dateFormat);
    }
    auto *filters = new QFormLayout;
    filters->addRow(tr("&Codice:"), m_search);
    auto *range = new QHBoxLayout;
    range->addWidget(m_from);
    auto *to = new QLabel(tr("&a"), this);
    to->setBuddy(m_to);
    range->addWidget(to);
    range->addWidget(m_to);
    range->addStretch();
    // A row of two dates: its label names the first of them.
    auto *from = new QLabel(tr("&Dal:"), this);
    from->setBuddy(m_from);
    filters->addRow(from, range);
    m_from->setAccessibleName(tr("Dal giorno"));
    m_to->setAccessibleName(tr("Al giorno"));
    m_search->setAccessibleName(tr("Codice del sensore"));

    m_list = new QTableWidget(0, 6, this);
    m_list->setObjectName(QStringLiteral("lstProve"));
    m_list->setAccessibleName(tr("Prove registrate"));
    m_list->setHorizontalHeaderLabels(headings());
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setTabKeyNavigation(false);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("lblStatoArchivio"));
    m_state->setWordWrap(true);
    m_state->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *open = new QPushButton(tr("&Apri"), this);
    open->setObjectName(QStringLiteral("cmdApri"));
    m_print = new QPushButton(tr("&Stampa"), this);
    m_print->setObjectName(QStringLiteral("cmdStampaArchivio"));
    auto *csv = new QPushButton(tr("Esporta &CSV..."), this);
    csv->setObjectName(QStringLiteral("cmdEsportaCsv"));
    auto *remove = new QPushButton(tr("&Elimina..."), this);
    remove->setObjectName(QStringLiteral("cmdElimina"));
    auto *close = new QPushButton(tr("Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdChiudiArchivio"));
    for (auto *b : {open, m_print, csv, remove, close})
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    for (auto *b : {open, m_print, csv, remove})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_list);
    layout->addWidget(m_state);
    layout->addLayout(buttons);
    resize(680, 420);

    m_sender = std::make_unique<PageSender>(m_platform, m_print, tr("Archivio prove"), true);
    // A check recorded meanwhile, a page's destination learnt, a record
    // deleted: the list follows.
    if (ArchiveService *service = m_archive())
        connect(service, &ArchiveService::changed, this, &ArchiveWindow::refresh);
    connect(m_search, &QLineEdit::textChanged, this, &ArchiveWindow::refresh);
    connect(m_from, &QDateEdit::dateChanged, this, &ArchiveWindow::refresh);
    connect(m_to, &QDateEdit::dateChanged, this, &ArchiveWindow::refresh);
    connect(m_list, &QTableWidget::cellActivated, this, &ArchiveWindow::openSelected);
    connect(open, &QPushButton::clicked, this, &ArchiveWindow::openSelected);
    connect(m_print, &QPushButton::clicked, this, [this] {
        const auto record = selectedRecord();
        if (!record || m_sender->refuseWhileBusy())
            return;
        const auto page = m_platform.newPage();
        printRecordedSheet(*page, *record);
        m_sender->send(*page, {});
    });
    connect(csv, &QPushButton::clicked, this, &ArchiveWindow::exportSelected);
    connect(remove, &QPushButton::clicked, this, &ArchiveWindow::deleteSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    refresh();
}

ArchiveWindow::~ArchiveWindow() = default;

QStringList ArchiveWindow::headings()
{
    return {tr("Data e ora"), tr("Sensore"), tr("Tipo"), tr("ADC"), tr("Media"), tr("Stampata su")};
}

void ArchiveWindow::refresh()
{
    ArchiveService *archive = m_archive();
    if (!archive)
        return;
    const quint64 search = ++m_searches;
    m_state->setText(tr("Ricerca in corso..."));
    archive->ask(
        this,
        [code = m_search->text(), from = m_from->date(), to = m_to->date()](Archive &a) {
            ArchiveReply reply;
            reply.records = a.find(code, from, to);
            reply.ok = a.error().isEmpty();
            reply.error = a.error();
            return reply;
        },
        [this, search](const ArchiveReply &reply) {
            if (search == m_searches) // an earlier search answered late
                showFound(reply);
        });
}

void ArchiveWindow::showFound(const ArchiveReply &reply)
{
    if (!reply.ok) {
        // What was listed stays; the line says why it is not up to date.
        m_state->setText(tr("L'archivio non si può leggere: %1").arg(reply.error));
        return;
    }
    // The row the technician was on stays selected when the list is read again.
    const QList<qint64> selected = selectedIds();
    m_records = reply.records;
    m_list->setRowCount(0);
    m_list->setRowCount(int(m_records.size()));
    for (int row = 0; row < m_records.size(); ++row) {
        const CheckRecord &r = m_records[row];
        const QStringList cells{QLocale().toString(r.takenAt, QLocale::ShortFormat), r.code,
                                r.denso ? tr("Denso") : tr("Bosch/VDO/Delphi"),
                                r.bits12 ? tr("12 bit") : tr("10 bit"), QString::fromStdString(r.check.media),
                                r.destination};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setData(Qt::UserRole, r.id);
            m_list->setItem(row, c, item);
        }
    }
    m_list->resizeColumnsToContents();
    int current = 0;
    for (int row = 0; row < m_records.size(); ++row)
        if (m_records[row].id == selected.value(0, -1))
            current = row;
    if (!m_records.isEmpty())
        m_list->selectRow(current);
    m_state->setText(m_records.isEmpty() ? tr("Nessuna prova trovata.") : tr("Prove trovate: %1").arg(m_records.size()));
}

QList<qint64> ArchiveWindow::selectedIds() const
{
    QList<qint64> ids;
    for (const QModelIndex &i : m_list->selectionModel()->selectedRows())
        ids << m_list->item(i.row(), 0)->data(Qt::UserRole).toLongLong();
    return ids;
}

std::optional<CheckRecord> ArchiveWindow::selectedRecord() const
{
    const auto ids = selectedIds();
    if (ids.isEmpty())
        return std::nullopt;
    for (const CheckRecord &r : m_records)
        if (r.id == ids.first())
            return r;
    return std::nullopt;
}

void ArchiveWindow::openSelected()
{
    const auto record = selectedRecord();
    if (!record)
        return;
    std::shared_ptr<PrintSurface> page = m_platform.newPage();
    printRecordedSheet(*page, *record);
    const QString what = tr("%1 del %2").arg(record->code.isEmpty() ? tr("Prova") : record->code,
                                             QLocale().toString(record->takenAt, QLocale::ShortFormat));
    const QString name = fileNameFor(tr("Scala %1 %2").arg(record->code, record->takenAt.date().toString(Qt::ISODate)));
    m_sender->route(PageSender::Destination::Preview, page, what, name + QStringLiteral(".pdf"));
}

void ArchiveWindow::exportSelected()
{
    const auto ids = selectedIds();
    if (ids.isEmpty())
        return;
    saveCsv(m_platform, this, tr("Prove.csv"), [this, &ids] {
        const QChar sep = csvSeparator();
        QStringList header = headings();
        for (int i = 0; i < kScaleRows; ++i)
            header << tr("BAR %1").arg(i) << tr("ADC %1").arg(i) << tr("mVolt %1").arg(i) << tr("SCALA %1").arg(i)
                   << tr("Linearità %1").arg(i) << tr("Scostamento %1").arg(i);
        QString out = csvLine(header, sep);
        for (const CheckRecord &r : m_records) {
            if (!ids.contains(r.id))
                continue;
            QStringList fields{r.takenAt.toString(Qt::ISODate), r.code, r.denso ? tr("Denso") : tr("Bosch/VDO/Delphi"),
                               r.bits12 ? tr("12 bit") : tr("10 bit"), QString::fromStdString(r.check.media), r.destination};
            for (int i = 0; i < kScaleRows; ++i)
                fields << QString::fromStdString(r.check.bar[i]) << QString::fromStdString(r.check.adc[i])
                       << QString::fromStdString(r.check.mvolt[i]) << QString::fromStdString(r.check.scala[i])
                       << QString::fromStdString(r.check.linearita[i]) << QString::fromStdString(r.check.scostamento[i]);
            out += csvLine(fields, sep);
        }
        return csvFile(out);
    }, tr("Prove salvate nel file CSV %1"));
}

void ArchiveWindow::deleteSelected()
{
    const auto record = selectedRecord();
    ArchiveService *archive = m_archive();
    if (!record || !archive)
        return;
    if (!m_platform.confirm(this,
                            tr("Eliminare la prova %1 del %2 dall'archivio?")
                                .arg(record->code, QLocale().toString(record->takenAt, QLocale::ShortFormat)),
                            tr("Archivio prove")))
        return;
    archive->ask(
        this,
        [id = record->id](Archive &a) {
            ArchiveReply reply;
            reply.ok = reply.changed = a.remove(id);
            reply.error = a.error().isEmpty() ? tr("non è più nell'archivio") : a.error();
            return reply;
        },
        [this](const ArchiveReply &reply) {
            if (!reply.ok)
                m_platform.message(this, tr("La prova non è stata eliminata: %1").arg(reply.error), tr("Archivio prove"),
                                   MessageIcon::Critical);
        });
}

} // namespace dravino
