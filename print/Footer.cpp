#include "print/Footer.h"

#include "print/PrintSurface.h"

#include <QLocale>

namespace dravino {

namespace {
const QString kAuthorPart = QStringLiteral(" - ©") + kFooterAuthor;
QString webPart(const QString &web) { return web.isEmpty() ? QString() : QStringLiteral("  ") + web; }
const QString kDateSeparator = QStringLiteral("  -  ");
} // namespace

namespace {
// The locale's short form with the whole year: a certificate's dates are read for years.
QString wholeYear(QString format)
{
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}
} // namespace

QString printDateTime(const QDateTime &now) { return QLocale().toString(now, wholeYear(QLocale().dateTimeFormat(QLocale::ShortFormat))); }
QString printDate(const QDate &day) { return QLocale().toString(day, wholeYear(QLocale().dateFormat(QLocale::ShortFormat))); }

QString footerText(const QDateTime &now, const QString &web)
{
    return kProgramName + kAuthorPart + webPart(web) + kDateSeparator + printDateTime(now);
}

void printFooter(PrintSurface &surface, const QDateTime &now, const QString &web)
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
    surface.Print(webPart(web), false);
    surface.FontBold(false);
    surface.ForeColor(Qt::black);
    surface.Print(kDateSeparator + printDateTime(now), true);
}

} // namespace dravino
