#pragma once
// A print surface that keeps what was drawn instead of printing it, measured
// as the printer measures (1440 dots per inch), for tests and previews.

#include "print/PrintSurface.h"
#include "print/RecordedItem.h"

#include <QList>
#include <functional>

namespace dravino {


class RecordingSurface final : public PrintSurface
{
public:
    RecordingSurface() = default;

    // Called when a document ends, with everything recorded so far.
    std::function<void(const RecordingSurface &)> onEndDoc;

    const QList<RecordedItem> &items() const { return m_items; }
    QImage render(double dpi) const override;
    int documentsEnded() const { return m_ended; }
    // Height of one line of the given font, as Print(..., true) advances.
    double lineHeightOf(const QFont &font) const { return lineHeight(font); }
    double widthOf(const QFont &font, const QString &text) const { return measure(font, text); }

protected:
    double measure(const QFont &font, const QString &text) const override;
    double lineHeight(const QFont &font) const override;
    void drawText(double x, double y, const QFont &font, const QColor &color,
                  const QString &text) override;
    void drawLine(double x1, double y1, double x2, double y2, const QColor &color) override;
    void drawPicture(const QImage &image, double x, double y, double width, double height) override;
    void endDocument() override
    {
        ++m_ended;
        if (onEndDoc)
            onEndDoc(*this);
    }

private:
    QList<RecordedItem> m_items;
    int m_ended = 0;
};

} // namespace dravino
