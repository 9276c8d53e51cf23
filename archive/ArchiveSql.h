#pragma once
// What the archive's parts share (the store, the migration, the queries):
// its texts' translation context, the wording of its faults, the schema and
// the reading and writing of a row. Internal to archive/.

#include "archive/Archive.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace dravino::archivesql {

// The archive's texts, in one translation context.
class ArchiveText
{
    Q_DECLARE_TR_FUNCTIONS(dravino::Archive)
};

inline const QString kChannel = QStringLiteral("dravino_checks");

// The faults, in words: SQLite's by its result code, the server's by
// libpq's message (it gives no code for them).
int sqliteCode(const QSqlError &e);
bool damaged(int code);
QString said(const QString &ours, const QString &raw);
QString fileReason(const QSqlError &e);
QString serverReason(const QSqlError &e);
QString serverNamed(const QString &location);

// The schema and its rows.
QStringList createV2(bool server, const QString &table);
extern const QStringList kIndexes;
QString utc(const QDateTime &t);
// WHERE for a search, the archive's and the bench's outbox's alike (their
// tables share the columns search_key, taken_at, verdict and code): any
// part of the code or of the job's data, any case, no wildcards; the dates
// in local days; the verdict; one sensor's code.
QString searchWhere(const CheckQuery &query, QVariantList &values);
QVariant text(const QString &s);
QVariant wholeOrNull(const Cell &c);
QString textOf(const Cell &c);
Cell cellOf(const QVariant &number, const QVariant &textValue);
QString searchKey(const CheckRecord &r);
extern const char *const kSummaryColumns;
extern const char *const kRecordColumns;
void readSummary(const QSqlQuery &q, CheckSummary &s);
void readRecord(const QSqlQuery &q, CheckRecord &r);
CheckRecord fromV1(const QSqlQuery &q);

} // namespace dravino::archivesql
