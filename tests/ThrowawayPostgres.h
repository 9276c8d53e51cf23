#pragma once
// A PostgreSQL server of the tests' own: initdb into a temporary folder and
// pg_ctl on a Unix socket in that folder (no TCP port), as nobody when the
// tests run as root (the server refuses root); stopped and removed when it
// goes. why() says what is missing where it could not start.

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <unistd.h>

class ThrowawayPostgres final
{
public:
    ThrowawayPostgres() : m_dir(QStringLiteral("/tmp/dravino-pg-XXXXXX"))
    {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
            m_why = QStringLiteral("Qt's PostgreSQL driver is missing (make deps installs libqt6sql6-psql)");
            return;
        }
        const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &v : versions)
            if (QFile::exists(QStringLiteral("/usr/lib/postgresql/%1/bin/pg_ctl").arg(v)))
                m_bin = QStringLiteral("/usr/lib/postgresql/%1/bin/").arg(v);
        if (m_bin.isEmpty()) {
            m_why = QStringLiteral("PostgreSQL is not installed (apt-get install postgresql)");
            return;
        }
        if (!m_dir.isValid()) {
            m_why = QStringLiteral("no temporary folder for the server");
            return;
        }
        if (geteuid() == 0) {
            const passwd *nobody = getpwnam("nobody");
            if (!nobody || ::chown(QFile::encodeName(m_dir.path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
                m_why = QStringLiteral("cannot hand the server's folder to nobody");
                return;
            }
        }
        const QString data = m_dir.filePath(QStringLiteral("data"));
        if (!run(QStringLiteral("initdb"), {"-D", data, "-A", "trust", "-U", "dravino", "-E", "UTF8", "--locale=C", "--no-sync"})
            || !start())
            return;
        m_running = true;
    }
    ~ThrowawayPostgres()
    {
        if (m_running)
            pgCtl({"-m", "immediate", "-w", "stop"});
    }
    ThrowawayPostgres(const ThrowawayPostgres &) = delete;
    ThrowawayPostgres &operator=(const ThrowawayPostgres &) = delete;

    QString why() const { return m_running ? QString() : m_why; }
    // Stops the server and starts it again, as an administrator might.
    bool restart() { return pgCtl({"-m", "fast", "-w", "restart"}); }
    // The server away, and back.
    bool stop() { return pgCtl({"-m", "fast", "-w", "stop"}); }
    bool start()
    {
        // (a connection caught starting by freeze() would otherwise hold
        // its client for the default minute of authentication_timeout)
        return pgCtl({"-l", m_dir.filePath(QStringLiteral("log")), "-w", "-t", "60", "-o",
                      QStringLiteral("-k %1 -c listen_addresses='' -c fsync=off -c authentication_timeout=5s").arg(m_dir.path()),
                      "start"});
    }
    // The whole cluster frozen (SIGSTOP), as a server that hangs; and
    // running again (SIGCONT).
    bool freeze(bool frozen)
    {
        QFile pidFile(m_dir.filePath(QStringLiteral("data/postmaster.pid")));
        if (!pidFile.open(QIODevice::ReadOnly))
            return false;
        const pid_t postmaster = pid_t(pidFile.readLine().trimmed().toInt());
        QList<pid_t> pids{postmaster};
        for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
            if (entry.toInt() > 0 && stat.open(QIODevice::ReadOnly)
                && stat.readAll().split(')').value(1).split(' ').value(2).toInt() == postmaster)
                pids << pid_t(entry.toInt());
        }
        bool ok = true; // (a backend that ended meanwhile is no failure)
        for (pid_t pid : pids)
            ok = (::kill(pid, frozen ? SIGSTOP : SIGCONT) == 0 || errno == ESRCH) && ok;
        return ok;
    }
    // Runs statements on a database of the server; false when one fails.
    bool exec(const QString &url, const QStringList &statements)
    {
        bool ok = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("throwaway"));
            db.setHostName(m_dir.path());
            db.setUserName(QStringLiteral("dravino"));
            db.setDatabaseName(url.section(QLatin1Char('/'), 3).section(QLatin1Char('?'), 0, 0));
            ok = db.open();
            for (const QString &sql : statements)
                ok = ok && QSqlQuery(db).exec(sql);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("throwaway"));
        return ok;
    }
    QString url(const QString &database) const
    {
        return QStringLiteral("postgresql://dravino@/%1?host=%2").arg(database, m_dir.path());
    }
    // A new, empty database on the server, by its URL.
    QString freshDatabase()
    {
        const QString name = QStringLiteral("archivio%1").arg(++m_databases);
        exec(url(QStringLiteral("postgres")), {QStringLiteral("CREATE DATABASE %1").arg(name)});
        return url(name);
    }

private:
    bool pgCtl(QStringList arguments)
    {
        return run(QStringLiteral("pg_ctl"), QStringList{"-D", m_dir.filePath(QStringLiteral("data"))} + arguments);
    }
    bool run(const QString &program, const QStringList &arguments)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setWorkingDirectory(m_dir.path());
        if (geteuid() == 0)
            p.start(QStringLiteral("runuser"), QStringList{"-u", "nobody", "--", m_bin + program} + arguments);
        else
            p.start(m_bin + program, arguments);
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            m_why = QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(p.readAll()).trimmed());
            return false;
        }
        return true;
    }

    QTemporaryDir m_dir;
    QString m_bin;
    QString m_why;
    bool m_running = false;
    int m_databases = 0;
};
