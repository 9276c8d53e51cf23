#include "ui/Look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace dravino {

void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipRect(left, top, width, height));
}

QColor designColor(std::uint32_t value)
{
    if (value & 0x80000000u) {
        const QPalette pal = QApplication::palette();
        switch (value) {
        case kWindowBackground: return pal.color(QPalette::Base);
        case kHighlightText: return pal.color(QPalette::HighlightedText);
        case kButtonFace: return pal.color(QPalette::Button);
        case kButtonText: return pal.color(QPalette::ButtonText);
        default: return pal.color(QPalette::WindowText);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

void setTextColor(QWidget *w, const QColor &color)
{
    // Enabled looks only: a disabled control greys its text like the rest.
    QPalette pal = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            pal.setColor(group, role, color);
    w->setPalette(pal);
}

void setBackColor(QWidget *w, const QColor &color)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, color);
    pal.setColor(QPalette::Window, color);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QColor textColor(const QWidget *w)
{
    const bool isEdit = qobject_cast<const QLineEdit *>(w) != nullptr;
    return w->palette().color(QPalette::Active, isEdit ? QPalette::Text : QPalette::WindowText);
}

QFont designFont(const QString &face, double points, bool bold)
{
    QFont font;
    if (face == QLatin1String("Arial Black")) {
        static const bool present = QFontDatabase::families().contains(face);
        // The face is heavy in itself: bold on it shows as the Black weight.
        font.setFamily(present ? face : QStringLiteral("DejaVu Sans"));
        font.setWeight(QFont::Bold);
    } else {
        font.setFamily(face);
        font.setBold(bold);
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

QPixmap picture(const QString &name)
{
    const QString base = QStringLiteral(":/pictures/") + name;
    if (qApp->devicePixelRatio() > 1.0) {
        QPixmap sharp(base + QStringLiteral("@2x.png"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(base + QStringLiteral(".png"));
}

QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/dravino.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/pictures/dravino@2x.png"), QSize(64, 64));
    return icon;
}

bool isHeavyFace(const QFont &font)
{
    return font.family() == QLatin1String("Arial Black")
        || (font.family() == QLatin1String("DejaVu Sans") && font.weight() >= QFont::Bold);
}

void setBold(QWidget *w, bool bold)
{
    QFont f = w->font();
    if (isHeavyFace(f))
        f.setWeight(bold ? QFont::Black : QFont::Bold);
    else
        f.setBold(bold);
    w->setFont(f);
}

bool isBold(const QWidget *w)
{
    const QFont &f = w->font();
    return isHeavyFace(f) ? f.weight() >= QFont::Black : f.bold();
}

} // namespace dravino
