#include "ui/archive/ArchiveWindow.h"

#include "print/PrintSurface.h"
#include "print/ScaleSheet.h"
#include "print/Spreadsheet.h"
#include "print/ValueTable.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/archive/ArchiveModel.h"
#include "ui/archive/ChecksExport.h"
#include "ui/archive/DateField.h"
#include "ui/archive/RecordedSheet.h"
#include "ui/archive/PageIdentity.h"
#include "ui/archive/SensorHistory.h"
#include "ui/platform/Modal.h"
#include "ui/dialogs/WorkshopDialog.h"
#include "archive/Archive.h"
#include "archive/Location.h"
#include "base/Settings.h"
#include "base/Workers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>

namespace dravino {

ArchiveWindow::ArchiveWindow(Platform &platform, std::function<ArchiveService *()> archive, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_archive(std::move(archive))
{
    setObjectName(QStringLiteral("frmArchivio"));
    setWindowTitle(tr("Archivio prove"));
    setAccessibleName(windowTitle());

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("txtCercaCodice"));
    // What the search looks in, said where it is typed.
    m_search->setPlaceholderText(tr("codice del sensore, cliente, veicolo, commessa, operatore o n. di certificato"));
    m_search->setAccessibleDescription(m_search->placeholderText());
    m_search->setClearButtonEnabled(true);
    m_from = new DateField(QDate::currentDate().addYears(-1), this);
    m_from->setObjectName(QStringLiteral("dtDa"));
    m_to = new DateField(QDate::currentDate(), this);
    m_to->setObjectName(QStringLiteral("dtA"));
    // The dates as the list shows them, in the window's language, with the
    // whole year.
    for (QDateEdit *d : {m_from, m_to}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(wholeYearDateFormat());
    }
    auto *filters = new QFormLayout;
    filters->addRow(tr("&Codice:"), m_search);
    auto *range = new QHBoxLayout;
    range->addWidget(m_from);
    auto *to = new QLabel(tr("&a"), this);
    to->setBuddy(m_to);
    range->addWidget(to);
    range->addWidget(m_to);
    m_verdicts = new QComboBox(this);
    m_verdicts->setObjectName(QStringLiteral("cboEsito"));
    m_verdicts->addItems({tr("tutte"), tr("conformi"), tr("non conformi")});
    m_verdicts->setAccessibleName(tr("Esito delle prove"));
    auto *verdicts = new QLabel(tr("Es&ito:"), this);
    verdicts->setBuddy(m_verdicts);
    range->addSpacing(12);
    range->addWidget(verdicts);
    range->addWidget(m_verdicts);
    // Withdrawn certificates are kept, and listed when asked for.
    m_withdrawn = new QCheckBox(tr("Anche i &ritirati"), this);
    m_withdrawn->setObjectName(QStringLiteral("chkRitirati"));
    m_withdrawn->setToolTip(tr("Elenca anche i certificati ritirati, in grigio"));
    range->addSpacing(12);
    range->addWidget(m_withdrawn);
    range->addStretch();
    // A row of two dates: its label names the first of them.
    auto *from = new QLabel(tr("&Dal:"), this);
    from->setBuddy(m_from);
    filters->addRow(from, range);
    m_from->setAccessibleName(tr("Dal giorno"));
    m_to->setAccessibleName(tr("Al giorno"));
    m_search->setAccessibleName(tr("Codice del sensore"));

    m_model = new ArchiveModel(m_archive, this);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("lstProve"));
    m_list->setAccessibleName(tr("Prove registrate"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    // Columns fitted to the rows in view: the others may not be read yet.
    m_list->horizontalHeader()->setResizeContentsPrecision(0);
    m_list->setTabKeyNavigation(false);
    m_list->setWordWrap(false);
    // Which archive the window shows: the file, or the server (without its password).
    m_where = new QLabel(this);
    m_where->setObjectName(QStringLiteral("lblArchivio"));
    m_where->setWordWrap(true);
    m_where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (ArchiveService *service = m_archive()) {
        const QString shown = shownLocation(service->location());
        m_where->setText(service->isServer() ? tr("Archivio sul server: %1").arg(shown.isEmpty() ? tr("indirizzo non leggibile") : shown)
                                             : tr("Archivio di questo banco: %1").arg(shown));
    }
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
    auto *xlsx = new QPushButton(tr("Esporta &foglio di calcolo (.xlsx)..."), this);
    xlsx->setObjectName(QStringLiteral("cmdEsportaXlsx"));
    auto *history = new QPushButton(tr("S&toria..."), this);
    history->setObjectName(QStringLiteral("cmdStoria"));
    auto *remove = new QPushButton(tr("&Elimina..."), this);
    remove->setObjectName(QStringLiteral("cmdElimina"));
    remove->setToolTip(tr("Cancella una prova senza certificato; un certificato emesso si ritira e resta nell'archivio"));
    m_correctButton = new QPushButton(tr("Corre&ggi..."), this);
    m_correctButton->setObjectName(QStringLiteral("cmdCorreggi"));
    m_correctButton->setToolTip(tr("Riapre la taratura per un certificato nuovo che sostituisce questo"));
    auto *workshop = new QPushButton(tr("&Officina..."), this);
    workshop->setObjectName(QStringLiteral("cmdOfficina"));
    auto *close = new QPushButton(tr("Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdChiudiArchivio"));
    for (auto *b : {open, m_print, history, csv, xlsx, remove, m_correctButton, workshop, close})
        b->setAutoDefault(false);
    // Two rows, so that the window fits a small screen at 200 %: what is
    // done with a check, then where it goes and the window's own.
    auto *buttons = new QVBoxLayout;
    auto *check = new QHBoxLayout;
    for (auto *b : {open, m_print, history, remove, m_correctButton})
        check->addWidget(b);
    check->addStretch();
    auto *rest = new QHBoxLayout;
    for (auto *b : {csv, xlsx, workshop})
        rest->addWidget(b);
    rest->addStretch();
    rest->addWidget(close);
    buttons->addLayout(check);
    buttons->addLayout(rest);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_list);
    layout->addWidget(m_where);
    layout->addWidget(m_state);
    layout->addLayout(buttons);
    resize(720, 420);

    m_sender = std::make_unique<PageSender>(m_platform, m_print, tr("Archivio prove"), true);
    // A check recorded meanwhile (here or on another bench), a page's
    // destination learnt, a record deleted: the list follows.
    if (ArchiveService *service = m_archive())
        connect(service, &ArchiveService::changed, m_model, &ArchiveModel::reload);
    connect(m_model, &ArchiveModel::answered, this, &ArchiveWindow::showState);
    // The rows the technician had selected stay so when the list is read again.
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_selected = selectedKeys();
        // (the row the technician is on may have been reached before its window came)
        if (const QModelIndex current = m_list->selectionModel()->currentIndex(); current.isValid())
            if (const QString &key = m_model->at(current.row()).key; !key.isEmpty())
                m_keep = key;
    });
    connect(m_model, &ArchiveModel::reloaded, this, [this] {
        if (m_model->rowCount() == 0)
            return;
        // The date and the verdict read whole, once: the widths the
        // technician sets stay.
        if (!std::exchange(m_columnsFitted, true))
            for (const int column : {ArchiveModel::Taken, ArchiveModel::Result, ArchiveModel::Certificate})
                m_list->resizeColumnToContents(column);
        const int current = std::max(0, m_model->rowOf(m_keep));
        m_list->selectionModel()->setCurrentIndex(m_model->index(current, 0),
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        for (const QString &key : std::as_const(m_selected))
            if (const int row = m_model->rowOf(key); row >= 0)
                m_list->selectionModel()->select(m_model->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    });
    // A check without a sensor's code has no history: no other check is its sensor's.
    const auto historyFor = [this, history](int row) {
        const CheckSummary &check = m_model->at(row);
        const bool none = !check.key.isEmpty() && check.code.isEmpty();
        history->setEnabled(!none);
        history->setToolTip(none ? tr("Questa prova non ha il codice del sensore: non ha una storia.") : QString());
        m_correctButton->setEnabled(check.kind == CheckKind::Calibration && !check.waiting);
    };
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this, historyFor](const QModelIndex &current) {
        if (current.isValid()) {
            m_keep = m_model->at(current.row()).key;
            historyFor(current.row());
        }
    });
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this, historyFor] {
        if (const QModelIndex current = m_list->selectionModel()->currentIndex(); current.isValid())
            historyFor(current.row());
    });
    // The rows in view are asked of the archive as they come into view
    // (scrolled, the window resized, the list read again).
    auto *fetch = new QTimer(this);
    fetch->setSingleShot(true);
    fetch->setInterval(0);
    connect(fetch, &QTimer::timeout, this, &ArchiveWindow::fetchVisible);
    for (QScrollBar *bar : {m_list->verticalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, fetch, qOverload<>(&QTimer::start));
        connect(bar, &QScrollBar::rangeChanged, fetch, qOverload<>(&QTimer::start));
    }
    connect(m_model, &QAbstractItemModel::modelReset, fetch, qOverload<>(&QTimer::start));
    connect(m_model, &ArchiveModel::reloaded, fetch, qOverload<>(&QTimer::start));
    m_fetch = fetch;
    connect(m_search, &QLineEdit::textChanged, this, &ArchiveWindow::refresh);
    connect(m_from, &QDateEdit::dateChanged, this, &ArchiveWindow::refresh);
    connect(m_to, &QDateEdit::dateChanged, this, &ArchiveWindow::refresh);
    connect(m_verdicts, &QComboBox::currentIndexChanged, this, &ArchiveWindow::refresh);
    connect(m_withdrawn, &QCheckBox::toggled, this, &ArchiveWindow::refresh);
    connect(m_correctButton, &QPushButton::clicked, this, &ArchiveWindow::correctSelected);
    connect(history, &QPushButton::clicked, this, &ArchiveWindow::showHistory);
    connect(m_list, &QTableView::activated, this, &ArchiveWindow::openSelected);
    connect(open, &QPushButton::clicked, this, &ArchiveWindow::openSelected);
    connect(m_print, &QPushButton::clicked, this, &ArchiveWindow::printSelected);
    connect(csv, &QPushButton::clicked, this, [this] { exportSelected(ExportKind::Csv); });
    connect(xlsx, &QPushButton::clicked, this, [this] { exportSelected(ExportKind::Spreadsheet); });
    connect(remove, &QPushButton::clicked, this, &ArchiveWindow::deleteSelected);
    connect(workshop, &QPushButton::clicked, this, [this] { WorkshopDialog::edit(m_platform, this); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    refresh();
}

ArchiveWindow::~ArchiveWindow() = default;

void ArchiveWindow::fetchVisible()
{
    const int first = m_list->rowAt(0);
    if (first < 0)
        return;
    const int last = m_list->rowAt(m_list->viewport()->height() - 1);
    m_model->fetchRows(first, last < 0 ? m_model->rowCount() - 1 : last);
}

void ArchiveWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_fetch)
        m_fetch->start();
}

void ArchiveWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitWindowToScreen(this);
    if (!std::exchange(m_offered, true))
        offerBenchChecks();
}


void ArchiveWindow::refresh()
{
    m_state->setText(tr("Ricerca in corso..."));
    m_model->search({m_search->text(), m_from->date(), m_to->date(), CheckQuery::Verdicts(m_verdicts->currentIndex()), {},
                     m_withdrawn->isChecked()});
}

void ArchiveWindow::showState()
{
    if (m_model->searching()) {
        m_state->setText(tr("Ricerca in corso..."));
        return;
    }
    if (!m_model->lastError().isEmpty()) {
        // What was listed stays; the line says why it is not up to date.
        m_state->setText(tr("L'archivio non si può leggere: %1").arg(m_model->lastError()));
        return;
    }
    const int total = m_model->total();
    const QLocale l;
    m_state->setText(total <= 0 ? tr("Nessuna prova trovata.")
                                : tr("Prove trovate: %1 (conformi %2, non conformi %3)")
                                      .arg(l.toString(total), l.toString(m_model->passing()), l.toString(m_model->failing())));
}

QStringList ArchiveWindow::selectedKeys() const
{
    QStringList keys;
    QModelIndexList rows = m_list->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    for (const QModelIndex &i : rows)
        if (const QString &key = m_model->at(i.row()).key; !key.isEmpty())
            keys << key;
    return keys;
}

