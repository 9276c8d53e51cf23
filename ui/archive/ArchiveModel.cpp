#include "ui/archive/ArchiveModel.h"

#include "print/CalibrationCertificate.h"
#include "print/ScaleSheet.h"
#include "ui/Numbers.h"

#include <QFont>
#include <QLocale>

namespace dravino {

ArchiveModel::ArchiveModel(std::function<ArchiveService *()> archive, QObject *parent)
    : QAbstractTableModel(parent), m_archive(std::move(archive))
{
}

QString ArchiveModel::heading(int column)
{
    switch (Column(column)) {
    case Taken: return tr("Data e ora");
    case Code: return tr("Sensore");
    case Result: return tr("Esito");
    case Certificate: return tr("Certificato");
    case Type: return tr("Tipo");
    case Resolution: return tr("ADC");
    case Average: return tr("Media");
    case Destination: return tr("Stampata su");
    case Customer: return tr("Cliente");
    case Vehicle: return tr("Veicolo");
    case Job: return tr("Commessa");
    case Operator: return tr("Operatore");
    case Kind: return tr("Prova");
    case Columns: break;
    }
    return {};
}

namespace {
// The date with its whole year and the time, in the window's language
// (English's short form leaves the time out at some lengths).
QString takenText(const QDateTime &t)
{
    return QLocale().toString(t, wholeYearDateFormat() + QLatin1Char(' ') + QLocale().timeFormat(QLocale::ShortFormat));
}
} // namespace

QString ArchiveModel::verdictText(SensorVerdict v)
{
    return v == SensorVerdict::Pass ? tr("CONFORME") : v == SensorVerdict::Fail ? tr("NON CONFORME") : QString();
}

QString ArchiveModel::withdrawalText(const Withdrawal &w)
{
    return tr("Ritirato il %1 da %2: %3").arg(takenText(w.at), w.by, w.why);
}

QString ArchiveModel::cell(const CheckSummary &c, int column)
{
    switch (Column(column)) {
    case Taken: return takenText(c.takenAt);
    case Code: return c.code;
    case Result: {
        // A calibration's verdict in its own words, a conditional one too.
        // A guided test that could not be judged says so: it is no pass.
        const QString verdict = c.kind == CheckKind::Calibration && c.zone != Zone::NotJudged ? zoneWords(c.zone)
            : c.kind == CheckKind::Guided && c.verdict == SensorVerdict::Unknown              ? tr("NON VALUTABILE")
                                                                                               : verdictText(c.verdict);
        return c.withdrawal.withdrawn() ? tr("%1, RITIRATO").arg(verdict) : verdict;
    }
    case Certificate: return c.certificate;
    case Type: return c.denso ? tr("Denso") : tr("Bosch/VDO/Delphi");
    case Resolution: return c.bits12 ? tr("12 bit") : tr("10 bit");
    case Average: return cellText(c.average);
    case Destination:
        if (c.waiting && !c.refused.isEmpty())
            return tr("%1 (rifiutata dal server dell'archivio: %2)").arg(destinationText(c.destination), c.refused);
        return c.waiting ? tr("%1 (in attesa di invio all'archivio)").arg(destinationText(c.destination))
                         : destinationText(c.destination);
    case Customer: return c.jobData.customer;
    case Vehicle: return c.jobData.vehicle;
    case Job: return c.jobData.job;
    case Operator: return c.jobData.operatorName;
    case Kind: return c.kind == CheckKind::Calibration ? tr("taratura") : c.kind == CheckKind::Guided ? tr("prova guidata") : tr("scala");
    case Columns: break;
    }
    return {};
}

int ArchiveModel::listed() const
{
    int rows = int(m_bench.size());
    for (const QList<CheckSummary> &w : m_windows)
        rows += int(w.size());
    return rows;
}

int ArchiveModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_total >= 0 ? m_total : listed();
}

int ArchiveModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : Columns; }

const CheckSummary &ArchiveModel::at(int row) const
{
    static const CheckSummary none;
    if (row < 0)
        return none;
    if (row < m_bench.size())
        return m_bench[row];
    const int offset = row - int(m_bench.size());
    const auto w = m_windows.constFind(offset / kPage);
    if (w == m_windows.cend() || offset % kPage >= w->size())
        return none;
    return (*w)[offset % kPage];
}

