#include "archive/Archive.h"

#include "archive/Location.h"
#include "base/PrivateFile.h"

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

namespace {

// The archive's texts, in one translation context.
class ArchiveText
{
    Q_DECLARE_TR_FUNCTIONS(dravino::Archive)
};

std::atomic_int g_connections{0};
QString newConnectionName() { return QStringLiteral("dravino-archive-%1").arg(++g_connections); }

const QString kChannel = QStringLiteral("dravino_checks");

// SQLite's primary result codes that the archive words itself.
enum SqliteCode { kPerm = 3, kBusy = 5, kLocked = 6, kReadOnly = 8, kIoErr = 10, kCorrupt = 11, kFull = 13, kCantOpen = 14, kNotADb = 26 };
int sqliteCode(const QSqlError &e) { return e.nativeErrorCode().toInt() & 0xff; }
bool damaged(int code) { return code == kCorrupt || code == kNotADb; }

// Our words first; the library's own, where they add anything, after them.
QString said(const QString &ours, const QString &raw)
{
    const QString r = raw.simplified();
    if (r.isEmpty() || r.compare(QLatin1String("success"), Qt::CaseInsensitive) == 0
        || r.compare(QLatin1String("not an error"), Qt::CaseInsensitive) == 0)
        return ours;
    return QStringLiteral("%1 (%2)").arg(ours, r);
}

QString fileReason(const QSqlError &e)
{
    const QString raw = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    switch (sqliteCode(e)) {
    case kFull:
        return said(ArchiveText::tr("il disco è pieno"), raw);
    case kReadOnly:
    case kCantOpen:
    case kPerm:
        return said(ArchiveText::tr("il file o la sua cartella non si possono scrivere"), raw);
    case kBusy:
    case kLocked:
        return said(ArchiveText::tr("è occupato da un altro programma"), raw);
    case kIoErr:
        return said(ArchiveText::tr("errore di lettura o scrittura sul disco"), raw);
    case kCorrupt:
    case kNotADb:
        return said(ArchiveText::tr("è danneggiato"), raw);
    }
    return said(ArchiveText::tr("errore dell'archivio"), raw);
}

QString serverReason(const QSqlError &e)
{
    // libpq's words come in the desktop's language (English or Italian here).
    const QString raw = (e.databaseText().isEmpty() ? e.text() : e.databaseText()).simplified();
    const auto has = [&](std::initializer_list<const char *> words) {
        for (const char *w : words)
            if (raw.contains(QString::fromUtf8(w), Qt::CaseInsensitive))
                return true;
        return false;
    };
    if (has({"Connection refused", "Connessione rifiutata"}))
        return ArchiveText::tr("rifiuta la connessione");
    if (has({"timeout expired", "timeout scaduto", "timed out"}))
        return ArchiveText::tr("non risponde");
    if (has({"password", "authentication", "autenticazione"}))
        return ArchiveText::tr("non accetta l'utente o la password");
    if (has({"does not exist", "non esiste"}) && has({"database"}))
        return ArchiveText::tr("non ha il database indicato");
    if (has({"translate host name", "nome host"}))
        return ArchiveText::tr("ha un nome sconosciuto");
    if (has({"closed the connection", "chiuso la connessione", "terminating connection", "no connection to the server",
             "nessuna connessione al server"}))
        return ArchiveText::tr("ha chiuso la connessione");
    return said(ArchiveText::tr("non si raggiunge"), raw);
}

// "il server dell'archivio postgresql://u@host/db", or without the address
// where it cannot be read.
QString serverNamed(const QString &location)
{
    const QString shown = shownLocation(location);
    return shown.isEmpty() ? ArchiveText::tr("il server dell'archivio") : ArchiveText::tr("il server dell'archivio %1").arg(shown);
}

// The schema, the same on both engines but for the key: SQLite's rowid, a
// PostgreSQL identity. Version 3 added the certificate's number and the
// sensor's verdict to version 2's.
QStringList createV2(bool server, const QString &table)
{
    return {
        QStringLiteral("CREATE TABLE %2 ("
                       " id %1,"
                       " bench_key TEXT NOT NULL UNIQUE,"  // made on the bench
                       " taken_at TEXT NOT NULL,"          // ISO 8601, UTC
                       " code TEXT NOT NULL,"
                       " search_key TEXT NOT NULL,"        // the code and the job's data in upper case
                       " sensor TEXT NOT NULL,"            // bosch | denso
                       " resolution INTEGER NOT NULL,"     // 10 | 12
                       " average_mode TEXT NOT NULL,"      // auto | manual
                       " average INTEGER,"                 // bar
                       " average_text TEXT NOT NULL,"      // an older archive's text that did not read
                       " tolerance INTEGER,"               // ± bar, the deviations' window
                       " tolerance_text TEXT NOT NULL,"
                       " outcome TEXT NOT NULL,"           // none | printer | held | file | unconfirmed
                       " destination TEXT NOT NULL,"       // the printer, the file
                       " job INTEGER NOT NULL,"            // the print server's job, where unconfirmed
                       " customer TEXT NOT NULL,"
                       " vehicle TEXT NOT NULL,"
                       " job_number TEXT NOT NULL,"
                       " operator_name TEXT NOT NULL,"
                       " version TEXT NOT NULL,"
                       " grid TEXT NOT NULL,"               // JSON: the six rows (numbers, states), the nominal full scale,
                                                            // the meter, the workshop's identity as printed
                       " certificate TEXT NOT NULL DEFAULT '',"
                       " verdict TEXT NOT NULL DEFAULT '')") // pass | fail | '' (no verdict)
            .arg(server ? QLatin1String("BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY")
                        : QLatin1String("INTEGER PRIMARY KEY"),
                 table),
    };
}
// One index answers every search: its rows are found, counted and put in
// order without reading the checks themselves.
const QStringList kIndexes{QStringLiteral("CREATE INDEX IF NOT EXISTS checks_search ON checks(search_key, taken_at, id)"),
                           QStringLiteral("CREATE INDEX IF NOT EXISTS checks_code ON checks(code, taken_at)")};

QString utc(const QDateTime &t) { return t.toUTC().toString(Qt::ISODateWithMs); }

// An empty text is kept as an empty text: a null QString would be SQL's NULL.
QVariant text(const QString &s) { return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s); }
QVariant wholeOrNull(const Cell &c)
{
    if (const auto n = cellNumber(c))
        return QVariant(qint64(*n));
    return QVariant(QMetaType(QMetaType::LongLong));
}
QString textOf(const Cell &c) { return std::holds_alternative<QString>(c) ? std::get<QString>(c) : QString(); }
Cell cellOf(const QVariant &number, const QVariant &textValue)
{
    if (!number.isNull())
        return double(number.toLongLong());
    if (!textValue.toString().isEmpty())
        return textValue.toString();
    return {};
}

