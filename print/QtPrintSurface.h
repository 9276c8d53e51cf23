#pragma once
// The print surface on a real QPrinter: the default CUPS printer, or a PDF
// file in the user's documents folder when there is no printer at all.

#include "print/PrintSurface.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

namespace dravino {

struct PrintDestination {
    QString deviceName;
    QString port;
    bool isPrinter = false;
};

class QtPrintSurface final : public PrintSurface
{
public:
    // pdfFile empty: the default printer (or the PDF fallback); otherwise the
    // document is written to that file.
    explicit QtPrintSurface(QString pdfFile = {});
    // A given destination; without a printer the PDF goes into folder.
    QtPrintSurface(PrintDestination destination, QString folder);
    ~QtPrintSurface() override;

    // Names the destination a document would go to now, without opening it.
    static PrintDestination defaultDestination();
    // A file name in folder that does not exist yet: Dravino.pdf, Dravino (2).pdf, ...
    static QString unusedPdfPath(const QString &folder);

    QString DeviceName() const override { return m_dest.deviceName; }
    QString Port() const override { return m_dest.port; }
    QString errorText() const override { return m_error; }
    // The PDF written when there was no printer (empty otherwise).
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
    double toDevice(double twips) const;

    void setUpPrinter();

    PrintDestination m_dest;
    QString m_fixedFile;
    QString m_folder;
    QString m_outputFile;
    QString m_error;
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    bool m_failed = false;
};

} // namespace dravino
