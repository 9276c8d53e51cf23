#include "ui/frmDravino.h"

#include "ui/Build.h"
#include "ui/LiveReading.h"
#include "ui/CalculatorModel.h"
#include "ui/MainPanel.h"
#include "ui/Platform.h"
#include "ui/PrintBox.h"
#include "ui/ScalePanel.h"
#include "ui/SensataPanel.h"
#include "archive/ArchiveService.h"
#include "archive/Location.h"
#include "instrument/Acquisition.h"
#include "instrument/MeterService.h"
#include "ui/trace/TraceWindow.h"
#include "ui/trace/GuidedTestWindow.h"
#include "ui/calibration/CalibrationWindow.h"
#include "ui/dialogs/InstrumentDialog.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/printjob/PrintJob.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using namespace dravino;

frmDravino::frmDravino() : m_ownPlatform(std::make_shared<DesktopPlatform>()), m_platform(*m_ownPlatform)
{
    Form_Load();
}

frmDravino::frmDravino(Platform &platform) : m_platform(platform) { Form_Load(); }

frmDravino::~frmDravino()
{
    // The focus moves while the widgets go: not to this window's handler.
    disconnect(m_focusWatch);
    // The panels go before the model they share; the calibration and
    // trace windows before the models they show (as children they would
    // go after them, and their tables ask their models as they hide).
    delete m_calibrationWindow;
    delete m_traceWindow;
    delete m_guidedWindow;
    delete m_scroll;
}

ArchiveService *frmDravino::archive()
{
    if (!m_archive) {
        m_archive = new ArchiveService(configuredLocation(), this);
        connect(m_archive, &ArchiveService::notice, this, [this](const QString &text) {
            m_platform.message(this, text, tr("Archivio prove"), MessageIcon::Exclamation);
        });
    }
    return m_archive;
}

void frmDravino::takeReading()
{
    QWidget *focus = QApplication::focusWidget();
    if (front() == fraMain && fraMain->takesReading(focus))
        readMeter([this](const MeterReading &reading) { return fraMain->putReading(reading.volts); });
    else if (front() == fraSecondary && fraSecondary->takesReading(focus))
        readMeter([this, field = QPointer<QWidget>(focus)](const MeterReading &reading) {
            if (field)
                fraSecondary->putReading(field, reading);
            return true;
        });
}

void frmDravino::toggleLiveReading()
{
    if (live()->running()) {
        stopLive();
        return;
    }
    if (front() != fraMain || !fraMain->takesReading(QApplication::focusWidget()) || configuredInstrument().isEmpty()) {
        takeReading(); // says why, where there is a reason to say
        return;
    }
    m_live->start();
}

LiveReading *frmDravino::live()
{
    if (!m_live)
        m_live = new LiveReading({[this](const LiveReading::Put &put, const LiveReading::Fault &fault) { return readMeter(put, fault); },
                                  [this](double volts) { return fraMain->putReading(volts); },
                                  [this](const MeterReading &reading, const QString &device) { tellMeterFault(reading, device); },
                                  [this](bool on) {
                                      fraMain->setLive(on);
                                      // Following the meter, it listens to the acquisition.
                                      if (on)
                                          acquisition()->listen(m_live);
                                      else if (m_acquisition)
                                          m_acquisition->release(m_live);
                                  },
                                  [] { return QApplication::activeModalWidget() != nullptr; }},
                                 this);
    return m_live;
}

bool frmDravino::readingMeter() const { return m_meter && m_meter->busy(); }
bool frmDravino::preparingPage() const { return fraSecondary->numbering(); }

bool frmDravino::readMeter(const std::function<bool(const MeterReading &)> &put, Fault fault)
{
    if (!fault)
        fault = [this](const MeterReading &reading, const QString &device) { tellMeterFault(reading, device); };
    const QString device = configuredInstrument();
    if (device.isEmpty()) {
        m_platform.message(this, tr("Nessun multimetro scelto: sceglilo con Strumento... (F8)."), tr("Multimetro"),
                           MessageIcon::Information);
        return true; // (nothing to wait for)
    }
    // While the acquisition streams (the trace, Shift+F9, the guided test
    // listen to it), its newest reading, under a second old, is the
    // meter's answer, else the next that comes: no session of its own.
    if (m_acquisition && m_acquisition->listened()) {
        m_acquisition->nextReading(this, kFreshTraceReadingMs, [put, fault, device](const MeterReading &reading) {
            if (reading.kind == MeterReading::Volts)
                put(reading);
            else
                fault(reading, device);
        });
        return true;
    }
    if (meter()->busy())
        return false; // a reading is under way: its own answer comes
    m_meter->read(device, this, [put, fault, device](const MeterReading &reading) {
        if (reading.kind == MeterReading::Volts)
            put(reading);
        else
            fault(reading, device);
    });
    return true;
}

