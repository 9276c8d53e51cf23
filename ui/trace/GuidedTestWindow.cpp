#include "ui/trace/GuidedTestWindow.h"

#include "instrument/Acquisition.h"
#include "print/GuidedReport.h"
#include "ui/CalculatorModel.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/dialogs/InstrumentDialog.h"
#include "ui/dialogs/WorkshopDialog.h"
#include "ui/printjob/PageSender.h"
#include "ui/printjob/PrintMenu.h"
#include "ui/session/GuidedSession.h"
#include "ui/trace/GuidedLimitsDialog.h"
#include "ui/trace/TraceCapture.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace dravino {

namespace {
// A second channel's supply older than this is not taken (the stream has stopped).
constexpr std::int64_t kFreshSupplyMs = 3000;

} // namespace

GuidedTestWindow::GuidedTestWindow(Platform &platform, const CalculatorModel &calculator, const TraceCapture &capture,
                                   std::function<ArchiveService *()> archive, const Acquisition *acquisition, QWidget *parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_calculator(calculator), m_capture(capture), m_acquisition(acquisition)
{
    setObjectName(QStringLiteral("frmProvaGuidata"));
    setWindowTitle(tr("Prova guidata del sensore"));
    auto *intro = new QLabel(tr("Sul veicolo, con la traccia (F7) in lettura o una traccia aperta da un file: chiave inserita a motore "
                                "spento, avviamento, minimo, un colpo di acceleratore, chiave disinserita fino allo zero; poi Valuta."),
                             this);
    intro->setWordWrap(true);

    // The vehicle (its name picks the workshop's set for it), the sensor,
    // the limits, the supply measured at the sensor's pin.
    m_vehicle = new QLineEdit(this);
    m_vehicle->setObjectName(QStringLiteral("txtVeicoloProva"));
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("txtSiglaProva"));
    m_setChoice = new QComboBox(this);
    m_setChoice->setObjectName(QStringLiteral("cboLimitiProva"));
    auto *editLimits = new QPushButton(tr("Limiti &per veicolo..."), this);
    editLimits->setObjectName(QStringLiteral("cmdLimitiProva"));
    editLimits->setToolTip(tr("I limiti dell'officina per un veicolo o un motore"));
    m_supplyField = new QLineEdit(this);
    m_supplyField->setObjectName(QStringLiteral("txtAlimentazione"));
    m_supplyField->setToolTip(tr("Misurata con il multimetro al piedino di alimentazione del sensore, a chiave inserita; vuota, "
                                 "quella del secondo canale dell'oscilloscopio, dove ce n'è uno (Strumento, F8)"));
    m_supplyField->setPlaceholderText(tr("non misurata"));
    auto *fields = new QGridLayout;
    const auto labelFor = [this](const QString &words, QWidget *buddy) {
        auto *l = new QLabel(words, this);
        l->setBuddy(buddy);
        return l;
    };
    fields->addWidget(labelFor(tr("V&eicolo:"), m_vehicle), 0, 0);
    fields->addWidget(m_vehicle, 0, 1);
    fields->addWidget(labelFor(tr("Si&gla del sensore:"), m_code), 0, 2);
    fields->addWidget(m_code, 0, 3);
    fields->addWidget(labelFor(tr("&Limiti:"), m_setChoice), 1, 0);
    fields->addWidget(m_setChoice, 1, 1);
    fields->addWidget(editLimits, 1, 2);
    fields->addWidget(labelFor(tr("&Alimentazione (mV):"), m_supplyField), 2, 0);
    fields->addWidget(m_supplyField, 2, 1);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    m_limitsLabel = new QLabel(this);
    m_limitsLabel->setObjectName(QStringLiteral("lblLimitiProva"));
    m_limitsLabel->setWordWrap(true);
    m_steps = new QTableWidget(int(kGuidedSteps.size()), 5, this);
    m_steps->setObjectName(QStringLiteral("lstPassi"));
    m_steps->setAccessibleName(tr("Passi della prova"));
    // The verdict beside the step's name, the limits last (they wrap).
    m_steps->setHorizontalHeaderLabels({tr("Passo"), tr("Esito"), tr("Misurato"), tr("Parte della traccia"), tr("Limiti")});
    m_steps->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_steps->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_steps->setSelectionMode(QAbstractItemView::SingleSelection);
    m_steps->setTabKeyNavigation(false); // (Tab leaves the list; the arrows choose a step)
    m_steps->verticalHeader()->hide();
    for (const int c : {0, 1, 3})
        m_steps->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    for (const int c : {2, 4}) // (what was measured and the limits wrap)
        m_steps->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    m_steps->setWordWrap(true);
    // The rows as high as their wrapped text at the columns' widths now.
    connect(m_steps->horizontalHeader(), &QHeaderView::sectionResized, m_steps, [this] { m_steps->resizeRowsToContents(); });

    // The chosen step's part, moved by the technician, or found again.
    m_partFrom = new QLineEdit(this);
    m_partFrom->setObjectName(QStringLiteral("txtParteDa"));
    m_partTo = new QLineEdit(this);
    m_partTo->setObjectName(QStringLiteral("txtParteA"));
    for (QLineEdit *e : {m_partFrom, m_partTo})
        e->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000,000")) + 16);
    m_move = new QPushButton(tr("&Sposta la parte"), this);
    m_move->setObjectName(QStringLiteral("cmdSpostaParte"));
    m_move->setToolTip(tr("Giudica il passo scelto sulla parte della traccia scritta qui"));
    m_find = new QPushButton(tr("&Trova la parte"), this);
    m_find->setObjectName(QStringLiteral("cmdTrovaParte"));
    m_find->setToolTip(tr("Il passo scelto di nuovo sulla parte che il programma trova"));
    auto *partRow = new QHBoxLayout;
    partRow->addWidget(labelFor(tr("Parte del passo scelto, &da:"), m_partFrom));
    partRow->addWidget(m_partFrom);
    partRow->addWidget(labelFor(tr("fin&o a:"), m_partTo));
    partRow->addWidget(m_partTo);
    partRow->addWidget(new QLabel(tr("s"), this));
    partRow->addWidget(m_move);
    partRow->addWidget(m_find);
    partRow->addStretch();

    m_overall = new QLabel(this);
    m_overall->setObjectName(QStringLiteral("lblEsitoProva"));
    QFont bold = m_overall->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_overall->setFont(bold);
    auto *judge = new QPushButton(tr("&Valuta"), this);
    judge->setObjectName(QStringLiteral("cmdValuta"));
    judge->setToolTip(tr("Giudica la traccia com'è ora"));
    m_print = new QPushButton(tr("Sta&mpa"), this);
    m_print->setObjectName(QStringLiteral("cmdStampaProva"));
    m_print->setToolTip(tr("Stampa il rapporto della prova e la registra nell'archivio"));
    auto *close = new QPushButton(tr("Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdChiudiProva"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(judge);
    buttons->addWidget(m_print);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(fields);
    layout->addWidget(m_limitsLabel);
    layout->addWidget(m_steps, 1);
    layout->addLayout(partRow);
    layout->addWidget(m_overall);
    layout->addLayout(buttons);
    setTabOrder(m_vehicle, m_code);
    setTabOrder(m_code, m_setChoice);
    setTabOrder(m_setChoice, editLimits);
    setTabOrder(editLimits, m_supplyField);
    setTabOrder(m_supplyField, m_steps);
    setTabOrder(m_steps, m_partFrom);

    m_sender = std::make_unique<PageSender>(m_platform, m_print, tr("Prova guidata del sensore"), false);
    m_session = new GuidedSession(m_platform, this, std::move(archive));
    using Destination = PageSender::Destination;
    new PrintMenu(m_platform, m_print,
                  {[this] { print(int(Destination::DefaultPrinter)); }, [this] { print(int(Destination::Preview)); },
                   [this](const QString &printer) { print(int(Destination::Printer), printer); },
                   [this] { print(int(Destination::Pdf)); }, {}, {}, [this] { WorkshopDialog::edit(m_platform, this); },
                   [this] { InstrumentDialog::choose(m_platform, this); }});
    connect(m_print, &QPushButton::clicked, this, [this] { print(int(Destination::DefaultPrinter)); });
    connect(judge, &QPushButton::clicked, this, [this] { evaluate(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(editLimits, &QPushButton::clicked, this, &GuidedTestWindow::editLimits);
    connect(m_move, &QPushButton::clicked, this, &GuidedTestWindow::movePart);
    connect(m_find, &QPushButton::clicked, this, &GuidedTestWindow::findPart);
    connect(m_vehicle, &QLineEdit::editingFinished, this, &GuidedTestWindow::vehicleEdited);
    connect(m_setChoice, &QComboBox::activated, this, [this] { evaluate(); });
    connect(m_supplyField, &QLineEdit::editingFinished, this, [this] { evaluate(); });
    connect(m_steps, &QTableWidget::itemSelectionChanged, this, &GuidedTestWindow::stepChosen);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    fillLimitSets();
    resize(960, 560);
    evaluate();
    stepChosen();
}

GuidedTestWindow::~GuidedTestWindow() = default;

std::int64_t GuidedTestWindow::firstMs() const { return m_capture.trace.empty() ? 0 : m_capture.trace.samples().front().ms; }

// The rows as high as their wrapped text at the columns' widths, once the
// layout has given the stretched columns theirs.
void GuidedTestWindow::fitRows()
{
    QTimer::singleShot(0, m_steps, [steps = m_steps] { steps->resizeRowsToContents(); });
}

void GuidedTestWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitRows();
}

void GuidedTestWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fitRows();
}

void GuidedTestWindow::fillLimitSets()
{
    // The family's generic set first, then the workshop's own for it.
    const SensorType family = m_calculator.family();
    const QString chosen = m_setChoice->currentIndex() > 0 ? m_setChoice->currentText() : QString();
    m_sets = loadGuidedLimitSets();
    m_setChoice->clear();
    m_setChoice->addItem(guidedLimitsName(genericLimits(family)));
    for (const GuidedOwnLimits &own : m_sets)
        if (own.family == family)
            m_setChoice->addItem(QString::fromStdString(own.name));
    m_setChoice->setCurrentIndex(std::max(0, m_setChoice->findText(chosen)));
}

GuidedLimits GuidedTestWindow::chosenLimits() const
{
    const SensorType family = m_calculator.family();
    if (m_setChoice->currentIndex() > 0)
        if (const auto own = guidedLimitsForVehicle(m_sets, family, m_setChoice->currentText()))
            return limitsOf(*own);
    return genericLimits(family);
}

void GuidedTestWindow::vehicleEdited()
{
    // A vehicle the workshop keeps limits for: its own beat the generic.
    if (const auto own = guidedLimitsForVehicle(m_sets, m_calculator.family(), m_vehicle->text())) {
        m_setChoice->setCurrentIndex(std::max(0, m_setChoice->findText(QString::fromStdString(own->name))));
        evaluate();
    }
}

void GuidedTestWindow::editLimits()
{
    GuidedLimitsDialog dialog(m_platform, m_calculator.family(), m_setChoice->currentIndex() > 0 ? m_setChoice->currentText() : m_vehicle->text().trimmed(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    fillLimitSets();
    m_setChoice->setCurrentIndex(std::max(0, m_setChoice->findText(dialog.chosen())));
    evaluate();
}

bool GuidedTestWindow::evaluate()
{
    // The supply as typed; what does not read is not taken, and said.
    // Nothing typed: a scope's second channel's, where it streams one now.
    const QString supplyText = m_supplyField->text().trimmed();
    m_supply = supplyText.isEmpty() ? std::nullopt : typedDecimal(supplyText);
    m_supplyChannel.clear();
    const auto read = m_acquisition && m_acquisition->running() ? m_acquisition->supply() : std::nullopt;
    if (supplyText.isEmpty() && read && Acquisition::steadyMs() - read->ms <= kFreshSupplyMs) {
        m_supply = read->mv;
        m_supplyChannel = read->channel;
    }
    m_supplyField->setPlaceholderText(m_supplyChannel.isEmpty()
                                          ? tr("non misurata")
                                          : tr("%1 mV dal canale %2").arg(QString::number(qRound64(*m_supply)), m_supplyChannel));
    if (!supplyText.isEmpty() && !m_supply) {
        m_platform.message(this, tr("L'alimentazione \"%1\" non è un numero di mV: il passo resta saltato.").arg(supplyText),
                           tr("Prova guidata del sensore"), MessageIcon::Exclamation);
        m_supplyField->setFocus();
        m_supplyField->selectAll();
    }
    m_limits = chosenLimits();
    m_result = runGuidedTest(m_capture.trace, m_limits, m_given, m_supply);
    m_limitsLabel->setText(guidedLimitsWords(m_limits));
    const std::int64_t first = firstMs();
    for (std::size_t i = 0; i < m_result.steps.size(); ++i) {
        const GuidedStepWords w = guidedStepWords(m_result.steps[i], m_limits, m_result.ratio, first);
        const QString name = m_given[i] ? tr("%1 (parte spostata)").arg(w.name) : w.name;
        const QStringList cells{name, w.verdict, w.measured, w.part, w.limits};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c == 1 && w.failed) { // (a failure in bold)
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            m_steps->setItem(int(i), c, item);
        }
    }
    fitRows();
    m_overall->setText(guidedOverallWords(m_result.overall));
    m_overall->setAccessibleDescription(m_overall->text());
    stepChosen();
    return supplyText.isEmpty() || m_supply.has_value();
}

void GuidedTestWindow::stepChosen()
{
    // The chosen step's part in the fields, in seconds from the capture's start.
    const int row = m_steps->currentRow();
    const bool one = row >= 0 && m_steps->selectionModel()->hasSelection();
    for (QWidget *w : {static_cast<QWidget *>(m_partFrom), static_cast<QWidget *>(m_partTo), static_cast<QWidget *>(m_move)})
        w->setEnabled(one);
    m_find->setEnabled(one && m_given[std::size_t(std::max(row, 0))].has_value());
    if (!one)
        return;
    const GuidedStep &st = m_result.steps[std::size_t(row)];
    const std::int64_t first = firstMs();
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    m_partFrom->setText(st.fromMs ? l.toString(double(*st.fromMs - first) / 1000.0, 'f', 3) : QString());
    m_partTo->setText(st.toMs ? l.toString(double(*st.toMs - first) / 1000.0, 'f', 3) : QString());
}

void GuidedTestWindow::movePart()
{
    const int row = m_steps->currentRow();
    if (row < 0)
        return;
    const auto from = typedDecimal(m_partFrom->text()), to = typedDecimal(m_partTo->text());
    if (!from || !to || *to <= *from) {
        m_platform.message(this, tr("Scrivi dove comincia e dove finisce la parte, in secondi dall'inizio della traccia (la fine dopo l'inizio)."),
                           tr("Prova guidata del sensore"), MessageIcon::Exclamation);
        (from ? m_partTo : m_partFrom)->setFocus();
        return;
    }
    const std::int64_t first = firstMs();
    m_given[std::size_t(row)] = std::pair<std::int64_t, std::int64_t>{first + std::llround(*from * 1000), first + std::llround(*to * 1000)};
    evaluate();
    m_steps->selectRow(row);
}

void GuidedTestWindow::findPart()
{
    const int row = m_steps->currentRow();
    if (row < 0)
        return;
    m_given[std::size_t(row)].reset();
    evaluate();
    m_steps->selectRow(row);
}

GuidedData GuidedTestWindow::data() const
{
    GuidedData d;
    d.family = m_calculator.family();
    d.fullScale = m_calculator.fullScale();
    d.zeroMv = m_calculator.zeroMv();
    d.limits = m_limits;
    d.supplyMv = m_supply;
    d.supplyChannel = m_supplyChannel;
    d.given = m_given;
    d.result = m_result;
    d.capture = judgedSpan(m_capture.trace, m_result);
    d.started = m_capture.trace.empty() || d.capture.empty()
        ? m_capture.started
        : m_capture.started.addMSecs(d.capture.front().ms - m_capture.trace.samples().front().ms);
    d.meter = m_capture.meter;
    return d;
}

void GuidedTestWindow::print(int where, const QString &printer)
{
    if (m_capture.trace.empty()) {
        m_platform.message(this, tr("La traccia non ha letture: non c'è nessuna prova da stampare."), tr("Prova guidata del sensore"),
                           MessageIcon::Information);
        return;
    }
    // Judged now, as the page and the record will say; not with a supply
    // typed that does not read (the technician puts it right first).
    if (!evaluate())
        return;
    JobData job;
    job.vehicle = m_vehicle->text().trimmed();
    m_session->start(data(), m_code->text(), job, *m_sender, PageSender::Destination(where), printer);
}

} // namespace dravino
