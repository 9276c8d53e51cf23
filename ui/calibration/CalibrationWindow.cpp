#include "ui/calibration/CalibrationWindow.h"

#include "base/Settings.h"
#include "instrument/Meter.h"
#include "print/CalibrationCertificate.h"
#include "print/CalibrationChart.h"
#include "print/PainterSurface.h"
#include "ui/CalculatorModel.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/calibration/CalibrationSession.h"
#include "ui/calibration/LimitsDialog.h"
#include "ui/calibration/ReferencesDialog.h"
#include "ui/platform/Modal.h"
#include "ui/printjob/PageSender.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace dravino {

namespace {
QString decimal(double v, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double rounded = std::round(v * std::pow(10, decimals)) / std::pow(10, decimals);
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'f', decimals);
}

using Phase = CalibrationModel::Phase;
} // namespace

// ---- the table

ReadingsTable::ReadingsTable(CalibrationModel &model, QObject *parent) : QAbstractTableModel(parent), m_model(model)
{
    connect(&model, &CalibrationModel::planChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&model, &CalibrationModel::changed, this, [this] {
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, Columns - 1));
    });
}

int ReadingsTable::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_model.rows(); }
int ReadingsTable::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : Columns; }

QVariant ReadingsTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (Column(section)) {
    case Cycle: return tr("Ciclo");
    case Direction: return tr("Verso");
    case Point: return tr("Punto (%)");
    case Reference: return tr("Riferimento (bar)");
    case Reading:
        return m_model.setup().converterBits == 0 ? tr("Lettura (mV)") : tr("Lettura (conteggi %1 bit)").arg(m_model.setup().converterBits);
    case Millivolts: return tr("mV");
    case Indicated: return tr("Pressione indicata (bar)");
    case ErrorBar: return tr("Errore (bar)");
    case ErrorPercent: return tr("Errore (% campo)");
    case Columns: break;
    }
    return {};
}

Qt::ItemFlags ReadingsTable::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Reading)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ReadingsTable::data(const QModelIndex &index, int role) const
{
    const int row = index.row();
    if (!index.isValid() || row >= m_model.rows())
        return {};
    const CalibrationModel::Place at = m_model.place(row);
    const CalibrationModel::Setup &setup = m_model.setup();
    const auto value = m_model.reading(row);
    const auto mv = m_model.readingMv(row, m_model.phase());
    const CalibrationPlan plan = planFor(setup.family, setup.fullScale, setup.converterBits);
    const double reference = m_model.referenceBar(row);
    if (role == Qt::TextAlignmentRole)
        return index.column() == Direction ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == Reading)
        return !value ? tr("Scrivi la lettura, o premi F9 per leggerla dal multimetro") : m_model.fromMeter(row) ? tr("Letta dal multimetro") : tr("Scritta a mano");
    if (role == Qt::FontRole && index.column() == Reading && !value) {
        QFont f;
        f.setItalic(true);
        return f;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::AccessibleTextRole)
        return {};
    switch (Column(index.column())) {
    case Cycle: return at.cycle + 1;
    case Direction: return at.sweep == Sweep::Rising ? tr("salita") : tr("discesa");
    case Point: return decimal(setup.percents[std::size_t(at.point)], setup.percents[std::size_t(at.point)] == std::floor(setup.percents[std::size_t(at.point)]) ? 0 : 1);
    case Reference: return decimal(reference, 1);
    case Reading:
        if (!value)
            return role == Qt::EditRole ? QString() : tr("manca");
        return setup.converterBits == 0 ? decimal(*value, *value == std::floor(*value) ? 0 : 3) : decimal(*value, 0);
    case Millivolts: return mv ? decimal(*mv, 1) : QString();
    case Indicated: return mv ? decimal(plan.indicated(*mv), 1) : QString();
    case ErrorBar: return mv ? decimal(plan.indicated(*mv) - reference, 2) : QString();
    case ErrorPercent: return mv ? decimal((plan.indicated(*mv) - reference) * 100.0 / setup.fullScale, 3) : QString();
    case Columns: break;
    }
    return {};
}

bool ReadingsTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != Reading || role != Qt::EditRole)
        return false;
    const QString typed = value.toString();
    // (an editor closed without a change keeps what was there)
    if (typed == data(index, Qt::EditRole).toString())
        return true;
    const QString why = m_model.setReading(index.row(), typed);
    if (!why.isEmpty()) {
        emit refused(index.row(), why);
        return false;
    }
    if (!typed.trimmed().isEmpty())
        emit entered(index.row());
    return true;
}

