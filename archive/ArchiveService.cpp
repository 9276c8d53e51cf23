#include "archive/ArchiveService.h"

#include "archive/Location.h"
#include "archive/Outbox.h"
#include "base/Workers.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QSet>
#include <QThread>
#include <QLocale>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <future>
#include <limits>
#include <memory>

namespace dravino {

namespace {
class ArchiveServiceText
{
    Q_DECLARE_TR_FUNCTIONS(dravino::ArchiveService)
};

QThread *startThread(const char *name, QObject *worker)
{
    auto *thread = new QThread;
    thread->setObjectName(QLatin1String(name));
    worker->moveToThread(thread);
    // The connections are closed on their own thread as that thread ends.
    QObject::connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    countWorker(thread);
    thread->start();
    return thread;
}

int envMs(const char *name, int fallback)
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue(name, &ok);
    return ok && ms > 0 ? ms : fallback;
}

// The bench's outbox for location, opened again where it did not open
// before (a folder that could not be written may be by now).
Outbox &openedOutbox(std::unique_ptr<Outbox> &box, const QString &location)
{
    if (!box || !box->isOpen())
        box = std::make_unique<Outbox>(outboxPath(), location);
    return *box;
}
} // namespace

namespace detail {

// Keeps checks on the bench, on a thread no server holds up.
class OutboxWorker final : public QObject
{
    Q_OBJECT
public:
    explicit OutboxWorker(QString location) : m_location(std::move(location)) {}
    // True when record waits on the bench now.
    std::pair<bool, QString> put(const CheckRecord &record)
    {
        Outbox &box = openedOutbox(m_outbox, m_location);
        if (box.put(record))
            return {true, {}};
        return {false, box.error()};
    }

private:
    QString m_location;
    std::unique_ptr<Outbox> m_outbox;
};

// Lives on the archive's thread and owns the connection there (Qt SQL's
// connections belong to the thread that made them).
class ArchiveWorker final : public QObject
{
    Q_OBJECT
public:
    // listens: the connection hears other benches' changes (one of the
    // service's two does).
    ArchiveWorker(QString location, bool listens)
        : m_location(std::move(location)), m_server(isServerLocation(m_location)), m_listens(listens)
    {
    }

    // The archive, opened (again) where needed; nothing when it does not
    // open (error() says why, the next call tries again).
    Archive *archive(ArchiveReply &reply)
    {
        // A connection to a server that restarted, or that failed a call, is
        // made again before the next call, not found dead in the middle of it.
        if (m_archive && m_server && (m_broken || !m_archive->answers()))
            m_archive.reset();
        m_broken = false;
        if (!m_archive) {
            m_archive = std::make_unique<Archive>(m_location);
            if (!m_archive->notice().isEmpty())
                emit notice(m_archive->notice());
            if (m_archive->isOpen() && m_listens)
                m_archive->watch([this] { emit changedElsewhere(); });
            emit opened(m_archive->isOpen() && m_archive->readOnly());
            m_opened = true;
            ++m_connections;
        }
        if (m_archive->isOpen())
            return m_archive.get();
        reply.error = m_archive->error();
        m_archive.reset();
        return nullptr;
    }

    // A call failed on a server: its connection is not trusted again (but
    // for a write refused by one that may only be read: that stays so).
    void failed() { m_broken = m_server && !(m_archive && m_archive->readOnly()); }

    Outbox *outbox()
    {
        if (!m_server)
            return nullptr;
        Outbox &box = openedOutbox(m_outbox, m_location);
        return box.isOpen() ? &box : nullptr;
    }

