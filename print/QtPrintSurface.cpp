#include "print/QtPrintSurface.h"

#include "print/Cups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>

namespace dravino
{

namespace
{
constexpr int kResolution = 1200;
const char *const kNoPrinter = QT_TRANSLATE_NOOP("QtPrintSurface", "nessuna stampante (file PDF)");
} // namespace

PrintDestination QtPrintSurface::defaultDestination()
{
    if (const auto q = defaultCupsQueue())
        return {q->name, q->port, true, q->accepting, q->stopped, q->reason};
    const QString folder = pdfFolder();
    const QString port = folder.isEmpty() ? QCoreApplication::translate("QtPrintSurface", "nessuna cartella")
                                          : QDir::toNativeSeparators(folder);
    return {QCoreApplication::translate("QtPrintSurface", kNoPrinter), port, false, true, false, {}};
}

QtPrintSurface::QtPrintSurface(QString pdfFile) : m_fixedFile(std::move(pdfFile))
{
    if (m_fixedFile.isEmpty()) {
        m_dest = defaultDestination();
        if (!m_dest.isPrinter)
            m_folder = pdfFolder();
    } else {
        m_dest = {QCoreApplication::translate("QtPrintSurface", "file PDF"),
                  QDir::toNativeSeparators(m_fixedFile), false, true, false, {}};
        m_folder = QFileInfo(m_fixedFile).absolutePath();
    }
    m_metrics = std::make_unique<QPdfWriter>(&m_nowhere);
    setUpPage(*m_metrics);
}

QtPrintSurface::QtPrintSurface(PrintDestination destination, QString folder)
    : m_dest(std::move(destination)), m_folder(std::move(folder))
{
    m_metrics = std::make_unique<QPdfWriter>(&m_nowhere);
    setUpPage(*m_metrics);
}

QtPrintSurface::~QtPrintSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

void QtPrintSurface::setUpPage(QPdfWriter &writer)
{
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                                     QPageLayout::Point));
    writer.setTitle(QStringLiteral("Dravino"));
    writer.setCreator(QStringLiteral("Dravino"));
}

double QtPrintSurface::toDevice(double twips) const
{
    return twips * kResolution / 1440.0;
}

bool QtPrintSurface::failDocument(const QString &error)
{
    m_failed = true;
    if (m_error.isEmpty())
        m_error = error;
    if (m_painter.isActive())
        m_painter.end();
    m_writer.reset();
    m_pdf.reset(); // removes the hidden file
    return false;
}

bool QtPrintSurface::ensureBegun()
{
    if (m_painter.isActive())
        return true;
    if (m_failed)
        return false;
    m_error.clear();
    m_notice.clear();
    if (m_dest.isPrinter && !m_dest.accepting) {
        const QString why = m_dest.reason.isEmpty()
                                ? QCoreApplication::translate("QtPrintSurface", "rifiuta i lavori")
                                : m_dest.reason;
        return failDocument(
            QCoreApplication::translate(
                "QtPrintSurface", "La stampante %1 non accetta stampe (%2): la pagina non è stata stampata.")
                .arg(m_dest.deviceName, why));
    }
    // A printer's document waits in the temporary folder until CUPS has
    // read it; a PDF is written beside the name it will take.
    const QString folder = m_dest.isPrinter ? QDir::tempPath() : m_folder;
    if (folder.isEmpty())
        return failDocument(QCoreApplication::translate(
            "QtPrintSurface", "Nessuna stampante e nessuna cartella in cui salvare il file PDF: "
                              "la pagina non è stata salvata."));
    m_pdf = std::make_unique<PdfFile>();
    if (!m_pdf->create(folder))
        return failDocument(m_pdf->error());
    m_writer = std::make_unique<QPdfWriter>(m_pdf->device());
    setUpPage(*m_writer);
    if (!m_painter.begin(m_writer.get()))
        return failDocument(
            QCoreApplication::translate("QtPrintSurface", "Impossibile scrivere il file PDF %1.")
                .arg(QDir::toNativeSeparators(m_pdf->hiddenPath())));
    return true;
}

double QtPrintSurface::measure(const QFont &font, const QString &text) const
{
    const QFontMetricsF fm(font, m_metrics.get());
    return fm.horizontalAdvance(text) * 1440.0 / kResolution;
}

double QtPrintSurface::lineHeight(const QFont &font) const
{
    const QFontMetricsF fm(font, m_metrics.get());
    return fm.height() * 1440.0 / kResolution;
}

void QtPrintSurface::drawText(double x, double y, const QFont &font, const QColor &color, const QString &text)
{
    if (!ensureBegun())
        return;
    m_painter.setFont(font);
    m_painter.setPen(color);
    const QFontMetricsF fm(font, m_writer.get());
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
    if (m_painter.isActive())
        deliver();
    m_failed = false;
}

void QtPrintSurface::deliver()
{
    m_painter.end();
    m_writer.reset();
    if (!m_pdf->finish()) {
        failDocument(m_pdf->error());
        return;
    }
    if (!m_dest.isPrinter) {
        const QString name = m_fixedFile.isEmpty() ? QString() : QFileInfo(m_fixedFile).fileName();
        if (!m_pdf->place(name)) {
            failDocument(m_pdf->error());
            return;
        }
        m_outputFile = m_pdf->placedPath();
        if (m_fixedFile.isEmpty()) {
            m_dest.deviceName = QCoreApplication::translate("QtPrintSurface", "file PDF ") +
                                QDir::toNativeSeparators(m_outputFile);
            m_dest.port = QDir::toNativeSeparators(m_outputFile);
        }
        m_pdf.reset();
        return;
    }
    const CupsJob job = submitPdf(m_dest.deviceName, m_pdf->hiddenPath(), QStringLiteral("Dravino"));
    m_pdf.reset(); // CUPS has its own copy
    if (job.id == 0) {
        m_error = QCoreApplication::translate("QtPrintSurface", "La stampa su %1 non è riuscita: %2.")
                      .arg(m_dest.deviceName, job.error);
        return;
    }
    if (m_dest.stopped) {
        const QString why = m_dest.reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(m_dest.reason);
        m_notice =
            QCoreApplication::translate(
                "QtPrintSurface", "La stampa su %1 è in attesa: la stampante è ferma%2 e la stamperà quando "
                                  "verrà riattivata.")
                .arg(m_dest.deviceName, why);
    }
}

} // namespace dravino