void ArchiveWindow::withSelected(bool all, std::function<void(const QList<CheckRecord> &)> then)
{
    // Rows chosen far down a long list come from the archive as they are
    // shown: none is left out without a word.
    QList<int> chosen;
    for (const QModelIndex &i : m_list->selectionModel()->selectedRows())
        chosen << i.row();
    std::sort(chosen.begin(), chosen.end());
    if (!all)
        chosen = chosen.mid(0, 1);
    if (!m_model->readRows(chosen)) {
        m_platform.message(this, tr("Le prove scelte non sono ancora state lette tutte dall'archivio: riprova tra un momento."),
                           tr("Archivio prove"), MessageIcon::Information);
        return;
    }
    QStringList keys;
    QList<CheckSummary> asked; // (copies: the list may be read again meanwhile)
    for (const int row : std::as_const(chosen)) {
        keys << m_model->at(row).key;
        asked << m_model->at(row);
    }
    ArchiveService *archive = m_archive();
    if (keys.isEmpty() || !archive)
        return;
    archive->records(keys, this, [this, asked, then = std::move(then)](const ArchiveReply &reply) {
        // Every check chosen, or nothing done and the missing ones named:
        // an export of part of them is no export of what was chosen.
        QSet<QString> came;
        for (const CheckRecord &r : reply.records)
            came.insert(r.key);
        QStringList missing;
        for (const CheckSummary &c : asked)
            if (!came.contains(c.key))
                missing << tr("%1 del %2").arg(c.code.isEmpty() ? tr("senza codice") : c.code, QLocale().toString(c.takenAt, QLocale::ShortFormat));
        if (missing.isEmpty()) {
            then(reply.records);
            return;
        }
        const QString why = reply.error.isEmpty() ? tr("non ci sono più nell'archivio") : reply.error;
        constexpr int kNamed = 5;
        QString named = QStringList(missing.mid(0, kNamed)).join(QStringLiteral(", "));
        if (missing.size() > kNamed)
            named += tr(" e altre %1").arg(missing.size() - kNamed);
        m_platform.message(this,
                           asked.size() == 1 ? tr("L'archivio non si può leggere: %1").arg(reply.error.isEmpty() ? tr("la prova non c'è più") : reply.error)
                                             : tr("Delle %1 prove scelte l'archivio non ha dato %2 (%3): %4. Non è stato fatto nulla.")
                                                   .arg(asked.size())
                                                   .arg(missing.size())
                                                   .arg(named, why),
                           tr("Archivio prove"), MessageIcon::Critical);
    });
}

