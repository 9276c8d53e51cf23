// The archive brought up to this version's schema: a first-version file
// copied aside and its texts made data; a second version's checks given
// their verdicts; the columns of calibrations and withdrawals added.

#include "archive/ArchiveSql.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>

namespace dravino {

using namespace archivesql;

bool Archive::migrate(int from)
{
    if (!m_server && from >= kSchemaVersion) {
        addIndexes(from);
        return true;
    }
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    // A first-version file is first copied aside whole, under a dated name.
    if (!m_server && from == 1) {
        const QString copy = m_location + QStringLiteral(".versione1-")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("VACUUM INTO '%1'").arg(QString(copy).replace(QLatin1Char('\''), QLatin1String("''"))))) {
            QFile::remove(copy);
            return fail(ArchiveText::tr("l'archivio non è stato aggiornato alla nuova versione: la copia %1 non si può scrivere "
                                        "(%2)")
                            .arg(QDir::toNativeSeparators(copy), fileReason(q.lastError())));
        }
        QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    // One program at a time looks at the version and takes the archive on
    // (on a file: SQLite's write lock, taken at once); the others find it done.
    QSqlQuery q(db);
    const bool begun = m_server ? db.transaction() : q.exec(QStringLiteral("BEGIN IMMEDIATE"));
    if (!begun)
        return fail(m_server ? serverReason(db.lastError()) : fileReason(q.lastError()));
    const auto rollback = [&] {
        q = QSqlQuery(db);
        if (m_server)
            db.rollback();
        else
            q.exec(QStringLiteral("ROLLBACK"));
    };
    const auto abandon = [&] {
        const QString why = !m_error.isEmpty() ? m_error
            : q.lastError().isValid()          ? q.lastError().text()
                                               : db.lastError().text();
        rollback();
        return fail(from == 1 ? ArchiveText::tr("l'archivio non è stato aggiornato alla nuova versione (%1)").arg(why) : why);
    };
    if (!m_server) {
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
            return abandon();
        from = q.value(0).toInt();
        if (from >= kSchemaVersion) {
            rollback();
            addIndexes(from);
            return true;
        }
    }
    if (m_server) {
        // One bench at a time looks at the version and takes the archive on;
        // the others find it done.
        if (!q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7243001)"))
            || !q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS dravino_schema (version INTEGER NOT NULL)"))
            || !q.exec(QStringLiteral("SELECT coalesce(max(version), 0), to_regclass('checks') IS NOT NULL FROM dravino_schema"))
            || !q.next())
            return abandon();
        from = q.value(0).toInt();
        if (from == 0 && q.value(1).toBool()) {
            m_error = ArchiveText::tr("%1 ha già una tabella checks che non è di Dravino").arg(serverNamed(m_location));
            return abandon();
        }
        m_readOnly = from > kSchemaVersion;
        if (from >= kSchemaVersion) {
            rollback();
            addIndexes(from);
            return true;
        }
    }
    m_error.clear();
    if (from < 1) {
        // A new archive.
        for (const QString &sql : createV2(m_server, QStringLiteral("checks")) + kIndexes)
            if (!q.exec(sql))
                return abandon();
    }
    // The indexes a converted table needs; on a server, its ids' sequence
    // past the records kept (put back from a dump, they leave it behind).
    const auto reindex = [&] {
        for (const QString &sql : kIndexes)
            if (!q.exec(sql))
                return false;
        return !m_server
            || q.exec(QStringLiteral("SELECT setval(pg_get_serial_sequence('checks', 'id'), coalesce(max(id), 0) + 1, false) FROM checks"));
    };
    if (from == 1) {
        // The texts of the first version become data, in a table that takes
        // the old one's place; every record keeps its id.
        if (!q.exec(createV2(m_server, QStringLiteral("checks_v2")).first()) || !convertV1(m_connection, m_connection)
            || !q.exec(QStringLiteral("DROP TABLE checks")) || !q.exec(QStringLiteral("ALTER TABLE checks_v2 RENAME TO checks")))
            return abandon();
        if (!reindex())
            return abandon();
    }
    if (from == 2 || from == 3) {
        // Calibrations beside the scale checks, and certificates withdrawn
        // instead of erased: every record so far is a scale check that stands.
        for (const char *column : {"kind", "zone", "withdrawn", "replaces"})
            if (!q.exec(QStringLiteral("ALTER TABLE checks ADD COLUMN %1 TEXT NOT NULL DEFAULT ''").arg(QLatin1String(column))))
                return abandon();
    }
    if (from == 2) {
        // The certificate's number and the sensor's verdict, each record's
        // verdict worked out from its own rows.
        if (!q.exec(QStringLiteral("ALTER TABLE checks ADD COLUMN certificate TEXT NOT NULL DEFAULT ''"))
            || !q.exec(QStringLiteral("ALTER TABLE checks ADD COLUMN verdict TEXT NOT NULL DEFAULT ''"))
            || !q.exec(QStringLiteral("SELECT %1, %2 FROM checks").arg(QLatin1String(kSummaryColumns), QLatin1String(kRecordColumns))))
            return abandon();
        QList<std::pair<qint64, QString>> verdicts;
        while (q.next()) {
            CheckRecord r;
            readRecord(q, r);
            verdicts.append({r.id, verdictName(verdictOf(r))});
        }
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE checks SET verdict = ? WHERE id = ?"));
        for (const auto &[id, verdict] : verdicts) {
            update.addBindValue(verdict);
            update.addBindValue(id);
            if (!update.exec())
                return abandon();
        }
        if (!reindex())
            return abandon();
    }
    // The certificates' numbers, shared by every bench the server serves.
    if (m_server && !q.exec(QStringLiteral("CREATE SEQUENCE IF NOT EXISTS dravino_certificates")))
        return abandon();
    const bool versioned = m_server ? q.exec(QStringLiteral("DELETE FROM dravino_schema"))
                                          && q.exec(QStringLiteral("INSERT INTO dravino_schema (version) VALUES (%1)").arg(kSchemaVersion))
                                    : q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    if (!versioned || !(m_server ? db.commit() : q.exec(QStringLiteral("COMMIT"))))
        return abandon();
    return true;
}

void Archive::addIndexes(int version)
{
    if (version != kSchemaVersion || m_readOnly)
        return;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    for (const QString &sql : kIndexes)
        q.exec(sql);
}

bool Archive::convertV1(const QString &fromConnection, const QString &toConnection)
{
    const bool inPlace = fromConnection == toConnection;
    QSqlQuery read(QSqlDatabase::database(fromConnection));
    read.setForwardOnly(true);
    if (!read.exec(QStringLiteral("SELECT id, taken_at, code, sensor, resolution, average_mode, average, tolerance, "
                                  "destination, version, grid FROM checks ORDER BY id")))
        return fail(read.lastError().text());
    QList<CheckRecord> records;
    while (read.next())
        records << fromV1(read);
    read = QSqlQuery();
    const QString saved = m_connection;
    m_connection = toConnection;
    bool ok = true;
    for (CheckRecord &r : records)
        if (!(ok = insertInto(r, inPlace ? QStringLiteral("checks_v2") : QStringLiteral("checks"), true)))
            break;
    m_connection = saved;
    return ok;
}

} // namespace dravino