QString searchKey(const CheckRecord &r)
{
    const JobData &j = r.jobData;
    return QStringList{r.code, j.customer, j.vehicle, j.job, j.operatorName, r.certificate}.join(QChar(0x1f)).toUpper();
}

const char *const kSummaryColumns = "id, bench_key, taken_at, code, sensor, resolution, average, average_text, outcome, "
                                    "destination, job, customer, vehicle, job_number, operator_name, certificate, verdict";
const char *const kRecordColumns = "average_mode, tolerance, tolerance_text, version, grid";

void readSummary(const QSqlQuery &q, CheckSummary &s)
{
    s.id = q.value(0).toLongLong();
    s.key = q.value(1).toString();
    s.takenAt = QDateTime::fromString(q.value(2).toString(), Qt::ISODateWithMs).toLocalTime();
    s.code = q.value(3).toString();
    s.denso = q.value(4).toString() == QLatin1String("denso");
    s.bits12 = q.value(5).toInt() == 12;
    s.average = cellOf(q.value(6), q.value(7));
    s.destination = {kindNamed(q.value(8).toString()), q.value(9).toString(), q.value(10).toInt()};
    s.jobData = {q.value(11).toString(), q.value(12).toString(), q.value(13).toString(), q.value(14).toString()};
    s.certificate = q.value(15).toString();
    s.verdict = verdictNamed(q.value(16).toString());
}

