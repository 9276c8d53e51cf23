#pragma once
// The print surface on the desktop: every document is drawn by Qt into a
// PDF file (A4 portrait, 1200 dpi, 10 pt margins), which then either goes to
// the default CUPS queue through libcups, with the job's outcome heard, or,
// when there is no printer, is placed as Dravino.pdf, Dravino (2).pdf, ...
// in the documents folder. Whatever fails is said in errorText(); a job that
// a stopped queue holds is said in noticeText().

#include "print/PdfFile.h"
#include "print/PrintSurface.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

namespace dravino {

struct PrintDestination {
    QString deviceName;
    QString port;
    bool isPrinter = false;
    bool accepting = true; // a printer that takes new jobs
    bool stopped = false;  // a printer that holds jobs until started
    QString reason;        // the printer's state message
};

class QtPrintSurface final : public PrintSurface
{
public:
    static constexpr double kMarginPoints = 10;

    // pdfFile empty: the default destination (one CUPS request); otherwise
    // the document is written to exactly that file, which must not exist.
    explicit QtPrintSurface(QString pdfFile = {});
    // A given destination; without a printer the PDF goes into folder
    // (none: the document cannot be saved).
    QtPrintSurface(PrintDestination destination, QString folder);
    ~QtPrintSurface() override;

    // Names the destination a document would go to now, without opening it.
    static PrintDestination defaultDestination();

    QString DeviceName() const override { return m_dest.deviceName; }
    QString Port() const override { return m_dest.port; }
    QString errorText() const override { return m_error; }
    QString noticeText() const override { return m_notice; }
    // The PDF placed when there was no printer (empty otherwise).
    QString outputFile() const { return m_outputFile; }

protected:
    double measure(const QFont &font, const QString &text) const override;
    double lineHeight(const QFont &font) const override;
    void drawText(double x, double y, const QFont &font, const QColor &color,
                  const QString &text) override;
    void drawLine(double x1, double y1, double x2, double y2, const QColor &color) override;
    void endDocument() override;

private:
    bool ensureBegun();
    bool failDocument(const QString &error);
    void deliver();
    double toDevice(double twips) const;
    static void setUpPage(QPdfWriter &writer);

    PrintDestination m_dest;
    QString m_fixedFile;
    QString m_folder;
    QString m_outputFile;
    QString m_error;
    QString m_notice;
    // Metrics come from a writer that never draws, so that measuring needs
    // no file.
    QBuffer m_nowhere;
    std::unique_ptr<QPdfWriter> m_metrics;
    std::unique_ptr<PdfFile> m_pdf;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    bool m_failed = false;
};

} // namespace dravino
