#pragma once
// Dravino's one window. Three panels are the pages of one stack; exactly one
// is in front, shown and enabled:
//   MainPanel    (fraMain)      the calculator and its print box
//   ScalePanel   (fraSecondary) the scale and linearity check
//   SensataPanel (fraSensata)   the Sensata label decoder
// The window runs the start-up, switches panels (two releases on a heading
// open a panel, the back buttons return; from the keyboard F2 opens the
// scale panel, F3 the Sensata panel and Esc returns) and hands the two links
// to the desktop shell. Everything else is the panels' own: a panel asks
// for a switch with a signal, and the calculator's state they share is a
// model of its own (CalculatorModel). The panels not in front are hidden, so that
// neither Tab nor a screen reader finds them.

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "ui/Platform.h"

class QScrollArea;
class QStackedWidget;

namespace dravino {
class ArchiveService;
class CalculatorModel;
class MeterService;
class Acquisition;
class LiveReading;
struct MeterReading;
class ArchiveWindow;
class CalibrationModel;
class CalibrationWindow;
class TraceWindow;
class GuidedTestWindow;
struct TraceCapture;
class Platform;
class MainPanel;
class ScalePanel;
class SensataPanel;
} // namespace dravino

class frmDravino final : public QWidget
{
    Q_OBJECT
public:
    // With the real desktop services.
    frmDravino();
    // With the given services (tests); the window does not own them.
    explicit frmDravino(dravino::Platform &platform);
    ~frmDravino() override;
    Q_DISABLE_COPY_MOVE(frmDravino)

    dravino::MainPanel &mainPanel() const { return *fraMain; }
    dravino::ScalePanel &scalePanel() const { return *fraSecondary; }
    dravino::SensataPanel &sensataPanel() const { return *fraSensata; }
    const dravino::CalculatorModel &calculator() const { return *m_calculator; }
    // The print buttons name the default printer: asked off the window's
    // thread at start-up, told when the answer comes; until then they keep
    // their own tooltips, and nothing waits for the answer.
    bool printerNamed() const { return m_printerNamed; }

    // time: when the mouse was let go (ms); the second release counts only
    // within the desktop's double-click interval of the first.
    void lblLabel_MouseUp(int index, ulong time = 0);
    void cmdBack_Click();
    void cmdSensataBack_Click();
    void picLogo_MouseUp();
    void lblMail_MouseUp();
    // The keyboard's way to the panels, beside the two releases.
    void openScaleFromKeyboard();
    void openSensataFromKeyboard();
    void backFromKeyboard();
    // F4, and the scale sheet's print menu: the archive of checks.
    void openArchive();
    // F9: one reading of the bench meter into the field that has the focus
    // (mVolt 1, a converter reading of the scale panel); elsewhere nothing.
    void takeReading();
    // Shift+F9 in mVolt 1: the meter read a few times a second, or no more.
    void toggleLiveReading();
    // F8, and the print menus: the meter to read.
    void openInstrument();
    // F7: the sensor traced from the meter, in a window beside this one.
    void openTrace();
    // Shift+F7: the guided in-vehicle test on the trace's capture.
    void openGuidedTest();
    // F6, and taratura... on the scale panel: the calibration window. A
    // recorded calibration given: taken up again, to correct it.
    void openCalibration();
    dravino::CalibrationWindow *calibrationWindow() const;
    // The meter's service, made when first needed; the trace window and F9
    // take turns on it.
    dravino::MeterService *meter();
    dravino::Acquisition *acquisition();
    // A meter reading is under way.
    bool readingMeter() const;
    // A page being made ready before it goes (a certificate numbered).
    bool preparingPage() const;
    // The archive, opened when first needed (start-up never touches it);
    // what happened on opening is told once.
    dravino::ArchiveService *archive();

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void askForPrinter();
    void namePrinter(const dravino::PrinterName &printer);
    void placeWindow();
    void fitToScreen();
    void showPanel(QWidget *front);
    void connectHandlers();

    // Shared with the printer lookup, which may outlive the window.
    std::shared_ptr<dravino::Platform> m_ownPlatform;
    dravino::Platform &m_platform;
    // The calculator's state, which the panels share; it outlives them.
    std::unique_ptr<dravino::CalculatorModel> m_calculator;
    QScrollArea *m_scroll = nullptr;
    QStackedWidget *m_panels = nullptr;
    dravino::MainPanel *fraMain = nullptr;
    dravino::ScalePanel *fraSecondary = nullptr;
    dravino::SensataPanel *fraSensata = nullptr;
    QWidget *front() const;
    // The main panel's control that had the focus when another panel opened.
    QPointer<QWidget> m_mainFocus;
    int m_clickScala = 0;
    int m_clickSensata = 0;
    ulong m_firstScala = 0;   // when the counted release came
    ulong m_firstSensata = 0;
    bool m_printerNamed = false;
    bool m_printerAsked = false;
    static constexpr int kPrinterAskedAfterMs = 1000; // where the window is not drawn before
    static constexpr int kFreshTraceReadingMs = 1000; // F9 takes the acquisition's newest reading this young
    dravino::ArchiveService *m_archive = nullptr;
    dravino::MeterService *m_meter = nullptr;
    dravino::Acquisition *m_acquisition = nullptr; // the instrument's stream, while anything listens
    // One reading; put hears the volts, a fault is told (and ends a live
    // reading). False where one is under way already and none was started.
    using Fault = std::function<void(const dravino::MeterReading &, const QString &device)>;
    bool readMeter(const std::function<bool(const dravino::MeterReading &)> &put, Fault fault = {});
    void tellMeterFault(const dravino::MeterReading &reading, const QString &device);
    // Shift+F9's, made when first asked for; stopped where it runs.
    dravino::LiveReading *live();
    void stopLive();
    dravino::LiveReading *m_live = nullptr;
    QMetaObject::Connection m_focusWatch;
    QPointer<dravino::ArchiveWindow> m_archiveWindow;
    QPointer<dravino::TraceWindow> m_traceWindow;
    QPointer<dravino::GuidedTestWindow> m_guidedWindow;
    std::unique_ptr<dravino::TraceCapture> m_capture; // outlives the trace's window
    QPointer<dravino::CalibrationWindow> m_calibrationWindow;
    // The calibration being taken: it outlives its window.
    std::unique_ptr<dravino::CalibrationModel> m_calibration;
    bool m_escapeForPopup = false; // the Esc under way found a list open
    ulong m_escapeTime = 0;
};
