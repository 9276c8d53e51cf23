#pragma once
// A page on its way: the hand-over to a printer or to a file (deliver()) runs on
// a thread of its own, so that the window never waits for a print server;
// the outcome comes back once, on the thread of the object that asked, and
// not at all when that object is gone (the window closed: the job gives up
// and leaves nothing behind). reportOf() words an outcome for the
// technician, the same for both documents.

#include "print/Delivery.h"
#include "ui/Platform.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class QAbstractButton;

namespace dravino {

void startPrintJob(PrintRequest request, QObject *context, std::function<void(const PrintOutcome &)> done);

// Runs lookup on a thread of its own (the printer's name at start-up);
// done comes as startPrintJob's does.
void startPrinterLookup(std::function<PrinterName()> lookup, QObject *context,
                        std::function<void(const PrinterName &)> done);

// Lists the print server's queues on a thread of its own.
void startQueueListing(QObject *context, std::function<void(const QueueList &)> done);

// Every request to the printing system gives up at once when the program ends
// (base/Workers.h: endWorkers).
void giveUpPrintJobsAtTheEnd();

struct PrintReport {
    QString text;
    MessageIcon icon = MessageIcon::Information;
};
// What the technician is told; nothing for a page given up at the end, or
// for a printed page when quietWhenPrinted (the scale sheet).
std::optional<PrintReport> reportOf(const PrintOutcome &outcome, bool quietWhenPrinted);

// A print button while its page is on its way: held down, a busy cursor
// over it, a tooltip and a description that say so; presses meanwhile
// start nothing. It keeps the focus and stays enabled, so that no focus
// move reaches the calculator.
class PrintInProgress
{
public:
    // False when a page is already on its way.
    bool begin(QAbstractButton *button);
    void end();
    bool busy() const { return !m_button.isNull(); }
    // The tooltip the button gets back when the page has gone (or now, when
    // no page is on its way).
    void setIdleTooltip(QAbstractButton *button, const QString &tooltip);

private:
    QPointer<QAbstractButton> m_button;
    QString m_tooltip;
    QString m_description;
};

// How long a print may take: from DRAVINO_PRINT_TIMEOUT_MS where it is set
// (tests), otherwise the defaults.
PrintLimits printLimits();

} // namespace dravino
