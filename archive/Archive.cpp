#include "archive/Archive.h"
#include "archive/ArchiveSql.h"

#include <cmath>

#include "archive/Location.h"
#include "base/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>

#include <atomic>

namespace dravino {

using namespace archivesql;

namespace {

std::atomic_int g_connections{0};
QString newConnectionName() { return QStringLiteral("dravino-archive-%1").arg(++g_connections); }

struct Health {
    enum State { Sound, Damaged, Unreadable } state = Unreadable;
    int version = 0;
    bool empty = true;  // no table at all: a new archive
    QString why;
};

// Whether SQLite finds the file a sound database, and its schema version;
// without writing to it.
Health examine(const QString &path)
{
    const QString name = newConnectionName();
    Health h;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        const auto failed = [&](const QSqlError &e) {
            h.state = damaged(sqliteCode(e)) ? Health::Damaged : Health::Unreadable;
            h.why = fileReason(e);
        };
        if (!db.open()) {
            failed(db.lastError());
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
                failed(q.lastError());
            } else if (q.value(0).toString() != QLatin1String("ok")) {
                h.state = Health::Damaged;
                h.why = said(ArchiveText::tr("è danneggiato"), q.value(0).toString());
            // The version and the tables in one reading: another program
            // making the archive meanwhile is seen before or after, not half-way.
            } else if (!q.exec(QStringLiteral("SELECT user_version, (SELECT count(*) FROM sqlite_master) FROM pragma_user_version"))
                       || !q.next()) {
                failed(q.lastError());
            } else {
                h.version = q.value(0).toInt();
                h.empty = q.value(1).toInt() == 0;
                h.state = Health::Sound;
            }
            q = QSqlQuery();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return h;
}

} // namespace

Archive::Archive(QString location)
    : m_location(std::move(location)), m_server(isServerLocation(m_location)), m_connection(newConnectionName())
{
    m_open = open();
}

Archive::~Archive()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDriver *Archive::driver() const { return QSqlDatabase::database(m_connection, false).driver(); }

bool Archive::answers() const
{
    if (!m_open || !m_server)
        return m_open;
    // Asked without opening it again: Qt opens a dropped connection anew by
    // itself, and the new one listens for nothing.
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.isOpen() || (m_watching && !db.driver()->subscribedToNotifications().contains(kChannel)))
        return false;
    QSqlQuery q(db);
    return q.exec(QStringLiteral("SELECT 1"));
}

bool Archive::fail(const QString &what) const
{
    m_error = what;
    return false;
}

bool Archive::fail(const QSqlError &e) const { return fail(m_server ? serverReason(e) : fileReason(e)); }

bool Archive::writable()
{
    if (!m_open)
        return false; // error() says why
    m_error.clear();
    if (m_readOnly)
        return fail(ArchiveText::tr("l'archivio si può solo leggere"));
    return true;
}

bool Archive::open() { return m_server ? openServer() : openFile(); }

bool Archive::openServer()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return fail(ArchiveText::tr("il driver PostgreSQL di Qt non è installato (libqt6sql6-psql)"));
    const ServerAddress a = serverAddress(m_location);
    if (!a.valid)
        return fail(ArchiveText::tr("l'indirizzo del server dell'archivio non è valido: si scrive "
                                    "postgresql://utente@server:porta/database"));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
    db.setHostName(a.host);
    db.setPort(a.port);
    db.setDatabaseName(a.database);
    db.setUserName(a.user);
    // None given: libpq takes it from PGPASSWORD or ~/.pgpass.
    db.setPassword(a.password);
    // A server that does not take the call, or goes quiet, is given up
    // rather than waited for.
    db.setConnectOptions(QStringLiteral("connect_timeout=5;keepalives_idle=10;keepalives_interval=5;"
                                        "keepalives_count=3;application_name=Dravino"));
    if (!db.open())
        return fail(QStringLiteral("%1 %2").arg(serverNamed(m_location), serverReason(db.lastError())));
    // (the server's notes, such as a table that is already there, are for
    // its own log, not the program's output)
    QSqlQuery(db).exec(QStringLiteral("SET client_min_messages = warning"));
    if (!migrate(0))
        return false;
    if (m_readOnly)
        m_notice = ArchiveText::tr("L'archivio %1 è di una versione più recente di Dravino: è aperto in sola lettura e le prove "
                                   "nuove non vengono registrate.")
                       .arg(shownLocation(m_location));
    return checkShape();
}

