#include "archive/Outbox.h"

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

namespace dravino {

namespace {
class OutboxText
{
    Q_DECLARE_TR_FUNCTIONS(dravino::Outbox)
};
std::atomic_int g_outboxes{0};

QString json(const CheckRecord &r) { return QString::fromUtf8(QJsonDocument(recordJson(r)).toJson(QJsonDocument::Compact)); }
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
                                     "taken_at TEXT NOT NULL, record TEXT NOT NULL, refused TEXT)"));
        failed = q.lastError();
        // An outbox of an earlier Dravino has no mark for a refused record.
        if (m_open && q.exec(QStringLiteral("SELECT count(*) FROM pragma_table_info('waiting') WHERE name = 'refused'")) && q.next()
            && q.value(0).toInt() == 0)
            m_open = q.exec(QStringLiteral("ALTER TABLE waiting ADD COLUMN refused TEXT"));
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
    q.prepare(QStringLiteral("INSERT INTO waiting (bench_key, server, taken_at, record) VALUES (?, ?, ?, ?) "
                             "ON CONFLICT (bench_key) DO UPDATE SET record = excluded.record"));
    q.addBindValue(r.key);
    q.addBindValue(m_server);
    q.addBindValue(r.takenAt.toUTC().toString(Qt::ISODateWithMs));
    q.addBindValue(json(r));
    if (q.exec())
        return true;
    m_error = OutboxText::tr("le prove in attesa non si possono conservare in %1 (%2)")
                  .arg(QDir::toNativeSeparators(m_path), q.lastError().text());
    return false;
}

QList<CheckRecord> Outbox::waiting() const
{
    QList<CheckRecord> out;
    if (!m_open)
        return out;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT record, refused FROM waiting WHERE server = ? ORDER BY rowid"));
    q.addBindValue(m_server);
    if (!q.exec())
        return out;
    while (q.next()) {
        CheckRecord r = recordFrom(QJsonDocument::fromJson(q.value(0).toByteArray()).object());
        r.waiting = true;
        r.refused = q.value(1).toString();
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
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("DELETE FROM waiting WHERE bench_key = ? AND record = ?"));
    q.addBindValue(r.key);
    q.addBindValue(json(asSent));
    return m_open && q.exec();
}

bool Outbox::remove(const QString &key)
{
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("DELETE FROM waiting WHERE bench_key = ?"));
    q.addBindValue(key);
    return m_open && q.exec() && q.numRowsAffected() == 1;
}

} // namespace dravino
