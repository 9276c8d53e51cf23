#pragma once
// The start-up floor with Dravino's content: a window that recreates, from
// the description dravino_bench writes of the real one, the same widgets of
// the same kinds at the same places with the same fonts, texts and
// pictures, and nothing else (no handlers, no calculation, no printer).

#include <QWidget>

// One widget a line: depth|class|name|x y w h|family|points|weight|hidden|text
QString describeWidgets(const QWidget &window);

class PlainWindow final : public QWidget
{
public:
    explicit PlainWindow(const QString &descriptionFile);
};