    // Sends what waits on the bench, record by record; true when something
    // was sent. One the server refuses while it answers stays, marked, told
    // once with the server's reason, and the others go on; the server
    // not answering stops the round.
    bool sendWaiting(Archive &a)
    {
        // A newer Dravino's server takes nothing: they wait, not refused one by one.
        if (a.readOnly())
            return false;
        Outbox *box = outbox();
        bool sent = false;
        for (CheckRecord r : box ? box->waiting() : QList<CheckRecord>()) {
            r.waiting = false;
            r.refused.clear();
            if (a.keep(r)) {
                box->sent(r);
                sent = true;
                continue;
            }
            const QString why = a.error();
            if (!a.answers()) {
                failed();
                break;
            }
            if (box->refuse(r.key, why)) {
                emit refusedNotice(ArchiveServiceText::tr("Il server dell'archivio ha rifiutato la prova %1 del %2: %3. La prova resta "
                                                   "conservata su questo banco; le altre sono inviate.")
                                .arg(r.code.isEmpty() ? QStringLiteral("-") : r.code,
                                     QLocale().toString(r.takenAt, QLocale::ShortFormat), why));
                sent = true; // (its mark is news to the list)
            }
        }
        return sent;
    }

    // Tries the waiting checks again, on a timer, where there are any.
    void retry()
    {
        Outbox *box = outbox();
        if (!box || box->waiting().isEmpty())
            return;
        ArchiveReply ignored;
        if (Archive *a = archive(ignored); a && sendWaiting(*a))
            emit changedElsewhere();
    }

    void startRetrying(int ms)
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, &ArchiveWorker::retry);
        timer->start(ms);
        retry();
    }

    // A server that restarted drops the connection and with it what it was
    // listening for: once the archive has been opened, it is asked now and
    // then whether it still answers, and where it does not, connected again
    // (listening again); the list is then read again, for what was missed.
    void startHeartbeat(int ms)
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            if (!m_opened)
                return;
            const int before = m_connections;
            ArchiveReply ignored;
            if (archive(ignored) && m_connections != before)
                emit changedElsewhere();
        });
        timer->start(ms);
    }

signals:
    void answered(quint64 id, const dravino::ArchiveReply &reply);
    void notice(const QString &text);
    void opened(bool readOnly);
    void refusedNotice(const QString &text);
    void changedElsewhere();

private:
    QString m_location;
    bool m_server;
    bool m_listens;
    std::unique_ptr<Archive> m_archive;
    bool m_broken = false;
    bool m_opened = false; // asked for at least once
    int m_connections = 0; // made so far
    std::unique_ptr<Outbox> m_outbox;
};

} // namespace detail

int ArchiveService::timeLimitMs() { return envMs("DRAVINO_ARCHIVE_TIMEOUT_MS", 15000); }
int ArchiveService::retryMs() { return envMs("DRAVINO_OUTBOX_RETRY_MS", 30000); }
int ArchiveService::heartbeatMs() { return envMs("DRAVINO_ARCHIVE_HEARTBEAT_MS", 10000); }

ArchiveService::ArchiveService(QString location, QObject *parent)
    : QObject(parent), m_location(std::move(location)), m_worker(new detail::ArchiveWorker(m_location, true)),
      m_longWorker(new detail::ArchiveWorker(m_location, false))
{
    for (detail::ArchiveWorker *worker : {m_worker, m_longWorker}) {
        connect(worker, &detail::ArchiveWorker::answered, this, &ArchiveService::answered, Qt::QueuedConnection);
        connect(worker, &detail::ArchiveWorker::changedElsewhere, this, &ArchiveService::changed, Qt::QueuedConnection);
    }
    // (what the archive is, told once a connection: the short calls' one)
    connect(m_worker, &detail::ArchiveWorker::notice, this, &ArchiveService::notice, Qt::QueuedConnection);
    connect(m_longWorker, &detail::ArchiveWorker::refusedNotice, this, &ArchiveService::notice, Qt::QueuedConnection);
    connect(m_worker, &detail::ArchiveWorker::opened, this, [this](bool readOnly) { m_readOnly = readOnly; }, Qt::QueuedConnection);
    m_thread = startThread("archive", m_worker);
    m_longThread = startThread("archive-long", m_longWorker);
    if (isServer()) {
        m_outbox = new detail::OutboxWorker(m_location);
        m_outboxThread = startThread("outbox", m_outbox);
        // What waits from an earlier session goes as soon as the server
        // answers, on the long calls' connection: no short call waits for it.
        QMetaObject::invokeMethod(m_longWorker, [worker = m_longWorker, ms = retryMs()] { worker->startRetrying(ms); },
                                  Qt::QueuedConnection);
        QMetaObject::invokeMethod(m_worker, [worker = m_worker, beat = heartbeatMs()] { worker->startHeartbeat(beat); },
                                  Qt::QueuedConnection);
    }
}

