#include "ui/LiveReading.h"

#include <QTimer>

namespace dravino {

LiveReading::LiveReading(Hooks hooks, QObject *parent) : QObject(parent), m_hooks(std::move(hooks)) {}

void LiveReading::start()
{
    m_live = true;
    m_dropSince.invalidate();
    m_hooks.show(true);
    step(++m_run);
}

void LiveReading::stop()
{
    m_live = false;
    m_hooks.show(false);
}

void LiveReading::step(int run)
{
    // (a step of a live reading stopped since, and started again, ends here)
    if (!current(run))
        return;
    const auto next = [this, run](int ms) { QTimer::singleShot(ms, this, [this, run] { step(run); }); };
    const auto put = [this, run, next](const MeterReading &reading) {
        if (!current(run))
            return true;
        m_dropSince.invalidate();
        const bool taken = m_hooks.take(reading.volts);
        if (!taken)
            stop();
        else
            next(kEveryMs);
        return taken;
    };
    const auto fault = [this, run, next](const MeterReading &reading, const QString &device) {
        if (!current(run))
            return;
        const bool drop = reading.kind == MeterReading::Silent || reading.kind == MeterReading::NotFound
            || reading.kind == MeterReading::Failed || reading.kind == MeterReading::Searching;
        if (drop && !m_dropSince.isValid())
            m_dropSince.start();
        if (drop && m_dropSince.elapsed() < kDropMs) {
            next(kEveryMs);
            return;
        }
        stop();
        m_hooks.tell(reading, device);
    };
    if (m_hooks.held() || !m_hooks.read(put, fault))
        next(kWaitMs);
}

} // namespace dravino
