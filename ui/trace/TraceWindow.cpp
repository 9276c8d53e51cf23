#include "ui/trace/TraceWindow.h"

#include "core/TraceFile.h"
#include "instrument/Meter.h"
#include "instrument/Acquisition.h"
#include "print/PainterSurface.h"
#include "print/PrintSurface.h"
#include "print/Spreadsheet.h"
#include "print/ValueTable.h"
#include "ui/CalculatorModel.h"
#include "ui/Platform.h"
#include "ui/dialogs/InstrumentDialog.h"
#include "ui/dialogs/WorkshopDialog.h"
#include "ui/printjob/PageSender.h"
#include "ui/printjob/PrintMenu.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QPointer>
#include <QThread>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace dravino {

namespace {
constexpr double kBeyondSupplyMv = 5500; // no 5 V sensor gives this
constexpr int kStaleMs = 1000;
constexpr std::int64_t kKeyStepMs = 500; // Shift+arrow: the selection's step
constexpr int kFileTimeLimitMs = 10000;  // a file read back: told when it takes longer
} // namespace

TracePlot::TracePlot(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("graTraccia"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(400, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TracePlot::show(const TraceView &view)
{
    m_view = view;
    update();
}

void TracePlot::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    PainterSurface s(p);
    const double perPixel = 1440.0 / logicalDpiY();
    const QRectF area(4 * perPixel, 4 * perPixel, (width() - 8) * perPixel, (height() - 8) * perPixel);
    m_plotArea = tracePlotArea(s, area);
    m_plotArea = QRectF(m_plotArea.topLeft() / perPixel, m_plotArea.size() / perPixel); // in pixels, for the mouse
    printTraceChart(s, area, m_view);
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

std::int64_t TracePlot::msAt(double x) const
{
    if (!m_view.trace)
        return 0;
    const QRectF plot = m_plotArea.isEmpty() ? QRectF(rect()) : m_plotArea; // (not painted yet: the widget)
    const TraceSpan axis = traceAxis(m_view);
    const double at = std::clamp((x - plot.left()) / plot.width(), 0.0, 1.0);
    return axis.fromMs + std::int64_t(std::llround(at * double(axis.toMs - axis.fromMs)));
}

void TracePlot::mousePressEvent(QMouseEvent *e)
{
    setFocus(Qt::MouseFocusReason);
    m_anchor = msAt(e->position().x());
    emit selected(std::nullopt);
}

void TracePlot::mouseMoveEvent(QMouseEvent *e)
{
    if (!(e->buttons() & Qt::LeftButton))
        return;
    const std::int64_t at = msAt(e->position().x());
    emit selected(TraceSpan{std::min(m_anchor, at), std::max(m_anchor, at)});
}

void TracePlot::keyPressEvent(QKeyEvent *e)
{
    // The selection from the keyboard: it starts as the trace's last
    // moment; Shift with Left or Right moves its start by half a second,
    // Left or Right alone moves it whole; Home takes its start to the
    // trace's, End its end to the last reading; Delete drops it. The view:
    // + and - zoom in and out about its middle, Page Up and Page Down move
    // it back and on by half its width, 0 shows the whole trace.
    if (!m_view.trace || m_view.trace->empty())
        return QWidget::keyPressEvent(e);
    switch (e->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return emit zoomed(traceZoom(m_view, 0.5));
    case Qt::Key_Minus:
        return emit zoomed(traceZoom(m_view, 2));
    case Qt::Key_PageUp:
        return emit zoomed(tracePan(m_view, -0.5));
    case Qt::Key_PageDown:
        return emit zoomed(tracePan(m_view, 0.5));
    case Qt::Key_0:
        return emit zoomed(std::nullopt);
    default:
        break;
    }
    const TraceSpan axis = traceAxis(*m_view.trace);
    const std::int64_t last = m_view.trace->samples().back().ms;
    TraceSpan span = m_view.selection.value_or(TraceSpan{last, last});
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const std::int64_t by = e->key() == Qt::Key_Left ? -kKeyStepMs : kKeyStepMs;
        span.fromMs = shift ? std::min(span.fromMs + by, span.toMs) : span.fromMs + by;
        if (!shift)
            span.toMs += by;
        break;
    }
    case Qt::Key_Home:
        span.fromMs = axis.fromMs;
        break;
    case Qt::Key_End:
        span.toMs = last;
        break;
    case Qt::Key_Delete:
        emit selected(std::nullopt);
        return;
    default:
        return QWidget::keyPressEvent(e);
    }
    span.fromMs = std::clamp(span.fromMs, axis.fromMs, last);
    span.toMs = std::clamp(span.toMs, span.fromMs, last);
    emit selected(span);
}

void TracePlot::wheelEvent(QWheelEvent *e)
{
    // The wheel zooms about the moment under the pointer; with Shift it
    // moves the view back and on.
    const int notches = e->angleDelta().y() / 120;
    if (!m_view.trace || m_view.trace->empty() || notches == 0)
        return QWidget::wheelEvent(e);
    if (e->modifiers() & Qt::ShiftModifier)
        emit zoomed(tracePan(m_view, -0.25 * notches));
    else {
        const QRectF plot = m_plotArea.isEmpty() ? QRectF(rect()) : m_plotArea;
        emit zoomed(traceZoom(m_view, std::pow(0.5, notches), (e->position().x() - plot.left()) / plot.width()));
    }
    e->accept();
}

TraceWindow::TraceWindow(Platform &platform, const CalculatorModel &calculator, TraceCapture &capture,
                         Acquisition &acquisition, QWidget *parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_calculator(calculator), m_acquisition(acquisition),
      m_capture(capture), m_trace(capture.trace)
{
    setObjectName(QStringLiteral("frmTraccia"));
    setWindowTitle(tr("Traccia del sensore"));

    m_latest = new QLabel(this);
    m_latest->setObjectName(QStringLiteral("lblUltima"));
    QFont big = font();
    big.setPointSizeF(font().pointSizeF() * 2.2);
    big.setBold(true);
    m_latest->setFont(big);
    m_latest->setAccessibleName(tr("Ultima lettura"));
    m_plot = new TracePlot(this);
    m_plot->setAccessibleName(tr("Traccia"));
    m_stats = new QLabel(this);
    m_stats->setObjectName(QStringLiteral("lblTraccia"));
    m_selected = new QLabel(this);
    m_selected->setObjectName(QStringLiteral("lblSelezione"));
    m_shownLine = new QLabel(this);
    m_shownLine->setObjectName(QStringLiteral("lblVista"));
    m_shownLine->setWordWrap(true);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("lblStatoTraccia"));
    m_state->setWordWrap(true);
    for (QLabel *l : {m_stats, m_selected, m_shownLine, m_state}) {
        l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        l->setWordWrap(true); // (a long line wraps, not widens the window)
    }

    // The cursors: two levels, the time between the signal's crossings.
    const auto level = [this](const char *name, int mv) {
        auto *box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(0, 5000);
        box->setSingleStep(50);
        box->setSuffix(QStringLiteral(" mV"));
        box->setValue(mv);
        return box;
    };
    m_from = level("txtCursoreDa", 3000);
    m_to = level("txtCursoreA", 1000);
    m_from->setAccessibleName(tr("Cursore da (mV)"));
    m_to->setAccessibleName(tr("Cursore a (mV)"));
    m_cursorFrom = m_from->value();
    m_cursorTo = m_to->value();
    m_cursors = new QLabel(this);
    m_cursors->setObjectName(QStringLiteral("lblCursori"));
    m_cursors->setWordWrap(true);
    auto *fromLabel = new QLabel(tr("C&ursori: da"), this);
    fromLabel->setBuddy(m_from);
    auto *toLabel = new QLabel(tr("&a"), this);
    toLabel->setBuddy(m_to);
    auto *cursorRow = new QHBoxLayout;
    cursorRow->addWidget(fromLabel);
    cursorRow->addWidget(m_from);
    cursorRow->addWidget(toLabel);
    cursorRow->addWidget(m_to);
    cursorRow->addWidget(m_cursors, 1);

    m_pause = new QPushButton(tr("&Pausa"), this);
    m_pause->setObjectName(QStringLiteral("cmdPausa"));
    auto *clear = new QPushButton(tr("&Cancella"), this);
    clear->setObjectName(QStringLiteral("cmdCancella"));
    auto *csv = new QPushButton(tr("Esporta C&SV..."), this);
    csv->setObjectName(QStringLiteral("cmdEsportaCsv"));
    auto *xlsx = new QPushButton(tr("Esporta &foglio di calcolo (.xlsx)..."), this);
    xlsx->setObjectName(QStringLiteral("cmdEsportaXlsx"));
    m_print = new QPushButton(tr("S&tampa"), this);
    m_print->setObjectName(QStringLiteral("cmdStampaTraccia"));
    auto *open = new QPushButton(tr("Apr&i traccia..."), this);
    open->setObjectName(QStringLiteral("cmdApriTraccia"));
    open->setToolTip(tr("Apre una traccia salvata in CSV o come sessione sigrok (.sr): si vede, si misura, si stampa come una letta ora"));
    auto *session = new QPushButton(tr("Salva sessi&one (.sr)..."), this);
    session->setObjectName(QStringLiteral("cmdSalvaSessione"));
    session->setToolTip(tr("Salva la traccia come sessione sigrok, che PulseView apre"));
    auto *whole = new QPushButton(tr("&Vista intera"), this);
    whole->setObjectName(QStringLiteral("cmdVistaIntera"));
    whole->setToolTip(tr("Tutta la traccia nel grafico (0 sul grafico)"));
    auto *close = new QPushButton(tr("Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdChiudiTraccia"));
    // Two rows, so that the window fits a small screen in either language:
    // the trace's own, then what goes out of it.
    auto *buttons = new QGridLayout;
    int column = 0;
    for (QPushButton *b : {m_pause, clear, whole, session})
        buttons->addWidget(b, 0, column++);
    column = 0;
    for (QPushButton *b : {open, csv, xlsx, m_print})
        buttons->addWidget(b, 1, column++);
    buttons->setColumnStretch(4, 1);
    buttons->addWidget(close, 1, 5);

    // In a scroll area, so that on a small screen (or a large desktop
    // scale) all of it can be reached in a window the screen holds.
    auto *content = m_content = new QWidget;
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollTraccia"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // (Tab goes to the controls; they scroll into view)
    scroll->setWidgetResizable(true);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto *layout = new QVBoxLayout(content);
    layout->addWidget(m_latest);
    layout->addWidget(m_plot, 1);
    layout->addWidget(m_stats);
    layout->addWidget(m_selected);
    layout->addWidget(m_shownLine);
    layout->addLayout(cursorRow);
    layout->addWidget(m_state);
    layout->addLayout(buttons);
    scroll->setWidget(content);
    setTabOrder(m_plot, m_from);
    setTabOrder(m_from, m_to);
    setTabOrder(m_to, m_pause);

    m_sender = std::make_unique<PageSender>(m_platform, m_print, tr("Traccia del sensore"), false);
    using Destination = PageSender::Destination;
    new PrintMenu(m_platform, m_print,
                  {[this] { sendPage(int(Destination::DefaultPrinter)); }, [this] { sendPage(int(Destination::Preview)); },
                   [this](const QString &printer) { sendPage(int(Destination::Printer), printer); },
                   [this] { sendPage(int(Destination::Pdf)); }, [this](ExportKind kind) { exportTrace(kind); },
                   {}, [this] { WorkshopDialog::edit(m_platform, this); }, [this] { InstrumentDialog::choose(m_platform, this); }});
    connect(m_print, &QPushButton::clicked, this, [this] { sendPage(int(Destination::DefaultPrinter)); });
    connect(m_pause, &QPushButton::clicked, this, &TraceWindow::togglePause);
    connect(clear, &QPushButton::clicked, this, &TraceWindow::clearTrace);
    connect(whole, &QPushButton::clicked, this, [this] { zoomTo(std::nullopt); });
    connect(open, &QPushButton::clicked, this, &TraceWindow::openFile);
    connect(m_plot, &TracePlot::zoomed, this, &TraceWindow::zoomTo);
    connect(csv, &QPushButton::clicked, this, [this] { exportTrace(ExportKind::Csv); });
    connect(xlsx, &QPushButton::clicked, this, [this] { exportTrace(ExportKind::Spreadsheet); });
    connect(session, &QPushButton::clicked, this, [this] { exportTrace(ExportKind::Session); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(m_plot, &TracePlot::selected, this, [this](std::optional<TraceSpan> span) {
        m_selection = span;
        showTrace();
    });
    const auto levels = [this] {
        m_cursorFrom = m_from->value();
        m_cursorTo = m_to->value();
        showTrace();
    };
    connect(m_from, &QSpinBox::valueChanged, this, levels);
    connect(m_to, &QSpinBox::valueChanged, this, levels);
    m_watch = new QTimer(this);
    m_watch->setInterval(250);
    connect(m_watch, &QTimer::timeout, this, &TraceWindow::showState);
    // (The main window puts the readings into the capture first: it
    // connected to the acquisition before this window was made.)
    connect(&m_acquisition, &Acquisition::arrived, this, &TraceWindow::arrived);
    connect(&m_acquisition, &Acquisition::faulted, this, [this](const MeterReading &fault, const QString &device) {
        if (!reading())
            return;
        m_fault = InstrumentDialog::faultText(fault, device);
        showState();
    });
    m_paused = m_capture.paused;
    m_pause->setText(m_paused ? tr("&Riprendi") : tr("&Pausa"));
    showTrace();
}

TraceWindow::~TraceWindow() = default;

QSize TraceWindow::sizeHint() const { return m_content->sizeHint().expandedTo(QSize(760, 600)); }

TraceSensor TraceWindow::sensor() const
{
    return {m_calculator.family(), m_calculator.fullScale() > 0 ? m_calculator.fullScale() : 2000, m_calculator.zeroMv()};
}

// No reading for over a second while the window reads.
bool TraceWindow::standsStill() const { return !m_paused && m_trace.stale(m_capture.now(), kStaleMs); }

TraceView TraceWindow::view() const
{
    TraceView v;
    v.trace = &m_trace;
    v.sensor = sensor();
    v.shown = m_shown;
    v.selection = m_selection;
    v.cursorFrom = m_cursorFrom;
    v.cursorTo = m_cursorTo;
    v.stale = standsStill();
    return v;
}

void TraceWindow::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!reading() && !m_paused)
        listen(true);
}

void TraceWindow::closeEvent(QCloseEvent *e)
{
    // Closed, it listens no more: the acquisition stops where nothing else
    // listens.
    listen(false);
    QWidget::closeEvent(e);
}

bool TraceWindow::reading() const { return m_acquisition.listens(this); }

void TraceWindow::listen(bool on)
{
    if (on) {
        m_fault.clear();
        m_watch->start();
        m_acquisition.listen(this);
    } else {
        m_watch->stop();
        m_acquisition.release(this);
    }
    showState();
}

void TraceWindow::arrived()
{
    if (!reading() || m_trace.empty())
        return;
    m_fault.clear();
    follow();
    showTrace();
}

void TraceWindow::take(const MeterReading &reading, std::int64_t ms, const QDateTime &at)
{
    if (reading.kind != MeterReading::Volts) {
        m_fault = InstrumentDialog::faultText(reading, configuredInstrument());
        showState();
        return;
    }
    m_fault.clear();
    if (m_trace.empty())
        m_capture.started = at;
    m_trace.add(ms, reading.volts * 1000.0);
    if (const QString name = instrumentName(reading.vendor, reading.model, reading.serial); !name.isEmpty())
        m_capture.meter = name;
    follow();
    showTrace();
}

void TraceWindow::follow()
{
    if (m_trace.empty())
        return;
    // A view that ended at the newest reading follows the ones that came.
    const std::int64_t newest = m_trace.samples().back().ms;
    if (m_shown && m_shown->toMs >= m_followingUpTo) {
        const std::int64_t by = newest - m_shown->toMs;
        if (by > 0)
            m_shown = TraceSpan{m_shown->fromMs + by, m_shown->toMs + by};
    }
    // A zoomed view whose readings were let go moves on with the trace.
    if (m_shown && m_shown->fromMs < m_trace.samples().front().ms)
        m_shown = traceZoom(view(), 1);
    m_followingUpTo = newest;
}

void TraceWindow::zoomTo(std::optional<TraceSpan> shown)
{
    m_shown = shown;
    showTrace();
}

void TraceWindow::togglePause()
{
    m_paused = !m_paused;
    m_capture.paused = m_paused;
    m_pause->setText(m_paused ? tr("&Riprendi") : tr("&Pausa"));
    listen(!m_paused && isVisible());
    showTrace();
}

void TraceWindow::clearTrace()
{
    m_capture.clear();
    m_selection.reset();
    m_shown.reset();
    showTrace();
}

void TraceWindow::showTrace()
{
    const TraceView v = view();
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator); // as the calculator writes them
    if (const auto last = m_trace.latest())
        m_latest->setText(tr("%1 mV   %2 bar").arg(l.toString(qRound64(last->mv))).arg(l.toString(qRound64(v.sensor.bar(last->mv)))));
    else
        m_latest->setText(tr("-- mV   -- bar"));
    m_stats->setText(traceWholeLine(v));
    const QString selection = traceSelectionLine(v);
    m_selected->setText(selection.isEmpty() ? tr("Selezione: trascina sul grafico, o Maiusc e le frecce sul grafico.") : selection);
    m_cursors->setText(traceCursorText(v));
    if (m_shown && !m_trace.empty()) {
        const std::int64_t first = m_trace.samples().front().ms;
        m_shownLine->setText(tr("Vista da %1 a %2: la rotella o + e - per lo zoom, Maiusc con la rotella o Pag su e Pag giù per scorrere, 0 per tutta la traccia.")
                                 .arg(traceSeconds(double(m_shown->fromMs - first)), traceSeconds(double(m_shown->toMs - first))));
    } else
        m_shownLine->setText(tr("Vista intera: la rotella o + sul grafico per lo zoom."));
    m_latest->setAccessibleDescription(m_latest->text());
    m_plot->setAccessibleDescription(m_latest->text() + QStringLiteral(". ") + m_stats->text());
    m_plot->show(v);
    showState();
}