ArchiveService::~ArchiveService()
{
    // Nothing more comes back here; the calls already made still run (a
    // check recorded as its page went is kept), then the threads end and
    // the workers go with them.
    m_worker->disconnect(this);
    m_longWorker->disconnect(this);
    // A long call under way (an import) gives up between its batches.
    for (const Call &c : std::as_const(m_calls))
        if (c.stop)
            *c.stop = true;
    for (auto [thread, worker] : {std::pair<QThread *, QObject *>{m_thread, m_worker}, {m_longThread, m_longWorker}, {m_outboxThread, m_outbox}})
        if (thread)
            QMetaObject::invokeMethod(worker, [thread] { thread->quit(); }, Qt::QueuedConnection);
    // A local file's thread ends at once; one held by a server that does
    // not answer ends when its call gives up, and the program's end does
    // not wait for it beyond its deadline.
    static auto *abandoned = new QList<QThread *>; // kept until the program ends
    QDeadlineTimer deadline(150);
    for (QThread *thread : {m_thread, m_longThread, m_outboxThread}) {
        if (!thread)
            continue;
        if (thread->wait(deadline)) {
            delete thread;
        } else {
            abandoned->append(thread);
            abandonWorker(thread);
        }
    }
}

bool ArchiveService::isServer() const { return isServerLocation(m_location); }

quint64 ArchiveService::call(QObject *context, Done done, bool writes, int limitMs)
{
    const quint64 id = ++m_next;
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, id] {
        ArchiveReply reply;
        reply.late = true;
        reply.away = true;
        const QString shown = shownLocation(m_location);
        reply.error = !isServer() ? ArchiveServiceText::tr("l'archivio %1 non risponde").arg(shown)
            : shown.isEmpty()     ? ArchiveServiceText::tr("il server dell'archivio non risponde")
                                  : ArchiveServiceText::tr("il server dell'archivio %1 non risponde").arg(shown);
        answered(id, reply);
    });
    m_calls.insert(id, {context, std::move(done), timer, writes, {}});
    timer->start(limitMs > 0 ? limitMs : timeLimitMs());
    return id;
}

void ArchiveService::run(quint64 id, Work work, bool isLong)
{
    detail::ArchiveWorker *on = isLong ? m_longWorker : m_worker;
    QMetaObject::invokeMethod(
        on,
        [worker = on, id, work = std::move(work)] {
            ArchiveReply opened;
            Archive *a = worker->archive(opened);
            ArchiveReply reply = work(*worker, a);
            if (!a) // why there is no archive first, then what the call itself met (the bench's outbox)
                reply.error = reply.error.isEmpty() ? opened.error : opened.error + QStringLiteral("; ") + reply.error;
            else if (!reply.ok)
                worker->failed();
            emit worker->answered(id, reply);
        },
        Qt::QueuedConnection);
    // What waits on the bench goes at every call, on the long calls'
    // connection, behind no short call and holding none up.
    if (!isLong && m_outbox)
        sendWaiting();
}

