#pragma once
// Shift+F9's live reading: the meter read a few times a second into mVolt 1
// until it is stopped, a reading is not taken, or the meter fails. A
// connection that drops for a moment (a cable moved, a meter on the network
// that misses a beat) is ridden out; longer, it is told once. What the
// meter measures is told at once. A dialog open, or an F9 reading still
// under way, puts the next reading a moment later.

#include "instrument/Meter.h"

#include <QElapsedTimer>
#include <QObject>
#include <functional>

namespace dravino {

class LiveReading final : public QObject
{
public:
    using Put = std::function<bool(const MeterReading &)>;
    using Fault = std::function<void(const MeterReading &, const QString &device)>;
    struct Hooks {
        // One reading started: put hears the volts, fault a failure; false
        // where one is under way already and none was started.
        std::function<bool(const Put &, const Fault &)> read;
        // The volts into the field; false when the field does not take them.
        std::function<bool(double volts)> take;
        // A failure told to the technician.
        Fault tell;
        // The field shows that it follows the meter, or no more.
        std::function<void(bool)> show;
        // Something (a dialog) holds the window: wait.
        std::function<bool()> held;
    };

    static constexpr int kDropMs = 2000;  // a silence ridden out
    static constexpr int kEveryMs = 250;  // between two readings
    static constexpr int kWaitMs = 300;   // again, after a wait

    LiveReading(Hooks hooks, QObject *parent);

    void start();
    void stop();
    bool running() const { return m_live; }

private:
    void step(int run);
    bool current(int run) const { return m_live && run == m_run; }

    Hooks m_hooks;
    bool m_live = false;
    int m_run = 0; // which live reading runs: each start is a new one
    QElapsedTimer m_dropSince; // the meter has not answered since
};

} // namespace dravino
