#pragma once
// Modal dialogs whose parent may go while they are open. A dialog's event
// loop delivers what is queued, a deferred delete among it: a window closed
// just before (or while) its own message box is open is deleted inside
// that box's exec(). A box on the stack, parented to it, is then freed
// twice. A Modal is made on the heap as the parent's child instead: it goes
// with its parent, and its exec() ends as cancelled.
//
// Outcomes that come later (an export written, a page printed) are told
// over the window they were asked from only while it is still on the
// screen; otherwise over the main window, which lives as long as the
// program.

#include <QDialog>
#include <QPointer>

namespace dravino {

template <typename D>
class Modal final
{
public:
    explicit Modal(D *dialog) : m_dialog(dialog) {}
    ~Modal() { delete m_dialog.data(); }
    Q_DISABLE_COPY_MOVE(Modal)

    // QDialog::Rejected where the dialog went with its parent.
    int exec() { return m_dialog ? m_dialog->exec() : int(QDialog::Rejected); }
    // The dialog went with its parent while it was open.
    bool gone() const { return m_dialog.isNull(); }
    D *operator->() const { return m_dialog.data(); }
    D &operator*() const { return *m_dialog; }
    D *get() const { return m_dialog.data(); }

private:
    QPointer<D> m_dialog;
};

// The program's main window: the outermost window w lies in.
QWidget *mainWindowOf(QWidget *w);
// Where to tell what asker started: asker's window while it is on the
// screen, else the main window (main, kept since the work began).
QWidget *tellingWindow(QWidget *asker, QWidget *main);
// A window no larger than the screen it opens on (200 % on 1366x768), and inside it.
void fitWindowToScreen(QWidget *window);

} // namespace dravino
