#include "instrument/Acquisition.h"

#include "base/System.h"
#include "base/Workers.h"
#include "core/SampleBins.h"
#include "instrument/MeterService.h"

#include <QThread>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <mutex>

namespace dravino {

namespace {

constexpr int kRestartMs = 1000;        // after a fault, while anyone listens
constexpr std::size_t kFaultsKept = 16; // a run's faults awaiting delivery (a meter set wrong tells one a reading)

// A reading in mV to the µV: libsigrok gives single precision, whose last
// digits (1.3 V as 1299.99995 mV) no instrument measured.
double millivolts(float volts) { return std::round(double(volts) * 1e6) / 1e3; }

double steadyMsExact()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

// What the stream's thread and the window's share.
struct Acquisition::Run {
    std::shared_ptr<std::atomic_bool> stop = std::make_shared<std::atomic_bool>(false);
    std::mutex mutex;
    std::vector<TraceSample> pending;
    std::vector<MeterReading> faults;
    bool opened = false, ended = false;
    QString vendor, model, serial, channel;
    double rateHz = 0;
    std::uint64_t received = 0;
    bool haveNewest = false;
    double newestVolts = 0;
    std::int64_t newestMs = 0;
    std::optional<Supply> supply;
};

struct Acquisition::Waiter {
    QPointer<QObject> context;
    std::function<void(const MeterReading &)> done;
    std::int64_t deadline = 0;
};

std::int64_t Acquisition::steadyMs() { return static_cast<std::int64_t>(steadyMsExact()); }

Acquisition::Acquisition(QObject *parent) : QObject(parent)
{
    keepRunningOnClosedConnections(); // (a networked meter switched off mid-write)
    m_delivery = new QTimer(this);
    m_delivery->setInterval(kDeliveryMs);
    connect(m_delivery, &QTimer::timeout, this, &Acquisition::deliver);
}

Acquisition::~Acquisition()
{
    if (m_run)
        *m_run->stop = true; // its thread ends on its own, within the program's deadline
}

void Acquisition::listen(QObject *who)
{
    if (!who || listens(who))
        return;
    m_listeners.append(who);
    // (A widget says it is destroyed before its guards are cleared: it is
    // let go by its address.)
    connect(who, &QObject::destroyed, this, [this, who] {
        m_listeners.removeIf([who](const QPointer<QObject> &l) { return l.isNull() || l.data() == who; });
        if (m_listeners.isEmpty())
            end();
    });
    if (!m_run)
        begin();
}

void Acquisition::release(QObject *who)
{
    if (!listens(who))
        return;
    disconnect(who, &QObject::destroyed, this, nullptr);
    m_listeners.removeAll(who);
    m_listeners.removeAll(nullptr);
    if (m_listeners.isEmpty())
        end();
}

bool Acquisition::listens(const QObject *who) const
{
    for (const auto &l : m_listeners)
        if (l == who)
            return true;
    return false;
}

bool Acquisition::listened() const
{
    return std::any_of(m_listeners.begin(), m_listeners.end(), [](const QPointer<QObject> &l) { return !l.isNull(); });
}

void Acquisition::sourceChanged()
{
    if (m_run && configuredInstrument() != m_device) {
        end();
        if (!m_listeners.isEmpty())
            begin();
    }
}

void Acquisition::begin()
{
    ++m_generation;
    m_device = configuredInstrument();
    m_sourceName.clear();
    m_channel.clear();
    m_rateHz = 0;
    m_received = 0;
    m_newest.reset();
    m_supply.reset();
    m_silenceTold = false;
    if (m_device.isEmpty())
        return restartLater(); // none chosen yet: looked for again in a second
    auto run = std::make_shared<Run>();
    stopAtProgramEnd(run->stop);
    m_run = run;
    m_lastReadingMs = steadyMs();
    QThread *thread = QThread::create([run, device = m_device] {
        SampleBins bins;
        double startMs = -1;   // a rate-timed stream's first reading
        std::uint64_t index = 0;
        StreamEvents events;
        events.opened = [&run](const QString &vendor, const QString &model, const QString &serial, const QString &channel,
                               double rateHz) {
            std::lock_guard lock(run->mutex);
            run->opened = true;
            run->vendor = vendor;
            run->model = model;
            run->serial = serial;
            run->channel = channel;
            run->rateHz = rateHz;
        };
        events.samples = [&](const float *volts, std::size_t count, double rateHz) {
            const double now = steadyMsExact();
            if (rateHz > 0) {
                // Stamped by their place in the stream: the packet's
                // arrival says only when its last reading was taken.
                if (startMs < 0)
                    startMs = now - double(count) * 1000.0 / rateHz;
                for (std::size_t i = 0; i < count; ++i)
                    bins.add(startMs + double(index + i) * 1000.0 / rateHz, millivolts(volts[i]));
                index += count;
            } else {
                for (std::size_t i = 0; i < count; ++i)
                    bins.add(now, millivolts(volts[i]));
                bins.flush(); // a meter's reading is kept as it comes
            }
            std::vector<TraceSample> out = bins.take();
            std::lock_guard lock(run->mutex);
            run->pending.insert(run->pending.end(), out.begin(), out.end());
            run->received += count;
            run->haveNewest = true;
            run->newestVolts = millivolts(volts[count - 1]) / 1000.0;
            run->newestMs = static_cast<std::int64_t>(now);
        };
        events.supply = [&run](const QString &channel, double volts) {
            std::lock_guard lock(run->mutex);
            run->supply = Supply{std::round(volts * 1e6) / 1e3, channel, steadyMs()};
        };
        events.fault = [&run](const MeterReading &fault) {
            std::lock_guard lock(run->mutex);
            if (run->faults.size() < kFaultsKept)
                run->faults.push_back(fault);
        };
        streamSource(device, run->stop.get(), &events);
        bins.flush();
        std::vector<TraceSample> out = bins.take();
        std::lock_guard lock(run->mutex);
        run->pending.insert(run->pending.end(), out.begin(), out.end());
        run->ended = true;
    });
    countWorker(thread);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    m_delivery->start();
}

void Acquisition::end()
{
    if (!m_run) {
        ++m_generation; // (a restart awaited is called off)
        return;
    }
    *m_run->stop = true;
    m_run.reset();
    ++m_generation;
    m_delivery->stop();
    MeterReading silent;
    silent.kind = MeterReading::Silent;
    answerWaiters(silent, false);
}

void Acquisition::restartLater()
{
    const int generation = m_generation;
    QTimer::singleShot(kRestartMs, this, [this, generation] {
        if (generation == m_generation && !m_run && !m_listeners.isEmpty())
            begin();
    });
}

void Acquisition::answerWaiters(const MeterReading &reading, bool onlyDue)
{
    const std::int64_t now = steadyMs();
    std::vector<Waiter> due;
    for (auto it = m_waiters.begin(); it != m_waiters.end();)
        if (!onlyDue || now >= it->deadline) {
            due.push_back(std::move(*it));
            it = m_waiters.erase(it);
        } else
            ++it;
    for (const Waiter &w : due)
        if (w.context)
            w.done(reading);
}

void Acquisition::nextReading(QObject *context, std::int64_t freshMs, std::function<void(const MeterReading &)> done)
{
    if (m_newest && steadyMs() - m_newest->ms <= freshMs) {
        done(m_newest->reading);
        return;
    }
    m_waiters.push_back({context, std::move(done), steadyMs() + MeterService::timeLimitMs()});
    if (!m_run && !m_listeners.isEmpty())
        begin();
}

void Acquisition::deliver()
{
    if (!m_run)
        return;
    const std::shared_ptr<Run> run = m_run;
    std::vector<TraceSample> samples;
    std::vector<MeterReading> faults;
    bool ended = false;
    {
        std::lock_guard lock(run->mutex);
        samples.swap(run->pending);
        faults.swap(run->faults);
        ended = run->ended;
        m_received = run->received;
        if (run->opened && m_channel.isEmpty()) { // (once a run: every source has a channel)
            m_sourceName = instrumentName(run->vendor, run->model, run->serial);
            m_channel = run->channel;
            m_rateHz = run->rateHz;
        }
        if (run->supply)
            m_supply = run->supply;
        if (run->haveNewest) {
            Newest n;
            n.reading.kind = MeterReading::Volts;
            n.reading.volts = run->newestVolts;
            n.reading.vendor = run->vendor;
            n.reading.model = run->model;
            n.reading.serial = run->serial;
            n.ms = run->newestMs;
            m_newest = n;
        }
    }
    const QString device = m_device;
    if (!samples.empty()) {
        m_lastReadingMs = steadyMs();
        m_silenceTold = false;
        emit arrived(samples);
        if (m_newest)
            answerWaiters(m_newest->reading, false);
    }
    for (const MeterReading &fault : faults) {
        emit faulted(fault, device);
        answerWaiters(fault, false);
    }
    if (run != m_run)
        return; // (a listener ended it meanwhile)
    if (ended) {
        m_run.reset();
        m_delivery->stop();
        if (!m_listeners.isEmpty())
            restartLater();
        return;
    }
    MeterReading silent;
    silent.kind = MeterReading::Silent;
    answerWaiters(silent, true);
    if (!m_silenceTold && steadyMs() - m_lastReadingMs > MeterService::timeLimitMs()) {
        // Nothing for the time limit: told, and started again (a meter
        // that went away and came back answers a new session).
        m_silenceTold = true;
        emit faulted(silent, device);
        end();
        restartLater();
    }
}

} // namespace dravino
