#include "print/Footer.h"

#include "print/PrintSurface.h"

#include <QLocale>

namespace dravino {

namespace {
const QString kAuthorPart = QStringLiteral(" - ©") + kFooterAuthor + QStringLiteral("  ");
const QString kDateSeparator = QStringLiteral("  -  ");
} // namespace

QString printDateTime(const QDateTime &now) { return QLocale().toString(now, QLocale::ShortFormat); }

QString footerText(const QDateTime &now)
{
    return kProgramName + kAuthorPart + kMakerWebAddress + kDateSeparator + printDateTime(now);
}

void printFooter(PrintSurface &surface, const QDateTime &now)
{
    surface.FontSize(9);
    surface.FontBold(true);
    surface.Print(kProgramName, false);
    surface.FontBold(false);
    surface.FontItalic(true);
    surface.Print(kAuthorPart, false);
    surface.FontItalic(false);
    surface.FontBold(true);
    surface.ForeColor(QColor(0, 0, 255));
    surface.Print(kMakerWebAddress, false);
    surface.FontBold(false);
    surface.ForeColor(Qt::black);
    surface.Print(kDateSeparator + printDateTime(now), true);
}

} // namespace dravino
