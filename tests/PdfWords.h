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
