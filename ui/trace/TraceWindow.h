#pragma once
// "Traccia del sensore" (F7): the configured multimeter read over and over,
// each reading stamped when it came, drawn as mV over time with the
// pressure it means for the calculator's family, full scale and zero
// point. The latest reading large, the statistics of the whole trace and
// of a span selected (the mouse dragged over the chart, or Shift with the
// arrows), two cursor levels and the time and rate between them; pause,
// go on, clear; CSV and .xlsx; a page through the same print job as the
// others. No reading for over a second marks the trace stale, in words
// and in grey; a reading outside the signal's range is told as the fault
// it means; a meter fault in the window's own words, and reading goes on.
// The window reads only while it is open; what it read is the main
// window's capture, kept when it closes. The chart zooms and pans in time
// (the wheel, Shift with the wheel; +, -, Page Up, Page Down, 0 on the
// chart), following the newest reading while its view ends there; the
// cursors measure within the selection, else within the view.

#include "core/Trace.h"
#include "print/TraceChart.h"
#include "ui/printjob/PageSender.h"
#include "ui/trace/TraceCapture.h"

#include <QDateTime>
#include <QRectF>
#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

namespace dravino {

class CalculatorModel;
class Acquisition;
class PageSender;
struct TraceFileRead;
class Platform;
struct MeterReading;

// The chart, drawn with the page's own routine; the selection follows
// the mouse and, with the focus, Shift and the arrows.
class TracePlot final : public QWidget
{
    Q_OBJECT
public:
    explicit TracePlot(QWidget *parent);
    void show(const TraceView &view);
    const TraceView &view() const { return m_view; }

signals:
    void selected(std::optional<dravino::TraceSpan> span);
    void zoomed(std::optional<dravino::TraceSpan> shown);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;

private:
    std::int64_t msAt(double x) const;
    TraceView m_view;
    std::int64_t m_anchor = 0;
    QRectF m_plotArea; // where the last paint put the plot, in pixels
};

class TraceWindow final : public QWidget
{
    Q_OBJECT
public:
    TraceWindow(Platform &platform, const CalculatorModel &calculator, TraceCapture &capture,
                Acquisition &acquisition, QWidget *parent);
    ~TraceWindow() override;
    Q_DISABLE_COPY_MOVE(TraceWindow)

    const Trace &trace() const { return m_capture.trace; }
    bool paused() const { return m_paused; }
    // Reading the meter now: open and not paused.
    bool reading() const;
    // What the chart and the page show now.
    TraceView view() const;
    // A reading as the meter gave it, stamped at ms from the window's start
    // and come at at (the tests' way in beside the meter); the first one's
    // is when the trace began.
    void take(const MeterReading &reading, std::int64_t ms, const QDateTime &at = QDateTime::currentDateTime());
    // Shows the time span given (none: the whole trace).
    void zoomTo(std::optional<TraceSpan> shown);
    // All of it without scrolling (what it asks of the screen).
    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void listen(bool on);
    void arrived();
    void follow();
    void togglePause();
    void clearTrace();
    void showState();
    void showTrace();
    void exportTrace(ExportKind kind);
    void openFile();
    void opened(int attempt, const QString &path, const TraceFileRead &read, const QString &why, const QDateTime &modified);
    void sendPage(int where, const QString &printer = {});
    TraceSensor sensor() const;
    bool standsStill() const;

    Platform &m_platform;
    const CalculatorModel &m_calculator;
    Acquisition &m_acquisition;
    TraceCapture &m_capture;
    Trace &m_trace;
    std::optional<TraceSpan> m_shown; // zoomed into (none: the whole)
    std::optional<TraceSpan> m_selection;
    std::optional<double> m_cursorFrom, m_cursorTo;
    QString m_fault;           // the meter's last fault, in words (empty: none)
    bool m_paused = false;
    bool m_opening = false;    // a file being read back
    int m_openAttempt = 0;
    std::int64_t m_followingUpTo = INT64_MIN; // the newest reading when the readings before came
    QTimer *m_watch = nullptr; // stale readings, told
    TracePlot *m_plot = nullptr;
    QLabel *m_latest = nullptr;
    QLabel *m_stats = nullptr;
    QLabel *m_selected = nullptr;
    QLabel *m_shownLine = nullptr;
    QWidget *m_content = nullptr; // in the scroll area
    QLabel *m_cursors = nullptr;
    QLabel *m_state = nullptr;
    QSpinBox *m_from = nullptr;
    QSpinBox *m_to = nullptr;
    QPushButton *m_pause = nullptr;
    QPushButton *m_print = nullptr;
    std::unique_ptr<PageSender> m_sender;
};

} // namespace dravino
