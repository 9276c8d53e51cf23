// The shell's "open" and the build's addresses.

#include "ui/Platform.h"

#include <QDesktopServices>
#include <QUrl>

namespace dravino {

QString Shell::makerWeb() const { return QStringLiteral(DRAVINO_MAKER_WEB); }
QString Shell::makerMail() const { return QStringLiteral(DRAVINO_MAKER_MAIL); }

int DesktopPlatform::shellOpen(const QString &target)
{
    return QDesktopServices::openUrl(QUrl(target)) ? kShellOk : kShellNoAssociation;
}

} // namespace dravino
