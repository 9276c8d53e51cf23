#pragma once
// The meter as the window uses it: each reading runs on a thread of its
// own, so that the window never waits for a meter; its answer comes back
// on the asking object's thread within the time limit, or a reply that the
// meter did not answer (a late one is then dropped, and the reading is
// stopped; a thread libsigrok still holds ends on its own, within the
// program's deadline at the end).

#include "instrument/Meter.h"

#include <QObject>
#include <functional>
#include <memory>

namespace dravino {

class MeterService final : public QObject
{
    Q_OBJECT
public:
    explicit MeterService(QObject *parent = nullptr);
    ~MeterService() override;
    Q_DISABLE_COPY_MOVE(MeterService)

    using Done = std::function<void(const MeterReading &)>;
    void read(const QString &device, QObject *context, Done done);
    bool busy() const { return m_busy > 0; }

    // DRAVINO_METER_TIMEOUT_MS where it is set (tests), else 4 s: the
    // technician hears within 5 s.
    static int timeLimitMs();

private:
    int m_busy = 0;
    std::shared_ptr<std::atomic_bool> m_ending;
};

} // namespace dravino
