#pragma once
// The print preview against the printed page: the page's PDF turned into
// pixels by pdftoppm, the preview's own drawing of it at the same
// resolution, and the share of pixels of either that no pixel of the other
// matches within one pixel's distance (two rasterisers may round a line or
// a letter's edge to the next pixel; a word, a rule or a colour out of
// place differs everywhere it is).

#include "print/QtPrintSurface.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

inline double pageDifference(const dravino::QtPrintSurface &preview, const QByteArray &pdf, int dpi)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("page.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return 1;
    file.close();
    const QString png = dir.filePath(QStringLiteral("page"));
    if (QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                                                       QStringLiteral("-singlefile"), file.fileName(), png}) != 0)
        return 1;
    const QImage printed = QImage(png + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    const QImage shown = preview.render(dpi).convertToFormat(QImage::Format_RGB32);
    if (printed.size() != shown.size() || printed.isNull())
        return 1;
    const auto distance = [](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
    };
    // Pixels of one that nothing near them in the other matches.
    const auto unmatched = [&](const QImage &one, const QImage &other) {
        qint64 count = 0;
        for (int y = 0; y < one.height(); ++y)
            for (int x = 0; x < one.width(); ++x) {
                const QRgb p = one.pixel(x, y);
                int best = 255;
                for (int dy = -1; dy <= 1 && best > 85; ++dy)
                    for (int dx = -1; dx <= 1 && best > 85; ++dx)
                        if (other.valid(x + dx, y + dy))
                            best = std::min(best, distance(p, other.pixel(x + dx, y + dy)));
                count += best > 85;
            }
        return count;
    };
    return double(unmatched(printed, shown) + unmatched(shown, printed)) / (2.0 * shown.width() * shown.height());
}