void ArchiveWindow::openSelected()
{
    withSelected(false, [this](const QList<CheckRecord> &records) {
        const CheckRecord &record = records.first();
        std::shared_ptr<PrintSurface> page = m_platform.newPage();
        printRecordedSheet(*page, record, pageFrame(m_platform, this));
        const QString what = tr("%1 del %2").arg(record.code.isEmpty() ? tr("Prova") : record.code,
                                                 QLocale().toString(record.takenAt, QLocale::ShortFormat));
        const QString name = fileNameFor((record.kind == CheckKind::Calibration ? tr("Taratura %1 %2")
                                          : record.kind == CheckKind::Guided    ? tr("Prova guidata %1 %2")
                                                                                : tr("Scala %1 %2"))
                                             .arg(record.code, record.takenAt.date().toString(Qt::ISODate)));
        m_sender->route(PageSender::Destination::Preview, page, what, name + QStringLiteral(".pdf"));
    });
}

void ArchiveWindow::printSelected()
{
    if (m_sender->refuseWhileBusy())
        return;
    withSelected(false, [this](const QList<CheckRecord> &records) {
        const auto page = m_platform.newPage();
        printRecordedSheet(*page, records.first(), pageFrame(m_platform, this));
        m_sender->send(*page, {});
    });
}

void ArchiveWindow::exportSelected(ExportKind kind)
{
    withSelected(true, [this, kind](const QList<CheckRecord> &records) {
        const bool csv = kind == ExportKind::Csv;
        saveExport(m_platform, this, kind, tr("Prove"),
                   [records, csv](QString *why) -> std::optional<QByteArray> {
                       if (csv)
                           return checksCsv(records);
                       return xlsxFile(checksSheet(records), why);
                   },
                   csv ? tr("Prove salvate nel file CSV %1") : tr("Prove salvate nel foglio di calcolo %1"));
    });
}

void ArchiveWindow::showHistory()
{
    withSelected(false, [this](const QList<CheckRecord> &records) {
        if (records.first().code.isEmpty())
            return; // (no sensor to follow)
        auto *history = new SensorHistory(m_archive(), records.first(), records.first().nominalFullScale, this);
        history->setAttribute(Qt::WA_DeleteOnClose);
        history->show();
    });
}

