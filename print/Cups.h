#pragma once
// What Dravino asks of CUPS, through libcups on a connection of its own so
// that every request has a time limit and its answer comes back: which
// queue a page goes to and whether it takes jobs, and the hand-over of a
// PDF held in memory (Create-Job, Send-Document streamed, then the job's
// state asked back). Any thread may call these; none of them may be called
// on the window's thread, since a print server may take its time.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <optional>
#include <vector>

namespace dravino {

struct CupsLimits {
    int connectMs = 5000; // to reach the print server
    int silenceMs = 10000; // without a byte from the server
    int totalMs = 30000;  // for the whole exchange, hand-over included
};

struct CupsQueue {
    QString name;
    QString port;           // the device URI, or the location
    bool accepting = true;  // takes new jobs
    bool stopped = false;   // holds jobs until it is started again
    QString reason;         // the queue's state message, when it has one
    bool isDefault = false;
};

// Why a request to CUPS did not give an answer.
enum class CupsFailure {
    None,
    Unreachable, // no print server at the address, or it refused the connection
    NoAnswer,    // connected, but no answer within the limit
    Cancelled,   // given up by the program (the window closed)
    Refused,     // the server answered with an error
};

struct CupsLookup {
    std::optional<CupsQueue> queue; // nothing: no such queue, or no default
    CupsFailure failure = CupsFailure::None;
    QString reason; // CUPS's words or the system's, when it failed
};

// The queue named (empty: the default, PRINTER and LPDEST first); a named
// queue that is not there is refused ("client-error-not-found").
CupsLookup lookUpQueue(const QString &name, const CupsLimits &limits, const std::atomic_bool *cancel = nullptr);

struct CupsQueues {
    std::vector<CupsQueue> queues;
    CupsFailure failure = CupsFailure::None;
    QString reason;
};
// Every queue the print server offers, the default marked.
CupsQueues listQueues(const CupsLimits &limits, const std::atomic_bool *cancel = nullptr);

struct CupsJob {
    int id = 0;
    // Unconfirmed: the server took the whole page (a job id, the document
    // finished) but its state never came back.
    enum State { NotTaken, Held, Pending, Processing, Completed, Unconfirmed } state = NotTaken;
    CupsFailure failure = CupsFailure::None;
    QString reason; // CUPS's reason when the job was not taken
};

// What a job's IPP state and reasons mean for the page; why the reason
// where the printer does not hold it.
CupsJob::State jobStateOf(int ippJobState, const QStringList &reasons, QString &why);

// Hands the PDF over to queue and asks CUPS back that the job holds all of
// it; a job still receiving its document counts as not taken.
CupsJob submitPdf(const QString &queue, const QByteArray &pdf, const QString &title, const CupsLimits &limits,
                  const std::atomic_bool *cancel = nullptr);

// Requests whose cancel flag is set give up at once.
void interruptCupsRequests();

// Every request under way gives up at once, and every later one fails:
// the program is ending (false takes that back, for tests).
void abandonCupsRequests(bool abandon = true);

} // namespace dravino
