#include "ui/archive/Certificates.h"

#include "archive/ArchiveService.h"
#include "base/Settings.h"
#include "ui/Platform.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QUuid>
#include <QWidget>

namespace dravino {

namespace {
QString text(const char *source) { return QCoreApplication::translate("dravino::Certificates", source); }
} // namespace

QString benchCertificate(QString *why)
{
    QString bench = settingsValue(QStringLiteral("certificate/bench")).toString();
    if (bench.isEmpty())
        bench = QUuid::createUuid().toString(QUuid::Id128).left(6).toUpper();
    const qint64 next = settingsValue(QStringLiteral("certificate/next"), 1).toLongLong();
    if (!setSettingsValues({{QStringLiteral("certificate/bench"), bench}, {QStringLiteral("certificate/next"), next + 1}})) {
        *why = text(QT_TRANSLATE_NOOP("dravino::Certificates", "il file delle impostazioni %1 non si può scrivere")).arg(settingsFile());
        return {};
    }
    return QStringLiteral("%1-%2").arg(bench).arg(next);
}

void reserveCertificate(Platform &platform, QWidget *window, ArchiveService *archive, QObject *context,
                        std::function<void(const QString &)> then)
{
    const auto refuse = [&platform, window, then](const QString &why) {
        then({});
        platform.message(window,
                         text(QT_TRANSLATE_NOOP("dravino::Certificates",
                                                "Il certificato non ha avuto un numero (%1): il foglio non è stato stampato."))
                             .arg(why),
                         text(QT_TRANSLATE_NOOP("dravino::Certificates", "Stampa foglio scala")), MessageIcon::Critical);
    };
    const auto ofTheBench = [refuse, then]() {
        QString why;
        const QString number = benchCertificate(&why);
        if (number.isEmpty())
            refuse(why);
        else
            then(number);
    };
    if (!archive || !archive->isServer()) {
        ofTheBench();
        return;
    }
    // A server away (or too slow) leaves the bench to number.
    archive->certificate(context, [refuse, ofTheBench, then](const ArchiveReply &reply) {
        if (reply.ok)
            then(reply.number);
        else if (reply.away)
            ofTheBench();
        else
            refuse(reply.error);
    });
}

IdentityPrinted identityOf(const PageFrame &frame)
{
    IdentityPrinted out{true, frame.workshop.name, frame.workshop.address, frame.workshop.phone, frame.workshop.email, {}};
    if (frame.logo.isNull())
        return out;
    // The logo is read once per change of its file (the same image until
    // then): it is made a PNG once too, not for every sheet.
    static qint64 encodedKey = 0;
    static QByteArray encoded;
    if (frame.logo.cacheKey() != encodedKey) {
        const QImage kept = frame.logo.width() > 1200 || frame.logo.height() > 300
            ? frame.logo.scaled(1200, 300, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : frame.logo;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        kept.save(&buffer, "PNG");
        encoded = png;
        encodedKey = frame.logo.cacheKey();
    }
    out.logoPng = encoded;
    return out;
}

PageFrame frameOf(const IdentityPrinted &identity, const QString &web)
{
    PageFrame frame;
    frame.workshop = {identity.name, identity.address, identity.phone, identity.email, {}, false};
    frame.logo = QImage::fromData(identity.logoPng, "PNG");
    frame.web = web;
    return frame;
}

} // namespace dravino
