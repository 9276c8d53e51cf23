#include "archive/Location.h"

#include "base/Settings.h"

#include <QDir>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

namespace dravino {

namespace {
const QString kSchemes[] = {QStringLiteral("postgresql://"), QStringLiteral("postgres://")};

QString decoded(const QString &part) { return QUrl::fromPercentEncoding(part.toUtf8()); }
} // namespace

bool isServerLocation(const QString &location)
{
    for (const QString &scheme : kSchemes)
        if (location.startsWith(scheme, Qt::CaseInsensitive))
            return true;
    return false;
}

ServerAddress serverAddress(const QString &location)
{
    ServerAddress a;
    QString rest;
    for (const QString &scheme : kSchemes)
        if (location.startsWith(scheme, Qt::CaseInsensitive))
            rest = location.mid(scheme.size());
    if (rest.isEmpty())
        return a;
    // user[:password] runs to the last @, whatever the password holds.
    const qsizetype at = rest.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString user = rest.left(at);
        const qsizetype colon = user.indexOf(QLatin1Char(':'));
        a.user = decoded(user.left(colon));
        if (colon >= 0)
            a.password = decoded(user.mid(colon + 1));
        rest = rest.mid(at + 1);
    }
    QString query;
    if (const qsizetype q = rest.indexOf(QLatin1Char('?')); q >= 0) {
        query = rest.mid(q + 1);
        rest = rest.left(q);
    }
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    QString hostPort = rest.left(slash);
    a.database = slash >= 0 ? decoded(rest.mid(slash + 1)) : QString();
    if (const qsizetype colon = hostPort.lastIndexOf(QLatin1Char(':')); colon >= 0 && !hostPort.endsWith(QLatin1Char(']'))) {
        bool ok = false;
        a.port = hostPort.mid(colon + 1).toInt(&ok);
        if (!ok || a.port <= 0 || a.port > 65535)
            return a;
        hostPort = hostPort.left(colon);
    }
    a.host = decoded(hostPort);
    if (a.host.isEmpty())
        a.host = QUrlQuery(query).queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    a.valid = !a.host.isEmpty() && !a.database.isEmpty() && !a.database.contains(QLatin1Char('/'));
    return a;
}

QString shownLocation(const QString &location)
{
    if (!isServerLocation(location))
        return QDir::toNativeSeparators(location);
    const ServerAddress a = serverAddress(location);
    if (!a.valid)
        return {};
    QString host = a.host.startsWith(QLatin1Char('/')) ? QString() : a.host;
    if (a.port > 0)
        host += QLatin1Char(':') + QString::number(a.port);
    return QStringLiteral("postgresql://%1%2/%3")
        .arg(a.user.isEmpty() ? QString() : a.user + QLatin1Char('@'), host, a.database);
}

QString defaultArchivePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("archivio.sqlite"));
}

QString outboxPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("archivio-in-attesa.sqlite"));
}

QString configuredLocation()
{
    const QString env = qEnvironmentVariable("DRAVINO_ARCHIVE");
    if (!env.isEmpty())
        return env;
    const QString setting = settingsValue(QStringLiteral("archive")).toString();
    return setting.isEmpty() ? defaultArchivePath() : setting;
}

} // namespace dravino
