#pragma once
// The page as Qt draws it: a PDF (A4 portrait, 1200 dpi, 10 pt margins)
// written into memory, measured with the same writer's metrics. It only
// draws: where the page goes (a printer, a file) is the print job's
// business, which takes pdf() once the document has ended.

#include "print/PageImage.h"
#include "print/PrintSurface.h"
#include "print/RecordingSurface.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

namespace dravino {

class QtPrintSurface final : public PrintSurface
{
public:
    static constexpr double kMarginPoints = kPageMarginPoints;

    QtPrintSurface();
    ~QtPrintSurface() override;

    // The last document ended, a whole PDF; empty when it could not be drawn.
    QByteArray pdf() const override { return m_pdf; }
    QList<RecordedItem> drawing() const override { return m_drawn; }
    QImage render(double dpi) const override;

protected:
    double measure(const QFont &font, const QString &text) const override;
    double lineHeight(const QFont &font) const override;
    void drawText(double x, double y, const QFont &font, const QColor &color,
                  const QString &text) override;
    void drawLine(double x1, double y1, double x2, double y2, const QColor &color) override;
    void drawPicture(const QImage &image, double x, double y, double width, double height) override;
    void newPage() override;
    void endDocument() override;

private:
    bool ensureBegun();
    double toDevice(double twips) const;

    QBuffer m_out;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    QByteArray m_pdf;
    // What the document under way draws, and what the last one drew, in twips.
    QList<RecordedItem> m_drawing;
    QList<RecordedItem> m_drawn;
};

} // namespace dravino
