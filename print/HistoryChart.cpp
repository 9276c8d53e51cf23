#include "print/HistoryChart.h"

#include "print/ScaleSheet.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace dravino {

std::pair<double, double> historyRange(const QList<HistoryPoint> &points, int nominal)
{
    double low = nominal > 0 ? nominal : (points.isEmpty() ? 0 : points.first().average);
    double high = low;
    for (const HistoryPoint &p : points) {
        low = std::min(low, p.average);
        high = std::max(high, p.average);
    }
    // Some room above and below, so that no point sits on the frame.
    const double room = std::max(10.0, (high - low) * 0.1);
    return {std::floor(low - room), std::ceil(high + room)};
}

void drawHistoryChart(QPainter &painter, const QRectF &area, const QList<HistoryPoint> &points, int nominal)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font());
    const QLocale locale;
    const auto [low, high] = historyRange(points, nominal);
    // Bar as the sheet writes them: whole, without a thousands' separator.
    const QString highText = QString::number(qRound64(high)), lowText = QString::number(qRound64(low));
    const double labels = std::max(metrics.horizontalAdvance(highText), metrics.horizontalAdvance(lowText)) + 6;
    const QRectF plot(area.left() + labels, area.top() + metrics.height() / 2, area.width() - labels - 8,
                      area.height() - metrics.height() * 2);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(plot);
    painter.drawText(QRectF(area.left(), plot.top() - metrics.height() / 2, labels - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, highText);
    painter.drawText(QRectF(area.left(), plot.bottom() - metrics.height() / 2, labels - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, lowText);
    const auto yOf = [&](double v) { return plot.bottom() - (v - low) / (high - low) * plot.height(); };
    if (nominal > 0) {
        painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), yOf(nominal)), QPointF(plot.right(), yOf(nominal)));
    }
    if (points.isEmpty()) {
        painter.restore();
        return;
    }
    // Time along the bottom; checks of one moment side by side.
    const qint64 first = points.first().at.toSecsSinceEpoch(), last = points.last().at.toSecsSinceEpoch();
    const auto xOf = [&](int i) {
        if (points.size() == 1)
            return plot.center().x();
        if (last == first)
            return plot.left() + plot.width() * i / (points.size() - 1);
        return plot.left() + 6 + (plot.width() - 12) * double(points[i].at.toSecsSinceEpoch() - first) / double(last - first);
    };
    QPainterPath line;
    for (int i = 0; i < points.size(); ++i) {
        const QPointF at(xOf(i), yOf(points[i].average));
        i == 0 ? line.moveTo(at) : line.lineTo(at);
    }
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawPath(line);
    for (int i = 0; i < points.size(); ++i) {
        const std::optional<bool> passed = points[i].passed;
        const QColor colour = !passed ? QColor(Qt::gray) : verdictColor(*passed ? Verdict::Green : Verdict::Red);
        painter.setPen(QPen(colour.darker(130), 1));
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(xOf(i), yOf(points[i].average)), 4, 4);
    }
    painter.setPen(Qt::black);
    const QRectF dates(plot.left(), plot.bottom() + 2, plot.width(), metrics.height());
    painter.drawText(dates, Qt::AlignLeft | Qt::AlignTop, locale.toString(points.first().at.date(), QLocale::ShortFormat));
    if (points.size() > 1)
        painter.drawText(dates, Qt::AlignRight | Qt::AlignTop, locale.toString(points.last().at.date(), QLocale::ShortFormat));
    painter.restore();
}

} // namespace dravino
