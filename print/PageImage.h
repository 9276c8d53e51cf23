#pragma once
// A drawn page as an image: the same texts and lines, at the same places,
// with the same fonts and metrics as the PDF (1200 dpi, A4, 10 pt
// margins), drawn by QPainter at any resolution, for the print preview.

#include "print/RecordingSurface.h"

#include <QImage>
#include <QList>

namespace dravino {

QImage renderPage(const QList<RecordedItem> &items, double dpi);

// Font metrics as the PDF has them: a PDF writer's at 1200 dpi.
const QPaintDevice &pdfMetricsDevice();

} // namespace dravino
