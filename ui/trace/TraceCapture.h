#pragma once
// The capture the trace window shows: the readings, the clock that stamps
// them, when the first came and the meter that gave them. It belongs to
// the main window and outlives the trace's window: closing the window
// keeps it, reopening shows it and goes on adding to it; only Cancella
// clears it.

#include "core/Trace.h"
#include "instrument/Meter.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

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
    MeterReading newest; // the last reading taken, as the meter gave it
    void clear()
    {
        trace.clear();
        started = {};
        meter.clear();
        newest = {};
        file.clear();
    }
};

} // namespace dravino