void frmDravino::stopLive()
{
    if (m_live && m_live->running())
        m_live->stop();
}

void frmDravino::tellMeterFault(const MeterReading &r, const QString &device)
{
    stopLive();
    m_platform.message(this, InstrumentDialog::faultText(r, device), tr("Multimetro"), MessageIcon::Exclamation);
}

void frmDravino::openInstrument()
{
    InstrumentDialog::choose(m_platform, this);
    if (m_acquisition)
        m_acquisition->sourceChanged();
}

Acquisition *frmDravino::acquisition()
{
    if (!m_acquisition) {
        if (!m_capture)
            m_capture = std::make_unique<TraceCapture>();
        m_acquisition = new Acquisition(this);
        feedCapture(*m_acquisition, *m_capture);
    }
    return m_acquisition;
}

MeterService *frmDravino::meter()
{
    if (!m_meter)
        m_meter = new MeterService(this);
    return m_meter;
}

void frmDravino::openTrace()
{
    if (!m_traceWindow) {
        if (!m_capture)
            m_capture = std::make_unique<TraceCapture>();
        m_traceWindow = new TraceWindow(m_platform, *m_calculator, *m_capture, *acquisition(), this);
        m_traceWindow->setAttribute(Qt::WA_DeleteOnClose);
        // Beside this window, where the screen has room for all of it.
        m_traceWindow->resize(m_traceWindow->sizeHint());
        const QRect avail = screen() ? screen()->availableGeometry() : QRect();
        QPoint at = frameGeometry().topRight() + QPoint(8, 0);
        if (!avail.isEmpty() && at.x() + m_traceWindow->width() > avail.right())
            at = avail.topLeft() + QPoint(std::max(0, avail.width() - m_traceWindow->width()), 0);
        m_traceWindow->move(at);
        m_traceWindow->show();
        fitWindowToScreen(m_traceWindow); // (shown: its frame known where the system gives one)
    }
    m_traceWindow->show();
    m_traceWindow->raise();
    m_traceWindow->activateWindow();
}

void frmDravino::openGuidedTest()
{
    if (!m_capture)
        m_capture = std::make_unique<TraceCapture>();
    if (!m_guidedWindow) {
        m_guidedWindow = new GuidedTestWindow(m_platform, *m_calculator, *m_capture, [this] { return archive(); }, acquisition(), this);
        m_guidedWindow->setAttribute(Qt::WA_DeleteOnClose);
        // Open, it listens: the capture it judges goes on from the instrument.
        if (!configuredInstrument().isEmpty())
            acquisition()->listen(m_guidedWindow);
        m_guidedWindow->show();
        fitWindowToScreen(m_guidedWindow);
    } else
        m_guidedWindow->evaluate();
    m_guidedWindow->show();
    m_guidedWindow->raise();
    m_guidedWindow->activateWindow();
}

CalibrationWindow *frmDravino::calibrationWindow() const { return m_calibrationWindow; }

