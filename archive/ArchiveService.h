#pragma once
// The archive as the window uses it: every call runs on the archive's own
// thread, so that the window never waits for a disk or a database server.
// The answer comes back on the asking object's thread, once: the archive's
// reply, or after the time limit a reply that says the archive did not
// answer (a late reply is then dropped). Nothing comes back to an object
// that is gone. Calls run one after another, in the order they were made;
// the long ones (a bench's checks sent to a server, the checks waiting on
// the bench) on a connection and thread of their own, so that no short
// call waits behind them.
//
// On a server, a check is first kept on the bench (Outbox), on a thread of
// its own that no server holds up, then sent; one the server does not take
// waits there and is sent once, with its own date, when the server answers
// again: at the next call, when the service starts, and on a timer. The
// other benches' changes are heard (LISTEN/NOTIFY) and told as changed().

#include "archive/Archive.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QThread;
class QTimer;

namespace dravino {

struct ArchiveReply {
    bool ok = false;
    QString error;             // why not, in words
    bool late = false;         // the time limit passed: not known yet
    bool waiting = false;      // keep: on the bench, to be sent when the server answers
    QList<CheckSummary> page;  // newest first
    int total = -1;            // how many the query finds, where asked
    int passing = 0, failing = 0; // ... of which passed, failed
    QList<CheckRecord> records;
    QString number;            // a certificate's number
    bool away = false;         // the archive could not be reached at all (or not in time)
    bool readOnly = false;     // the archive may only be read (a newer Dravino's)
    int sent = 0, already = 0; // a bench's checks sent to a server, and those it had
};

namespace detail {
class ArchiveWorker;
class OutboxWorker;
} // namespace detail

class ArchiveService final : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(const ArchiveReply &)>;

    // The archive at location (see Archive), opened by its first call.
    explicit ArchiveService(QString location, QObject *parent = nullptr);
    // Waits a moment for a call under way; one held by a server that does
    // not answer is left to end on its own (the program's end waits for it
    // within its one deadline).
    ~ArchiveService() override;
    Q_DISABLE_COPY_MOVE(ArchiveService)

    QString location() const { return m_location; }
    bool isServer() const;
    // The archive, as last opened, may only be read (a newer Dravino's).
    bool readOnly() const { return m_readOnly; }

    // Keeps the check, or where its key is there already, where its page
    // went. On a server that does not take it, ok with waiting.
    void keep(const CheckRecord &record, QObject *context, Done done);
    // A page of the list: after the last one listed (nothing: the newest),
    // with the count where withTotal; the checks waiting on the bench lead
    // the first page.
    void page(const CheckQuery &query, std::optional<CheckSummary> after, int limit, bool withTotal, QObject *context,
              Done done);
    // The checks at offset to offset + limit of the archive's list of total
    // (the bench's waiting ones not counted): a window of a long list.
    void window(const CheckQuery &query, int offset, int limit, int total, QObject *context, Done done);
    // The whole records, for the sheet and the exports.
    void records(const QStringList &keys, QObject *context, Done done);
    // Erases a record that is no certificate (an issued one is withdrawn instead).
    void remove(const QString &key, QObject *context, Done done);
    // Withdraws an issued certificate, on the bench where it waits there.
    void withdraw(const QString &key, const Withdrawal &withdrawal, QObject *context, Done done);
    // A new certificate's number (reply.number); reply.away where the
    // archive could not be reached, as against one that refused.
    void certificate(QObject *context, Done done);
    // Every check of the bench's own archive file, each kept on this
    // archive's server once (by its key): reply.sent and reply.already. A
    // long call, on a connection of its own: the short ones go on meanwhile.
    // Its call, for giveUp.
    quint64 sendBenchChecks(const QString &file, QObject *context, Done done);
    // A long call gives up between its batches (what it sent stays sent).
    void giveUp(quint64 call);
    // The checks waiting on the bench, sent now where the server answers.
    void sendWaiting();

    // Calls not answered yet.
    int pending() const { return int(m_calls.size()); }
    // How long a call may take: DRAVINO_ARCHIVE_TIMEOUT_MS where it is set
    // (tests), else 15 s, more than a file's busy timeout and a server's
    // connection limit.
    static int timeLimitMs();
    // How often waiting checks are tried again: DRAVINO_OUTBOX_RETRY_MS,
    // else 30 s.
    static int retryMs();
    // How often a server's connection is checked (and what it listens for
    // renewed): DRAVINO_ARCHIVE_HEARTBEAT_MS, else 10 s.
    static int heartbeatMs();

signals:
    // The archive changed (a call here, or another bench): what is listed
    // may be out of date.
    void changed();
    // A file moved aside, a read-only archive: the technician hears it once.
    void notice(const QString &text);

private:
    // On the archive's thread: the archive, open, or nothing when it did not open.
    using Work = std::function<ArchiveReply(detail::ArchiveWorker &, Archive *)>;
    struct Call {
        QPointer<QObject> context;
        Done done;
        QTimer *timer = nullptr;
        bool writes = false;
        std::shared_ptr<std::atomic_bool> stop; // a long call's
    };
    quint64 call(QObject *context, Done done, bool writes, int limitMs = 0);
    // On the short calls' connection, or the long calls' (isLong).
    void run(quint64 id, Work work, bool isLong = false);
    void answered(quint64 id, const ArchiveReply &reply);

    QString m_location;
    QThread *m_thread = nullptr;
    detail::ArchiveWorker *m_worker = nullptr;
    // The long calls (an import, what waits on the bench) on a connection of their own.
    QThread *m_longThread = nullptr;
    detail::ArchiveWorker *m_longWorker = nullptr;
    QThread *m_outboxThread = nullptr;
    detail::OutboxWorker *m_outbox = nullptr;
    QHash<quint64, Call> m_calls;
    quint64 m_next = 0;
    bool m_readOnly = false;
};

} // namespace dravino