bool Archive::openFile()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(ArchiveText::tr("Il driver SQLite di Qt non è installato (libqt6sql6-sqlite)."));
    const QString shown = QDir::toNativeSeparators(m_location);
    const QFileInfo file(m_location);
    if (!QDir().mkpath(file.absolutePath()))
        return fail(ArchiveText::tr("Impossibile creare la cartella dell'archivio %1.").arg(QDir::toNativeSeparators(file.absolutePath())));
    // A new archive is the user's alone from its first byte.
    if (!file.exists())
        if (const QString why = createPrivateFile(m_location); !why.isEmpty())
            return fail(ArchiveText::tr("Impossibile creare l'archivio %1: %2.").arg(shown, why));

    Health health = examine(m_location);
    if (health.state == Health::Damaged) {
        // Never deleted: moved aside under a dated name, with its journal.
        const QString aside = m_location + QStringLiteral(".danneggiato-")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            if (QFile::exists(m_location + suffix) && !QFile::rename(m_location + suffix, aside + suffix))
                return fail(ArchiveText::tr("L'archivio %1 è danneggiato e non si può spostare.").arg(shown));
        m_notice = ArchiveText::tr("L'archivio %1 era danneggiato (%2): è stato spostato in %3 e ne è stato iniziato uno nuovo.")
                       .arg(shown, health.why, QDir::toNativeSeparators(aside));
        createPrivateFile(m_location);
        health = {Health::Sound, 0, true, {}};
    }
    if (health.state == Health::Unreadable)
        return openReadOnly(health.why, -1);
    if (!health.empty && health.version == 0)
        return fail(ArchiveText::tr("Il file %1 non è un archivio di Dravino: non viene né letto né modificato.").arg(shown));
    if (health.version > kSchemaVersion) {
        m_notice = ArchiveText::tr("L'archivio %1 è di una versione più recente di Dravino: è aperto in sola lettura e le prove "
                                   "nuove non vengono registrate.")
                       .arg(shown);
        return openReadOnly({}, health.version);
    }

    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_location);
        // Another window recording at the same moment is waited for, not an error.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        QSqlQuery q(db);
        // Another program (or another of this program's threads) opening the
        // new archive at the same moment: the one that loses the switch to
        // WAL is told 'locked' at once, without SQLite's busy wait, and tries
        // again.
        bool wal = db.open();
        for (int attempt = 0; wal && attempt < 100; ++attempt) {
            if (q.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
                break;
            const QString code = q.lastError().nativeErrorCode();
            wal = code == QLatin1String("5") || code == QLatin1String("6"); // SQLITE_BUSY, SQLITE_LOCKED
            if (wal)
                QThread::msleep(20);
        }
        if (!wal || q.lastError().isValid() || !q.exec(QStringLiteral("PRAGMA synchronous=FULL"))) {
            why = fileReason(db.isOpen() ? q.lastError() : db.lastError());
            if (health.version == 1)
                why = ArchiveText::tr("l'archivio non è stato aggiornato alla nuova versione (%1)").arg(why);
        }
        else if (!migrate(health.version))
            why = m_error;
        q = QSqlQuery();
        if (!why.isEmpty())
            db.close();
    }
    if (why.isEmpty())
        return checkShape();
    QSqlDatabase::removeDatabase(m_connection);
    if (health.version == 0)
        return fail(ArchiveText::tr("Impossibile creare l'archivio %1: %2.").arg(shown, why));
    return openReadOnly(why, health.version);
}

// The archive at a path it could not be written at: read as it is, where
// SQLite still reads it, the technician told why nothing new is kept. An
// archive of the first version is read through a copy in memory in the
// present shape.
bool Archive::openReadOnly(const QString &why, int version)
{
    const QString shown = QDir::toNativeSeparators(m_location);
    m_readOnly = true;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_location);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
    QSqlQuery probe(db);
    if (!db.open() || !probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        // A file whose journal cannot be made (a full or read-only disk) is
        // read as it stands.
        probe = QSqlQuery();
        db.close();
        db.setDatabaseName(QStringLiteral("file:%1?immutable=1").arg(QString::fromUtf8(QUrl::toPercentEncoding(m_location, "/"))));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        if (!db.open())
            return fail(ArchiveText::tr("L'archivio %1 non si può aprire: %2.").arg(shown, fileReason(db.lastError())));
    }
    probe = QSqlQuery();
    if (version < 0) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
            return fail(ArchiveText::tr("L'archivio %1 non si può leggere: %2.").arg(shown, why));
        version = q.value(0).toInt();
    }
    if (version == 1) {
        db = QSqlDatabase();
        const QString file = m_connection;
        m_connection = newConnectionName();
        QSqlDatabase memory = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        memory.setDatabaseName(QStringLiteral(":memory:"));
        QSqlQuery q(memory);
        const bool read = memory.open() && q.exec(createV2(false, QStringLiteral("checks")).first()) && convertV1(file, m_connection);
        QSqlDatabase::database(file, false).close();
        QSqlDatabase::removeDatabase(file);
        if (!read)
            return false;
    }
    if (version == 2 || version == 3) {
        // Read as this version holds it, without a word written: a view in
        // the connection's own temporary space stands for it.
        QSqlQuery q(QSqlDatabase::database(m_connection));
        q.exec(QStringLiteral("CREATE TEMP VIEW checks AS SELECT *, %1'' AS kind, '' AS zone, '' AS withdrawn, '' AS replaces "
                              "FROM main.checks")
                   .arg(version == 2 ? QLatin1String("'' AS certificate, '' AS verdict, ") : QLatin1String("")));
    }
    if (!why.isEmpty())
        m_notice = ArchiveText::tr("L'archivio %1 si può solo leggere (%2): le prove nuove non vengono registrate.")
                       .arg(shown, why);
    return checkShape();
}

