#include "ui/archive/ArchiveModel.h"

#include "print/ScaleSheet.h"
#include "ui/Numbers.h"
#include "ui/archive/CheckRecorder.h"

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

QString ArchiveModel::cell(const CheckSummary &c, int column)
{
    switch (Column(column)) {
    case Taken: return takenText(c.takenAt);
    case Code: return c.code;
    case Result: return verdictText(c.verdict);
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
    case Columns: break;
    }
    return {};
}

int ArchiveModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }
int ArchiveModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : Columns; }

QVariant ArchiveModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const CheckSummary &c = m_rows[index.row()];
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
        // The verdict in its colour, as on the sheet.
        if (index.column() == Result && c.verdict != SensorVerdict::Unknown)
            return verdictColor(c.verdict == SensorVerdict::Pass ? Verdict::Green : Verdict::Red);
        break;
    case Qt::ToolTipRole:
        if (c.waiting)
            return tr("Conservata su questo banco: sarà inviata all'archivio quando il server risponderà.");
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
    for (int row = 0; row < m_rows.size(); ++row)
        if (m_rows[row].key == key)
            return row;
    return -1;
}

void ArchiveModel::search(const CheckQuery &query)
{
    m_query = query;
    ask({}, kPage, true);
}

void ArchiveModel::reload() { ask({}, std::clamp(int(m_rows.size()), kPage, 25 * kPage), true); }

bool ArchiveModel::canFetchMore(const QModelIndex &parent) const { return !parent.isValid() && m_more && !m_fetching; }

void ArchiveModel::fetchMore(const QModelIndex &parent)
{
    if (canFetchMore(parent))
        ask(m_rows.last(), kPage, false);
}

void ArchiveModel::ask(std::optional<CheckSummary> after, int limit, bool fresh)
{
    ArchiveService *archive = m_archive();
    if (!archive)
        return;
    const quint64 request = ++m_asked;
    if (fresh)
        m_fresh = request;
    m_fetching = true;
    // The checks waiting on the bench come with the first page: the next
    // ones start after the last one the archive itself gave.
    if (after && after->waiting)
        after.reset();
    archive->page(m_query, after, limit, fresh, this, [this, request, fresh, limit](const ArchiveReply &reply) {
        m_answered = std::max(m_answered, request);
        // An answer to a search since replaced, or a page of a list since read again, is dropped.
        if (request < m_fresh || (fresh && request != m_fresh)) {
            emit answered();
            return;
        }
        m_fetching = false;
        m_error = reply.ok ? QString() : reply.error;
        int fromArchive = 0;
        for (const CheckSummary &c : reply.page)
            fromArchive += c.waiting ? 0 : 1;
        if (fresh) {
            // What was listed stays where the archive could not be read.
            if (reply.ok || !reply.page.isEmpty() || m_rows.isEmpty()) {
                beginResetModel();
                m_rows = reply.page;
                m_total = reply.ok ? reply.total : int(reply.page.size());
                m_passing = reply.passing;
                m_failing = reply.failing;
                m_more = reply.ok && fromArchive == limit;
                endResetModel();
            }
            emit answered();
            emit reloaded();
            return;
        }
        if (!reply.page.isEmpty()) {
            beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + reply.page.size() - 1));
            m_rows += reply.page;
            endInsertRows();
        }
        m_more = reply.ok && fromArchive == limit;
        emit answered();
    });
}

} // namespace dravino