void ArchiveService::keep(const CheckRecord &record, QObject *context, Done done)
{
    const quint64 id = call(context, std::move(done), true);
    if (!m_outbox) {
        run(id, [record](detail::ArchiveWorker &, Archive *a) {
            CheckRecord r = record;
            ArchiveReply reply;
            reply.ok = a && a->keep(r);
            reply.error = a ? a->error() : QString();
            return reply;
        });
        return;
    }
    // On the bench first, on a thread no server holds up; then to the
    // server with the rest of what waits there. The archive's part is queued
    // now, so that calls made after this one come after it.
    auto put = std::make_shared<std::promise<std::pair<bool, QString>>>();
    std::shared_future<std::pair<bool, QString>> onBench = put->get_future().share();
    QMetaObject::invokeMethod(m_outbox, [outbox = m_outbox, record, put] { put->set_value(outbox->put(record)); },
                              Qt::QueuedConnection);
    run(id, [record, onBench](detail::ArchiveWorker &w, Archive *a) {
        const auto [kept, benchError] = onBench.wait_for(std::chrono::seconds(10)) == std::future_status::ready
            ? onBench.get()
            : std::pair{false, ArchiveServiceText::tr("le prove in attesa non si possono conservare su questo banco")};
        ArchiveReply reply;
        CheckRecord r = record;
        // Its own record straight to the server; the others that wait go
        // on the long calls' connection.
        if (Outbox *box = kept && a && !a->readOnly() ? w.outbox() : nullptr) {
            CheckRecord sent = record;
            if (a->keep(sent))
                box->sent(sent);
        }
        reply.ok = kept || (a && a->keep(r));
        if (!reply.ok && a)
            reply.error = a->error();
        if (!kept)
            reply.error = reply.error.isEmpty() ? benchError : reply.error + QStringLiteral("; ") + benchError;
        if (Outbox *box = kept ? w.outbox() : nullptr)
            for (const CheckRecord &waiting : box->waiting())
                reply.waiting = reply.waiting || waiting.key == record.key;
        if (reply.waiting && a)
            reply.error = a->error(); // why the server did not take it
        reply.readOnly = a && a->readOnly();
        return reply;
    });
}

void ArchiveService::page(const CheckQuery &query, std::optional<CheckSummary> after, int limit, bool withTotal,
                          QObject *context, Done done)
{
    const quint64 id = call(context, std::move(done), false);
    run(id, [query, after, limit, withTotal](detail::ArchiveWorker &w, Archive *a) {
        ArchiveReply reply;
        // What waits on the bench leads the list, newest first.
        if (Outbox *box = after ? nullptr : w.outbox()) {
            const QList<CheckRecord> waiting = box->waiting(query);
            for (auto it = waiting.rbegin(); it != waiting.rend(); ++it)
                reply.page << *it;
        }
        const int onBench = int(reply.page.size());
        if (!a)
            return reply;
        reply.page += a->page(query, after ? &*after : nullptr, limit);
        if (a->error().isEmpty() && withTotal) {
            const VerdictCounts counts = a->counts(query);
            reply.total = counts.total + onBench;
            reply.passing = counts.passing;
            reply.failing = counts.failing;
            for (int i = 0; i < onBench; ++i) {
                reply.passing += reply.page[i].verdict == SensorVerdict::Pass;
                reply.failing += reply.page[i].verdict == SensorVerdict::Fail;
            }
        }
        reply.ok = a->error().isEmpty();
        reply.error = a->error();
        return reply;
    });
}

void ArchiveService::window(const CheckQuery &query, int offset, int limit, int total, QObject *context, Done done)
{
    const quint64 id = call(context, std::move(done), false);
    run(id, [query, offset, limit, total](detail::ArchiveWorker &, Archive *a) {
        ArchiveReply reply;
        if (!a)
            return reply;
        reply.page = a->window(query, offset, limit, total);
        reply.ok = a->error().isEmpty();
        reply.error = a->error();
        return reply;
    });
}

void ArchiveService::records(const QStringList &keys, QObject *context, Done done)
{
    const quint64 id = call(context, std::move(done), false);
    run(id, [keys](detail::ArchiveWorker &w, Archive *a) {
        ArchiveReply reply;
        QList<CheckRecord> waiting;
        if (Outbox *box = w.outbox())
            waiting = box->waiting();
        const QList<CheckRecord> kept = a ? a->records(keys) : QList<CheckRecord>();
        // In the order asked, wherever each is (the bench's first).
        QHash<QString, const CheckRecord *> byKey;
        for (const CheckRecord &r : kept)
            byKey.insert(r.key, &r);
        for (const CheckRecord &r : std::as_const(waiting))
            byKey.insert(r.key, &r);
        for (const QString &key : keys)
            if (const CheckRecord *r = byKey.value(key))
                reply.records << *r;
        reply.ok = a && a->error().isEmpty();
        reply.error = a ? a->error() : QString();
        return reply;
    });
}

