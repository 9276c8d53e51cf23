#pragma once
// One acquisition from the technician's instrument, shared by all that
// listen to it (the trace, the live reading of Shift+F9, the guided test):
// while anyone listens, one libsigrok session stays open on a thread of its
// own and streams, a meter at its own pace, an oscilloscope at the rate
// asked; its readings come back on the window's thread every few tens of
// milliseconds, kept as each millisecond's lowest and highest (a scope's
// peak detect), stamped on the steady clock. A fault is told and the
// stream starts again a second later while anyone still listens; a source
// that gives nothing for the meter's time limit is told as silent and
// started again. F9 takes the newest reading of a running acquisition: no
// session and no thread per reading.

#include "core/Trace.h"
#include "instrument/Meter.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTimer;

namespace dravino {

class Acquisition final : public QObject
{
    Q_OBJECT
public:
    explicit Acquisition(QObject *parent = nullptr);
    ~Acquisition() override;
    Q_DISABLE_COPY_MOVE(Acquisition)

    // who listens from now until released or destroyed; the stream runs
    // while anyone does (from the instrument configured when it starts).
    void listen(QObject *who);
    void release(QObject *who);
    bool listens(const QObject *who) const;
    // Anyone listens (the stream runs, or starts again after a fault).
    bool listened() const;
    // A stream is under way (started, maybe not yet answering).
    bool running() const { return static_cast<bool>(m_run); }
    // The source streamed, as configured.
    QString device() const { return m_device; }
    // The source as it names itself, its channel and rate (0: a meter).
    QString sourceName() const { return m_sourceName; }
    QString channel() const { return m_channel; }
    double rateHz() const { return m_rateHz; }
    // Readings received since the stream started (every one, before they
    // are kept per millisecond).
    std::uint64_t received() const { return m_received; }
    // The newest reading of the running stream and its steady stamp.
    struct Newest {
        MeterReading reading;
        std::int64_t ms = 0;
    };
    std::optional<Newest> newest() const { return m_newest; }
    // The sensor's supply from a scope's second channel (supply=A1), its
    // newest packet's mean, where the running stream reads one.
    struct Supply {
        double mv = 0;
        QString channel;
        std::int64_t ms = 0; // steady
    };
    std::optional<Supply> supply() const { return m_supply; }
    // The reading that comes next (now, where the newest is under
    // freshMs old), or the fault, or silence at the time limit; answered on
    // context's thread, never after context is gone. A stream awaiting its
    // start again after a fault starts at once.
    void nextReading(QObject *context, std::int64_t freshMs, std::function<void(const MeterReading &)> done);
    // Another instrument chosen: a running stream starts again from it.
    void sourceChanged();

    // The steady clock the readings are stamped on, in ms.
    static std::int64_t steadyMs();
    // How often the readings come back to the window's thread.
    static constexpr int kDeliveryMs = 40;

signals:
    // Readings since the last delivery, each ms's range, stamped on steadyMs.
    void arrived(const std::vector<dravino::TraceSample> &samples);
    // The stream's fault, as a reading of that kind (the stream starts
    // again while anyone listens).
    void faulted(const dravino::MeterReading &fault, const QString &device);

private:
    struct Run;
    struct Waiter;
    void begin();
    void end();
    void deliver();
    void restartLater();
    // Those awaiting the next reading told reading (only those whose time
    // limit has come, where onlyDue).
    void answerWaiters(const MeterReading &reading, bool onlyDue);

    QList<QPointer<QObject>> m_listeners;
    std::shared_ptr<Run> m_run;
    QTimer *m_delivery = nullptr;
    QString m_device, m_sourceName, m_channel;
    double m_rateHz = 0;
    std::uint64_t m_received = 0;
    std::optional<Newest> m_newest;
    std::optional<Supply> m_supply;
    std::vector<Waiter> m_waiters;
    std::int64_t m_lastReadingMs = 0; // steady: the last reading's arrival, or the stream's start
    bool m_silenceTold = false;
    int m_generation = 0; // a restart scheduled for an earlier run does nothing
};

} // namespace dravino
