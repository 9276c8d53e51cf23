#include "instrument/MeterService.h"

#include "base/System.h"
#include "base/Workers.h"

#include <QPointer>
#include <QThread>
#include <QTimer>

namespace dravino {

int MeterService::timeLimitMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("DRAVINO_METER_TIMEOUT_MS", &ok);
    return ok && ms > 0 ? ms : 4000;
}

MeterService::MeterService(QObject *parent) : QObject(parent)
{
    // A meter that closes its connection while libsigrok writes to it (a
    // networked one switched off) must not end the program: the write
    // fails instead, and the reading is told as failed.
    keepRunningOnClosedConnections();
}

MeterService::~MeterService() = default;

void MeterService::read(const QString &device, QObject *context, Done done)
{
    auto stop = std::make_shared<std::atomic_bool>(false);
    auto reading = std::make_shared<MeterReading>();
    stopAtProgramEnd(stop); // (the reading under way stopped at once when the program ends)
    QThread *thread = QThread::create([stop, reading, device] { *reading = readMeter(device, stop.get()); });
    countWorker(thread);
    ++m_busy;
    auto answered = std::make_shared<bool>(false);
    const QPointer<QObject> asker(context);
    const auto answer = [this, answered, asker, done](const MeterReading &r) {
        if (std::exchange(*answered, true))
            return; // answered already: by the time limit, or by the reading
        --m_busy;
        if (asker)
            done(r);
    };
    auto *limit = new QTimer(this);
    limit->setSingleShot(true);
    connect(limit, &QTimer::timeout, this, [stop, answer] {
        *stop = true;
        MeterReading silent;
        silent.kind = MeterReading::Silent;
        answer(silent);
    });
    connect(thread, &QThread::finished, this, [reading, answer, limit] {
        limit->deleteLater();
        answer(*reading);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    // The window gone: the reading stops, and nothing comes back.
    connect(this, &QObject::destroyed, thread, [stop] { *stop = true; }, Qt::DirectConnection);
    limit->start(timeLimitMs());
    thread->start();
}

} // namespace dravino
