#pragma once
// The CUPS back end: what Dravino asks of CUPS, through libcups on a
// connection of its own so that every request has a time limit and its
// answer comes back: which queue a page goes to and whether it takes jobs,
// and the hand-over of a PDF held in memory (Create-Job, Send-Document
// streamed, then the job's state asked back). Any thread may call these;
// none of them may be called on the window's thread, since a print server
// may take its time.

#include "print/PrintBackend.h"

#include <QStringList>

namespace dravino {

// The queue named (empty: the default, PRINTER and LPDEST first); a named
// queue that is not there is refused ("client-error-not-found").
QueueLookup lookUpQueue(const QString &name, const PrintLimits &limits, const std::atomic_bool *cancel = nullptr);

// Every queue the print server offers, the default marked.
QueueList listQueues(const PrintLimits &limits, const std::atomic_bool *cancel = nullptr);

// What a job's IPP state and reasons mean for the page; why the reason
// where the printer does not hold it.
SubmittedJob::State jobStateOf(int ippJobState, const QStringList &reasons, PrintReason &why);

// CUPS's words for a printer or a request (keywords such as
// "media-empty-error", a state message, an IPP status), in the program's
// terms; words that say nothing ("Success", "none") are no reason.
PrintReason cupsReason(const QString &words);

// Hands the PDF over to queue and asks CUPS back that the job holds all of
// it; a job still receiving its document counts as not taken.
SubmittedJob submitPdf(const QString &queue, const QByteArray &pdf, const QString &title, const PrintLimits &limits,
                       const std::atomic_bool *cancel = nullptr);

// Requests whose cancel flag is set give up at once.
void interruptCupsRequests();

// Every request under way gives up at once, and every later one fails:
// the program is ending (false takes that back, for tests).
void abandonCupsRequests(bool abandon = true);

} // namespace dravino
