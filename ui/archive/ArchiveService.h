#pragma once
// The archive as the window uses it: every call runs on the archive's own
// thread, so that the window never waits for a disk or a database server.
// The answer comes back on the asking object's thread, once: the archive's
// reply, or after the time limit a reply that says the archive did not
// answer (a late reply is then dropped). Nothing comes back to an object
// that is gone. Calls run one after another, in the order they were made.

#include "ui/archive/Archive.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QThread;
class QTimer;

namespace dravino {

struct ArchiveReply {
    bool ok = false;
    QString error;             // why not, in words
    qint64 id = 0;             // the record written
    QList<CheckRecord> records;
    QString notice;            // told once, on opening (a file moved aside)
    bool changed = false;      // the call wrote to the archive
};

namespace detail {
class ArchiveWorker;
}

class ArchiveService final : public QObject
{
    Q_OBJECT
public:
    using Work = std::function<ArchiveReply(Archive &)>;
    using Done = std::function<void(const ArchiveReply &)>;

    // The archive at location (see Archive), opened by its first call.
    explicit ArchiveService(QString location, QObject *parent = nullptr);
    // Waits a moment for a call under way; one held by a server that does
    // not answer is left to end on its own.
    ~ArchiveService() override;
    Q_DISABLE_COPY_MOVE(ArchiveService)

    QString location() const { return m_location; }
    // work on the archive's thread; done on context's thread.
    void ask(QObject *context, Work work, Done done);
    // Calls not answered yet.
    int pending() const { return int(m_calls.size()); }

    // How long a call may take: DRAVINO_ARCHIVE_TIMEOUT_MS where it is set
    // (tests), else 15 s, more than a file's busy timeout and a server's
    // connection limit.
    static int timeLimitMs();

signals:
    // A call wrote to the archive: what is listed may be out of date.
    void changed();
    // A file moved aside, a read-only archive: the technician hears it once.
    void notice(const QString &text);

private:
    struct Call {
        QPointer<QObject> context;
        Done done;
        QTimer *timer = nullptr;
    };
    void answered(quint64 id, const ArchiveReply &reply);

    QString m_location;
    QThread *m_thread = nullptr;
    detail::ArchiveWorker *m_worker = nullptr;
    QHash<quint64, Call> m_calls;
    quint64 m_next = 0;
};

} // namespace dravino
