#include "print/QtPrintSurface.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace dravino {

namespace {
QString documentsFolder()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty())
        dir = QDir::homePath();
    return dir;
}
} // namespace

PrintDestination QtPrintSurface::defaultDestination()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {QStringLiteral("nessuna stampante (file PDF)"),
                QDir::toNativeSeparators(documentsFolder()), false};
    QString port = info.location();
    if (port.isEmpty())
        port = QStringLiteral("CUPS");
    return {info.printerName(), port, true};
}

QString QtPrintSurface::unusedPdfPath(const QString &folder)
{
    const QDir dir(folder);
    QString path = dir.filePath(QStringLiteral("Dravino.pdf"));
    for (int i = 2; QFileInfo::exists(path); ++i)
        path = dir.filePath(QStringLiteral("Dravino (%1).pdf").arg(i));
    return path;
}

QtPrintSurface::QtPrintSurface(QString pdfFile) : m_fixedFile(std::move(pdfFile)), m_folder(documentsFolder())
{
    if (m_fixedFile.isEmpty())
        m_dest = defaultDestination();
    else
        m_dest = {QStringLiteral("file PDF"), QDir::toNativeSeparators(m_fixedFile), false};
    setUpPrinter();
}

QtPrintSurface::QtPrintSurface(PrintDestination destination, QString folder)
    : m_dest(std::move(destination)), m_folder(std::move(folder))
{
    setUpPrinter();
}

void QtPrintSurface::setUpPrinter()
{
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (m_dest.isPrinter)
        m_printer->setPrinterName(m_dest.deviceName);
    else
        m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageOrientation(QPageLayout::Portrait);
    m_printer->setDocName(QStringLiteral("Dravino"));
}

QtPrintSurface::~QtPrintSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

double QtPrintSurface::toDevice(double twips) const
{
    return twips * m_printer->resolution() / 1440.0;
}

bool QtPrintSurface::ensureBegun()
{
    if (m_painter.isActive())
        return true;
    if (m_failed)
        return false;
    if (!m_dest.isPrinter) {
        m_outputFile = m_fixedFile;
        if (m_outputFile.isEmpty()) {
            QDir().mkpath(m_folder);
            m_outputFile = unusedPdfPath(m_folder);
            m_dest.port = QDir::toNativeSeparators(m_outputFile);
        }
        m_printer->setOutputFileName(m_outputFile);
    }
    if (!m_painter.begin(m_printer.get())) {
        m_failed = true;
        m_error = m_dest.isPrinter
            ? QStringLiteral("Impossibile avviare la stampa su %1.").arg(m_dest.deviceName)
            : QStringLiteral("Impossibile scrivere il file %1.")
                  .arg(QDir::toNativeSeparators(m_outputFile));
        return false;
    }
    return true;
}

double QtPrintSurface::measure(const QFont &font, const QString &text) const
{
    const QFontMetricsF fm(font, m_printer.get());
    return fm.horizontalAdvance(text) * 1440.0 / m_printer->resolution();
}

double QtPrintSurface::lineHeight(const QFont &font) const
{
    const QFontMetricsF fm(font, m_printer.get());
    return fm.height() * 1440.0 / m_printer->resolution();
}

void QtPrintSurface::drawText(double x, double y, const QFont &font, const QColor &color,
                              const QString &text)
{
    if (!ensureBegun())
        return;
    m_painter.setFont(font);
    m_painter.setPen(color);
    const QFontMetricsF fm(font, m_printer.get());
    m_painter.drawText(QPointF(toDevice(x), toDevice(y) + fm.ascent()), text);
}

void QtPrintSurface::drawLine(double x1, double y1, double x2, double y2, const QColor &color)
{
    if (!ensureBegun())
        return;
    m_painter.setPen(QPen(color, 0));
    m_painter.drawLine(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)));
}

void QtPrintSurface::endDocument()
{
    if (m_painter.isActive()) {
        if (!m_painter.end() || m_printer->printerState() == QPrinter::Error)
            m_error = QStringLiteral("La stampa su %1 non è riuscita.").arg(m_dest.deviceName);
    }
    m_failed = false;
}

} // namespace dravino
