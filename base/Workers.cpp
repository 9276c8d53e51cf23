#include "base/Workers.h"

#include <QThread>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <vector>

namespace dravino {

namespace {
// Left alive at exit, so that a thread ending late still finds it.
struct Registry {
    std::mutex mutex;
    std::condition_variable idle;
    int count = 0;
    std::set<QThread *> abandoned; // still running, but waited for no more
    std::vector<std::function<void()>> giveUp;
};
Registry &registry()
{
    static auto *r = new Registry;
    return *r;
}
} // namespace

void countWorker(QThread *thread)
{
    Registry &r = registry();
    {
        std::lock_guard lock(r.mutex);
        ++r.count;
    }
    // Direct: counted off as the thread itself ends, not when an event
    // loop gets round to it.
    QObject::connect(thread, &QThread::finished, thread, [thread] {
        Registry &r = registry();
        {
            std::lock_guard lock(r.mutex);
            --r.count;
            r.abandoned.erase(thread);
        }
        r.idle.notify_all();
    }, Qt::DirectConnection);
}

void abandonWorker(QThread *thread)
{
    Registry &r = registry();
    {
        std::lock_guard lock(r.mutex);
        if (thread->isRunning())
            r.abandoned.insert(thread);
    }
    r.idle.notify_all();
}

QThreadPool &workerPool()
{
    static auto *pool = [] {
        auto *made = new QThreadPool;
        made->setMaxThreadCount(8);
        return made;
    }();
    return *pool;
}

void beginTask()
{
    std::lock_guard lock(registry().mutex);
    ++registry().count;
}

void endTask()
{
    Registry &r = registry();
    {
        std::lock_guard lock(r.mutex);
        --r.count;
    }
    r.idle.notify_all();
}

int workersRunning()
{
    std::lock_guard lock(registry().mutex);
    return registry().count;
}

void onProgramEnd(std::function<void()> giveUp)
{
    std::lock_guard lock(registry().mutex);
    registry().giveUp.push_back(std::move(giveUp));
}

void stopAtProgramEnd(const std::shared_ptr<std::atomic_bool> &stop)
{
    struct Stops {
        std::mutex mutex;
        std::vector<std::weak_ptr<std::atomic_bool>> flags;
    };
    static auto *stops = [] {
        auto *made = new Stops; // (never destroyed: the program's end may still call it)
        onProgramEnd([made] {
            std::lock_guard lock(made->mutex);
            for (const auto &weak : made->flags)
                if (const auto flag = weak.lock())
                    *flag = true;
        });
        return made;
    }();
    std::lock_guard lock(stops->mutex);
    std::erase_if(stops->flags, [](const auto &weak) { return weak.expired(); });
    stops->flags.push_back(stop);
}

bool endWorkers(int ms, qint64 windowClosedMs)
{
    Registry &r = registry();
    std::vector<std::function<void()>> giveUp;
    {
        std::lock_guard lock(r.mutex);
        giveUp = r.giveUp;
    }
    for (const auto &g : giveUp)
        g();
    std::unique_lock lock(r.mutex);
    const auto left = std::chrono::milliseconds(std::max<qint64>(0, ms - windowClosedMs));
    // Those left to run on their own are not waited for.
    r.idle.wait_for(lock, left, [&] { return r.count == int(r.abandoned.size()); });
    return r.count == 0;
}

} // namespace dravino
