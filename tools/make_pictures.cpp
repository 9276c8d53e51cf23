// Draws the program's pictures into resources/: the 32 x 32 icon, the four
// sensor pictures and the sensor maker's logo, each at 1x and 2x.
// Build with the "make_pictures" target and run it from the source folder.

#include <QApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QImage>
#include <cmath>
#include <functional>

namespace {

using Draw = std::function<void(QPainter &, QSizeF)>;

void save(const QString &name, QSize size, const Draw &draw)
{
    for (int scale : {1, 2}) {
        QImage img(size * scale, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        draw(p, QSizeF(size));
        p.end();
        img.save(QStringLiteral("resources/%1%2.png").arg(name, scale == 2 ? QStringLiteral("@2x") : QString()));
    }
}

QLinearGradient metal(double x0, double x1)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0.0, QColor(120, 124, 130));
    g.setColorAt(0.35, QColor(236, 238, 240));
    g.setColorAt(0.6, QColor(186, 190, 196));
    g.setColorAt(1.0, QColor(96, 100, 106));
    return g;
}

// A rail-pressure sensor standing upright: connector on top, hex body,
// neck and threaded stem below.
struct SensorLook {
    QColor connector;
    double connectorWidth; // share of the picture width
    int pins;
    bool brass;            // a brass thread
    QString mark;          // text on the connector
};

void drawSensor(QPainter &p, QSizeF s, const SensorLook &look)
{
    const double w = s.width(), h = s.height();
    const double cx = w / 2;
    p.setPen(QPen(QColor(40, 40, 44), 1.0));

    // Connector housing with its latch.
    const double cw = w * look.connectorWidth;
    QRectF conn(cx - cw / 2, h * 0.04, cw, h * 0.30);
    QLinearGradient cg(conn.left(), 0, conn.right(), 0);
    cg.setColorAt(0, look.connector.darker(160));
    cg.setColorAt(0.4, look.connector.lighter(130));
    cg.setColorAt(1, look.connector.darker(180));
    p.setBrush(cg);
    p.drawRoundedRect(conn, 4, 4);
    p.setBrush(look.connector.darker(200));
    p.drawRect(QRectF(cx - cw * 0.18, h * 0.015, cw * 0.36, h * 0.05));
    // Pins seen through the opening.
    p.setBrush(QColor(30, 30, 30));
    QRectF opening(conn.left() + cw * 0.15, conn.top() + h * 0.05, cw * 0.7, h * 0.12);
    p.drawRoundedRect(opening, 2, 2);
    p.setBrush(QColor(212, 175, 55));
    for (int i = 0; i < look.pins; ++i) {
        const double px = opening.left() + opening.width() * (i + 1) / (look.pins + 1);
        p.drawRect(QRectF(px - 1.5, opening.top() + 3, 3, opening.height() - 6));
    }
    if (!look.mark.isEmpty()) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(int(h * 0.06));
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(235, 235, 235));
        p.drawText(QRectF(conn.left(), conn.top() + h * 0.18, cw, h * 0.1), Qt::AlignCenter, look.mark);
        p.setPen(QPen(QColor(40, 40, 44), 1.0));
    }

    // Crimped collar.
    p.setBrush(metal(cx - w * 0.34, cx + w * 0.34));
    p.drawRect(QRectF(cx - w * 0.34, h * 0.34, w * 0.68, h * 0.06));

    // Hexagon body, seen from the side: three faces.
    const double hexTop = h * 0.40, hexH = h * 0.20, hw = w * 0.44;
    QRectF hex(cx - hw, hexTop, 2 * hw, hexH);
    p.setBrush(metal(hex.left(), hex.right()));
    p.drawRect(hex);
    p.drawLine(QPointF(cx - hw / 2, hexTop), QPointF(cx - hw / 2, hexTop + hexH));
    p.drawLine(QPointF(cx + hw / 2, hexTop), QPointF(cx + hw / 2, hexTop + hexH));

    // Neck and threaded stem.
    const double neckTop = hexTop + hexH;
    p.setBrush(metal(cx - w * 0.2, cx + w * 0.2));
    p.drawRect(QRectF(cx - w * 0.2, neckTop, w * 0.4, h * 0.06));
    const double threadTop = neckTop + h * 0.06, threadH = h * 0.26, tw = w * 0.26;
    QLinearGradient tg(cx - tw, 0, cx + tw, 0);
    const QColor base = look.brass ? QColor(196, 160, 72) : QColor(170, 174, 180);
    tg.setColorAt(0, base.darker(150));
    tg.setColorAt(0.4, base.lighter(140));
    tg.setColorAt(1, base.darker(170));
    p.setBrush(tg);
    p.drawRect(QRectF(cx - tw, threadTop, 2 * tw, threadH));
    p.setPen(QPen(base.darker(220), 1.0));
    for (double y = threadTop + 3; y < threadTop + threadH - 2; y += 4)
        p.drawLine(QPointF(cx - tw, y + 1.5), QPointF(cx + tw, y - 1.5));
    // Sealing cone at the tip.
    p.setPen(QPen(QColor(40, 40, 44), 1.0));
    p.setBrush(metal(cx - tw * 0.6, cx + tw * 0.6));
    QPainterPath tip;
    tip.moveTo(cx - tw * 0.7, threadTop + threadH);
    tip.lineTo(cx + tw * 0.7, threadTop + threadH);
    tip.lineTo(cx + tw * 0.35, h * 0.985);
    tip.lineTo(cx - tw * 0.35, h * 0.985);
    tip.closeSubpath();
    p.drawPath(tip);
}