QVariant ArchiveModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CheckSummary &c = at(index.row());
    if (c.key.isEmpty())
        return {}; // shown empty until its window comes
    switch (role) {
    case Qt::DisplayRole:
        return cell(c, index.column());
    case Qt::FontRole:
        if (c.waiting) {
            QFont italic;
            italic.setItalic(true);
            return italic;
        }
        break;
    case Qt::ForegroundRole:
        // A withdrawn certificate in grey; the verdict in its colour, as on the sheet.
        if (c.withdrawal.withdrawn())
            return QColor(Qt::darkGray);
        if (index.column() == Result && c.verdict != SensorVerdict::Unknown)
            return verdictColor(c.verdict == SensorVerdict::Pass ? Verdict::Green : Verdict::Red);
        break;
    case Qt::ToolTipRole:
        if (c.withdrawal.withdrawn())
            return withdrawalText(c.withdrawal);
        if (c.waiting)
            return tr("Conservata su questo banco: sarà inviata all'archivio quando il server risponderà.");
        if (!c.replaces.isEmpty())
            return tr("Sostituisce il certificato n. %1").arg(c.replaces);
        break;
    }
    return {};
}

QVariant ArchiveModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return heading(section);
    return {};
}

int ArchiveModel::rowOf(const QString &key) const
{
    for (int row = 0; row < m_bench.size(); ++row)
        if (m_bench[row].key == key)
            return row;
    for (auto w = m_windows.cbegin(); w != m_windows.cend(); ++w)
        for (int i = 0; i < w->size(); ++i)
            if ((*w)[i].key == key)
                return int(m_bench.size()) + w.key() * kPage + i;
    return -1;
}

void ArchiveModel::fetchRows(int first, int last)
{
    first = std::max(first, int(m_bench.size()));
    last = std::min(last, rowCount() - 1);
    if (last < first)
        return;
    const int bench = int(m_bench.size());
    for (int window = (first - bench) / kPage; window <= (last - bench) / kPage; ++window)
        askWindow(window);
}

bool ArchiveModel::readRows(const QList<int> &rows)
{
    bool all = true;
    for (const int row : rows)
        if (at(row).key.isEmpty() && row >= m_bench.size() && row < rowCount()) {
            all = false;
            askWindow((row - int(m_bench.size())) / kPage);
        }
    return all;
}

void ArchiveModel::search(const CheckQuery &query)
{
    m_query = query;
    ask(kPage);
}

// As far as the list had reached from its start, within reason.
void ArchiveModel::reload()
{
    int reached = 0;
    while (m_windows.contains(reached / kPage) && reached < 25 * kPage)
        reached += kPage;
    ask(std::max(reached, kPage));
}

void ArchiveModel::ask(int limit)
{
    ArchiveService *archive = m_archive();
    if (!archive)
        return;
    const quint64 request = ++m_asked;
    m_fresh = request;
    archive->page(m_query, std::nullopt, limit, true, this, [this, request](const ArchiveReply &reply) {
        m_answered = std::max(m_answered, request);
        // An answer to a search since replaced is dropped.
        if (request != m_fresh) {
            emit answered();
            return;
        }
        m_error = reply.ok ? QString() : reply.error;
        // What was listed stays where the archive could not be read.
        if (reply.ok || !reply.page.isEmpty() || listed() == 0) {
            beginResetModel();
            m_bench.clear();
            m_windows.clear();
            m_asking.clear();
            QList<CheckSummary> fromArchive;
            for (const CheckSummary &c : reply.page)
                (c.waiting ? m_bench : fromArchive) << c;
            for (int i = 0; i < fromArchive.size(); i += kPage)
                m_windows.insert(i / kPage, fromArchive.mid(i, kPage));
            m_total = reply.ok ? reply.total : int(reply.page.size());
            m_passing = reply.passing;
            m_failing = reply.failing;
            endResetModel();
        }
        emit answered();
        emit reloaded();
    });
}

void ArchiveModel::askWindow(int window)
{
    ArchiveService *archive = m_archive();
    if (!archive || m_asking.contains(window) || m_windows.contains(window))
        return;
    m_asking.insert(window);
    const int total = m_total - int(m_bench.size());
    archive->window(m_query, window * kPage, kPage, total, this, [self = this, window, search = m_fresh](const ArchiveReply &reply) {
        // A window of a search since replaced, or of a list since read again, is dropped.
        if (search != self->m_fresh || !self->m_asking.remove(window))
            return;
        if (!reply.ok) {
            self->m_error = reply.error;
            emit self->answered();
            return;
        }
        self->m_windows.insert(window, reply.page);
        const int first = int(self->m_bench.size()) + window * kPage;
        const int last = std::min(first + int(reply.page.size()), self->rowCount()) - 1;
        if (last >= first)
            emit self->dataChanged(self->index(first, 0), self->index(last, Columns - 1));
    });
}

} // namespace dravino