void ArchiveService::remove(const QString &key, QObject *context, Done done)
{
    const quint64 id = call(context, std::move(done), true);
    run(id, [key](detail::ArchiveWorker &w, Archive *a) {
        ArchiveReply reply;
        Outbox *box = w.outbox();
        reply.ok = (box && box->remove(key)) || (a && a->remove(key));
        if (!reply.ok && a)
            reply.error = a->error().isEmpty() ? ArchiveServiceText::tr("non è più nell'archivio") : a->error();
        return reply;
    });
}

void ArchiveService::withdraw(const QString &key, const Withdrawal &withdrawal, QObject *context, Done done)
{
    const quint64 id = call(context, std::move(done), true);
    run(id, [key, withdrawal](detail::ArchiveWorker &w, Archive *a) {
        ArchiveReply reply;
        Outbox *box = w.outbox();
        reply.ok = (box && box->withdraw(key, withdrawal)) || (a && a->withdraw(key, withdrawal));
        if (!reply.ok)
            reply.error = !a ? ArchiveServiceText::tr("l'archivio non risponde") : a->error();
        return reply;
    });
}

void ArchiveService::certificate(QObject *context, Done done)
{
    // The page waits for its number: a server slow to give one leaves it
    // to the bench after a few seconds, not the whole call's limit.
    const quint64 id = call(context, std::move(done), true, std::min(4000, timeLimitMs()));
    run(id, [](detail::ArchiveWorker &, Archive *a) {
        ArchiveReply reply;
        reply.away = !a;
        reply.readOnly = a && a->readOnly();
        if (a) {
            reply.number = a->nextCertificate();
            reply.ok = !reply.number.isEmpty();
            reply.error = a->error();
        }
        return reply;
    });
}

quint64 ArchiveService::sendBenchChecks(const QString &file, QObject *context, Done done)
{
    // A bench's years of checks take longer than one call: on the long
    // calls' connection, given up between batches where asked.
    const quint64 id = call(context, std::move(done), true, 10 * timeLimitMs());
    auto stop = std::make_shared<std::atomic_bool>(false);
    m_calls[id].stop = stop;
    run(id, [file, stop](detail::ArchiveWorker &, Archive *a) {
        ArchiveReply reply;
        if (!a)
            return reply;
        const Archive bench(file);
        if (!bench.isOpen()) {
            reply.error = bench.error();
            return reply;
        }
        QStringList keys;
        for (const CheckSummary &s : bench.page({}, nullptr, std::numeric_limits<int>::max()))
            keys << s.key;
        // A few hundred at a time, each kept once: those the server has
        // (sent before, or by hand) are left as they are.
        constexpr int kBatch = 200;
        for (qsizetype at = 0; at < keys.size(); at += kBatch) {
            if (*stop) {
                reply.error = ArchiveServiceText::tr("l'invio è stato interrotto");
                return reply;
            }
            const QStringList some = keys.mid(at, kBatch);
            QSet<QString> there;
            for (const CheckRecord &r : a->records(some))
                there.insert(r.key);
            QList<CheckRecord> fresh;
            for (CheckRecord &r : bench.records(some))
                if (!there.contains(r.key))
                    fresh << r;
            if (!a->error().isEmpty() || !bench.error().isEmpty() || (!fresh.isEmpty() && !a->keepAll(fresh))) {
                reply.error = !bench.error().isEmpty() ? bench.error() : a->error();
                return reply;
            }
            reply.already += int(there.size());
            reply.sent += int(fresh.size());
        }
        reply.ok = true;
        return reply;
    }, true);
    return id;
}

void ArchiveService::giveUp(quint64 call)
{
    if (const auto it = m_calls.find(call); it != m_calls.end() && it->stop)
        *it->stop = true;
}

void ArchiveService::sendWaiting()
{
    QMetaObject::invokeMethod(m_longWorker, [worker = m_longWorker] { worker->retry(); }, Qt::QueuedConnection);
}

void ArchiveService::answered(quint64 id, const ArchiveReply &reply)
{
    const auto it = m_calls.find(id);
    if (it == m_calls.end())
        return; // answered late, after its time limit
    const Call c = it.value();
    m_calls.erase(it);
    c.timer->deleteLater();
    if (reply.ok && c.writes)
        emit changed();
    if (c.context)
        c.done(reply);
}

} // namespace dravino

#include "ArchiveService.moc"