void readRecord(const QSqlQuery &q, CheckRecord &r)
{
    readSummary(q, r);
    constexpr int k = 17;
    r.automaticAverage = q.value(k).toString() == QLatin1String("auto");
    r.tolerance = cellOf(q.value(k + 1), q.value(k + 2));
    r.version = q.value(k + 3).toString();
    const QJsonObject grid = QJsonDocument::fromJson(q.value(k + 4).toByteArray()).object();
    r.rows = rowsFrom(grid.value(QStringLiteral("rows")).toArray());
    r.nominalFullScale = grid.value(QStringLiteral("nominal")).toInt();
    r.instrument = instrumentFrom(grid.value(QStringLiteral("instrument")).toObject());
    r.identity = identityFrom(grid.value(QStringLiteral("identity")).toObject());
}

// The texts of a first-version record ("2443", "3,48%", "linearità ±1 %,
// scostamento ±24 bar", "PDF, in attesa", in either language) as data.
CheckRecord fromV1(const QSqlQuery &q)
{
    CheckRecord r;
    r.id = q.value(0).toLongLong();
    r.key = newCheckKey();
    r.takenAt = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs).toLocalTime();
    r.code = q.value(2).toString();
    r.denso = q.value(3).toString() == QLatin1String("denso");
    r.bits12 = q.value(4).toInt() == 12;
    r.automaticAverage = q.value(5).toString() == QLatin1String("auto");
    r.average = cellOfText(q.value(6).toString());
    r.tolerance = toleranceOfText(q.value(7).toString());
    r.destination = destinationOfText(q.value(8).toString());
    r.version = q.value(9).toString();
    const QJsonObject grid = QJsonDocument::fromJson(q.value(10).toByteArray()).object();
    const auto column = [&](const char *name, int i) { return grid.value(QLatin1String(name)).toArray().at(i); };
    const auto verdict = [](const QJsonValue &v) {
        return v.toInt() == int(Verdict::Green) ? Verdict::Green : v.toInt() == int(Verdict::Red) ? Verdict::Red : Verdict::Unchanged;
    };
    for (int i = 0; i < kScaleRows; ++i) {
        CheckRow &row = r.rows[i];
        row.bar = cellOfText(column("bar", i).toString());
        row.adc = cellOfText(column("adc", i).toString());
        row.mvolt = cellOfText(column("mvolt", i).toString());
        row.scale = cellOfText(column("scala", i).toString());
        row.linearity = cellOfText(column("linearita", i).toString());
        row.deviation = cellOfText(column("scostamento", i).toString());
        row.linearityVerdict = verdict(column("linearitaColor", i));
        row.deviationVerdict = verdict(column("scostamentoColor", i));
    }
    return r;
}

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
    if (version == 2) {
        // Read as the next version would hold it, without a word written:
        // a view in the connection's own temporary space stands for it.
        QSqlQuery q(QSqlDatabase::database(m_connection));
        q.exec(QStringLiteral("CREATE TEMP VIEW checks AS SELECT *, '' AS certificate, '' AS verdict FROM main.checks"));
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

bool Archive::migrate(int from)
{
    if (!m_server && from >= kSchemaVersion)
        return true;
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
    } else if (from == 2) {
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
    if (!m_open)
        return false; // error() says why
    m_error.clear();
    if (m_readOnly)
        return fail(ArchiveText::tr("l'archivio si può solo leggere"));
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!db.transaction())
        return fail(m_server ? serverReason(db.lastError()) : fileReason(db.lastError()));
    for (CheckRecord &r : records)
        if (!insertInto(r, QStringLiteral("checks"), false)) {
            db.rollback();
            return false;
        }
    QSqlQuery notify(db);
    if ((m_server && !notify.exec(QStringLiteral("NOTIFY %1").arg(kChannel))) || !db.commit()) {
        const QString why = m_server ? serverReason(db.lastError()) : fileReason(db.lastError());
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
    q.prepare(QStringLiteral("INSERT INTO %1 (%2bench_key, taken_at, code, search_key, sensor, resolution, average_mode, "
                             "average, average_text, tolerance, tolerance_text, outcome, destination, job, customer, vehicle, "
                             "job_number, operator_name, version, grid, certificate, verdict) VALUES (%3?, ?, ?, ?, ?, ?, ?, ?, "
                             "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (bench_key) DO UPDATE SET outcome = "
                             "excluded.outcome, destination = excluded.destination, job = excluded.job RETURNING id")
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
          text(verdictName(verdictOf(r)))})
        q.addBindValue(v);
    if (!q.exec() || !q.next())
        return fail(m_server ? serverReason(q.lastError()) : fileReason(q.lastError()));
    r.id = q.value(0).toLongLong();
    return true;
}

