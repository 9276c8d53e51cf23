#include "ui/archive/ArchiveService.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <memory>

namespace dravino {

namespace {
class ArchiveServiceText
{
    Q_DECLARE_TR_FUNCTIONS(dravino::ArchiveService)
};
} // namespace

namespace detail {

// Lives on the archive's thread and owns the connection there (Qt SQL's
// connections belong to the thread that made them).
class ArchiveWorker final : public QObject
{
    Q_OBJECT
public:
    explicit ArchiveWorker(QString location) : m_location(std::move(location)) {}

    void run(quint64 id, const ArchiveService::Work &work)
    {
        ArchiveReply reply;
        // A connection to a server that restarted is made again before the
        // call, not found dead in the middle of it.
        if (m_archive && Archive::isServer(m_location) && !m_archive->answers())
            m_archive.reset();
        if (!m_archive) {
            m_archive = std::make_unique<Archive>(m_location);
            reply.notice = m_archive->notice();
        }
        if (!m_archive->isOpen()) {
            reply.error = m_archive->error();
            m_archive.reset(); // the next call tries again: the server may be back
        } else {
            const QString notice = reply.notice;
            reply = work(*m_archive);
            reply.notice = notice;
            // A server's connection that failed is not trusted again.
            if (!reply.ok && Archive::isServer(m_location))
                m_archive.reset();
        }
        emit answered(id, reply);
    }

signals:
    void answered(quint64 id, const dravino::ArchiveReply &reply);

private:
    QString m_location;
    std::unique_ptr<Archive> m_archive;
};

} // namespace detail

int ArchiveService::timeLimitMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("DRAVINO_ARCHIVE_TIMEOUT_MS", &ok);
    return ok && ms > 0 ? ms : 15000;
}

ArchiveService::ArchiveService(QString location, QObject *parent)
    : QObject(parent), m_location(std::move(location)), m_thread(new QThread),
      m_worker(new detail::ArchiveWorker(m_location))
{
    m_thread->setObjectName(QStringLiteral("archive"));
    m_worker->moveToThread(m_thread);
    // The connection is closed on its own thread as that thread ends.
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &detail::ArchiveWorker::answered, this, &ArchiveService::answered, Qt::QueuedConnection);
    m_thread->start();
}

ArchiveService::~ArchiveService()
{
    disconnect(m_worker, nullptr, this, nullptr);
    m_thread->quit();
    if (m_thread->wait(1000)) {
        delete m_thread;
        return;
    }
    // The thread is held by a server that does not answer: it ends when its
    // call gives up, and is kept until the program ends.
    static auto *abandoned = new QList<QThread *>;
    abandoned->append(m_thread);
}

void ArchiveService::ask(QObject *context, Work work, Done done)
{
    const quint64 id = ++m_next;
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, id] {
        ArchiveReply reply;
        reply.error = Archive::isServer(m_location)
            ? ArchiveServiceText::tr("il server dell'archivio %1 non risponde").arg(Archive::shown(m_location))
            : ArchiveServiceText::tr("l'archivio %1 non risponde").arg(Archive::shown(m_location));
        answered(id, reply);
    });
    m_calls.insert(id, {context, std::move(done), timer});
    timer->start(timeLimitMs());
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, id, work = std::move(work)] { worker->run(id, work); },
                              Qt::QueuedConnection);
}

void ArchiveService::answered(quint64 id, const ArchiveReply &reply)
{
    const auto it = m_calls.find(id);
    if (it == m_calls.end())
        return; // answered late, after its time limit
    const Call call = it.value();
    m_calls.erase(it);
    call.timer->deleteLater();
    if (!reply.notice.isEmpty())
        emit notice(reply.notice);
    if (reply.ok && reply.changed)
        emit changed();
    if (call.context)
        call.done(reply);
}

} // namespace dravino

#include "ArchiveService.moc"
