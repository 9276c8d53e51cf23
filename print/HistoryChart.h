#pragma once
// A sensor's average over its checks, drawn with a QPainter into a
// rectangle (the history window's plot; a page could take it as it is):
// the averages joined in time order, each point in its verdict's colour
// (green passed, red failed, grey without one), the nominal full scale as
// a dashed line where known, the lowest and highest value and the first
// and last day along the axes.

#include <QDateTime>
#include <QList>
#include <QRectF>
#include <optional>

class QPainter;

namespace dravino {

struct HistoryPoint {
    QDateTime at;
    double average = 0;
    std::optional<bool> passed;
};

void drawHistoryChart(QPainter &painter, const QRectF &area, const QList<HistoryPoint> &points, int nominalFullScale);

// The values the vertical axis spans: the averages and the nominal full
// scale, widened to a whole number of bar either side (never empty).
std::pair<double, double> historyRange(const QList<HistoryPoint> &points, int nominalFullScale);

} // namespace dravino