// ---- the plot

CalibrationPlot::CalibrationPlot(const CalibrationModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("picErrori"));
    setAccessibleName(tr("Errori della taratura"));
    setMinimumSize(320, 220);
    connect(&model, &CalibrationModel::changed, this, qOverload<>(&QWidget::update));
}

void CalibrationPlot::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    PainterSurface s(p);
    const double perPixel = 1440.0 / logicalDpiY();
    const CalibrationData d = m_model.data();
    const bool left = m_model.phase() == Phase::AsLeft && d.asLeft;
    const CalibrationRun &run = left ? *d.asLeft : d.asFound;
    const CalibrationResult r = m_model.result(m_model.phase());
    printCalibrationErrors(s, chartOf(run, r, d.limits), QRectF(4 * perPixel, 4 * perPixel, (width() - 8) * perPixel, (height() - 8) * perPixel));
}

// ---- the window

CalibrationWindow::CalibrationWindow(Platform &platform, CalibrationModel &model, const CalculatorModel &calculator,
                                     std::function<ArchiveService *()> archive, ReadMeter read, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_model(model), m_read(std::move(read))
{
    setObjectName(QStringLiteral("frmTaratura"));
    setWindowTitle(tr("Taratura del sensore"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);
    m_model.loadSettings();
    // A new calibration starts from the calculator's sensor.
    if (!m_model.hasReadings()) {
        CalibrationModel::Setup s = m_model.setup();
        s.family = calculator.family();
        if (calculator.fullScale() > 0)
            s.fullScale = calculator.fullScale();
        s.converterBits = calculator.resolution() == AdcResolution::Bits12 ? 12 : 10;
        m_model.setSetup(s);
        m_model.limits = loadCalibrationLimits(s.family);
    }

    const auto label = [this](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    // The plan.
    m_family = new QComboBox(this);
    m_family->setObjectName(QStringLiteral("cboFamiglia"));
    for (const SensorType t : {SensorType::BoschDelphiVdo, SensorType::DensoOneWay, SensorType::DensoTwoWay})
        m_family->addItem(CalculatorModel::familyName(t), int(t));
    m_fullScale = new QComboBox(this);
    m_fullScale->setObjectName(QStringLiteral("cboFondoScala"));
    for (int bar : kFullScales)
        m_fullScale->addItem(tr("%1 bar").arg(bar), bar);
    m_unit = new QComboBox(this);
    m_unit->setObjectName(QStringLiteral("cboUnita"));
    m_unit->addItem(tr("mV (multimetro)"), 0);
    m_unit->addItem(tr("conteggi ADC a 10 bit"), 10);
    m_unit->addItem(tr("conteggi ADC a 12 bit"), 12);
    m_points = new QLineEdit(this);
    m_points->setObjectName(QStringLiteral("txtPunti"));
    m_points->setToolTip(tr("Da 3 a 11 punti, in % del fondo scala nominale, crescenti: la discesa li ripete dall'alto"));
    m_cycles = new QSpinBox(this);
    m_cycles->setObjectName(QStringLiteral("spnCicli"));
    m_cycles->setRange(1, 3);
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("txtCodiceTaratura"));
    m_operator = new QLineEdit(this);
    m_operator->setObjectName(QStringLiteral("txtOperatore"));
    m_temperature = new QLineEdit(this);
    m_temperature->setObjectName(QStringLiteral("txtTemperatura"));
    m_temperature->setPlaceholderText(tr("facoltativa"));
    m_reference = new QComboBox(this);
    m_reference->setObjectName(QStringLiteral("cboRiferimento"));
    m_reference->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_reference->setMinimumContentsLength(12);
    auto *references = new QPushButton(tr("Riferim&enti..."), this);
    references->setObjectName(QStringLiteral("cmdRiferimenti"));
    m_meter = new QLabel(this);
    m_meter->setObjectName(QStringLiteral("lblMultimetro"));
    m_meter->setWordWrap(true);
    m_rule = new QComboBox(this);
    m_rule->setObjectName(QStringLiteral("cboRegola"));
    m_rule->addItem(tr("accettazione semplice"));
    m_rule->addItem(tr("banda di guardia w = U"));
    m_rule->setToolTip(tr("ILAC-G8: con la banda di guardia un risultato entro U dal limite è conforme o non conforme condizionato"));
    auto *limits = new QPushButton(tr("Li&miti..."), this);
    limits->setObjectName(QStringLiteral("cmdLimiti"));
    // The plan, the sensor, who, where, against what: three pairs a row.
    auto *grid = new QGridLayout;
    const auto pair = [&](int row, int column, const QString &caption, QWidget *field, int span = 1) {
        grid->addWidget(label(caption, field), row, column * 2);
        grid->addWidget(field, row, column * 2 + 1, 1, span);
    };
    pair(0, 0, tr("&Famiglia:"), m_family);
    pair(0, 1, tr("Fondo &scala:"), m_fullScale);
    pair(0, 2, tr("Lett&ure in:"), m_unit);
    pair(1, 0, tr("&Punti (%):"), m_points, 3);
    pair(1, 2, tr("&Cicli:"), m_cycles);
    pair(2, 0, tr("Se&nsore:"), m_code);
    pair(2, 1, tr("&Operatore:"), m_operator);
    pair(2, 2, tr("&Temperatura °C:"), m_temperature);
    auto *referenceRow = new QHBoxLayout;
    referenceRow->addWidget(m_reference, 1);
    referenceRow->addWidget(references);
    grid->addWidget(label(tr("&Riferimento:"), m_reference), 3, 0);
    grid->addLayout(referenceRow, 3, 1, 1, 5);
    auto *ruleRow = new QHBoxLayout;
    ruleRow->addWidget(m_rule, 1);
    ruleRow->addWidget(limits);
    grid->addWidget(label(tr("Re&gola:"), m_rule), 4, 0);
    grid->addLayout(ruleRow, 4, 1, 1, 3);
    grid->addWidget(m_meter, 5, 0, 1, 6);
    for (int column : {1, 3, 5})
        grid->setColumnStretch(column, 1);

    // The readings.
    m_phase[0] = new QRadioButton(tr("Come tro&vato"), this);
    m_phase[1] = new QRadioButton(tr("Come &lasciato"), this);
    for (int i = 0; i < 2; ++i)
        m_phase[std::size_t(i)]->setObjectName(QStringLiteral("optFase(%1)").arg(i));
    m_adjustment = new QComboBox(this);
    m_adjustment->setObjectName(QStringLiteral("cboRegolazione"));
    m_adjustment->setAccessibleName(tr("Intervento sul sensore"));
    m_adjustment->addItem(tr("nessun intervento: solo come trovato"));
    m_adjustment->addItem(tr("dopo la regolazione"));
    m_adjustment->addItem(tr("sensore sostituito"));
    m_table = new ReadingsTable(m_model, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdLetture"));
    m_grid->setAccessibleName(tr("Letture"));
    m_grid->setModel(m_table);
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_grid->setTabKeyNavigation(false);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_plot = new CalibrationPlot(m_model, this);
    m_results = new QLabel(this);
    m_results->setObjectName(QStringLiteral("lblRisultati"));
    m_results->setTextFormat(Qt::RichText);
    m_results->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_results->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("lblEsitoTaratura"));
    m_verdict->setWordWrap(true);
    QFont bold = m_verdict->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_verdict->setFont(bold);
    m_replaces = new QLabel(this);
    m_replaces->setObjectName(QStringLiteral("lblSostituisce"));
    auto *phaseRow = new QHBoxLayout;
    phaseRow->addWidget(m_phase[0]);
    phaseRow->addWidget(m_phase[1]);
    phaseRow->addWidget(label(tr("Intervento:"), m_adjustment));
    phaseRow->addWidget(m_adjustment);
    phaseRow->addStretch();
    // The readings on one page, what they give on the other.
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabTaratura"));
    tabs->tabBar()->setAccessibleName(tr("Letture o risultati"));
    auto *results = new QWidget(tabs);
    auto *resultsLayout = new QHBoxLayout(results);
    resultsLayout->addWidget(m_results);
    resultsLayout->addWidget(m_plot, 1);
    tabs->addTab(m_grid, tr("Letture"));
    tabs->addTab(results, tr("Risultati"));

    auto *readButton = new QPushButton(tr("Leggi dal multimetro (F9)"), this);
    readButton->setObjectName(QStringLiteral("cmdLeggiTaratura"));
    auto *preview = new QPushButton(tr("&Anteprima..."), this);
    preview->setObjectName(QStringLiteral("cmdAnteprimaTaratura"));
    m_print = new QPushButton(tr("Stampa"), this);
    m_print->setObjectName(QStringLiteral("cmdStampaTaratura"));
    auto *pdf = new QPushButton(tr("Salva P&DF..."), this);
    pdf->setObjectName(QStringLiteral("cmdPdfTaratura"));
    auto *close = new QPushButton(tr("Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdChiudiTaratura"));
    for (auto *b : {references, limits, readButton, preview, m_print, pdf, close})
        b->setAutoDefault(false);
    // Narrow enough for a small screen: the lists show their whole texts when opened.
    for (QComboBox *c : {m_family, m_fullScale, m_unit, m_rule, m_adjustment}) {
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(8);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(readButton);
    buttons->addStretch();
    buttons->addWidget(preview);
    buttons->addWidget(m_print);
    buttons->addWidget(pdf);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(phaseRow);
    layout->addWidget(tabs, 1);
    layout->addWidget(m_verdict);
    layout->addWidget(m_replaces);
    layout->addLayout(buttons);
    resize(800, 600);

    m_sender = std::make_unique<PageSender>(m_platform, m_print, tr("Certificato di taratura"), false);
    m_session = new CalibrationSession(m_platform, this, std::move(archive));

    // What the technician changes goes into the model.
    connect(m_family, &QComboBox::activated, this, &CalibrationWindow::applyPlan);
    connect(m_fullScale, &QComboBox::activated, this, &CalibrationWindow::applyPlan);
    connect(m_unit, &QComboBox::activated, this, &CalibrationWindow::applyPlan);
    connect(m_points, &QLineEdit::editingFinished, this, &CalibrationWindow::applyPlan);
    connect(m_cycles, &QSpinBox::valueChanged, this, &CalibrationWindow::applyPlan);
    connect(m_code, &QLineEdit::textEdited, this, [this](const QString &t) { m_model.code = t; });
    connect(m_operator, &QLineEdit::textEdited, this, [this](const QString &t) { m_model.operatorName = t; });
    connect(m_temperature, &QLineEdit::editingFinished, this, [this] {
        const QString t = m_temperature->text().trimmed();
        if (t.isEmpty()) {
            m_model.temperatureC.reset();
            return;
        }
        QString n = t;
        n.replace(QLatin1Char(','), QLatin1Char('.'));
        const auto v = n.count(QLatin1Char('.')) > 1 ? std::nullopt : parseDecimal(toAscii(n), '.');
        if (!v || *v < -40 || *v > 80) {
            m_platform.message(this, tr("La temperatura \"%1\" non va: scrivi i gradi Celsius della stanza, da -40 a 80, o lasciala vuota.").arg(t),
                               windowTitle(), MessageIcon::Exclamation);
            m_temperature->setFocus();
            m_temperature->selectAll();
            return;
        }
        m_model.temperatureC = *v;
    });
    connect(m_reference, &QComboBox::activated, this, &CalibrationWindow::chooseReference);
    connect(references, &QPushButton::clicked, this, &CalibrationWindow::editReferences);
    connect(limits, &QPushButton::clicked, this, &CalibrationWindow::editLimits);
    connect(m_rule, &QComboBox::activated, this, [this](int index) {
        m_model.acceptance = index == 1 ? Acceptance::GuardBand : Acceptance::Simple;
        saveAcceptance(m_model.acceptance);
        emit m_model.changed();
    });
    connect(m_adjustment, &QComboBox::activated, this, [this](int index) {
        m_model.setAdjustment(CalibrationData::Adjustment(index));
        if (index == 0 && m_model.phase() == Phase::AsLeft)
            m_model.setPhase(Phase::AsFound);
        showModel();
    });
    for (int i = 0; i < 2; ++i)
        connect(m_phase[std::size_t(i)], &QRadioButton::clicked, this, [this, i] {
            m_model.setPhase(Phase(i));
            m_grid->setCurrentIndex(m_table->index(std::max(0, m_model.firstMissing()), ReadingsTable::Reading));
        });
    connect(m_table, &ReadingsTable::refused, this, [this](int row, const QString &why) {
        // Told, and the cell's editor back with the text to put right.
        m_platform.message(this, why, windowTitle(), MessageIcon::Exclamation);
        // (once the editor that gave it has closed)
        QTimer::singleShot(0, this, [this, row] {
            const QModelIndex cell = m_table->index(row, ReadingsTable::Reading);
            m_grid->setCurrentIndex(cell);
            m_grid->setFocus();
            m_grid->edit(cell);
        });
    });
    // A reading kept: the next row, once the editor that gave it has closed.
    connect(m_table, &ReadingsTable::entered, this, [this](int row) {
        QTimer::singleShot(0, this, [this, row] {
            if (row + 1 < m_table->rowCount())
                m_grid->setCurrentIndex(m_table->index(row + 1, ReadingsTable::Reading));
        });
    });
    connect(&m_model, &CalibrationModel::changed, this, &CalibrationWindow::showResults);
    connect(readButton, &QPushButton::clicked, this, &CalibrationWindow::takeReading);
    connect(new QShortcut(QKeySequence(Qt::Key_F9), this), &QShortcut::activated, this, &CalibrationWindow::takeReading);
    connect(preview, &QPushButton::clicked, this, [this] { press(int(PageSender::Destination::Preview)); });
    connect(m_print, &QPushButton::clicked, this, [this] { press(int(PageSender::Destination::DefaultPrinter)); });
    connect(pdf, &QPushButton::clicked, this, [this] { press(int(PageSender::Destination::Pdf)); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    fillReferences(m_model.reference ? m_model.reference->name : settingsValue(QStringLiteral("calibration/lastReference")).toString());
    showModel();
    m_grid->setCurrentIndex(m_table->index(std::max(0, m_model.firstMissing()), ReadingsTable::Reading));
    // The first thing typed is a reading, or the sensor's code where none is there.
    (m_model.code.isEmpty() ? static_cast<QWidget *>(m_code) : m_grid)->setFocus();
}

CalibrationWindow::~CalibrationWindow() = default;

void CalibrationWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitWindowToScreen(this);
}

void CalibrationWindow::fillReferences(const QString &select)
{
    const QSignalBlocker block(m_reference);
    m_reference->clear();
    m_reference->addItem(tr("nessuno scelto"));
    const QList<PressureReference> all = loadReferences();
    int at = 0;
    for (const PressureReference &r : all) {
        QString shown = r.shown();
        if (r.due.isValid() && r.due < m_platform.today())
            shown += tr(" (taratura scaduta)");
        m_reference->addItem(shown, r.name);
        if (r.name == select)
            at = m_reference->count() - 1;
    }
    m_reference->setCurrentIndex(at);
    chooseReference();
}

void CalibrationWindow::chooseReference()
{
    const QString name = m_reference->currentData().toString();
    m_model.reference.reset();
    for (const PressureReference &r : loadReferences())
        if (r.name == name)
            m_model.reference = r;
    if (m_model.reference)
        setSettingsValue(QStringLiteral("calibration/lastReference"), name);
    emit m_model.changed();
}

void CalibrationWindow::editReferences()
{
    Modal<ReferencesDialog> dialog(new ReferencesDialog(m_platform, m_reference->currentData().toString(), this));
    if (dialog.exec() != QDialog::Accepted || dialog.gone())
        return;
    fillReferences(dialog->chosen());
}

void CalibrationWindow::editLimits()
{
    Modal<LimitsDialog> dialog(new LimitsDialog(m_platform, m_model.setup().family, this));
    if (dialog.exec() != QDialog::Accepted || dialog.gone())
        return;
    m_model.limits = dialog->limits();
    emit m_model.changed();
}

void CalibrationWindow::showModel()
{
    m_showing = true;
    const CalibrationModel::Setup &s = m_model.setup();
    m_family->setCurrentIndex(m_family->findData(int(s.family)));
    m_fullScale->setCurrentIndex(m_fullScale->findData(s.fullScale));
    m_unit->setCurrentIndex(m_unit->findData(s.converterBits));
    m_points->setText(CalibrationModel::percentsText(s.percents));
    {
        const QSignalBlocker block(m_cycles);
        m_cycles->setValue(s.cycles);
    }
    m_code->setText(m_model.code);
    m_operator->setText(m_model.operatorName);
    m_temperature->setText(m_model.temperatureC ? decimal(*m_model.temperatureC, 1) : QString());
    m_rule->setCurrentIndex(m_model.acceptance == Acceptance::GuardBand ? 1 : 0);
    m_adjustment->setCurrentIndex(int(m_model.adjustment()));
    m_phase[1]->setEnabled(m_model.adjustment() != CalibrationData::Adjustment::None);
    m_phase[std::size_t(m_model.phase())]->setChecked(true);
    m_replaces->setVisible(!m_model.replaces.isEmpty());
    m_replaces->setText(tr("Correzione: il nuovo certificato sostituisce il n. %1.").arg(m_model.replaces));
    m_showing = false;
    showResults();
}

void CalibrationWindow::applyPlan()
{
    if (m_showing)
        return;
    CalibrationModel::Setup next = m_model.setup();
    next.family = SensorType(m_family->currentData().toInt());
    next.fullScale = m_fullScale->currentData().toInt();
    next.converterBits = m_unit->currentData().toInt();
    next.cycles = m_cycles->value();
    QString why;
    const auto percents = CalibrationModel::percentsOf(m_points->text(), &why);
    if (!percents) {
        m_showing = true; // (the message takes the focus: no second word on it)
        m_platform.message(this, tr("I punti \"%1\" non vanno: %2.").arg(m_points->text().trimmed(), why), windowTitle(), MessageIcon::Exclamation);
        m_showing = false;
        m_points->setFocus();
        m_points->selectAll();
        return;
    }
    next.percents = *percents;
    if (next == m_model.setup())
        return;
    if (m_model.dropsReadings(next)) {
        m_showing = true;
        const bool drop = m_platform.confirm(this, tr("Con il piano nuovo alcune letture già prese non valgono più e vanno perse. Cambiare il piano?"),
                                             windowTitle());
        m_showing = false;
        if (!drop) {
            showModel();
            return;
        }
    }
    m_model.setSetup(next);
    showModel();
}

void CalibrationWindow::showResults()
{
    const CalibrationData d = m_model.data();
    QString meter;
    if (m_model.setup().converterBits != 0) {
        meter = tr("Letture dal convertitore della centralina: nessun multimetro nel bilancio.");
    } else {
        const MeterAccuracy a = loadMeterAccuracy();
        const QString device = settingsValue(QStringLiteral("instrument")).toString();
        meter = tr("Multimetro %1: ±(%2 % + %3 cifre), risoluzione %4 mV (Strumento... F8)")
                    .arg(device.isEmpty() ? tr("non scelto") : device, decimal(a.percentOfReading, 3), decimal(a.digits, 0),
                         decimal(a.resolutionMv, 3));
    }
    m_meter->setText(meter);
    const Phase phase = m_model.phase();
    const CalibrationResult r = m_model.result(phase);
    const QString run = phase == Phase::AsFound ? tr("come trovato") : tr("come lasciato");
    // One row a result: its value, its uncertainty, its limit, its verdict.
    QString rows;
    const auto row = [&rows](const QString &name, const JudgedResult &j, const QString &none) {
        const QString cells = j.value ? QStringLiteral("<td align=right>%1 %</td><td align=right>%2 %</td><td align=right>%3 %</td><td>%4</td>")
                                            .arg(decimal(std::abs(*j.value), 3), decimal(j.expanded, 3), decimal(j.limit, 2), zoneWords(j.zone).toHtmlEscaped())
                                      : QStringLiteral("<td colspan=4>%1</td>").arg(none.toHtmlEscaped());
        rows += QStringLiteral("<tr><td>%1</td>%2</tr>").arg(name.toHtmlEscaped(), cells);
    };
    row(tr("Errore massimo"), r.error, tr("letture mancanti"));
    row(tr("Isteresi"), r.hysteresis, tr("letture mancanti"));
    row(tr("Ripetibilità"), r.repeatability, tr("un solo ciclo"));
    row(tr("Linearità terminale"), r.terminalLinearity, tr("letture mancanti"));
    row(tr("Linearità BFSL"), r.bestFitLinearity, tr("letture mancanti"));
    row(tr("Zero"), r.zero, tr("letture mancanti"));
    row(tr("Campo"), r.span, tr("letture mancanti"));
    QStringList notes;
    if (r.worstPoint >= 0)
        notes << tr("Incertezza estesa più grande: U = %1 bar a %2 bar")
                     .arg(decimal(r.points[std::size_t(r.worstPoint)].budget.expandedBar, 2), decimal(r.points[std::size_t(r.worstPoint)].referenceBar, 0));
    if (!d.reference)
        notes << tr("Nessun riferimento di pressione scelto.");
    else if (std::isfinite(r.tur))
        notes << (r.tur < 4 ? tr("TUR %1 : 1, sotto 4 : 1").arg(decimal(r.tur, 1)) : tr("TUR %1 : 1").arg(decimal(r.tur, 1)));
    m_results->setText(QStringLiteral("<table cellspacing=0 cellpadding=2><tr><th align=left>%1</th><th>%2</th><th>U</th><th>%3</th><th align=left>%4</th></tr>%5</table><p>%6</p>")
                           .arg(tr("Risultato (% del campo)").toHtmlEscaped(), tr("Valore").toHtmlEscaped(), tr("Limite").toHtmlEscaped(),
                                tr("Esito").toHtmlEscaped(), rows, notes.join(QStringLiteral("<br>")).toHtmlEscaped().replace(QStringLiteral("&lt;br&gt;"), QStringLiteral("<br>"))));
    if (!r.complete())
        m_verdict->setText(tr("Senza esito %1: letture mancanti %2 su %3.").arg(run).arg(r.missing.size()).arg(m_model.rows()));
    else
        m_verdict->setText(tr("Esito %1: %2").arg(run, zoneWords(r.verdict)));
    m_verdict->setAccessibleName(m_verdict->text());
    const QString explanation = zoneExplanation(r.verdict, r.acceptance);
    m_verdict->setToolTip(explanation);
}

void CalibrationWindow::takeReading()
{
    if (!m_read)
        return;
    const QModelIndex current = m_grid->currentIndex();
    const int row = current.isValid() ? current.row() : std::max(0, m_model.firstMissing());
    const CalibrationModel::Setup setup = m_model.setup();
    const Phase phase = m_model.phase();
    const QPointer<CalibrationWindow> self(this);
    m_read([self, row, setup, phase](const MeterReading &reading) {
        if (!self)
            return true;
        // The plan or the run changed while the meter answered: the reading
        // belongs to no row any more.
        if (self->m_model.setup() != setup || self->m_model.phase() != phase) {
            self->m_platform.message(self, tr("La lettura del multimetro è arrivata dopo un cambio del piano o del giro: non è stata inserita."),
                                     self->windowTitle(), MessageIcon::Information);
            return true;
        }
        if (const QString why = self->m_model.putMeterReading(row, reading); !why.isEmpty()) {
            self->m_platform.message(self, why, tr("Multimetro"), MessageIcon::Exclamation);
            return true;
        }
        if (row + 1 < self->m_table->rowCount())
            self->m_grid->setCurrentIndex(self->m_table->index(row + 1, ReadingsTable::Reading));
        return true;
    });
}

void CalibrationWindow::correct(const CalibrationData &data, const QString &code, const QString &replaces)
{
    m_model.load(data, code, replaces);
    fillReferences(data.reference ? data.reference->name : QString());
    // (a reference no longer in the register: the one the calibration used)
    if (data.reference && !m_model.reference)
        m_model.reference = data.reference;
    showModel();
}

void CalibrationWindow::press(int where)
{
    // What is typed in a field still being edited counts.
    if (QWidget *focus = focusWidget())
        if (auto *edit = qobject_cast<QLineEdit *>(focus); edit && edit == m_temperature)
            emit m_temperature->editingFinished();
    const auto problem = m_session->start(m_model, *m_sender, PageSender::Destination(where));
    if (!problem)
        return;
    m_platform.message(this, problem->text, tr("Certificato di taratura"), MessageIcon::Exclamation);
    switch (problem->field) {
    case CalibrationProblem::Readings:
        if (m_model.phase() != problem->phase) {
            m_model.setPhase(problem->phase);
            showModel();
        }
        m_grid->setCurrentIndex(m_table->index(problem->row, ReadingsTable::Reading));
        m_grid->setFocus();
        break;
    case CalibrationProblem::Reference: m_reference->setFocus(); break;
    case CalibrationProblem::Code: m_code->setFocus(); break;
    case CalibrationProblem::Operator: m_operator->setFocus(); break;
    case CalibrationProblem::Plan: m_points->setFocus(); break;
    }
}

} // namespace dravino
