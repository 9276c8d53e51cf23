#pragma once
// The words of a PDF with their boxes, as pdftotext -bbox gives them
// (points from the page's top-left corner).

#include "TestMain.h"

#include <QList>
#include <QRegularExpression>
#include <QString>

struct PdfWord {
    double xMin, yMin, xMax, yMax;
    QString text;
};

inline QList<PdfWord> pdfWords(const QString &pdf)
{
    static const char *const pattern =
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re";
    static const QRegularExpression re(QString::fromLatin1(pattern));
    QList<PdfWord> words;
    for (auto it = re.globalMatch(dravino::test::outputOf(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")})); it.hasNext();) {
        const auto m = it.next();
        QString text = m.captured(5); // as XML escapes it
        text.replace(QLatin1String("&apos;"), QLatin1String("'")).replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        words.append({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                      m.captured(4).toDouble(), text});
    }
    return words;
}

// The words of a PDF in reading order, one text.
inline QString pdfText(const QString &pdf)
{
    return dravino::test::outputOf(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}).simplified();
}

// The fonts a PDF uses, as pdffonts names them (without the subset tag).
inline QStringList pdfFonts(const QString &pdf)
{
    QStringList fonts;
    const QStringList lines = dravino::test::outputOf(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'));
    for (const QString &line : lines.mid(2))
        if (!line.trimmed().isEmpty())
            fonts << line.section(QLatin1Char(' '), 0, 0).section(QLatin1Char('+'), -1);
    fonts.removeDuplicates();
    fonts.sort();
    return fonts;
}

// What is wrong with a 135-value table (0 to 2680 by 20) read back from a
// PDF: three groups right-aligned at 1350/2850 twips (+4000 a group), the
// title centred on 11700, 45 rows in the first group, each 313 twips (a
// 12 pt line and 45) below the last. marginPoints is the printable area's
// edge; positions compare within tolerance twips. With tops, the title, the
// headings and the first row also start where the layout puts them (a PDF
// that Qt wrote itself; the spooler moves the tops a little).
inline QStringList valueTableProblems(const QString &pdf, double marginPoints, double tolerance, bool tops = false)
{
    const auto twips = [&](double points) { return (points - marginPoints) * 20; };
    QList<PdfWord> mvolt, bar;
    double titleLeft = -1, titleRight = -1, titleTop = -1;
    QList<double> rowTops;
    int firstGroupRows = 0;
    QStringList wrong;
    for (const auto &w : pdfWords(pdf)) {
        if (w.text == QLatin1String("MVolt"))
            mvolt << w;
        else if (w.text == QLatin1String("Bar"))
            bar << w;
        else if (w.text == QLatin1String("Rapporto")) {
            titleLeft = w.xMin;
            titleTop = w.yMin;
        }
        else if (w.text == QLatin1String("bar") && titleRight < 0)
            titleRight = w.xMax;
        else if (twips(w.xMax) < 1400 && twips(w.yMin) > 1200 && twips(w.yMin) < 15400) {
            ++firstGroupRows;
            rowTops << twips(w.yMin);
            if (qAbs(twips(w.xMax) - 1350) > tolerance)
                wrong << QStringLiteral("row '%1' ends at %2").arg(w.text).arg(twips(w.xMax));
        }
    }
    if (mvolt.size() != 3 || bar.size() != 3)
        return {QStringLiteral("%1 groups").arg(mvolt.size())};
    for (int g = 0; g < 3; ++g)
        if (qAbs(twips(mvolt[g].xMax) - (1350 + 4000 * g)) > tolerance
            || qAbs(twips(bar[g].xMax) - (2850 + 4000 * g)) > tolerance || qAbs(mvolt[g].yMin - mvolt[0].yMin) > 0.5)
            wrong << QStringLiteral("headings of group %1 at %2, %3").arg(g).arg(twips(mvolt[g].xMax)).arg(twips(bar[g].xMax));
    if (qAbs((twips(titleLeft) + twips(titleRight)) / 2 - 5850) > tolerance * 2)
        wrong << QStringLiteral("title from %1 to %2").arg(twips(titleLeft)).arg(twips(titleRight));
    if (firstGroupRows != 45)
        wrong << QStringLiteral("%1 rows in the first group").arg(firstGroupRows);
    for (qsizetype i = 1; i < rowTops.size(); ++i)
        if (qAbs(rowTops[i] - rowTops[i - 1] - 313) > tolerance)
            wrong << QStringLiteral("row %1 is %2 below the last").arg(i).arg(rowTops[i] - rowTops[i - 1]);
    if (tops) {
        const double expected[] = {400, 950, 950 + 268 + 200};
        const double got[] = {twips(titleTop), twips(mvolt[0].yMin), rowTops.value(0, -1)};
        for (int i = 0; i < 3; ++i)
            if (qAbs(got[i] - expected[i]) > tolerance)
                wrong << QStringLiteral("top %1 at %2, not %3").arg(i).arg(got[i]).arg(expected[i]);
    }
    return wrong;
}
