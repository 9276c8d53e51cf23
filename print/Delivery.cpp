#include "print/Delivery.h"

#include <QHash>
#include <QMutex>

#include "print/PdfFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace dravino
{

namespace
{
bool cancelled(const std::atomic_bool *cancel) { return cancel && *cancel; }

PrintOutcome abandoned()
{
    PrintOutcome o;
    o.kind = PrintOutcome::Abandoned;
    return o;
}

// A page given up leaves nothing behind, not even a file.
PrintOutcome saveInstead(const PrintOutcome &o, const PrintRequest &r, const std::atomic_bool *cancel)
{
    return cancelled(cancel) ? abandoned() : saveToFolder(r.pdf, r.folder, o);
}
} // namespace

PrintOutcome saveToFolder(const QByteArray &pdf, const QString &folder, PrintOutcome o)
{
    if (folder.isEmpty()) {
        o.kind = PrintOutcome::Failed;
        return o; // fileError stays empty: there was no folder
    }
    const WrittenFile written = writePdf(pdf, folder);
    if (!written.ok()) {
        o.kind = PrintOutcome::Failed;
        o.fileError = written.error;
        return o;
    }
    o.kind = PrintOutcome::SavedToFile;
    o.file = written.path;
    return o;
}

PrintOutcome deliver(const PrintRequest &r, const std::atomic_bool *cancel)
{
    PrintOutcome o;
    if (!isCompletePdf(r.pdf)) {
        o.fileError = QCoreApplication::translate("PdfFile", "La pagina non ha potuto essere disegnata.");
        return o;
    }
    if (!r.saveAs.isEmpty()) {
        const WrittenFile written = replaceFile(r.pdf, r.saveAs, QStringLiteral("PDF"));
        o.kind = written.ok() ? PrintOutcome::SavedToFile : PrintOutcome::Failed;
        o.fileChosen = true;
        o.file = written.path;
        o.fileError = written.error;
        return o;
    }

    PrintBackend &backend = printBackend();
    const QueueLookup found = backend.find(r.printer, r.limits, cancel);
    if (found.failure == PrintFailure::Cancelled || cancelled(cancel))
        return abandoned();
    if (found.queue)
        rememberQueue(*found.queue, r.printer.isEmpty());
    o.device = found.queue ? found.queue->name : r.printer;
    o.port = found.queue ? found.queue->port : QString();
    if (found.failure != PrintFailure::None) {
        o.printerFailure = found.failure;
        o.printerReason = found.reason;
        return saveInstead(o, r, cancel);
    }
    if (!found.queue) // no printer at all: the page becomes a file
        return saveInstead(o, r, cancel);
    if (!found.queue->accepting) {
        o.printerFailure = PrintFailure::Refused;
        o.printerNotAccepting = true;
        o.printerReason = found.queue->reason;
        return saveInstead(o, r, cancel);
    }

    const SubmittedJob job = backend.submit(found.queue->name, {r.pdf, r.drawing, r.title}, r.limits, cancel);
    if (job.failure == PrintFailure::Cancelled)
        return abandoned();
    if (job.state == SubmittedJob::Sent) {
        o.kind = PrintOutcome::Sent;
        return o;
    }
    if (job.state == SubmittedJob::Unconfirmed) {
        o.kind = PrintOutcome::Unconfirmed;
        o.job = job.id;
        o.printerFailure = job.failure;
        return o;
    }
    if (job.state == SubmittedJob::NotTaken) {
        o.printerFailure = job.failure == PrintFailure::None ? PrintFailure::Refused : job.failure;
        o.printerReason = job.reason;
        return saveInstead(o, r, cancel);
    }
    o.kind = job.state == SubmittedJob::Held || found.queue->stopped ? PrintOutcome::Held : PrintOutcome::Printed;
    if (o.kind == PrintOutcome::Held)
        o.printerReason = found.queue->reason;
    return o;
}

namespace {
QMutex g_coloursLock;
QHash<QString, bool> g_colours;
} // namespace

void rememberQueue(const PrintQueue &queue, bool isTheDefault)
{
    const QMutexLocker lock(&g_coloursLock);
    g_colours.insert(queue.name, queue.colour);
    if (isTheDefault || queue.isDefault)
        g_colours.insert(QString(), queue.colour);
}

std::optional<bool> queuePrintsColour(const QString &name)
{
    const QMutexLocker lock(&g_coloursLock);
    const auto found = g_colours.constFind(name);
    return found == g_colours.cend() ? std::nullopt : std::optional<bool>(*found);
}

} // namespace dravino
