#pragma once
// One thing drawn on a page, in twips from the printable area's top-left:
// what a page keeps of itself to be drawn again (the preview, a printer
// that takes no PDF).

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace dravino {

struct RecordedItem {
    enum Kind { Text, Line, Picture } kind = Text;
    double x = 0, y = 0, x2 = 0, y2 = 0;
    QString text;
    QFont font;
    QColor color;
    int document = 0; // 0 for the first document printed on this surface
    QImage image;     // a picture, in the box x, y to x2, y2
    int page = 0;     // 0 for the document's first page
};

// The items of one page of a document.
QList<RecordedItem> itemsOfPage(const QList<RecordedItem> &items, int page);
// How many pages items take (at least 1).
int pagesOf(const QList<RecordedItem> &items);

} // namespace dravino