void ArchiveWindow::offerBenchChecks()
{
    // Once for each server: a bench that kept its own archive before it was
    // set to a shared one is offered to send its checks there.
    ArchiveService *service = m_archive();
    const QString file = defaultArchivePath();
    if (!service || !service->isServer() || !QFile::exists(file))
        return;
    const QString server = shownLocation(service->location());
    if (settingsValue(QStringLiteral("archive/benchSentTo")).toStringList().contains(server))
        return;
    offThread<int>(
        this,
        [file] {
            const Archive bench(file);
            return bench.isOpen() ? bench.count({}) : 0;
        },
        [this, file, server](int count) {
            ArchiveService *service = m_archive();
            if (count <= 0 || !service)
                return;
            QStringList offered = settingsValue(QStringLiteral("archive/benchSentTo")).toStringList();
            if (offered.contains(server))
                return;
            setSettingsValue(QStringLiteral("archive/benchSentTo"), offered << server);
            const QPointer<ArchiveWindow> self(this);
            if (!m_platform.confirm(this,
                                    tr("L'archivio di questo banco (%1) ha %Ln prove che l'archivio sul server %2 può non avere. "
                                       "Inviarle al server? Ogni prova vi arriva una volta sola.",
                                       nullptr, int(count))
                                        .arg(QDir::toNativeSeparators(file), server),
                                    tr("Archivio prove"))
                || !self)
                return;
            m_where->setText(tr("Invio delle prove di questo banco al server %1...").arg(server));
            service->sendBenchChecks(file, this, [this, server](const ArchiveReply &reply) {
                m_where->setText(tr("Archivio sul server: %1").arg(server));
                if (!reply.ok) {
                    // Not sent: offered again next time.
                    QStringList offered = settingsValue(QStringLiteral("archive/benchSentTo")).toStringList();
                    offered.removeAll(server);
                    setSettingsValue(QStringLiteral("archive/benchSentTo"), offered);
                    m_platform.message(this, tr("Le prove di questo banco non sono state inviate al server: %1").arg(reply.error),
                                       tr("Archivio prove"), MessageIcon::Critical);
                    return;
                }
                m_platform.message(this,
                                   tr("Prove di questo banco inviate al server %1: %2 (%Ln c'erano già).", nullptr, int(reply.already))
                                       .arg(server, QLocale().toString(reply.sent)),
                                   tr("Archivio prove"), MessageIcon::Information);
            });
        });
}

void ArchiveWindow::correctSelected()
{
    withSelected(false, [this](const QList<CheckRecord> &records) {
        const CheckRecord &record = records.first();
        if (record.kind != CheckKind::Calibration || !m_correct)
            return;
        m_correct(record);
    });
}

void ArchiveWindow::deleteSelected()
{
    const QStringList keys = selectedKeys();
    const int row = m_model->rowOf(keys.value(0));
    if (row < 0 || !m_archive())
        return;
    // A copy: the list may be read again while the question is open (a
    // check recorded, another bench's), and its rows with it.
    const CheckSummary check = m_model->at(row);
    const QPointer<ArchiveWindow> self(this); // (it may be closed and gone while asked)
    if (!check.certificate.isEmpty()) {
        // An issued certificate is never erased: withdrawn, who, when and why kept.
        if (check.withdrawal.withdrawn()) {
            m_platform.message(this, tr("Il certificato n. %1 è già ritirato. %2").arg(check.certificate, ArchiveModel::withdrawalText(check.withdrawal)),
                               tr("Archivio prove"), MessageIcon::Information);
            return;
        }
        const auto why = m_platform.inputText(this,
                                              tr("Il certificato n. %1 (%2 del %3) non si cancella: si ritira e resta nell'archivio, "
                                                 "segnato come ritirato. Perché lo ritiri?")
                                                  .arg(check.certificate, check.code, ArchiveModel::cell(check, ArchiveModel::Taken)),
                                              tr("Ritira il certificato"));
        if (!why || !self)
            return;
        if (why->trimmed().isEmpty()) {
            m_platform.message(this, tr("Senza un motivo il certificato non si ritira."), tr("Archivio prove"), MessageIcon::Exclamation);
            return;
        }
        ArchiveService *archive = m_archive();
        if (!archive)
            return;
        QString by = settingsValue(QStringLiteral("job/operator")).toString().trimmed();
        if (by.isEmpty())
            by = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
        const Withdrawal withdrawal{QDateTime::currentDateTime(), by, why->simplified()};
        const QString number = check.certificate;
        archive->withdraw(check.key, withdrawal, this, [this, number](const ArchiveReply &reply) {
            m_platform.message(this,
                               reply.ok ? tr("Il certificato n. %1 è ritirato: resta nell'archivio (Anche i ritirati lo elenca).").arg(number)
                                        : tr("Il certificato n. %1 non è stato ritirato: %2").arg(number, reply.error),
                               tr("Archivio prove"), reply.ok ? MessageIcon::Information : MessageIcon::Critical);
        });
        return;
    }
    if (!m_platform.confirm(this,
                            tr("Eliminare la prova %1 del %2 dall'archivio?")
                                .arg(check.code, QLocale().toString(check.takenAt, QLocale::ShortFormat)),
                            tr("Archivio prove"))
        || !self)
        return;
    ArchiveService *archive = m_archive();
    if (!archive)
        return;
    archive->remove(check.key, this, [this](const ArchiveReply &reply) {
        if (!reply.ok)
            m_platform.message(this, tr("La prova non è stata eliminata: %1").arg(reply.error), tr("Archivio prove"),
                               MessageIcon::Critical);
    });
}

} // namespace dravino
