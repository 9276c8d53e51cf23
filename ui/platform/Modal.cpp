#include "ui/platform/Modal.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

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

// No larger than the screen it opens on (200 % on 1366x768), and inside it.
void fitWindowToScreen(QWidget *w)
{
    const QScreen *s = w->screen();
    if (!s)
        return;
    const QRect avail = s->availableGeometry();
    const QMargins frame(6, 32, 6, 6); // a window manager's, before it has drawn one
    const QSize room(avail.width() - frame.left() - frame.right(), avail.height() - frame.top() - frame.bottom());
    if (w->width() > room.width() || w->height() > room.height())
        w->resize(w->size().boundedTo(room).expandedTo(w->minimumSizeHint().boundedTo(room)));
    QRect outer = w->frameGeometry();
    outer.moveLeft(std::clamp(outer.left(), avail.left(), std::max(avail.left(), avail.right() + 1 - outer.width())));
    outer.moveTop(std::clamp(outer.top(), avail.top(), std::max(avail.top(), avail.bottom() + 1 - outer.height())));
    w->move(outer.topLeft());
}

} // namespace dravino