void TraceWindow::showState()
{
    QString state;
    const std::int64_t now = m_capture.now();
    if (m_paused && !m_capture.file.isEmpty())
        state = tr("Traccia dal file %1: %Ln letture; Riprendi aggiunge quelle del multimetro.", nullptr, int(m_trace.samples().size()))
                    .arg(QFileInfo(m_capture.file).fileName());
    else if (m_paused)
        state = tr("In pausa: la traccia tiene le sue %Ln letture.", nullptr, int(m_trace.samples().size()));
    else if (!m_fault.isEmpty())
        state = m_fault;
    else if ((m_trace.empty() || m_trace.stale(now, kStaleMs)) && configuredInstrument().isEmpty())
        state = tr("Nessun multimetro scelto: sceglilo con Strumento... (F8).");
    else if (m_trace.empty())
        state = tr("In attesa della prima lettura del multimetro...");
    else if (m_trace.stale(now, kStaleMs))
        state = tr("Nessuna lettura da %1: la traccia è ferma.").arg(traceSeconds(double(now - m_trace.samples().back().ms)));
    else if (const double mv = m_trace.samples().back().mv; mv > kBeyondSupplyMv && probeFactor(configuredInstrument()) == 10)
        state = tr("Letture oltre 5 V (%1 mV): impossibili per questo sensore. La sonda è impostata x10: è davvero una sonda x10?")
                    .arg(qRound(mv));
    else if (const QString signal = traceSignalText(m_trace.samples().back().mv, m_calculator.family()); !signal.isEmpty())
        state = signal;
    else
        state = tr("Lettura in corso.");
    if (m_state->text() != state)
        m_state->setText(state);
    // Grey once it stands still; blue again with the next reading.
    const bool stale = standsStill();
    if (stale != m_plot->view().stale) {
        TraceView v = m_plot->view();
        v.stale = stale;
        m_plot->show(v);
    }
}

