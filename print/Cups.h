#pragma once
// The few things Dravino asks of CUPS, through libcups itself so that the
// answer comes back: which queue is the default and whether it takes jobs,
// and the submission of a finished PDF with the job's number or CUPS's
// reason for refusing it. Qt's own CUPS engine drops that result.

#include <QString>
#include <optional>

namespace dravino {

struct CupsQueue {
    QString name;
    QString port;           // the device URI, or the location
    bool accepting = true;  // takes new jobs
    bool stopped = false;   // holds jobs until it is started again
    QString reason;         // the queue's state message, when it has one
};

// The default queue (PRINTER and LPDEST first, then the user's and the
// server's default); nothing without a scheduler or a default. One request.
std::optional<CupsQueue> defaultCupsQueue();

struct CupsJob {
    int id = 0;    // 0 when CUPS did not take the job
    QString error; // CUPS's reason, when id is 0
};

// Submits a PDF file; CUPS has read the file when this returns.
CupsJob submitPdf(const QString &queue, const QString &pdfFile, const QString &title);

} // namespace dravino
