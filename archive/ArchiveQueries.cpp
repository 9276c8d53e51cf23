// The archive's queries: a page of a search, its counts, the records
// asked for, a record deleted, the next certificate's number.

#include "archive/ArchiveSql.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlDriver>

namespace dravino {

using namespace archivesql;

QList<CheckSummary> Archive::summariesOf(const QString &found, const QVariantList &values) const
{
    QList<CheckSummary> out;
    const QString sql = QStringLiteral("SELECT %1 FROM checks WHERE id IN (%2) ORDER BY taken_at DESC, id DESC")
                            .arg(QLatin1String(kSummaryColumns), found);
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        fail(q.lastError());
        return out;
    }
    while (q.next()) {
        CheckSummary s;
        readSummary(q, s);
        out.append(s);
    }
    return out;
}

QList<CheckSummary> Archive::page(const CheckQuery &query, const CheckSummary *after, int limit) const
{
    QList<CheckSummary> out;
    if (!m_open)
        return out;
    m_error.clear();
    // The page's checks are found in the index, then read.
    QVariantList values;
    QString found = QStringLiteral("SELECT id FROM checks WHERE %1").arg(searchWhere(query, values));
    if (after) {
        found += QStringLiteral(" AND (taken_at < ? OR (taken_at = ? AND id < ?))");
        values << utc(after->takenAt) << utc(after->takenAt) << after->id;
    }
    found += QStringLiteral(" ORDER BY taken_at DESC, id DESC LIMIT ?");
    values << limit;
    return summariesOf(found, values);
}

QList<CheckSummary> Archive::window(const CheckQuery &query, int offset, int limit, int total) const
{
    QList<CheckSummary> out;
    if (!m_open || offset < 0 || limit <= 0)
        return out;
    m_error.clear();
    const bool fromOldest = total > 0 && offset > total / 2;
    const int skip = fromOldest ? std::max(0, total - offset - limit) : offset;
    const int take = fromOldest ? std::min(limit, total - offset) : limit;
    if (take <= 0)
        return out;
    QVariantList values;
    const QString found = QStringLiteral("SELECT id FROM checks WHERE %1 ORDER BY taken_at %2, id %2 LIMIT ? OFFSET ?")
                              .arg(searchWhere(query, values), fromOldest ? QLatin1String("ASC") : QLatin1String("DESC"));
    values << take << skip;
    return summariesOf(found, values);
}

QString Archive::nextCertificate()
{
    if (!m_open)
        return {};
    m_error.clear();
    if (m_readOnly || !m_server) {
        fail(m_readOnly ? ArchiveText::tr("l'archivio si può solo leggere") : ArchiveText::tr("un archivio su file non numera i certificati"));
        return {};
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    if (!q.exec(QStringLiteral("SELECT nextval('dravino_certificates')")) || !q.next()) {
        fail(serverReason(q.lastError()));
        return {};
    }
    return q.value(0).toString();
}

VerdictCounts Archive::counts(const CheckQuery &query) const
{
    VerdictCounts out;
    if (!m_open)
        return out;
    m_error.clear();
    QVariantList values;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT count(*), coalesce(sum(CASE WHEN verdict = 'pass' THEN 1 ELSE 0 END), 0), "
                             "coalesce(sum(CASE WHEN verdict = 'fail' THEN 1 ELSE 0 END), 0) FROM checks WHERE %1")
                  .arg(searchWhere(query, values)));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec() || !q.next()) {
        fail(q.lastError());
        return {};
    }
    return {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()};
}

int Archive::count(const CheckQuery &query) const
{
    if (!m_open)
        return -1;
    m_error.clear();
    QVariantList values;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT count(*) FROM checks WHERE %1").arg(searchWhere(query, values)));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec() || !q.next()) {
        fail(q.lastError());
        return -1;
    }
    return q.value(0).toInt();
}

QList<CheckRecord> Archive::records(const QStringList &keys) const
{
    QList<CheckRecord> out;
    if (!m_open)
        return out;
    m_error.clear();
    // Many at a time (an export of thousands is a few queries, not
    // thousands), given back in the order asked.
    constexpr qsizetype kBatch = 500;
    QHash<QString, CheckRecord> found;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    for (qsizetype at = 0; at < keys.size(); at += kBatch) {
        const QStringList batch = keys.mid(at, kBatch);
        QStringList marks(batch.size(), QStringLiteral("?"));
        q.prepare(QStringLiteral("SELECT %1, %2 FROM checks WHERE bench_key IN (%3)")
                      .arg(QLatin1String(kSummaryColumns), QLatin1String(kRecordColumns), marks.join(QLatin1Char(','))));
        for (const QString &key : batch)
            q.addBindValue(key);
        if (!q.exec()) {
            fail(q.lastError());
            return {};
        }
        while (q.next()) {
            CheckRecord r;
            readRecord(q, r);
            found.insert(r.key, r);
        }
    }
    for (const QString &key : keys)
        if (const auto r = found.constFind(key); r != found.cend())
            out.append(*r);
    return out;
}

bool Archive::remove(const QString &key)
{
    if (!writable())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("DELETE FROM checks WHERE bench_key = ? AND certificate = ''"));
    q.addBindValue(key);
    if (!q.exec())
        return fail(q.lastError());
    const bool removed = q.numRowsAffected() == 1;
    if (removed && m_server)
        q.exec(QStringLiteral("NOTIFY %1").arg(kChannel));
    if (!removed && !records({key}).isEmpty())
        return fail(ArchiveText::tr("è un certificato emesso: non si cancella, si ritira"));
    return removed;
}

bool Archive::withdraw(const QString &key, const Withdrawal &withdrawal)
{
    if (!writable())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE checks SET withdrawn = ? WHERE bench_key = ? AND withdrawn = '' AND certificate <> ''"));
    q.addBindValue(withdrawalJson(withdrawal));
    q.addBindValue(key);
    if (!q.exec())
        return fail(q.lastError());
    const bool done = q.numRowsAffected() == 1;
    if (done && m_server)
        q.exec(QStringLiteral("NOTIFY %1").arg(kChannel));
    if (!done)
        return fail(records({key}).isEmpty() ? ArchiveText::tr("non è più nell'archivio")
                                             : ArchiveText::tr("è già ritirato, o non è un certificato"));
    return true;
}

} // namespace dravino
