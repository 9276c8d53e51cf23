#pragma once
// Design units and looks: twips to pixels, the design's colour values
// (0x00BBGGRR and the system colours 0x800000xx), and its fonts.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <cstdint>

class QWidget;

namespace dravino {

// 15 twips per logical pixel, as on the 96-dpi screens the layout was made for.
constexpr int px(int twips) { return (twips + (twips >= 0 ? 7 : -7)) / 15; }
inline QRect twipRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}
void place(QWidget *w, int left, int top, int width, int height);

// System colours of the old toolkit.
constexpr std::uint32_t kWindowBackground = 0x80000005;
constexpr std::uint32_t kHighlightText = 0x8000000E;
constexpr std::uint32_t kButtonFace = 0x8000000F;
constexpr std::uint32_t kButtonText = 0x80000012;
// Plain colours, 0x00BBGGRR.
constexpr std::uint32_t kRed = 0x000000FF;
constexpr std::uint32_t kBlue = 0x00FF0000;
constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint32_t kDarkRed = 0x000000C0;
constexpr std::uint32_t kDarkGreen = 0x001B7225;
constexpr std::uint32_t kMagenta = 0x00FF00FF;
constexpr std::uint32_t kWhite = 0x00FFFFFF;

// A design colour value as a QColor; system colours come from the palette.
QColor designColor(std::uint32_t value);

void setTextColor(QWidget *w, const QColor &color);
inline void setTextColor(QWidget *w, std::uint32_t value) { setTextColor(w, designColor(value)); }
void setBackColor(QWidget *w, const QColor &color);
inline void setBackColor(QWidget *w, std::uint32_t value) { setBackColor(w, designColor(value)); }
QColor textColor(const QWidget *w);

// A design font; Arial, Calibri and Times map to their metric-compatible
// faces, Arial Black to a heavy sans where it is missing.
QFont designFont(const QString &face, double points, bool bold = false);
// A picture of the program by name ("sensore0"); on a high-density screen
// its drawing at twice the size, so it stays sharp.
QPixmap picture(const QString &name);
QIcon programIcon();

void setBold(QWidget *w, bool bold);
bool isBold(const QWidget *w);

} // namespace dravino
