#include "print/Workshop.h"

#include "print/PrintSurface.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace dravino {

namespace {
QString text(const char *source) { return QCoreApplication::translate("Workshop", source); }
} // namespace

int printWrapped(PrintSurface &s, const QString &all, double right, double bottom)
{
    const double left = s.CurrentX();
    const double h = s.TextHeight();
    const auto fits = [&](const QString &t) { return left + s.TextWidth(t) <= right; };
    // The longest start of t that fits with tail after it.
    const auto cut = [&](QString t, const QString &tail) {
        while (t.size() > 1 && !fits(t + tail))
            t.chop(1);
        return t + tail;
    };
    const QStringList words = all.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int printed = 0;
    for (qsizetype next = 0; next < words.size();) {
        QString line = words[next];
        qsizetype taken = next + 1;
        while (taken < words.size() && fits(line + QLatin1Char(' ') + words[taken]))
            line += QLatin1Char(' ') + words[taken++];
        const bool last = s.CurrentY() + 2 * h > bottom;
        if (last && taken < words.size())
            line = cut(line, QStringLiteral("..."));
        else if (!fits(line))
            line = cut(line, {}); // one word wider than the line
        s.CurrentX(left);
        s.Print(line, true);
        ++printed;
        next = taken;
        if (last)
            break;
    }
    return printed;
}

QImage readLogo(const QString &path, QString *why)
{
    const auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return QImage();
    };
    const QFileInfo file(path);
    if (!file.exists())
        return fail(text(QT_TRANSLATE_NOOP("Workshop", "il file non c'è")));
    if (file.size() > 20 * 1024 * 1024)
        return fail(text(QT_TRANSLATE_NOOP("Workshop", "il file è troppo grande")));
    QImageReader reader(path);
    if (!reader.canRead())
        return fail(file.isReadable() ? text(QT_TRANSLATE_NOOP("Workshop", "il file non è un'immagine PNG, JPEG o SVG"))
                                      : text(QT_TRANSLATE_NOOP("Workshop", "il file non si può leggere")));
    // Read no larger than the band prints it (an SVG drawn at that size).
    // A picture whose pixels would not fit the memory a reader may take is
    // told as too large, not as no picture.
    const QSize size = reader.size();
    const qint64 bytes = size.isValid() ? 4 * qint64(size.width()) * size.height() : 0;
    if (bytes > qint64(QImageReader::allocationLimit()) * 1024 * 1024 || bytes > 400'000'000)
        return fail(text(QT_TRANSLATE_NOOP("Workshop", "l'immagine è troppo grande (%1 × %2 pixel): ne basta una di 1200 × 300"))
                        .arg(size.width())
                        .arg(size.height()));
    if (size.isValid())
        reader.setScaledSize(size.scaled(QSize(1200, 300), Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return fail(text(QT_TRANSLATE_NOOP("Workshop", "il file non è un'immagine PNG, JPEG o SVG")));
    return image;
}

void printWorkshopBand(PrintSurface &s, const PageFrame &frame, const QStringList &right)
{
    using namespace workshopband;
    const Workshop &w = frame.workshop;
    const bool logo = !frame.logo.isNull();
    if (w.name.isEmpty() && w.address.isEmpty() && w.phone.isEmpty() && w.email.isEmpty() && !logo && right.isEmpty())
        return;
    s.ForeColor(Qt::black);
    s.FontName(QStringLiteral("Arial"));
    // The document's own lines at the right: its title, number and page,
    // each right-aligned, the first in bold.
    double rightBlock = 0;
    for (qsizetype i = 0; i < right.size(); ++i) {
        s.FontSize(i == 0 ? 8.5 : 7.5);
        s.FontBold(i == 0);
        rightBlock = std::max(rightBlock, s.TextWidth(right[i]));
    }
    double y = 0;
    for (qsizetype i = 0; i < right.size(); ++i) {
        s.FontSize(i == 0 ? 8.5 : 7.5);
        s.FontBold(i == 0);
        s.CurrentY(y);
        s.CurrentX(rightAlignedX(s, kRight, right[i]));
        s.Print(right[i], true);
        y = s.CurrentY();
    }
    s.FontBold(false);
    const double logoRight = right.isEmpty() ? kRight : kRight - rightBlock - 200;
    const double logoWidth = right.isEmpty() ? kLogoWidth : std::min(kLogoWidth, 1300.0);
    const double textRight = logo ? logoRight - logoWidth - 120 : logoRight - (right.isEmpty() ? 0 : 120);
    if (logo)
        s.PaintPicture(frame.logo, logoRight - logoWidth, 0, logoWidth, kBottom);
    s.CurrentY(0);
    QStringList details{w.address.simplified()};
    if (!w.phone.isEmpty())
        details << text(QT_TRANSLATE_NOOP("Workshop", "tel. %1")).arg(w.phone);
    details << w.email;
    details.removeAll(QString());
    // The name in bold, legible, then the rest: each wraps within what is left of the band.
    if (!w.name.isEmpty()) {
        s.FontSize(10);
        s.FontBold(true);
        s.CurrentX(kLeft);
        printWrapped(s, w.name, textRight, kBottom - (details.isEmpty() ? 0 : 150));
        s.FontBold(false);
    }
    if (!details.isEmpty()) {
        s.FontSize(7);
        s.CurrentX(kLeft);
        printWrapped(s, details.join(QStringLiteral(" · ")), textRight, kBottom + 20);
    }
}

} // namespace dravino
