#include "ui/archive/Archive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTimeZone>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace dravino {

namespace {

// The archive's texts, in one translation context.
class ArchiveText
{
    Q_DECLARE_TR_FUNCTIONS(dravino::Archive)
};

std::atomic_int g_connections{0};

const char *const kCreateV1[] = {
    "CREATE TABLE IF NOT EXISTS checks ("
    " id INTEGER PRIMARY KEY,"
    " taken_at TEXT NOT NULL,"      // ISO 8601, UTC
    " code TEXT NOT NULL,"
    " code_key TEXT NOT NULL,"      // the code in upper case, for searching
    " sensor TEXT NOT NULL,"        // bosch | denso
    " resolution INTEGER NOT NULL," // 10 | 12
    " average_mode TEXT NOT NULL,"  // auto | manual
    " average TEXT NOT NULL,"
    " tolerance TEXT NOT NULL,"
    " destination TEXT NOT NULL,"
    " version TEXT NOT NULL,"
    " grid TEXT NOT NULL)",         // the six rows, entered and computed, as JSON
    "CREATE INDEX IF NOT EXISTS checks_code ON checks(code_key)",
    "CREATE INDEX IF NOT EXISTS checks_taken ON checks(taken_at)",
};

QString utc(const QDateTime &t) { return t.toUTC().toString(Qt::ISODateWithMs); }

// An empty text is kept as an empty text: a null QString would be SQL's NULL.
QVariant text(const QString &s) { return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s); }

QJsonArray texts(const std::array<std::string, kScaleRows> &a)
{
    QJsonArray out;
    for (const auto &s : a)
        out.append(QString::fromStdString(s));
    return out;
}
QJsonArray verdicts(const std::array<Verdict, kScaleRows> &a)
{
    QJsonArray out;
    for (Verdict v : a)
        out.append(int(v));
    return out;
}
void read(const QJsonValue &v, std::array<std::string, kScaleRows> &a)
{
    for (int i = 0; i < kScaleRows; ++i)
        a[i] = v.toArray().at(i).toString().toStdString();
}
void read(const QJsonValue &v, std::array<Verdict, kScaleRows> &a)
{
    for (int i = 0; i < kScaleRows; ++i) {
        const int n = v.toArray().at(i).toInt();
        a[i] = n == int(Verdict::Green) ? Verdict::Green : n == int(Verdict::Red) ? Verdict::Red : Verdict::Unchanged;
    }
}

QByteArray gridJson(const ScaleGrid &g)
{
    const QJsonObject o{{QStringLiteral("bar"), texts(g.bar)},
                        {QStringLiteral("adc"), texts(g.adc)},
                        {QStringLiteral("mvolt"), texts(g.mvolt)},
                        {QStringLiteral("scala"), texts(g.scala)},
                        {QStringLiteral("linearita"), texts(g.linearita)},
                        {QStringLiteral("scostamento"), texts(g.scostamento)},
                        {QStringLiteral("linearitaColor"), verdicts(g.linearitaColor)},
                        {QStringLiteral("scostamentoColor"), verdicts(g.scostamentoColor)}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

ScaleGrid gridFrom(const QByteArray &json, const QString &average)
{
    const QJsonObject o = QJsonDocument::fromJson(json).object();
    ScaleGrid g;
    read(o.value(QStringLiteral("bar")), g.bar);
    read(o.value(QStringLiteral("adc")), g.adc);
    read(o.value(QStringLiteral("mvolt")), g.mvolt);
    read(o.value(QStringLiteral("scala")), g.scala);
    read(o.value(QStringLiteral("linearita")), g.linearita);
    read(o.value(QStringLiteral("scostamento")), g.scostamento);
    read(o.value(QStringLiteral("linearitaColor")), g.linearitaColor);
    read(o.value(QStringLiteral("scostamentoColor")), g.scostamentoColor);
    g.media = average.toStdString();
    return g;
}

const char *const kColumns = "id, taken_at, code, sensor, resolution, average_mode, average, tolerance, destination, version, grid";

CheckRecord recordFrom(const QSqlQuery &q)
{
    CheckRecord r;
    r.id = q.value(0).toLongLong();
    r.takenAt = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs).toLocalTime();
    r.code = q.value(2).toString();
    r.denso = q.value(3).toString() == QLatin1String("denso");
    r.bits12 = q.value(4).toInt() == 12;
    r.automaticAverage = q.value(5).toString() == QLatin1String("auto");
    r.tolerance = q.value(7).toString();
    r.destination = q.value(8).toString();
    r.version = q.value(9).toString();
    r.check = gridFrom(q.value(10).toByteArray(), q.value(6).toString());
    return r;
}

// Whether SQLite finds the file a sound database, and its schema version.
struct Health {
    bool sound = false;
    int version = 0;
    QString why;
};

Health examine(const QString &path)
{
    const QString name = QStringLiteral("dravino-archive-check-%1").arg(++g_connections);
    Health h;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            h.why = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
                h.why = q.lastError().text();
            } else if (q.value(0).toString() != QLatin1String("ok")) {
                h.why = q.value(0).toString();
            } else if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
                h.why = q.lastError().text();
            } else {
                h.sound = true;
                h.version = q.value(0).toInt();
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return h;
}

} // namespace

QString Archive::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("archivio.sqlite"));
}

Archive::Archive(QString path)
    : m_path(std::move(path)), m_connection(QStringLiteral("dravino-archive-%1").arg(++g_connections))
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

bool Archive::fail(const QString &what)
{
    m_error = what;
    return false;
}

