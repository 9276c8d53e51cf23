#pragma once
// The capture the trace window shows: the readings, the clock that stamps
// them, when the first came and the meter that gave them. It belongs to
// the main window and outlives the trace's window: closing the window
// keeps it, reopening shows it and goes on adding to it; only Cancella
// clears it. The acquisition's readings come into it while it is not
// paused, whoever listens to the acquisition (the trace, Shift+F9, the
// guided test).

#include "core/Trace.h"
#include "instrument/Acquisition.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>
#include <optional>
#include <vector>

namespace dravino {

struct TraceCapture {
    TraceCapture() { clock.start(); }
    Trace trace;
    QElapsedTimer clock; // the stamps' clock, from the capture's making
    std::int64_t offsetMs = 0; // added to it (a capture read from a file goes on after its last reading)
    QString file;        // the file it was read from (empty: read from the meter)
    // The stamp of a reading taken now.
    std::int64_t now() const { return offsetMs + clock.elapsed(); }
    QDateTime started;   // the first reading's date and time
    QString meter;       // as it names itself
    bool paused = false; // the trace paused: nothing more comes in
    std::optional<std::int64_t> steadyShift; // the acquisition's clock to the capture's, from its first reading
    // Readings stamped on the steady clock at steadyNow (the acquisition's),
    // from source, come in at at.
    void take(const std::vector<TraceSample> &samples, std::int64_t steadyNow, const QString &source,
              const QDateTime &at = QDateTime::currentDateTime())
    {
        if (paused || samples.empty())
            return;
        if (trace.empty())
            started = at.addMSecs(samples.front().ms - steadyNow);
        // One shift from the steady clock to the capture's, so that
        // consecutive milliseconds stay consecutive across deliveries.
        if (!steadyShift)
            steadyShift = now() - steadyNow;
        for (const TraceSample &s : samples)
            trace.add(s.ms + *steadyShift, s.mv);
        if (!source.isEmpty())
            meter = source;
    }
    void clear()
    {
        trace.clear();
        started = {};
        meter.clear();
        file.clear();
        steadyShift.reset();
    }
};

// The acquisition's readings into capture as they arrive: connected before
// any window that shows the capture, so that they are in when it hears.
inline void feedCapture(Acquisition &acquisition, TraceCapture &capture)
{
    QObject::connect(&acquisition, &Acquisition::arrived, &acquisition,
                     [&acquisition, &capture](const std::vector<TraceSample> &samples) {
                         capture.take(samples, Acquisition::steadyMs(), acquisition.sourceName());
                     });
}

} // namespace dravino
