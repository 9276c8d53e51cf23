#include "ui/archive/PageIdentity.h"

#include <QBuffer>

namespace dravino {

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
