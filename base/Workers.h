#pragma once
// The threads that do Dravino's waiting (a page for a print server, a call
// to the archive, a reading from a meter, an export written to the disk),
// counted in one place, so that the program ends within its one deadline
// after the window closes, whatever they still wait for.

#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <QThread>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>

namespace dravino {

// Counts a thread from now until it ends.
void countWorker(QThread *thread);
// A counted thread held by something that cannot be interrupted (a server
// call in the middle of its connection): the program's end waits for it no
// more, and ends without it.
void abandonWorker(QThread *thread);
// Threads still under way.
int workersRunning();
// Every registered "give up" is called (a print server is interrupted, a
// server call abandoned); then waits until every thread has ended or ms
// have passed since the window closed (windowClosedMs ago), or only
// abandoned ones are left. True when none is left.
bool endWorkers(int ms, qint64 windowClosedMs = 0);
// Called by endWorkers: what a kind of worker does to give up at once.
void onProgramEnd(std::function<void()> giveUp);
// A worker's stop flag, set when the program ends (while anyone still
// holds it): the worker gives up at once.
void stopAtProgramEnd(const std::shared_ptr<std::atomic_bool> &stop);

// The program's few long-lived workers, which take the tasks in turn (more
// wait in line); never destroyed, so that a task a server still holds when
// the program ends holds up nothing.
QThreadPool &workerPool();
// A task counted from now until it ends, as a thread is.
void beginTask();
void endTask();

// work on one of the workers; done with its result on context's thread,
// unless context is gone by then.
template <typename Result>
void offThread(QObject *context, std::function<Result()> work, std::function<void(const Result &)> done)
{
    auto promise = std::make_shared<QPromise<Result>>();
    auto *watcher = new QFutureWatcher<Result>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done = std::move(done)] {
        done(watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(promise->future());
    promise->start();
    beginTask();
    workerPool().start([promise, work = std::move(work)] {
        promise->addResult(work());
        promise->finish();
        endTask();
    });
}

} // namespace dravino
