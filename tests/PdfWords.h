#pragma once
// The words of a PDF with their boxes, as pdftotext -bbox gives them
// (points from the page's top-left corner).

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

struct PdfWord {
    double xMin, yMin, xMax, yMax;
    QString text;
};

inline QList<PdfWord> pdfWords(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    static const char *const pattern =
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re";
    static const QRegularExpression re(QString::fromLatin1(pattern));
    QList<PdfWord> words;
    for (auto it = re.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                      m.captured(4).toDouble(), m.captured(5)});
    }
    return words;
}

// What is wrong with a 135-value table (0 to 2680 by 20) read back from a
// PDF: three groups right-aligned at 1350/2850 twips (+4000 a group), the
// title centred on 11700, 45 rows in the first group. marginPoints is the
// printable area's left edge; positions compare within tolerance twips.
inline QStringList valueTableProblems(const QString &pdf, double marginPoints, double tolerance)
{
    const auto twips = [&](double points) { return (points - marginPoints) * 20; };
    QList<PdfWord> mvolt, bar;
    double titleLeft = -1, titleRight = -1;
    int firstGroupRows = 0;
    QStringList wrong;
    for (const auto &w : pdfWords(pdf)) {
        if (w.text == QLatin1String("MVolt"))
            mvolt << w;
        else if (w.text == QLatin1String("Bar"))
            bar << w;
        else if (w.text == QLatin1String("Rapporto"))
            titleLeft = w.xMin;
        else if (w.text == QLatin1String("bar") && titleRight < 0)
            titleRight = w.xMax;
        else if (twips(w.xMax) < 1400 && twips(w.yMin) > 1200 && twips(w.yMin) < 15400) {
            ++firstGroupRows;
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
    return wrong;
}
