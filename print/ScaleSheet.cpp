#include "print/ScaleSheet.h"

#include "print/Footer.h"
#include "print/PrintSurface.h"

#include <QCoreApplication>

namespace dravino {

using namespace scalesheet;

void printScaleSheet(PrintSurface &s, const ScaleSheet &sheet)
{
    static const char *const headings[] = {
        QT_TRANSLATE_NOOP("ScaleSheet", "BAR"),   QT_TRANSLATE_NOOP("ScaleSheet", "ADC"),
        QT_TRANSLATE_NOOP("ScaleSheet", "mVolt"), QT_TRANSLATE_NOOP("ScaleSheet", "SCALA"),
        QT_TRANSLATE_NOOP("ScaleSheet", "Linearità"), QT_TRANSLATE_NOOP("ScaleSheet", "Scostamento")};
    const auto text = [](const char *source) { return QCoreApplication::translate("ScaleSheet", source); };
    s.FontName(QStringLiteral("Arial"));
    s.FontSize(12);
    s.FontBold(true);
    s.CurrentY(kHeadingY);
    for (int c = 0; c < 6; ++c) {
        s.CurrentX(kHeadingLeft[c]);
        s.Print(text(headings[c]), c == 5);
    }
    s.FontBold(false);
    s.CurrentY(s.CurrentY() + kGapAfterHeadings);

    for (const auto &row : sheet.cells) {
        for (int c = 0; c < 6; ++c) {
            s.ForeColor(row[c].color);
            s.CurrentX(rightAlignedX(s, kCellRight[c], row[c].text));
            s.Print(row[c].text, c == 5);
        }
        const double y = s.CurrentY();
        s.Line(kRuleLeft, y + kRuleBelow, kRuleRight, y + kRuleBelow, Qt::black);
        s.CurrentY(s.CurrentY() + kGapAfterRule);
    }

    s.ForeColor(Qt::black);
    s.CurrentX(kClosingLeft);
    s.CurrentY(s.CurrentY() + kGapBeforeCode);
    s.Print(text(QT_TRANSLATE_NOOP("ScaleSheet", "Sensore: ")), false);
    s.FontBold(true);
    s.Print(sheet.code, true);
    s.FontBold(false);

    s.CurrentX(kClosingLeft);
    s.CurrentY(s.CurrentY() + kGapBeforeAverage);
    s.Print(text(QT_TRANSLATE_NOOP("ScaleSheet", "Valore medio della scala:  ")), false);
    s.FontBold(true);
    s.Print(sheet.average, true);
    s.FontBold(false);

    s.CurrentX(kClosingLeft);
    s.CurrentY(s.CurrentY() + kGapBeforeFooter);
    printFooter(s, sheet.now);
    s.EndDoc();
}

} // namespace dravino
