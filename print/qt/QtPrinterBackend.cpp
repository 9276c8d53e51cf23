// The back end of a build without CUPS (Windows): Qt's printing. It lists
// the printers Qt knows and draws the page on the one chosen; what becomes
// of the job there, Qt does not tell, so a page handed over is "sent",
// never "printed". Qt's calls take no time limit of their own: each runs
// on a thread of its own, and a call that outlasts the limit is left to
// end by itself while the page goes on as if the printer did not answer.

#include "print/PageImage.h"
#include "print/PrintBackend.h"

#include <QElapsedTimer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <chrono>
#include <future>
#include <thread>

namespace dravino {

namespace {

std::atomic_bool g_abandoned{false};

PrintQueue queueOf(const QPrinterInfo &info)
{
    PrintQueue q;
    q.name = info.printerName();
    q.port = info.location();
    if (q.port.isEmpty())
        q.port = info.makeAndModel();
    if (q.port.isEmpty())
        q.port = QStringLiteral("Qt");
    q.isDefault = info.isDefault();
    return q;
}

// work's answer, or failure when the limit passed or the page was given up
// first.
template <typename Result>
std::optional<Result> withinLimits(std::function<Result()> work, const PrintLimits &limits,
                                   const std::atomic_bool *cancel, PrintFailure &failure)
{
    auto promise = std::make_shared<std::promise<Result>>();
    std::future<Result> answer = promise->get_future();
    std::thread([promise, work = std::move(work)] { promise->set_value(work()); }).detach();
    QElapsedTimer clock;
    clock.start();
    while (answer.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        if (g_abandoned || (cancel && *cancel)) {
            failure = PrintFailure::Cancelled;
            return std::nullopt;
        }
        if (clock.elapsed() >= limits.totalMs) {
            failure = PrintFailure::NoAnswer;
            return std::nullopt;
        }
    }
    failure = PrintFailure::None;
    return answer.get();
}

SubmittedJob drawOn(const QString &queue, const PrintDocument &page)
{
    SubmittedJob job;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    if (!printer.isValid() || printer.printerName() != queue) {
        job.failure = PrintFailure::Refused;
        job.reason = PrintReason::NoSuchPrinter;
        return job;
    }
    printer.setDocName(page.title);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kPageMarginPoints, kPageMarginPoints, kPageMarginPoints,
                                                kPageMarginPoints),
                                      QPageLayout::Point));
    QPainter painter;
    if (!painter.begin(&printer)) {
        job.failure = PrintFailure::Refused;
        job.reason = PrintReason::NotTaken;
        return job;
    }
    // The origin is the printable area's top-left, as on the PDF.
    const double scale = printer.resolution() / double(kPageDpi);
    painter.scale(scale, scale);
    paintItems(painter, page.drawing);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        job.failure = PrintFailure::Refused;
        job.reason = PrintReason::NotTaken;
        return job;
    }
    job.state = SubmittedJob::Sent;
    return job;
}

class QtPrinterBackend final : public PrintBackend
{
public:
    QueueLookup find(const QString &name, const PrintLimits &limits, const std::atomic_bool *cancel) override
    {
        QueueLookup out;
        const auto found = withinLimits<std::optional<PrintQueue>>(
            [name]() -> std::optional<PrintQueue> {
                const QPrinterInfo info = name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
                if (info.isNull())
                    return std::nullopt;
                PrintQueue q = queueOf(info);
                q.isDefault = q.isDefault || name.isEmpty();
                return q;
            },
            limits, cancel, out.failure);
        if (!found)
            return out;
        out.queue = *found;
        // No default at all is an answer; a printer asked for by name that
        // is not there is a refusal.
        if (!out.queue && !name.isEmpty()) {
            out.failure = PrintFailure::Refused;
            out.reason = PrintReason::NoSuchPrinter;
        }
        return out;
    }

    QueueList list(const PrintLimits &limits, const std::atomic_bool *cancel) override
    {
        QueueList out;
        const auto found = withinLimits<std::vector<PrintQueue>>(
            [] {
                std::vector<PrintQueue> queues;
                for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
                    queues.push_back(queueOf(info));
                return queues;
            },
            limits, cancel, out.failure);
        if (found)
            out.queues = *found;
        return out;
    }

    SubmittedJob submit(const QString &queue, const PrintDocument &page, const PrintLimits &limits,
                        const std::atomic_bool *cancel) override
    {
        SubmittedJob job;
        const auto drawn = withinLimits<SubmittedJob>([queue, page] { return drawOn(queue, page); }, limits, cancel,
                                                      job.failure);
        return drawn ? *drawn : job;
    }

    // A call under way looks at its flags every 50 ms.
    void cancel() override {}
    void abandon(bool abandon) override { g_abandoned = abandon; }
};

} // namespace

PrintBackend &printBackend()
{
    static QtPrinterBackend backend;
    return backend;
}

void cancelPrintRequests() {}
void abandonPrintRequests(bool abandon) { g_abandoned = abandon; }

} // namespace dravino
