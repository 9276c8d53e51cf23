#include "archive/Outbox.h"

#include "archive/ArchiveSql.h"
#include "archive/Location.h"
#include "base/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <atomic>
#include <optional>

namespace dravino {

namespace {
class OutboxText
{
    Q_DECLARE_TR_FUNCTIONS(dravino::Outbox)
};
std::atomic_int g_outboxes{0};

QString json(const CheckRecord &r) { return QString::fromUtf8(QJsonDocument(recordJson(r)).toJson(QJsonDocument::Compact)); }

bool searchable(QSqlDatabase &db);

bool hasColumn(QSqlDatabase &db, const char *name)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("SELECT count(*) FROM pragma_table_info('waiting') WHERE name = '%1'").arg(QLatin1String(name))) && q.next()
        && q.value(0).toInt() > 0;
}

// An earlier outbox brought to this version's columns, in one step under
// the file's write lock: the bench's two threads (or two programs) may
// open it at the same moment, and the one that waited finds it done.
bool brought(QSqlDatabase &db)
{
    if (hasColumn(db, "refused") && hasColumn(db, "search_key") && hasColumn(db, "withdrawn"))
        return true;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    bool ok = true;
    if (!hasColumn(db, "refused"))
        ok = q.exec(QStringLiteral("ALTER TABLE waiting ADD COLUMN refused TEXT"));
    if (ok && !hasColumn(db, "search_key"))
        ok = q.exec(QStringLiteral("ALTER TABLE waiting ADD COLUMN search_key TEXT NOT NULL DEFAULT ''"))
            && q.exec(QStringLiteral("ALTER TABLE waiting ADD COLUMN code TEXT NOT NULL DEFAULT ''"))
            && q.exec(QStringLiteral("ALTER TABLE waiting ADD COLUMN verdict TEXT NOT NULL DEFAULT ''")) && searchable(db);
    // (none waiting was withdrawn before there could be withdrawals)
    if (ok && !hasColumn(db, "withdrawn"))
        ok = q.exec(QStringLiteral("ALTER TABLE waiting ADD COLUMN withdrawn TEXT NOT NULL DEFAULT ''"));
    if (ok)
        return q.exec(QStringLiteral("COMMIT"));
    q.exec(QStringLiteral("ROLLBACK"));
    return false;
}

// The columns a search looks in, from each record an earlier outbox holds.
bool searchable(QSqlDatabase &db)
{
    QSqlQuery read(db);
    if (!read.exec(QStringLiteral("SELECT bench_key, record FROM waiting")))
        return false;
    QSqlQuery write(db);
    write.prepare(QStringLiteral("UPDATE waiting SET search_key = ?, code = ?, verdict = ? WHERE bench_key = ?"));
    while (read.next()) {
        const CheckRecord r = recordFrom(QJsonDocument::fromJson(read.value(1).toByteArray()).object());
        write.addBindValue(archivesql::searchKey(r));
        write.addBindValue(r.code);
        write.addBindValue(QString(verdictName(r.verdict)));
        write.addBindValue(read.value(0));
        if (!write.exec())
            return false;
    }
    return true;
}
} // namespace

Outbox::Outbox(QString path, const QString &server)
    : m_path(std::move(path)), m_server(shownLocation(server)), m_connection(QStringLiteral("dravino-outbox-%1").arg(++g_outboxes))
{
    const QString shown = QDir::toNativeSeparators(m_path);
    QString why;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        why = OutboxText::tr("la cartella non si può creare");
    else
        why = createPrivateFile(m_path);
    if (!why.isEmpty()) {
        m_error = OutboxText::tr("le prove in attesa non si possono conservare in %1: %2").arg(shown, why);
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    // The bench's two threads may open a new outbox at the same moment; the
    // one that does not get to switch it to WAL is told at once that it is
    // locked (no busy timeout there), and tries again.
    QSqlError failed;
    for (int attempt = 0; !m_open && attempt < 100; ++attempt) {
        if (attempt > 0)
            QThread::msleep(20);
        if (!db.isOpen() && !db.open()) {
            failed = db.lastError();
            break;
        }
        QSqlQuery q(db);
        m_open = q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && q.exec(QStringLiteral("PRAGMA synchronous=FULL"))
            && q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS waiting (bench_key TEXT PRIMARY KEY, server TEXT NOT NULL, "
                                     "taken_at TEXT NOT NULL, record TEXT NOT NULL, refused TEXT, search_key TEXT NOT NULL "
                                     "DEFAULT '', code TEXT NOT NULL DEFAULT '', verdict TEXT NOT NULL DEFAULT '', withdrawn TEXT NOT NULL "
                                     "DEFAULT '')"));
        failed = q.lastError();
        // An outbox of an earlier Dravino has no mark for a refused record,
        // nor the columns a search looks in (filled from its records).
        if (m_open)
            m_open = brought(db);
        if (failed.nativeErrorCode() != QLatin1String("5")) // SQLITE_BUSY
            break;
    }
    if (!m_open)
        m_error = OutboxText::tr("le prove in attesa non si possono conservare in %1 (%2)").arg(shown, failed.text());
}

