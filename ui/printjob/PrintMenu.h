#pragma once
// The menu of a print button (right click, the Menu key or Shift+F10 on the
// focused button): the one-click print, the preview, another printer (the
// print server's queues, asked off the window's thread when the menu
// opens), a PDF where the user wants it, and for the value table its rows
// as CSV or as a spreadsheet. Each entry goes through the document's own routine; the button's
// click stays the one-click print.

#include "ui/printjob/PageSender.h"

#include <QObject>
#include <QMenu>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QMenu;

namespace dravino {

class Platform;

struct PrintMenuActions {
    std::function<void()> print;
    std::function<void()> preview;
    std::function<void(const QString &printer)> printTo;
    std::function<void()> saveAsPdf;
    std::function<void(ExportKind)> exportTable; // none: no such entries
    std::function<void()> archive;   // none: no such entry
    std::function<void()> workshop;  // the workshop's identity on the pages
    std::function<void()> instrument; // the bench multimeter
};

class PrintMenu final : public QObject
{
    Q_OBJECT
public:
    PrintMenu(Platform &platform, QAbstractButton *button, PrintMenuActions actions);
    Q_DISABLE_COPY_MOVE(PrintMenu)

    // The menu open now, if any.
    QMenu *menu() const { return m_menu; }
    void open(const QPoint &where);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Platform &m_platform;
    QAbstractButton *m_button;
    PrintMenuActions m_actions;
    QPointer<QMenu> m_menu;
};

} // namespace dravino
