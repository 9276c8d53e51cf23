#pragma once
// The threads that do Dravino's waiting (a page for a print server, a call
// to the archive, a reading from a meter), counted in one place, so that
// the program ends within its one deadline after the window closes,
// whatever they still wait for.

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

namespace dravino {

// Counts a thread from now until it ends.
void countWorker(QThread *thread);
// Threads still under way.
int workersRunning();
// Every registered "give up" is called (a print server is interrupted, a
// server call abandoned); then waits until every thread has ended or ms
// have passed since the window closed (windowClosedMs ago). True when none
// is left.
bool endWorkers(int ms, qint64 windowClosedMs = 0);
// Called by endWorkers: what a kind of worker does to give up at once.
void onProgramEnd(std::function<void()> giveUp);

// work on a counted thread of its own; done with its result on context's
// thread, unless context is gone by then.
template <typename Result>
void offThread(QObject *context, std::function<Result()> work, std::function<void(const Result &)> done)
{
    auto result = std::make_shared<Result>();
    QThread *thread = QThread::create([work = std::move(work), result] { *result = work(); });
    countWorker(thread);
    QObject::connect(thread, &QThread::finished, context, [result, done = std::move(done)] { done(*result); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

} // namespace dravino