namespace {
// WHERE for a query: any part of the code or of the job's data, any case,
// no wildcards; the dates in local days.
QString where(const CheckQuery &query, QVariantList &values)
{
    QString needle = query.text.trimmed().toUpper();
    needle.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('%'), QLatin1String("\\%"))
        .replace(QLatin1Char('_'), QLatin1String("\\_"));
    values << QLatin1Char('%') + needle + QLatin1Char('%')
           << (query.from.isValid() ? utc(query.from.startOfDay()) : QStringLiteral("0"))
           << (query.to.isValid() ? utc(query.to.addDays(1).startOfDay()) : QStringLiteral("9"));
    QString sql = QStringLiteral("search_key LIKE ? ESCAPE '\\' AND taken_at >= ? AND taken_at < ?");
    if (query.verdicts != CheckQuery::All) {
        sql += QStringLiteral(" AND verdict = ?");
        values << (query.verdicts == CheckQuery::Passing ? QStringLiteral("pass") : QStringLiteral("fail"));
    }
    if (!query.code.isEmpty()) {
        sql += QStringLiteral(" AND code = ?");
        values << query.code;
    }
    return sql;
}
} // namespace

QList<CheckSummary> Archive::page(const CheckQuery &query, const CheckSummary *after, int limit) const
{
    QList<CheckSummary> out;
    if (!m_open)
        return out;
    m_error.clear();
    // The page's checks are found in the index, then read.
    QVariantList values;
    QString found = QStringLiteral("SELECT id FROM checks WHERE %1").arg(where(query, values));
    if (after) {
        found += QStringLiteral(" AND (taken_at < ? OR (taken_at = ? AND id < ?))");
        values << utc(after->takenAt) << utc(after->takenAt) << after->id;
    }
    found += QStringLiteral(" ORDER BY taken_at DESC, id DESC LIMIT ?");
    values << limit;
    const QString sql = QStringLiteral("SELECT %1 FROM checks WHERE id IN (%2) ORDER BY taken_at DESC, id DESC")
                            .arg(QLatin1String(kSummaryColumns), found);
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        fail(m_server ? serverReason(q.lastError()) : fileReason(q.lastError()));
        return out;
    }
    while (q.next()) {
        CheckSummary s;
        readSummary(q, s);
        out.append(s);
    }
    return out;
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
                  .arg(where(query, values)));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec() || !q.next()) {
        fail(m_server ? serverReason(q.lastError()) : fileReason(q.lastError()));
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
    q.prepare(QStringLiteral("SELECT count(*) FROM checks WHERE %1").arg(where(query, values)));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec() || !q.next()) {
        fail(m_server ? serverReason(q.lastError()) : fileReason(q.lastError()));
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
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT %1, %2 FROM checks WHERE bench_key = ?").arg(QLatin1String(kSummaryColumns), QLatin1String(kRecordColumns)));
    for (const QString &key : keys) {
        q.addBindValue(key);
        if (!q.exec()) {
            fail(m_server ? serverReason(q.lastError()) : fileReason(q.lastError()));
            return {};
        }
        if (q.next()) {
            CheckRecord r;
            readRecord(q, r);
            out.append(r);
        }
    }
    return out;
}

bool Archive::remove(const QString &key)
{
    if (!m_open)
        return false;
    m_error.clear();
    if (m_readOnly)
        return fail(ArchiveText::tr("l'archivio si può solo leggere"));
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("DELETE FROM checks WHERE bench_key = ?"));
    q.addBindValue(key);
    if (!q.exec())
        return fail(m_server ? serverReason(q.lastError()) : fileReason(q.lastError()));
    const bool removed = q.numRowsAffected() == 1;
    if (removed && m_server)
        q.exec(QStringLiteral("NOTIFY %1").arg(kChannel));
    return removed;
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