Outbox::~Outbox()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool Outbox::put(const CheckRecord &r)
{
    if (!m_open)
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT INTO waiting (bench_key, server, taken_at, record, search_key, code, verdict, withdrawn) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (bench_key) DO UPDATE SET record = excluded.record, "
                             "search_key = excluded.search_key, code = excluded.code, verdict = excluded.verdict, "
                             "withdrawn = excluded.withdrawn"));
    q.addBindValue(r.key);
    q.addBindValue(m_server);
    q.addBindValue(archivesql::utc(r.takenAt));
    q.addBindValue(json(r));
    q.addBindValue(archivesql::searchKey(r));
    q.addBindValue(r.code);
    q.addBindValue(QString(verdictName(verdictOf(r))));
    q.addBindValue(withdrawalJson(r.withdrawal));
    if (q.exec())
        return true;
    m_error = OutboxText::tr("le prove in attesa non si possono conservare in %1 (%2)")
                  .arg(QDir::toNativeSeparators(m_path), q.lastError().text());
    return false;
}

QList<CheckRecord> Outbox::waiting(const CheckQuery &query) const
{
    QList<CheckRecord> out;
    if (!m_open)
        return out;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    // The archive's own search, on this table.
    QVariantList values{m_server};
    q.prepare(QStringLiteral("SELECT record, refused FROM waiting WHERE server = ? AND %1 ORDER BY rowid")
                  .arg(archivesql::searchWhere(query, values)));
    for (const QVariant &v : std::as_const(values))
        q.addBindValue(v);
    if (!q.exec())
        return out;
    while (q.next()) {
        CheckRecord r = recordFrom(QJsonDocument::fromJson(q.value(0).toByteArray()).object());
        r.waiting = true;
        r.refused = q.value(1).toString();
        // As it stands here (an earlier Dravino wrote its records otherwise).
        m_read.insert(r.key, q.value(0).toString());
        out << r;
    }
    return out;
}

bool Outbox::refuse(const QString &key, const QString &why)
{
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE waiting SET refused = ? WHERE bench_key = ? AND refused IS NULL"));
    q.addBindValue(why.isEmpty() ? QStringLiteral("?") : why);
    q.addBindValue(key);
    return m_open && q.exec() && q.numRowsAffected() == 1;
}

bool Outbox::sent(const CheckRecord &r)
{
    CheckRecord asSent = r;
    asSent.waiting = false;
    asSent.refused.clear();
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("DELETE FROM waiting WHERE bench_key = ? AND record IN (?, ?)"));
    q.addBindValue(r.key);
    q.addBindValue(json(asSent));
    q.addBindValue(m_read.value(r.key, json(asSent)));
    return m_open && q.exec();
}

namespace {
std::optional<CheckRecord> waitingRecord(const QString &connection, const QString &key)
{
    QSqlQuery q(QSqlDatabase::database(connection));
    q.prepare(QStringLiteral("SELECT record FROM waiting WHERE bench_key = ?"));
    q.addBindValue(key);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return recordFrom(QJsonDocument::fromJson(q.value(0).toByteArray()).object());
}
} // namespace

bool Outbox::remove(const QString &key)
{
    if (!m_open)
        return false;
    const auto r = waitingRecord(m_connection, key);
    if (!r || !r->certificate.isEmpty())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("DELETE FROM waiting WHERE bench_key = ?"));
    q.addBindValue(key);
    return q.exec() && q.numRowsAffected() == 1;
}

bool Outbox::withdraw(const QString &key, const Withdrawal &withdrawal)
{
    if (!m_open)
        return false;
    auto r = waitingRecord(m_connection, key);
    if (!r || r->certificate.isEmpty() || r->withdrawal.withdrawn())
        return false;
    r->withdrawal = withdrawal;
    return put(*r);
}

} // namespace dravino