void frmDravino::openCalibration()
{
    if (!m_calibration)
        m_calibration = std::make_unique<CalibrationModel>();
    if (!m_calibrationWindow) {
        m_calibrationWindow = new CalibrationWindow(
            m_platform, *m_calibration, *m_calculator, [this] { return archive(); },
            [this](std::function<bool(const MeterReading &)> put) { return readMeter(put); }, this);
        m_calibrationWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_calibrationWindow->show();
    m_calibrationWindow->raise();
    m_calibrationWindow->activateWindow();
}

void frmDravino::openArchive()
{
    if (!m_archiveWindow) {
        m_archiveWindow = new ArchiveWindow(m_platform, [this] { return archive(); }, this);
        m_archiveWindow->setAttribute(Qt::WA_DeleteOnClose);
        // A calibration corrected: taken up again, its new certificate naming the old.
        m_archiveWindow->setCorrect([this](const CheckRecord &record) {
            openCalibration();
            m_calibrationWindow->correct(calibrationFrom(record.calibration), record.code, record.certificate);
        });
    } else {
        m_archiveWindow->refresh();
    }
    m_archiveWindow->show();
    m_archiveWindow->raise();
    m_archiveWindow->activateWindow();
}

void frmDravino::Form_Load()
{
    // 13, naming the printer, asks the print server, which may take longer
    // than the whole start-up: a thread asks once the window has drawn
    // itself, so that loading the printing system's libraries costs its
    // first frame nothing (a window never drawn asks after a second).
    QTimer::singleShot(kPrinterAskedAfterMs, this, &frmDravino::askForPrinter);
    setObjectName(QStringLiteral("frmDravino"));
    setWindowTitle(tr("Dravino 10/2024"));
    setWindowIcon(programIcon());
    setFont(arial(9.75));
    // The design's fixed window is a canvas in a scroll area, so that on a
    // screen too small for it (200 % on 1366x768) every control can still
    // be reached; where it fits, the scroll area shows it whole and nothing else.
    auto *canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("canvas"));
    canvas->setFixedSize(px(7920), px(5970));
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus); // Tab goes from control to control, and scrolls to it
    m_scroll->setWidget(canvas);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    fitToScreen();

    m_panels = new QStackedWidget(canvas);
    m_panels->setObjectName(QStringLiteral("panels"));
    place(m_panels, 240, 120, 7455, 5655);
    m_calculator = std::make_unique<CalculatorModel>();
    fraMain = new MainPanel(m_platform, *m_calculator, m_panels);
    fraSecondary = new ScalePanel(m_platform, *m_calculator, m_panels);
    fraSensata = new SensataPanel(m_platform, m_panels);
    for (QWidget *panel : {static_cast<QWidget *>(fraMain), static_cast<QWidget *>(fraSecondary),
                           static_cast<QWidget *>(fraSensata)}) {
        m_panels->addWidget(panel);
        // The stack sizes only the page in front; every panel has its size from the start.
        panel->setGeometry(m_panels->rect());
    }
    connectHandlers();

    placeWindow();                              // 1
    fraMain->startSetZero();                    // 2
    fraMain->startSelectFamily();               // 3
    fraMain->startShowStartPicture();           // 4
    fraMain->startSelectResolution();           // 5
    fraMain->startMarkDefaults();               // 6, 7, 8
    fraMain->startFitFocusFrames();             // 9
    fraMain->startFillFullScales();             // 10
    fraSensata->startFillCountryMarks();        // 11
    fraSensata->startFillGasMarks();            // 12
    // 13 comes with the printer's answer: see askForPrinter().
    showPanel(fraMain);                         // 14

    auto order = fraMain->tabOrder();
    for (const auto &part : {fraSecondary->tabOrder(), fraSensata->tabOrder()})
        order.insert(order.end(), part.begin(), part.end());
    dravino::setTabOrder(order);
    // The first control in tab order takes the focus when the window shows.
    fraMain->focusFirst();

    // Checks that waited on the bench for the archive's server (an earlier
    // session's) go as soon as it answers, off the window's thread; looked
    // for once the window is up, not before its first paint.
    QTimer::singleShot(2000, this, [this] {
        if (isServerLocation(configuredLocation()) && QFileInfo::exists(outboxPath()))
            archive();
    });
}

void frmDravino::askForPrinter()
{
    if (std::exchange(m_printerAsked, true))
        return;
    // The lookup may take as long as the print server makes it: the window
    // neither waits for it nor keeps the program alive for it. It keeps what
    // it uses (the answer, the window's own services) alive itself.
    std::shared_ptr<Platform> keep = m_ownPlatform;
    Platform *platform = &m_platform;
    startPrinterLookup([keep, platform] { return platform->printer(); }, this,
                       [this](const PrinterName &printer) { namePrinter(printer); });
}

void frmDravino::namePrinter(const PrinterName &printer)
{
    fraMain->setPrinterTooltip(printer);
    fraSecondary->setPrinterTooltip(printer);
    m_printerNamed = true;
}

