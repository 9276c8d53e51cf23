#pragma once
// A drawn page as an image: the same texts and lines, at the same places,
// with the same fonts and metrics as the PDF (1200 dpi, A4, 10 pt
// margins), drawn by QPainter at any resolution, for the print preview.

#include "print/RecordingSurface.h"

#include <QImage>
#include <QList>

class QPainter;
class QPdfWriter;

namespace dravino {

// Every page of the program: A4 portrait at 1200 dpi with 10 pt margins.
inline constexpr int kPageDpi = 1200;
inline constexpr double kPageMarginPoints = 10;
void setUpPdfPage(QPdfWriter &writer);

QImage renderPage(const QList<RecordedItem> &items, double dpi);
// Every page of a document, one under the other with a grey gap between.
QImage renderPages(const QList<RecordedItem> &items, double dpi);
// Draws items with p, whose origin is the printable area's top-left and
// whose unit is one dot at the page's 1200 dpi (scale it to the device).
void paintItems(QPainter &p, const QList<RecordedItem> &items);

// Font metrics as the PDF has them: a PDF writer's at 1200 dpi.
const QPaintDevice &pdfMetricsDevice();

} // namespace dravino