bool Archive::checkShape()
{
    QSqlQuery q(QSqlDatabase::database(m_connection));
    if (q.exec(QStringLiteral("SELECT %1, %2 FROM checks WHERE 0 = 1").arg(QLatin1String(kSummaryColumns), QLatin1String(kRecordColumns))))
        return true;
    return fail(ArchiveText::tr("%1 non è un archivio di Dravino: non viene né letto né modificato.")
                    .arg(m_server ? serverNamed(m_location) : QDir::toNativeSeparators(m_location)));
}

bool Archive::keep(CheckRecord &r)
{
    QList<CheckRecord> one{r};
    if (!keepAll(one))
        return false;
    r.id = one.first().id;
    return true;
}

bool Archive::keepAll(QList<CheckRecord> &records)
{
    if (!writable())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!db.transaction())
        return fail(db.lastError());
    for (CheckRecord &r : records)
        if (!insertInto(r, QStringLiteral("checks"), false)) {
            db.rollback();
            return false;
        }
    QSqlQuery notify(db);
    if ((m_server && !notify.exec(QStringLiteral("NOTIFY %1").arg(kChannel))) || !db.commit()) {
        const QString why = m_server ? serverReason(db.lastError()) : fileReason(db.lastError()); // (before the rollback)
        notify = QSqlQuery();
        db.rollback();
        return fail(why);
    }
    return true;
}

bool Archive::insertInto(CheckRecord &r, const QString &table, bool withId)
{
    QSqlQuery q(QSqlDatabase::database(m_connection));
    QJsonObject grid{{QStringLiteral("rows"), rowsJson(r.rows)}};
    if (r.nominalFullScale > 0)
        grid.insert(QStringLiteral("nominal"), r.nominalFullScale);
    if (r.instrument.known)
        grid.insert(QStringLiteral("instrument"), instrumentJson(r.instrument));
    if (r.identity.kept)
        grid.insert(QStringLiteral("identity"), identityJson(r.identity));
    grid.insert(QStringLiteral("rule"), ruleJson(r.rule));
    if (!r.points.empty())
        grid.insert(QStringLiteral("points"), pointsJson(r.points));
    if (!r.calibration.isEmpty())
        grid.insert(QStringLiteral("calibration"), r.calibration);
    if (!r.guided.isEmpty())
        grid.insert(QStringLiteral("guided"), r.guided);
    // (the column holds a whole number: a typed fraction is kept here)
    if (const auto average = cellNumber(r.average); average && *average != std::floor(*average))
        grid.insert(QStringLiteral("average"), *average);
    q.prepare(QStringLiteral("INSERT INTO %1 (%2bench_key, taken_at, code, search_key, sensor, resolution, average_mode, "
                             "average, average_text, tolerance, tolerance_text, outcome, destination, job, customer, vehicle, "
                             "job_number, operator_name, version, grid, certificate, verdict, kind, zone, withdrawn, replaces) VALUES "
                             "(%3?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT "
                             "(bench_key) DO UPDATE SET outcome = excluded.outcome, destination = excluded.destination, job = "
                             "excluded.job, withdrawn = CASE WHEN %1.withdrawn = '' THEN excluded.withdrawn ELSE %1.withdrawn "
                             "END RETURNING id")
                  .arg(table, withId ? QStringLiteral("id, ") : QString(), withId ? QStringLiteral("?, ") : QString()));
    if (withId)
        q.addBindValue(r.id);
    for (const QVariant &v :
         {text(r.key), text(utc(r.takenAt)), text(r.code), text(searchKey(r)),
          text(r.denso ? QStringLiteral("denso") : QStringLiteral("bosch")), QVariant(r.bits12 ? 12 : 10),
          text(r.automaticAverage ? QStringLiteral("auto") : QStringLiteral("manual")), wholeOrNull(r.average),
          text(textOf(r.average)), wholeOrNull(r.tolerance), text(textOf(r.tolerance)),
          text(kindName(r.destination.kind)), text(r.destination.name), QVariant(r.destination.job),
          text(r.jobData.customer), text(r.jobData.vehicle), text(r.jobData.job), text(r.jobData.operatorName),
          text(r.version), text(QString::fromUtf8(QJsonDocument(grid).toJson(QJsonDocument::Compact))), text(r.certificate),
          text(verdictName(verdictOf(r))), text(checkKindName(r.kind)), text(zoneName(r.zone)),
          text(withdrawalJson(r.withdrawal)), text(r.replaces)})
        q.addBindValue(v);
    if (!q.exec() || !q.next())
        return fail(q.lastError());
    r.id = q.value(0).toLongLong();
    return true;
}

void Archive::watch(std::function<void()> changed)
{
    QSqlDriver *d = driver();
    if (!m_server || !d || !d->subscribeToNotification(kChannel))
        return;
    m_watching = true;
    QObject::connect(d, &QSqlDriver::notification, d,
                     [changed = std::move(changed)](const QString &, QSqlDriver::NotificationSource source, const QVariant &) {
                         if (source == QSqlDriver::OtherSource)
                             changed();
                     });
}

} // namespace dravino
