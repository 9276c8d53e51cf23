#include "ui/trace/GuidedTestWindow.h"

#include "print/TraceChart.h"
#include "ui/CalculatorModel.h"
#include "ui/trace/TraceCapture.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace dravino {

namespace {
QString whole(double v)
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(qRound64(v));
}
QString seconds(double ms) { return QLocale().toString(ms / 1000.0, 'f', 1); }
} // namespace

GuidedTestWindow::GuidedTestWindow(const CalculatorModel &calculator, const TraceCapture &capture, QWidget *parent)
    : QWidget(parent, Qt::Window), m_calculator(calculator), m_capture(capture)
{
    setObjectName(QStringLiteral("frmProvaGuidata"));
    setWindowTitle(tr("Prova guidata del sensore"));
    auto *intro = new QLabel(tr("Sul veicolo, con la traccia (F7) in lettura o una traccia aperta da un file: chiave inserita a motore "
                                "spento, avviamento, minimo, un colpo di acceleratore, chiave disinserita fino allo zero; poi Valuta."),
                             this);
    intro->setWordWrap(true);
    m_limits = new QLabel(this);
    m_limits->setObjectName(QStringLiteral("lblLimitiProva"));
    m_limits->setWordWrap(true);
    m_steps = new QTableWidget(int(kGuidedSteps.size()), 5, this);
    m_steps->setObjectName(QStringLiteral("lstPassi"));
    m_steps->setAccessibleName(tr("Passi della prova"));
    // The verdict beside the step's name, the limits last (they wrap).
    m_steps->setHorizontalHeaderLabels({tr("Passo"), tr("Esito"), tr("Misurato"), tr("Parte della traccia"), tr("Limiti")});
    m_steps->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_steps->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_steps->verticalHeader()->hide();
    for (const int c : {0, 1, 3})
        m_steps->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    for (const int c : {2, 4}) // (what was measured and the limits wrap)
        m_steps->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    m_steps->setWordWrap(true);
    // The rows as high as their wrapped text at the columns' widths now.
    connect(m_steps->horizontalHeader(), &QHeaderView::sectionResized, m_steps, [this] { m_steps->resizeRowsToContents(); });
    m_overall = new QLabel(this);
    m_overall->setObjectName(QStringLiteral("lblEsitoProva"));
    QFont bold = m_overall->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_overall->setFont(bold);
    auto *judge = new QPushButton(tr("&Valuta"), this);
    judge->setObjectName(QStringLiteral("cmdValuta"));
    judge->setToolTip(tr("Giudica la traccia com'è ora"));
    auto *close = new QPushButton(tr("Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdChiudiProva"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(judge);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_limits);
    layout->addWidget(m_steps, 1);
    layout->addWidget(m_overall);
    layout->addLayout(buttons);
    connect(judge, &QPushButton::clicked, this, &GuidedTestWindow::evaluate);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    resize(900, 420);
    evaluate();
}

void GuidedTestWindow::evaluate()
{
    const GuidedLimits limits = genericLimits(m_calculator.family());
    m_result = runGuidedTest(m_capture.trace, limits);
    // (the generic sets' names, stored as data in Italian, in the window's language)
    QString setName = QString::fromStdString(limits.name);
    if (setName.startsWith(QLatin1String("generico ")))
        setName = tr("generico %1").arg(setName.mid(9));
    m_limits->setText(tr("Limiti: %1 (versione %2).").arg(setName).arg(limits.version));
    const std::int64_t first = m_capture.trace.empty() ? 0 : m_capture.trace.samples().front().ms;
    for (std::size_t i = 0; i < m_result.steps.size(); ++i) {
        const GuidedStep &st = m_result.steps[i];
        QString name, bounds, measured;
        switch (st.kind) {
        case GuidedStepKind::Rest:
            name = tr("Chiave inserita, motore spento");
            bounds = tr("%1 ± %2 mV").arg(whole(limits.restMv), whole(limits.restTolMv));
            measured = tr("%1 mV").arg(whole(st.value));
            break;
        case GuidedStepKind::Supply:
            name = tr("Alimentazione 5 V");
            bounds = tr("da 4,9 a 5,1 V");
            break;
        case GuidedStepKind::Crank:
            name = tr("Avviamento");
            bounds = tr("al minimo entro %1 s").arg(seconds(limits.crankMaxMs));
            measured = tr("%1 s").arg(seconds(st.value));
            break;
        case GuidedStepKind::Idle:
            name = tr("Minimo");
            bounds = tr("da %1 a %2 mV, ondulazione fino a %3 mV").arg(whole(limits.idleMinMv), whole(limits.idleMaxMv), whole(limits.rippleMaxMv));
            measured = tr("%1 mV, ondulazione %2 mV").arg(whole(st.value), whole(st.value2));
            break;
        case GuidedStepKind::Snap:
            name = tr("Colpo di acceleratore");
            bounds = tr("picco almeno %1 mV, nessuna caduta oltre %2 mV in %3 ms")
                         .arg(whole(limits.snapMinMv), whole(limits.dropoutMv), whole(limits.dropoutMs));
            measured = st.reason == GuidedStep::Dropout
                ? tr("picco %1 mV, caduta di %2 mV a %3 s").arg(whole(st.value), whole(st.value2), QLocale().toString(double(st.atMs - first) / 1000.0, 'f', 3))
                : tr("picco %1 mV").arg(whole(st.value));
            break;
        case GuidedStepKind::KeyOff:
            name = tr("Chiave disinserita");
            bounds = tr("allo zero (%1 mV) entro %2 s").arg(whole(limits.restMv + limits.restTolMv), seconds(limits.decayMaxMs));
            measured = tr("%1 s").arg(seconds(st.value));
            break;
        }
        QString reason;
        switch (st.reason) {
        case GuidedStep::None:
        case GuidedStep::OutOfLimit:
        case GuidedStep::Dropout:
            break;
        case GuidedStep::TooShort:
            reason = tr("la sua parte della traccia è troppo corta");
            break;
        case GuidedStep::NotFound:
            reason = tr("non si trova nella traccia");
            break;
        case GuidedStep::EndsTooSoon:
            reason = tr("la traccia finisce prima");
            break;
        case GuidedStep::NoSupply:
            reason = tr("nessun secondo canale né lettura dell'alimentazione");
            break;
        }
        // The verdict in a word; what was measured, or why nothing was, beside it.
        QString verdict;
        switch (st.outcome) {
        case GuidedStep::Pass:
            verdict = tr("CONFORME");
            break;
        case GuidedStep::Fail:
            verdict = tr("NON CONFORME");
            if (st.reason == GuidedStep::Dropout)
                measured = tr("%1: caduta del segnale (connettore?)").arg(measured);
            break;
        case GuidedStep::WiringFault:
            verdict = tr("GUASTO DI CABLAGGIO");
            measured = tr("%1: fuori da 200-4800 mV (filo, massa o alimentazione, non il sensore)").arg(measured);
            break;
        case GuidedStep::NotJudged:
            verdict = tr("NON VALUTABILE");
            measured = reason;
            break;
        case GuidedStep::Skipped:
            verdict = tr("SALTATO");
            measured = reason;
            break;
        }
        const QString part = st.fromMs ? tr("da %1 a %2 s").arg(seconds(double(*st.fromMs - first)), seconds(double(*st.toMs - first)))
                                       : QString();
        const QStringList cells{name, verdict, measured, part, bounds};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c == 1 && (st.outcome == GuidedStep::Fail || st.outcome == GuidedStep::WiringFault)) { // (a failure in bold)
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            m_steps->setItem(int(i), c, item);
        }
    }
    m_steps->resizeRowsToContents();
    m_overall->setText(m_result.overall == GuidedStep::Pass ? tr("Esito della prova: CONFORME")
                       : m_result.overall == GuidedStep::Fail ? tr("Esito della prova: NON CONFORME")
                                                               : tr("Esito della prova: NON VALUTABILE (un passo non si è potuto giudicare)"));
    m_overall->setAccessibleDescription(m_overall->text());
}

} // namespace dravino