namespace
{
// What a window manager adds around a window, before one has: a title bar
// and thin borders, in logical pixels.
constexpr QMargins kFrameGuess(6, 32, 6, 6);

// The window manager's frame around w, once it has one; null before.
QMargins frameOf(const QWidget *w)
{
    const QRect inner = w->geometry(), outer = w->frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QRect available()
{
    const QScreen *screen = QApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
} // namespace

void frmDravino::fitToScreen()
{
    const QSize design = m_scroll->widget()->size();
    const QRect avail = available();
    QSize size = design;
    if (!avail.isEmpty()) {
        const QMargins frame = frameOf(this); // the window manager's, once shown
        const QMargins around = frame.isNull() ? kFrameGuess : frame;
        const QSize room(avail.width() - around.left() - around.right(),
                         avail.height() - around.top() - around.bottom());
        // A scroll bar in one direction takes room in the other: make it
        // where there is some, so that only one bar is needed.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
        if (design.height() > room.height())
            size.rwidth() += bar;
        if (design.width() > room.width())
            size.rheight() += bar;
        size = size.boundedTo(room);
    }
    setFixedSize(size);
}

// The design's place, (screen - window) / 2 across and / 3 down, kept
// inside the screen's available area.
void frmDravino::placeWindow()
{
    const QScreen *screen = QApplication::primaryScreen();
    if (!screen)
        return;
    const QRect whole = screen->geometry();
    const float left = float(whole.width() - width()) / 2.0f;
    const float top = float(whole.height() - height()) / 3.0f;
    QPoint at(whole.left() + int(left), whole.top() + int(top));
    const QRect avail = screen->availableGeometry();
    // move() places the frame's corner.
    const QSize outer = size().grownBy(frameOf(this).isNull() ? kFrameGuess : frameOf(this));
    at.setX(std::clamp(at.x(), avail.left(), std::max(avail.left(), avail.right() + 1 - outer.width())));
    at.setY(std::clamp(at.y(), avail.top(), std::max(avail.top(), avail.bottom() + 1 - outer.height())));
    move(at);
}

void frmDravino::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window manager's frame is known once the window is up: fit again
    // with it where the guess was wrong.
    QTimer::singleShot(50, this, [this] {
        const QRect avail = available();
        if (avail.isEmpty() || frameOf(this).isNull() || avail.contains(frameGeometry()))
            return;
        fitToScreen();
        placeWindow();
    });
}

void frmDravino::connectHandlers()
{
    connect(fraMain, &MainPanel::headingReleased, this, &frmDravino::lblLabel_MouseUp);
    connect(fraMain, &MainPanel::logoReleased, this, &frmDravino::picLogo_MouseUp);
    connect(fraMain, &MainPanel::mailReleased, this, &frmDravino::lblMail_MouseUp);
    connect(fraSecondary, &ScalePanel::backRequested, this, &frmDravino::cmdBack_Click);
    connect(fraSecondary, &ScalePanel::calibrationRequested, this, &frmDravino::openCalibration);
    connect(fraSensata, &SensataPanel::backRequested, this, &frmDravino::cmdSensataBack_Click);
    fraSecondary->setArchive([this] { return archive(); }, [this] { openArchive(); });
    connect(fraMain, &MainPanel::liveInterrupted, this, &frmDravino::stopLive);
    // The live reading belongs to mVolt 1: it stops when the focus goes to
    // another control (another panel, a dialog), not when another program
    // takes the desktop's.
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && !fraMain->takesReading(now))
            stopLive();
    });

    // Whether an Esc was meant for an open list is known only before the list
    // closes on it, which may come before the shortcut.
    qApp->installEventFilter(this);
    const std::pair<QKeySequence, void (frmDravino::*)()> keys[] = {
        {QKeySequence(Qt::Key_F2), &frmDravino::openScaleFromKeyboard},
        {QKeySequence(Qt::Key_F3), &frmDravino::openSensataFromKeyboard},
        {QKeySequence(Qt::Key_Escape), &frmDravino::backFromKeyboard},
        {QKeySequence(Qt::Key_F4), &frmDravino::openArchive},
        {QKeySequence(Qt::Key_F6), &frmDravino::openCalibration},
        {QKeySequence(Qt::Key_F7), &frmDravino::openTrace},
        {QKeySequence(Qt::SHIFT | Qt::Key_F7), &frmDravino::openGuidedTest},
        {QKeySequence(Qt::Key_F8), &frmDravino::openInstrument},
        {QKeySequence(Qt::Key_F9), &frmDravino::takeReading},
        {QKeySequence(Qt::SHIFT | Qt::Key_F9), &frmDravino::toggleLiveReading}};
    for (const auto &[sequence, handler] : keys)
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, handler);
}

