#include "print/ScaleSheet.h"

#include "print/Footer.h"
#include "print/PrintSurface.h"

#include <QCoreApplication>

namespace dravino {

using namespace scalesheet;

QColor verdictColor(Verdict v)
{
    switch (v) {
    case Verdict::Green:
        return {0, 120, 0};
    case Verdict::Red:
        return {220, 0, 0};
    case Verdict::Unchanged:
        break;
    }
    return Qt::black;
}

namespace
{
// The code from the current position to the rules' right end, going on
// under its start on as many lines as it takes: every character reaches
// the paper.
void printWrapped(PrintSurface &s, const QString &code)
{
    const double left = s.CurrentX();
    QString rest = code;
    do {
        qsizetype n = rest.size();
        while (n > 1 && left + s.TextWidth(rest.left(n)) > kRuleRight)
            --n;
        // A character and its combining marks or surrogate stay together.
        while (n < rest.size() && (rest.at(n).isLowSurrogate() || rest.at(n).isMark()))
            ++n;
        s.CurrentX(left);
        s.Print(rest.left(n), true);
        rest.remove(0, n);
    } while (!rest.isEmpty());
}
} // namespace

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

    const ScaleGrid &g = sheet.check;
    for (int i = 0; i < kScaleRows; ++i) {
        const std::pair<const std::string &, QColor> cells[] = {
            {g.bar[i], QColor(255, 0, 0)},
            {g.adc[i], Qt::black},
            {g.mvolt[i], QColor(0, 0, 255)},
            {g.scala[i], Qt::black},
            {g.linearita[i], verdictColor(g.linearitaColor[i])},
            {g.scostamento[i], verdictColor(g.scostamentoColor[i])}};
        for (int c = 0; c < 6; ++c) {
            const QString cell = QString::fromStdString(cells[c].first);
            s.ForeColor(cells[c].second);
            s.CurrentX(rightAlignedX(s, kCellRight[c], cell));
            s.Print(cell, c == 5);
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
    printWrapped(s, sheet.code);
    s.FontBold(false);

    s.CurrentX(kClosingLeft);
    s.CurrentY(s.CurrentY() + kGapBeforeAverage);
    s.Print(text(QT_TRANSLATE_NOOP("ScaleSheet", "Valore medio della scala:  ")), false);
    s.FontBold(true);
    s.Print(QString::fromStdString(g.media), true);
    s.FontBold(false);

    s.CurrentX(kClosingLeft);
    s.CurrentY(s.CurrentY() + kGapBeforeFooter);
    printFooter(s, sheet.now);
    s.EndDoc();
}

} // namespace dravino