bool Archive::open()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(ArchiveText::tr("Il driver SQLite di Qt non è installato (libqt6sql6-sqlite)."));
    const QFileInfo file(m_path);
    if (!QDir().mkpath(file.absolutePath()))
        return fail(ArchiveText::tr("Impossibile creare la cartella dell'archivio %1.").arg(QDir::toNativeSeparators(file.absolutePath())));
    // A new archive is the user's alone from its first byte.
    if (!file.exists()) {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return fail(ArchiveText::tr("Impossibile creare l'archivio %1: %2.")
                            .arg(QDir::toNativeSeparators(m_path), QString::fromLocal8Bit(std::strerror(errno))));
        if (fd >= 0)
            ::close(fd);
    }

    const Health health = examine(m_path);
    if (!health.sound) {
        // Never deleted: moved aside under a dated name, with its journal.
        const QString aside = m_path + QStringLiteral(".danneggiato-")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            if (QFile::exists(m_path + suffix) && !QFile::rename(m_path + suffix, aside + suffix))
                return fail(ArchiveText::tr("L'archivio %1 è danneggiato e non si può spostare.").arg(QDir::toNativeSeparators(m_path)));
        m_notice = ArchiveText::tr("L'archivio %1 era danneggiato (%2): è stato spostato in %3 e ne è stato iniziato uno nuovo.")
                       .arg(QDir::toNativeSeparators(m_path), health.why, QDir::toNativeSeparators(aside));
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0)
            ::close(fd);
    }
    m_readOnly = health.sound && health.version > kSchemaVersion;
    if (m_readOnly)
        m_notice = ArchiveText::tr("L'archivio %1 è di una versione più recente di Dravino: è aperto in sola lettura e le prove "
                      "nuove non vengono registrate.")
                       .arg(QDir::toNativeSeparators(m_path));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    // Another window recording at the same moment is waited for, not an error.
    db.setConnectOptions(m_readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000")
                                    : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return fail(db.lastError().text());
    if (m_readOnly)
        return true;
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    return migrate(health.sound ? health.version : 0);
}

bool Archive::migrate(int from)
{
    if (from >= kSchemaVersion)
        return true;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!db.transaction())
        return fail(db.lastError().text());
    QSqlQuery q(db);
    // Each step takes the archive one version on; the first creates it (also
    // where another window has just done so).
    if (from < 1) {
        for (const char *sql : kCreateV1)
            if (!q.exec(QString::fromLatin1(sql))) {
                db.rollback();
                return fail(q.lastError().text());
            }
    }
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)) || !db.commit()) {
        const QString why = q.lastError().isValid() ? q.lastError().text() : db.lastError().text();
        db.rollback();
        return fail(why);
    }
    return true;
}

bool Archive::record(CheckRecord &r)
{
    QList<CheckRecord> one{r};
    if (!recordAll(one))
        return false;
    r.id = one.first().id;
    return true;
}

bool Archive::recordAll(QList<CheckRecord> &records)
{
    if (!m_open)
        return false; // error() says why
    if (m_readOnly)
        return fail(ArchiveText::tr("l'archivio è di una versione più recente ed è aperto in sola lettura"));
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!db.transaction())
        return fail(db.lastError().text());
    for (CheckRecord &r : records)
        if (!insert(r)) {
            db.rollback();
            return false;
        }
    if (!db.commit()) {
        const QString why = db.lastError().text();
        db.rollback();
        return fail(why);
    }
    return true;
}

bool Archive::insert(CheckRecord &r)
{
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT INTO checks (taken_at, code, code_key, sensor, resolution, average_mode, average, "
                             "tolerance, destination, version, grid) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant &v :
         {text(utc(r.takenAt)), text(r.code), text(r.code.toUpper()),
          text(r.denso ? QStringLiteral("denso") : QStringLiteral("bosch")), QVariant(r.bits12 ? 12 : 10),
          text(r.automaticAverage ? QStringLiteral("auto") : QStringLiteral("manual")),
          text(QString::fromStdString(r.check.media)), text(r.tolerance), text(r.destination), text(r.version),
          text(QString::fromUtf8(gridJson(r.check)))})
        q.addBindValue(v);
    if (!q.exec())
        return fail(q.lastError().text());
    r.id = q.lastInsertId().toLongLong();
    return true;
}

QList<CheckRecord> Archive::find(const QString &codeContains, const QDate &from, const QDate &to, int limit) const
{
    QList<CheckRecord> out;
    if (!m_open)
        return out;
    QString needle = codeContains.trimmed().toUpper();
    needle.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('%'), QLatin1String("\\%"))
        .replace(QLatin1Char('_'), QLatin1String("\\_"));
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT %1 FROM checks WHERE code_key LIKE ? ESCAPE '\\' AND taken_at >= ? AND taken_at < ? "
                             "ORDER BY taken_at DESC, id DESC LIMIT ?")
                  .arg(QLatin1String(kColumns)));
    q.addBindValue(QLatin1Char('%') + needle + QLatin1Char('%'));
    q.addBindValue(from.isValid() ? utc(from.startOfDay()) : QStringLiteral("0"));
    q.addBindValue(to.isValid() ? utc(to.addDays(1).startOfDay()) : QStringLiteral("9"));
    q.addBindValue(limit);
    if (!q.exec())
        return out;
    while (q.next())
        out.append(recordFrom(q));
    return out;
}

std::optional<CheckRecord> Archive::byId(qint64 id) const
{
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT %1 FROM checks WHERE id = ?").arg(QLatin1String(kColumns)));
    q.addBindValue(id);
    if (!m_open || !q.exec() || !q.next())
        return std::nullopt;
    return recordFrom(q);
}

bool Archive::remove(qint64 id)
{
    if (!m_open || m_readOnly)
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("DELETE FROM checks WHERE id = ?"));
    q.addBindValue(id);
    if (!q.exec())
        return fail(q.lastError().text());
    return q.numRowsAffected() == 1;
}

} // namespace dravino