void TraceWindow::openFile()
{
    if (m_opening)
        return; // (one file at a time)
    if (!m_trace.empty()
        && !m_platform.confirm(this, tr("La traccia ha %Ln letture: le sostituisci con quelle del file?", nullptr, int(m_trace.samples().size())),
                               tr("Traccia del sensore")))
        return;
    const auto file = m_platform.openFileName(this, tr("Apri una traccia"), QString(),
                                              tr("Tracce (*.csv *.sr);;File CSV (*.csv);;Sessioni sigrok (*.sr)"));
    if (!file)
        return;
    // Read off the window's thread (a file on a share may take its time),
    // within a time limit; a late answer is dropped.
    const int attempt = ++m_openAttempt;
    m_opening = true;
    const QString path = *file;
    const auto told = [this, path](const QString &why) {
        m_platform.message(this, why + QLatin1Char(' ') + tr("La traccia resta com'era."), tr("Traccia del sensore"), MessageIcon::Exclamation);
    };
    QTimer::singleShot(kFileTimeLimitMs, this, [this, attempt, path, told] {
        if (!m_opening || attempt != m_openAttempt)
            return;
        m_opening = false;
        ++m_openAttempt;
        told(tr("Il file %1 non risponde.").arg(QDir::toNativeSeparators(path)));
    });
    QPointer<TraceWindow> self(this);
    QThread *worker = QThread::create([self, attempt, path] {
        auto read = std::make_shared<TraceFileRead>();
        QString why;
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            why = f.errorString();
        else if (f.size() > qint64(kTraceFileMaxBytes))
            read->error = TraceFileRead::TooLarge;
        else if (path.endsWith(QLatin1String(".sr"), Qt::CaseInsensitive)) {
            // A sigrok session (ours, or PulseView's at any rate): its first
            // analog channel, each millisecond's range.
            f.close();
            std::optional<TraceFromRate> readings;
            QString notRead;
            if (!loadSession(path,
                             [&readings](const float *volts, const std::uint8_t *marks, std::size_t count, double rateHz) {
                                 if (!readings)
                                     readings.emplace(rateHz);
                                 return readings->add(volts, marks, count);
                             },
                             &notRead)
                || !readings)
                read->error = TraceFileRead::NotASession; // (never a part of one read)
            else
                *read = readings->finish();
        } else {
            const QByteArray bytes = f.readAll();
            *read = readTraceCsv(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        }
        const QDateTime modified = QFileInfo(path).lastModified();
        QMetaObject::invokeMethod(qApp, [self, attempt, path, read, why, modified] {
            if (self)
                self->opened(attempt, path, *read, why, modified);
        });
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

void TraceWindow::opened(int attempt, const QString &path, const TraceFileRead &read, const QString &why, const QDateTime &modified)
{
    if (!m_opening || attempt != m_openAttempt)
        return; // (given up on, told already)
    m_opening = false;
    const QString name = QDir::toNativeSeparators(path);
    QString fault;
    if (!why.isEmpty())
        fault = tr("Il file %1 non si apre: %2.").arg(name, why);
    else
        switch (read.error) {
        case TraceFileRead::None:
            break;
        case TraceFileRead::TooLarge:
            fault = tr("Il file %1 è troppo grande per una traccia (oltre %2 MB o %3 letture).")
                        .arg(name).arg(kTraceFileMaxBytes >> 20).arg(QLocale().toString(qulonglong(kTraceCapacity)));
            break;
        case TraceFileRead::NotACapture:
            fault = tr("Il file %1 non è una traccia esportata: la sua prima riga non ha le colonne del tempo e dei mV.").arg(name);
            break;
        case TraceFileRead::Empty:
            fault = tr("Il file %1 non ha letture.").arg(name);
            break;
        case TraceFileRead::Truncated:
            fault = tr("Il file %1 è troncato: la riga %2 non ha i mV.").arg(name).arg(read.line);
            break;
        case TraceFileRead::BadNumber:
            fault = tr("Il file %1 non si legge: alla riga %2 il tempo o i mV non sono numeri.").arg(name).arg(read.line);
            break;
        case TraceFileRead::TimeGoesBack:
            fault = tr("Il file %1 non si legge: alla riga %2 il tempo torna indietro.").arg(name).arg(read.line);
            break;
        case TraceFileRead::NotASession:
            fault = tr("Il file %1 non è una sessione sigrok con un canale analogico.").arg(name);
            break;
        }
    if (!fault.isEmpty()) {
        m_platform.message(this, fault + QLatin1Char(' ') + tr("La traccia resta com'era."), tr("Traccia del sensore"),
                           MessageIcon::Exclamation);
        return;
    }
    // The file's capture in place of the one shown, paused; its start from
    // the name the export gave it, else from when the file was written.
    if (!m_paused)
        togglePause();
    m_capture.clear();
    m_capture.trace = read.trace;
    m_capture.file = path;
    const QDateTime named = QDateTime::fromString(QFileInfo(path).completeBaseName().right(16), QStringLiteral("yyyy-MM-dd HH.mm"));
    m_capture.started = named.isValid() ? named : modified.addMSecs(-m_trace.durationMs());
    m_capture.offsetMs = m_trace.samples().back().ms + 1000 - m_capture.clock.elapsed();
    m_selection.reset();
    m_shown.reset();
    showTrace();
}

void TraceWindow::exportTrace(ExportKind kind)
{
    if (m_trace.empty()) {
        m_platform.message(this, tr("La traccia non ha letture: non c'è nulla da esportare."), tr("Traccia del sensore"),
                           MessageIcon::Information);
        return;
    }
    const QString name = tr("Traccia %1").arg(m_capture.started.toString(QStringLiteral("yyyy-MM-dd HH.mm")));
    saveExport(m_platform, this, kind, fileNameFor(name),
               [trace = m_trace, sensor = sensor(), kind, sep = csvSeparator()](QString *why) -> std::optional<QByteArray> {
                   switch (kind) {
                   case ExportKind::Csv:
                       return traceCsv(trace, sensor, sep);
                   case ExportKind::Spreadsheet:
                       return xlsxFile(traceSheet(trace, sensor), why);
                   case ExportKind::Session:
                       break;
                   }
                   // libsigrok writes the session to a file of its own: its
                   // bytes then go where the technician chose, in one piece.
                   if (trace.durationMs() > kTraceGridMaxMs) {
                       *why = tr("La traccia dura più di %1 ore: una sessione sigrok ne tiene al più %1. Esportala in CSV.")
                                  .arg(kTraceGridMaxMs / 3600000);
                       return std::nullopt;
                   }
                   QTemporaryDir dir;
                   const QString file = dir.filePath(QStringLiteral("traccia.sr"));
                   if (!dir.isValid()
                       || !saveSession(file, kTraceGridRateHz, [&trace](const auto &put) { traceToGrid(trace, put); }, why))
                       return std::nullopt;
                   QFile written(file);
                   if (!written.open(QIODevice::ReadOnly)) {
                       *why = written.errorString();
                       return std::nullopt;
                   }
                   return written.readAll();
               },
               kind == ExportKind::Csv           ? tr("Traccia salvata nel file CSV %1")
                   : kind == ExportKind::Session ? tr("Traccia salvata come sessione sigrok %1")
                                                 : tr("Traccia salvata nel foglio di calcolo %1"));
}

void TraceWindow::sendPage(int where, const QString &printer)
{
    if (m_trace.empty()) {
        m_platform.message(this, tr("La traccia non ha letture: non c'è nulla da stampare."), tr("Traccia del sensore"),
                           MessageIcon::Information);
        return;
    }
    if (m_sender->refuseWhileBusy())
        return;
    // The page from what the window holds now, not from what it will read meanwhile.
    auto snapshot = std::make_shared<Trace>(m_trace);
    TracePage page{view(), pageFrame(m_platform, this), m_capture.started, QDateTime::currentDateTime(), m_capture.meter};
    page.view.trace = snapshot.get();
    page.view.stale = false;
    std::shared_ptr<PrintSurface> surface = m_platform.newPage();
    printTracePage(*surface, page);
    const QString what = tr("Traccia %1").arg(m_capture.started.toString(QStringLiteral("yyyy-MM-dd HH.mm")));
    m_sender->route(PageSender::Destination(where), surface, what, fileNameFor(what) + QStringLiteral(".pdf"), printer);
}

} // namespace dravino
