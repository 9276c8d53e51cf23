#include "archive/Certificates.h"

#include "archive/ArchiveService.h"
#include "base/Files.h"
#include "base/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QUuid>

namespace dravino {

namespace {
QString text(const char *source) { return QCoreApplication::translate("dravino::Certificates", source); }

// The counter's file beside the settings: "CODE NEXT".
QString counterFile() { return QFileInfo(settingsFile()).absoluteDir().filePath(QStringLiteral("certificati")); }

std::pair<QString, qint64> readCounter(const QString &path)
{
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) {
        const QStringList parts = QString::fromUtf8(f.readAll()).simplified().split(QLatin1Char(' '));
        bool ok = false;
        const qint64 next = parts.value(1).toLongLong(&ok);
        if (parts.size() == 2 && !parts[0].isEmpty() && ok && next > 0)
            return {parts[0], next};
    }
    // An earlier Dravino kept them in its settings.
    return {settingsValue(QStringLiteral("certificate/bench")).toString(),
            settingsValue(QStringLiteral("certificate/next"), 1).toLongLong()};
}
} // namespace

CertificateNumber benchCertificate()
{
    const QString path = counterFile();
    const QString cannot = text(QT_TRANSLATE_NOOP("dravino::Certificates", "il contatore dei certificati %1 non si può scrivere (%2)"));
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return {{}, cannot.arg(QDir::toNativeSeparators(path), text(QT_TRANSLATE_NOOP("dravino::Certificates", "la cartella non si può creare"))), true};
    // One program at a time reads and moves the counter on.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(5000))
        return {{}, cannot.arg(QDir::toNativeSeparators(path), text(QT_TRANSLATE_NOOP("dravino::Certificates", "è tenuto da un altro programma"))), true};
    auto [bench, next] = readCounter(path);
    if (bench.isEmpty())
        bench = QUuid::createUuid().toString(QUuid::Id128).left(6).toUpper();
    if (next < 1)
        next = 1;
    PendingFile file(QFileInfo(path).absolutePath());
    FileResult written = file.write(QStringLiteral("%1 %2\n").arg(bench).arg(next + 1).toUtf8());
    if (written.done())
        written = file.replace(path);
    if (!written.done())
        return {{}, cannot.arg(QDir::toNativeSeparators(path), written.why), true};
    return {QStringLiteral("%1-%2").arg(bench).arg(next), {}, true};
}

void reserveCertificate(ArchiveService *archive, QObject *context, std::function<void(const CertificateNumber &)> then)
{
    if (!archive || !archive->isServer() || archive->readOnly()) {
        then(benchCertificate());
        return;
    }
    // A server away (or too slow) leaves the bench to number.
    archive->certificate(context, [then](const ArchiveReply &reply) {
        if (reply.ok)
            then({reply.number, {}, false});
        else if (reply.away || reply.readOnly)
            then(benchCertificate());
        else
            then({{}, reply.error, false});
    });
}

} // namespace dravino
