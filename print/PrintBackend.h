#pragma once
// What the program asks of a printing system, in its own terms: the
// printers there are, the one a page goes to, and the hand-over of a page.
// One back end is built in: libcups where there is a CUPS server to ask
// (it hears back what became of a job), or Qt's printing elsewhere (it
// hands a page over and can tell no more). Every call may wait for the
// printing system as long as its limits allow: none may be made on the
// window's thread.

#include "print/RecordedItem.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <optional>
#include <vector>

namespace dravino {

struct PrintLimits {
    int connectMs = 5000; // to reach the print server
    int silenceMs = 10000; // without a byte from the server
    int totalMs = 30000;  // for the whole exchange, hand-over included
};

// Why a request to the printing system did not give an answer.
enum class PrintFailure {
    None,
    Unreachable, // no print server at the address, or it refused the connection
    NoAnswer,    // connected, but no answer within the limit
    Cancelled,   // given up by the program (the window closed)
    Refused,     // the printing system answered with an error
};

// Why a printer or a job did not do as asked: the causes a technician may
// meet, each in the program's own terms, and any other in the printing
// system's words.
struct PrintReason {
    enum Cause {
        Paused,
        Offline,
        MediaEmpty,
        MediaJam,
        DoorOpen,
        TonerEmpty,
        InkEmpty,
        RejectingJobs,
        PageIncomplete, // the job never received the whole page
        NotTaken,       // the printer did not take the page, and says no more
        JobCancelled,
        JobAborted,
        NoSuchPrinter,
        ConnectionRefused,
        HostUnreachable,
        Words, // none of these: words says it
    };
    struct Part {
        Cause cause = Words;
        QString words;
        bool operator==(const Part &) const = default;
    };
    QList<Part> parts;

    PrintReason() = default;
    PrintReason(Cause cause) { parts.append(Part{cause, {}}); }
    static PrintReason said(const QString &words)
    {
        PrintReason r;
        if (!words.isEmpty())
            r.parts.append(Part{Words, words});
        return r;
    }
    bool isEmpty() const { return parts.isEmpty(); }
    bool operator==(const PrintReason &) const = default;
};

struct PrintQueue {
    QString name;
    QString port;           // where it prints: the device, or the location
    bool accepting = true;  // takes new jobs
    bool stopped = false;   // holds jobs until it is started again
    PrintReason reason;     // why it does not print, when it says
    bool isDefault = false;
    bool colour = true;     // prints colour (false: greyscale or black and white)
};

struct QueueLookup {
    std::optional<PrintQueue> queue; // nothing: no such queue, or no default
    PrintFailure failure = PrintFailure::None;
    PrintReason reason; // when it failed
};

struct QueueList {
    std::vector<PrintQueue> queues;
    PrintFailure failure = PrintFailure::None;
    PrintReason reason;
};

// A page as a printer takes it: the PDF, and what it draws for a printer
// that is given drawing instead.
struct PrintDocument {
    QByteArray pdf;
    QList<RecordedItem> drawing;
    QString title = QStringLiteral("Dravino");
};

struct SubmittedJob {
    int id = 0;
    enum State {
        NotTaken,    // the printer does not hold the page
        Held,        // it holds it, and keeps it until the queue runs again
        Pending,     // it holds it: waiting, printing or printed
        Processing,
        Completed,
        Unconfirmed, // taken whole, but its state never came back
        Sent,        // handed over to a printing system that tells no more
    } state = NotTaken;
    PrintFailure failure = PrintFailure::None;
    PrintReason reason; // why it was not taken
};

class PrintBackend
{
public:
    virtual ~PrintBackend() = default;

    // The queue named (empty: the default one); a named queue that is not
    // there is refused (NoSuchPrinter).
    virtual QueueLookup find(const QString &name, const PrintLimits &limits, const std::atomic_bool *cancel) = 0;
    // Every queue there is, the default marked.
    virtual QueueList list(const PrintLimits &limits, const std::atomic_bool *cancel) = 0;
    // Hands the page to queue; where the back end can ask, it hears back
    // that the job holds all of it.
    virtual SubmittedJob submit(const QString &queue, const PrintDocument &page, const PrintLimits &limits,
                                const std::atomic_bool *cancel) = 0;
    // Requests whose cancel flag is set give up at once.
    virtual void cancel() = 0;
    // Every request under way gives up at once, and every later one fails:
    // the program is ending (false takes that back, for tests).
    virtual void abandon(bool abandon = true) = 0;
};

// The back end this build prints with. The first call may load it (the
// CUPS back end is a module of its own, so that libcups and its libraries
// cost start-up nothing): never on the window's thread.
PrintBackend &printBackend();

// What the program learnt of each queue's colour, as lookups and lists
// found it (any thread): a page for a queue that prints no colour is drawn
// for it. The empty name is the default queue. Nothing where no lookup
// has told yet.
void rememberQueue(const PrintQueue &queue, bool isTheDefault);
std::optional<bool> queuePrintsColour(const QString &name);

// The back end's cancel() and abandon(), on any thread: nothing to do where
// it was never loaded (one loaded later starts abandoned).
void cancelPrintRequests();
void abandonPrintRequests(bool abandon = true);

} // namespace dravino
