#include "print/ValueTable.h"

#include "print/Spreadsheet.h"

#include "print/Footer.h"
#include "print/PrintSurface.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace dravino {

using namespace valuetable;

namespace {

const char *const kTitleStart =
    QT_TRANSLATE_NOOP("ValueTable", "Rapporto tra la pressione e la tensione di un sensore pressione con fondo scala a ");
const QColor kTitleGreen(20, 100, 10);
const QColor kMvoltRed(255, 0, 0);
const QColor kBarBlue(0, 0, 255);

struct Group {
    double r1 = 1350; // right edge of the stepped column
    double r2 = 2850; // right edge of the computed column and of the rule
    double l = 850;   // left end of the rule
    double d = 40;    // shift of the rule's left end
};

QString text(const char *source) { return QCoreApplication::translate("ValueTable", source); }

// Centred on the page's width; a text wider than the page starts at its margin.
double centred(const PrintSurface &s, const QString &text)
{
    return std::max(0.0, (kPageWidth - s.TextWidth(text)) / 2);
}

void printTitle(PrintSurface &s, const QString &fullScale)
{
    const QString start = text(kTitleStart);
    const QString unit = text(QT_TRANSLATE_NOOP("ValueTable", " bar"));
    const QString whole = start + fullScale + unit;
    s.FontSize(13);
    s.CurrentY(kTitleY);
    s.CurrentX(centred(s, whole));
    s.FontItalic(true);
    s.Print(start, false);
    s.FontBold(true);
    s.ForeColor(kTitleGreen);
    s.Print(fullScale, false);
    s.ForeColor(Qt::black);
    s.FontBold(false);
    s.Print(unit, true);
    s.FontItalic(false);
}

void printHeadings(PrintSurface &s, const Group &g, bool millivoltStepped)
{
    const QString mvolt = text(QT_TRANSLATE_NOOP("ValueTable", "MVolt"));
    const QString bar = text(QT_TRANSLATE_NOOP("ValueTable", "Bar"));
    const QString &first = millivoltStepped ? mvolt : bar;
    const QString &second = millivoltStepped ? bar : mvolt;
    s.CurrentY(kHeadingY);
    s.FontBold(true);
    s.ForeColor(millivoltStepped ? kMvoltRed : kBarBlue);
    s.CurrentX(rightAlignedX(s, g.r1, first));
    s.Print(first, false);
    s.CurrentX(rightAlignedX(s, g.r2, second));
    s.ForeColor(millivoltStepped ? kBarBlue : kMvoltRed);
    s.Print(second, true);
    s.ForeColor(Qt::black);
    s.FontBold(false);
    s.CurrentY(s.CurrentY() + kHeadingGap);
}

void printRightAligned(PrintSurface &s, double right, const QString &text, bool endLine)
{
    s.CurrentX(rightAlignedX(s, right, text));
    s.Print(text, endLine);
}

} // namespace

QList<ValueTableRow> valueTableRows(const std::vector<PrintRow> &rows, const QString &fromText)
{
    QList<ValueTableRow> out;
    out.reserve(qsizetype(rows.size()));
    for (const PrintRow &r : rows) {
        out.append({out.isEmpty() ? fromText : QString::number(r.stepped),
                    r.computed ? QString::number(*r.computed) : QStringLiteral("--")});
    }
    return out;
}

QChar csvSeparator()
{
    return QLocale().decimalPoint() == QLatin1String(",") ? QLatin1Char(';') : QLatin1Char(',');
}

QString csvLine(const QStringList &fields, QChar separator)
{
    QStringList out;
    for (QString f : fields) {
        if (f.contains(separator) || f.contains(QLatin1Char('"')) || f.contains(QLatin1Char('\n'))
            || f.contains(QLatin1Char('\r')))
            f = QLatin1Char('"') + f.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
        out << f;
    }
    return out.join(separator) + QLatin1String("\r\n");
}

QByteArray csvFile(const QString &lines) { return QByteArray("\xEF\xBB\xBF") + lines.toUtf8(); }

QString csvText(const QString &field)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !field.isEmpty() && formulaStarts.contains(field.front()) ? QLatin1Char('\'') + field : field;
}

Spreadsheet valueTableSheet(const ValueTableInput &in)
{
    const QString mvolt = text(QT_TRANSLATE_NOOP("ValueTable", "MVolt"));
    const QString bar = text(QT_TRANSLATE_NOOP("ValueTable", "Bar"));
    Spreadsheet sheet;
    sheet.name = text(QT_TRANSLATE_NOOP("ValueTable", "Tabella"));
    sheet.columns = {{in.millivoltStepped ? mvolt : bar}, {in.millivoltStepped ? bar : mvolt}};
    const auto cell = [](const QString &t) -> SheetCell {
        bool ok = false;
        const int n = t.toInt(&ok);
        return ok ? SheetCell(double(n)) : SheetCell(t);
    };
    for (const ValueTableRow &r : in.rows)
        sheet.rows.append({cell(r.stepped), cell(r.computed)});
    return sheet;
}

QByteArray valueTableCsv(const ValueTableInput &in, QChar separator)
{
    const QString mvolt = text(QT_TRANSLATE_NOOP("ValueTable", "MVolt"));
    const QString bar = text(QT_TRANSLATE_NOOP("ValueTable", "Bar"));
    QString out = csvLine({in.millivoltStepped ? mvolt : bar, in.millivoltStepped ? bar : mvolt}, separator);
    for (const ValueTableRow &r : in.rows)
        out += csvLine({r.stepped, r.computed}, separator);
    return csvFile(out);
}

void printValueTable(PrintSurface &s, const ValueTableInput &in)
{
    printWorkshopBand(s, in.frame);
    s.ForeColor(Qt::black);
    printTitle(s, in.fullScaleText);
    // What the values hold for: a page reading -20 bar at 500 mV says why.
    if (!in.family.isEmpty()) {
        QString about = text(QT_TRANSLATE_NOOP("ValueTable", "Sensore %1")).arg(in.family);
        if (in.zeroMv != in.familyZeroMv)
            about += text(QT_TRANSLATE_NOOP("ValueTable", ", zero in uso %1 mV (quello della famiglia: %2 mV)"))
                         .arg(in.zeroMv)
                         .arg(in.familyZeroMv);
        s.FontSize(9);
        s.CurrentX(centred(s, about));
        s.Print(about, true);
    }
    s.FontSize(12);
    Group g;
    int groups = 1;
    printHeadings(s, g, in.millivoltStepped);

    for (qsizetype i = 0; i < in.rows.size(); ++i) {
        printRightAligned(s, g.r1, in.rows[i].stepped, false);
        printRightAligned(s, g.r2, in.rows[i].computed, true);
        const double y = s.CurrentY();
        s.Line(g.l, y + kRuleBelow, g.r2, y + kRuleBelow, Qt::black);
        s.CurrentY(s.CurrentY() + kGapAfterRule);
        // A fourth group would lie outside the page: the third one goes on.
        if (s.CurrentY() > kColumnBreakY && i + 1 < in.rows.size() && groups < kMaxGroups) {
            g.l += kGroupShift - g.d;
            g.d = 10;
            g.r1 += kGroupShift;
            g.r2 += kGroupShift;
            ++groups;
            printHeadings(s, g, in.millivoltStepped);
        }
    }

    s.FontSize(9);
    s.CurrentY(kFooterY);
    s.CurrentX(centred(s, footerText(in.now, in.frame.web)));
    printFooter(s, in.now, in.frame.web);
    s.EndDoc();
}

} // namespace dravino
