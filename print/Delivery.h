#pragma once
// Where a drawn page goes, and what became of it. deliver() hands the page
// to a printer (the default one or one named) and, where the printing
// system tells, hears it confirm the job; a page no printer takes, because there is none, the print server
// cannot be reached or does not answer, or the queue refuses it, is saved
// as a PDF file instead, so that it is never lost. It blocks for as long as
// the limits allow: call it off the window's thread (ui/printjob).

#include "print/PrintBackend.h"

#include <QByteArray>
#include <QString>
#include <atomic>

namespace dravino {

struct PrintRequest {
    QByteArray pdf;
    QList<RecordedItem> drawing; // the page for a printer given drawing, not the PDF
    QString title = QStringLiteral("Dravino");
    QString printer;  // empty: the default printer
    QString saveAs;   // a file chosen by the user (who agreed to replace it): written there, no printer
    QString folder;   // where a page no printer takes is saved (empty: nowhere)
    PrintLimits limits;
};

struct PrintOutcome {
    enum Kind {
        Printed,     // the printer holds the whole page
        Held,        // ... and keeps it until the queue runs again
        Unconfirmed, // handed to the printer whole as job, its state never told
        Sent,        // handed to a printing system that tells no more
        SavedToFile, // the page is in file
        Failed,      // the page is nowhere
        Abandoned,   // given up because the program is ending
    } kind = Failed;
    QString device;  // the printer, when one was found
    QString port;    // its device URI or location
    int job = 0;     // the print server's job, where it is not confirmed
    QString file;    // the PDF written
    // Why no printer took the page (None: there was no printer to ask).
    PrintFailure printerFailure = PrintFailure::None;
    PrintReason printerReason;
    bool printerNotAccepting = false;
    QString fileError; // why the file could not be written
    bool fileChosen = false; // the file is the one the user chose
};

PrintOutcome deliver(const PrintRequest &request, const std::atomic_bool *cancel = nullptr);

// The page saved in folder as Dravino.pdf, Dravino (2).pdf, ... (Failed
// without a folder); what happened at a printer before stays in base.
PrintOutcome saveToFolder(const QByteArray &pdf, const QString &folder, PrintOutcome base = {});

} // namespace dravino