void drawIcon(QPainter &p, QSizeF s)
{
    // A pressure gauge: dial, scale, needle in the red zone.
    const QRectF dial(1, 1, s.width() - 2, s.height() - 2);
    QRadialGradient rim(dial.center(), dial.width() / 2);
    rim.setColorAt(0.85, QColor(30, 70, 150));
    rim.setColorAt(1.0, QColor(10, 30, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(dial);
    const QRectF face = dial.adjusted(3, 3, -3, -3);
    p.setBrush(QColor(250, 250, 245));
    p.drawEllipse(face);
    const QPointF c = face.center();
    const double r = face.width() / 2;
    p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(face.adjusted(2, 2, -2, -2), -45 * 16, 60 * 16);
    p.setPen(QPen(QColor(40, 40, 40), 1.0));
    for (int i = 0; i <= 8; ++i) {
        const double a = (225 - i * 33.75) * M_PI / 180;
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(c + dir * (r - 1.5), c + dir * (r - 4.5));
    }
    const double na = -20 * M_PI / 180;
    p.setPen(QPen(QColor(200, 30, 30), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - QPointF(std::cos(na), -std::sin(na)) * 3, c + QPointF(std::cos(na), -std::sin(na)) * (r - 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(c, 2.2, 2.2);
}

void drawMakerLogo(QPainter &p, QSizeF s)
{
    const QRectF r(2, 2, s.width() - 4, s.height() - 4);
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, QColor(250, 251, 253));
    g.setColorAt(1, QColor(226, 232, 242));
    p.setPen(QPen(QColor(0, 70, 140), 2));
    p.setBrush(g);
    p.drawRoundedRect(r, 14, 14);
    // A wave for the signal a sensor gives.
    QPainterPath wave;
    wave.moveTo(r.left() + 18, r.top() + 44);
    for (int i = 0; i <= 40; ++i) {
        const double x = r.left() + 18 + i * (r.width() - 36) / 40;
        wave.lineTo(x, r.top() + 44 - 14 * std::sin(i * M_PI / 10) * std::exp(-i / 40.0));
    }
    p.setPen(QPen(QColor(0, 150, 200), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(30);
    p.setFont(f);
    p.setPen(QColor(0, 70, 140));
    p.drawText(QRectF(r.left(), r.top() + 58, r.width(), 38), Qt::AlignCenter, QStringLiteral("Sensata"));
    f.setBold(false);
    f.setPixelSize(12);
    p.setFont(f);
    p.setPen(QColor(70, 80, 95));
    p.drawText(QRectF(r.left(), r.top() + 96, r.width(), 22), Qt::AlignCenter,
               QStringLiteral("sensori di pressione"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    save(QStringLiteral("dravino"), {32, 32}, drawIcon);
    const SensorLook looks[] = {
        {QColor(60, 60, 64), 0.70, 3, false, QStringLiteral("VW")},
        {QColor(28, 28, 30), 0.66, 3, false, QStringLiteral("DENSO")},
        {QColor(45, 45, 50), 0.86, 4, false, QStringLiteral("DENSO")},
        {QColor(52, 92, 60), 0.72, 3, true, QStringLiteral("BOSCH")},
    };
    const QSize sizes[] = {{90, 142}, {90, 142}, {96, 142}, {85, 142}};
    for (int i = 0; i < 4; ++i)
        save(QStringLiteral("sensore%1").arg(i), sizes[i],
             [&](QPainter &p, QSizeF s) { drawSensor(p, s, looks[i]); });
    save(QStringLiteral("sensata"), {199, 134}, drawMakerLogo);
    return 0;
}