bool frmDravino::eventFilter(QObject *watched, QEvent *e)
{
    if (!m_printerAsked && e->type() == QEvent::Paint && watched == fraMain)
        QTimer::singleShot(0, this, &frmDravino::askForPrinter);
    // Qt asks again once the list has closed: the first answer holds for
    // the rest of that key press (the same time), until the key is let go.
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, e);
    const auto *key = static_cast<QKeyEvent *>(e);
    if (key->key() != Qt::Key_Escape)
        return QWidget::eventFilter(watched, e);
    if (e->type() == QEvent::KeyRelease)
        m_escapeForPopup = false;
    else if (QApplication::activePopupWidget()) {
        m_escapeForPopup = true;
        m_escapeTime = key->timestamp();
    } else if (key->timestamp() != m_escapeTime) {
        m_escapeForPopup = false;
    }
    return QWidget::eventFilter(watched, e);
}

QWidget *frmDravino::front() const { return m_panels->currentWidget(); }

void frmDravino::showPanel(QWidget *newFront)
{
    QWidget *focus = QApplication::focusWidget();
    if (front() == fraMain && newFront != fraMain && focus && fraMain->isAncestorOf(focus))
        m_mainFocus = focus;
    m_panels->setCurrentWidget(newFront);
    // Only the page in front takes input, as in the old design.
    for (int i = 0; i < m_panels->count(); ++i)
        m_panels->widget(i)->setEnabled(m_panels->widget(i) == newFront);
    // The focus follows the panel: its first control, or back where it was
    // on the main panel (the voltage field when it was nowhere there).
    if (newFront == fraMain) {
        if (m_mainFocus && m_mainFocus->isEnabled())
            m_mainFocus->setFocus(Qt::OtherFocusReason);
        else
            fraMain->focusFirst();
    } else {
        const auto order = newFront == fraSecondary ? fraSecondary->tabOrder() : fraSensata->tabOrder();
        const auto first = std::min_element(order.begin(), order.end(),
                                            [](const auto &a, const auto &b) { return a.first < b.first; });
        first->second->setFocus(Qt::OtherFocusReason);
    }
}

void frmDravino::openScaleFromKeyboard()
{
    if (front() != fraMain)
        return;
    m_clickScala = 0;
    showPanel(fraSecondary);
}

void frmDravino::openSensataFromKeyboard()
{
    if (front() != fraMain)
        return;
    m_clickSensata = 0;
    showPanel(fraSensata);
}

void frmDravino::backFromKeyboard()
{
    // Esc closes an open list first; only the next one goes back.
    if (std::exchange(m_escapeForPopup, false)) {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        return;
    }
    if (front() != fraMain)
        showPanel(fraMain);
}

void frmDravino::lblLabel_MouseUp(int index, ulong time)
{
    // A release long after the first is a first one again.
    const auto count = [time](int &clicks, ulong &first) {
        if (clicks == 1 && time - first > ulong(QApplication::doubleClickInterval()))
            clicks = 0;
        if (clicks == 0)
            first = time;
        ++clicks;
    };
    if (index == 4)
        count(m_clickScala, m_firstScala);
    else if (index == 2)
        count(m_clickSensata, m_firstSensata);
    if (m_clickScala == 2) {
        m_clickScala = 0;
        showPanel(fraSecondary);
    }
    if (m_clickSensata == 2) {
        m_clickSensata = 0;
        showPanel(fraSensata);
    }
}

void frmDravino::cmdBack_Click() { showPanel(fraMain); }

void frmDravino::cmdSensataBack_Click() { showPanel(fraMain); }

void frmDravino::picLogo_MouseUp()
{
    const QString web = m_platform.makerWeb();
    if (web.isEmpty())
        return; // the build names no web page
    const int result = m_platform.shellOpen(web);
    if (result <= 32)
        m_platform.message(this, tr("Errore %1").arg(result), tr("Errore"),
                           MessageIcon::Critical);
}

void frmDravino::lblMail_MouseUp()
{
    if (const QString mail = m_platform.makerMail(); !mail.isEmpty())
        m_platform.shellOpen(QStringLiteral("mailto:") + mail);
}
