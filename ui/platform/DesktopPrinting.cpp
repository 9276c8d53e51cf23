// Pages drawn by Qt into a PDF, handed to the printing system's back end
// (or into the documents folder) by a print job off the window's thread.

#include "ui/Platform.h"

#include "print/PdfFile.h"
#include "print/PrintBackend.h"
#include "print/QtPrintSurface.h"
#include "ui/printjob/PrintJob.h"

#include <QDir>

namespace dravino {

PrinterName DesktopPlatform::printer()
{
    const QueueLookup found = printBackend().find({}, printLimits(), nullptr);
    if (found.queue) {
        rememberQueue(*found.queue, true);
        return {found.queue->name, found.queue->port};
    }
    if (found.failure != PrintFailure::None)
        return {QCoreApplication::translate("dravino::Platform", "stampante predefinita"),
                QCoreApplication::translate("dravino::Platform", "il server di stampa non risponde")};
    const QString folder = pdfFolder();
    return {QCoreApplication::translate("QtPrintSurface", "nessuna stampante (file PDF)"),
            folder.isEmpty() ? QCoreApplication::translate("QtPrintSurface", "nessuna cartella")
                             : QDir::toNativeSeparators(folder)};
}

void DesktopPlatform::listPrinters(QObject *context, std::function<void(const QueueList &)> done)
{
    startQueueListing(context, std::move(done));
}

std::unique_ptr<PrintSurface> DesktopPlatform::newPage()
{
    return std::make_unique<QtPrintSurface>();
}

void DesktopPlatform::print(PrintSurface &page, PrintRequest request, QObject *context,
                            std::function<void(const PrintOutcome &)> done)
{
    // A page that makes no PDF: the job says it could not be drawn.
    request.pdf = page.pdf();
    request.drawing = page.drawing();
    if (request.folder.isEmpty() && request.saveAs.isEmpty())
        request.folder = pdfFolder();
    request.limits = printLimits();
    startPrintJob(std::move(request), context, std::move(done));
}

} // namespace dravino
