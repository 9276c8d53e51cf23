#include "ui/archive/SensorHistory.h"

#include "archive/ArchiveService.h"
#include "print/ScaleSheet.h"
#include "ui/archive/ArchiveModel.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace dravino {

namespace {
// The most checks of one code the window lists: years of a busy bench.
constexpr int kMostChecks = 1000;
}

// Bar as the sheet writes them: whole, without a thousands' separator.
QString barText(double bar) { return QString::number(qRound64(bar)); }

HistoryPlot::HistoryPlot(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("graStoria"));
    setAccessibleName(SensorHistory::tr("Andamento della media"));
    setMinimumHeight(140);
    setFocusPolicy(Qt::NoFocus);
}

void HistoryPlot::show(const QList<HistoryPoint> &points, int nominal)
{
    m_points = points;
    m_nominal = nominal;
    QString said;
    if (!points.isEmpty()) {
        const QLocale l;
        said = SensorHistory::tr("Media da %1 bar (%2) a %3 bar (%4)")
                   .arg(barText(points.first().average), l.toString(points.first().at.date(), QLocale::ShortFormat),
                        barText(points.last().average), l.toString(points.last().at.date(), QLocale::ShortFormat));
    }
    setAccessibleDescription(said);
    update();
}

void HistoryPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().text().color());
    drawHistoryChart(painter, QRectF(rect()).adjusted(4, 4, -4, -4), m_points, m_nominal);
}

QString SensorHistory::driftText(const Cell &average, const Cell &first)
{
    const auto a = cellNumber(average), f = cellNumber(first);
    if (!a || !f)
        return {};
    const double drift = *a - *f;
    return drift > 0 ? QLatin1Char('+') + barText(drift) : barText(drift);
}

void HistoryModel::show(const QList<CheckSummary> &newestFirst)
{
    beginResetModel();
    m_checks = QList<CheckSummary>(newestFirst.rbegin(), newestFirst.rend());
    endResetModel();
}

int HistoryModel::rowOf(const QString &key) const
{
    for (int row = 0; row < m_checks.size(); ++row)
        if (m_checks[row].key == key)
            return row;
    return -1;
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_checks.size())
        return {};
    const CheckSummary &c = m_checks[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        switch (Column(index.column())) {
        case Taken: return ArchiveModel::cell(c, ArchiveModel::Taken);
        case Certificate: return c.certificate;
        case Result: return ArchiveModel::verdictText(c.verdict);
        case Average: return ArchiveModel::cell(c, ArchiveModel::Average);
        case Drift: return SensorHistory::driftText(c.average, m_checks.first().average);
        case Columns: break;
        }
        break;
    case Qt::TextAlignmentRole:
        if (index.column() >= Average)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case Qt::ForegroundRole:
        if (index.column() == Result && c.verdict != SensorVerdict::Unknown)
            return verdictColor(c.verdict == SensorVerdict::Pass ? Verdict::Green : Verdict::Red);
        break;
    }
    return {};
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (Column(section)) {
    case Taken: return ArchiveModel::heading(ArchiveModel::Taken);
    case Certificate: return ArchiveModel::heading(ArchiveModel::Certificate);
    case Result: return ArchiveModel::heading(ArchiveModel::Result);
    case Average: return ArchiveModel::heading(ArchiveModel::Average);
    case Drift: return SensorHistory::tr("Deriva dalla prima");
    case Columns: break;
    }
    return {};
}

SensorHistory::SensorHistory(ArchiveService *archive, const CheckSummary &selected, int nominal, QWidget *parent)
    : QDialog(parent), m_nominal(nominal)
{
    setObjectName(QStringLiteral("frmStoria"));
    setWindowTitle(tr("Storia del sensore %1").arg(selected.code));
    setAccessibleName(windowTitle());
    m_plot = new HistoryPlot(this);
    m_model = new HistoryModel(this);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("lstStoria"));
    m_list->setAccessibleName(tr("Prove del sensore"));
    m_list->setModel(m_model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setTabKeyNavigation(false);
    m_state = new QLabel(tr("Ricerca in corso..."), this);
    m_state->setObjectName(QStringLiteral("lblStoria"));
    m_state->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Chiudi"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdChiudiStoria"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_plot, 2);
    layout->addWidget(m_list, 3);
    layout->addWidget(m_state);
    layout->addWidget(buttons);
    resize(620, 480);
    if (!archive) {
        m_state->setText(tr("L'archivio non si può leggere."));
        return;
    }
    CheckQuery query;
    query.code = selected.code;
    archive->page(query, std::nullopt, kMostChecks, true, this, [this, key = selected.key](const ArchiveReply &reply) {
        if (!reply.ok) {
            m_state->setText(tr("L'archivio non si può leggere: %1").arg(reply.error));
            return;
        }
        showChecks(reply.page, key);
        const QLocale l;
        QString state = tr("Prove del sensore: %1 (conformi %2, non conformi %3)")
                            .arg(l.toString(reply.total), l.toString(reply.passing), l.toString(reply.failing));
        if (reply.total > reply.page.size())
            state += tr("; le %Ln più recenti qui sopra", nullptr, int(reply.page.size()));
        m_state->setText(state);
    });
}

void SensorHistory::showChecks(const QList<CheckSummary> &newestFirst, const QString &selectedKey)
{
    m_model->show(newestFirst);
    QList<HistoryPoint> points;
    for (const CheckSummary &c : m_model->checks())
        if (const auto average = cellNumber(c.average))
            points << HistoryPoint{c.takenAt, *average,
                                   c.verdict == SensorVerdict::Unknown ? std::nullopt : std::optional<bool>(c.verdict == SensorVerdict::Pass)};
    m_list->resizeColumnsToContents();
    if (const int current = m_model->rowOf(selectedKey); current >= 0) {
        m_list->selectRow(current);
        m_list->scrollTo(m_model->index(current, 0));
    }
    m_plot->show(points, m_nominal);
}

} // namespace dravino
