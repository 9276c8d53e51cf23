#include "ui/platform/Modal.h"

#include <QWidget>

namespace dravino {

QWidget *mainWindowOf(QWidget *w)
{
    QWidget *top = w ? w->window() : nullptr;
    while (top && top->parentWidget())
        top = top->parentWidget()->window();
    return top;
}

QWidget *tellingWindow(QWidget *asker, QWidget *main)
{
    // A window closed is hidden at once and deleted later: not one to tell over.
    if (asker && asker->window()->isVisible())
        return asker->window();
    return main;
}

} // namespace dravino
