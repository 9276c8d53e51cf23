// The back end of a build without CUPS (Windows): Qt's printing. It lists
// the printers Qt knows and draws the page on the one chosen; what becomes
// of the job there, Qt does not tell, so a page handed over is "sent",
// never "printed". Qt's calls take no time limit of their own: each runs
// on a thread of its own, which the back end keeps and waits for at the
// program's end. A call that outlasts the limit before the page is handed
// over gives the page up (it goes on as if the printer did not answer: the
// drawing, when it starts, draws nothing); once the page is being handed
// over it may still print, and is told sent, not confirmed, never saved
// as well.

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
#include <mutex>
#include <thread>
#include <vector>

namespace dravino {

namespace {

std::atomic_bool g_abandoned{false};
// How long the program's end waits for Qt's calls under way.
constexpr int kEndWaitMs = 5000;

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
    const QList<QPrinter::ColorMode> modes = info.supportedColorModes();
    q.colour = modes.isEmpty() || modes.contains(QPrinter::Color);
    return q;
}

// The threads Qt's calls run on, each with whether it has ended: the ended
// ones joined as new ones come, all of them at the program's end.
class Calls
{
public:
    void start(std::function<void()> work)
    {
        auto ended = std::make_shared<std::atomic_bool>(false);
        std::thread thread([ended, work = std::move(work)] {
            work();
            *ended = true;
        });
        const std::lock_guard lock(m_mutex);
        reap();
        m_threads.emplace_back(std::move(thread), ended);
    }
    // Waits for every call under way to end, up to waitMs in all; one that
    // does not (a print server that never answers Qt) is let go, and the
    // process's end takes it.
    void joinAll(int waitMs)
    {
        std::vector<std::pair<std::thread, std::shared_ptr<std::atomic_bool>>> threads;
        {
            const std::lock_guard lock(m_mutex);
            threads.swap(m_threads);
        }
        QElapsedTimer clock;
        clock.start();
        for (auto &[thread, ended] : threads) {
            while (!*ended && clock.elapsed() < waitMs)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            *ended ? thread.join() : thread.detach();
        }
    }
    ~Calls() { joinAll(0); }

private:
    void reap()
    {
        for (auto it = m_threads.begin(); it != m_threads.end();)
            if (*it->second) {
                it->first.join();
                it = m_threads.erase(it);
            } else {
                ++it;
            }
    }
    std::mutex m_mutex;
    std::vector<std::pair<std::thread, std::shared_ptr<std::atomic_bool>>> m_threads;
};

Calls &calls()
{
    static Calls kept;
    return kept;
}

// A page's drawing on its thread: not begun, handing the page over (it may
// print from here on), or given up before it began.
struct Handover {
    enum Stage { NotBegun, HandingOver, GivenUp };
    std::atomic_int stage{NotBegun};
};

// work's answer, or failure when the limit passed or the page was given up
// first. With handover, a page already being handed over is not given up:
// it is told sent, not confirmed.
template <typename Result>
std::optional<Result> withinLimits(std::function<Result()> work, const PrintLimits &limits,
                                   const std::atomic_bool *cancel, PrintFailure &failure,
                                   const std::shared_ptr<Handover> &handover = {})
{
    auto promise = std::make_shared<std::promise<Result>>();
    std::future<Result> answer = promise->get_future();
    calls().start([promise, work = std::move(work)] { promise->set_value(work()); });
    QElapsedTimer clock;
    clock.start();
    while (answer.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        const bool givingUp = g_abandoned || (cancel && *cancel);
        if (!givingUp && clock.elapsed() < limits.totalMs)
            continue;
        int notBegun = Handover::NotBegun;
        if (handover && !handover->stage.compare_exchange_strong(notBegun, Handover::GivenUp)) {
            // Its drawing has begun: the page may still print.
            failure = PrintFailure::NoAnswer;
            return std::nullopt;
        }
        failure = givingUp ? PrintFailure::Cancelled : PrintFailure::NoAnswer;
        return std::nullopt;
    }
    failure = PrintFailure::None;
    return answer.get();
}

SubmittedJob drawOn(const QString &queue, const PrintDocument &page, Handover &handover)
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
    // From here on the page goes to the printer, unless it was given up first.
    int notBegun = Handover::NotBegun;
    if (!handover.stage.compare_exchange_strong(notBegun, Handover::HandingOver)) {
        job.failure = PrintFailure::Cancelled;
        return job;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        job.failure = PrintFailure::Refused;
        job.reason = PrintReason::NotTaken;
        return job;
    }
    // The origin is the printable area's top-left, as on the PDF.
    const double scale = printer.resolution() / double(kPageDpi);
    painter.scale(scale, scale);
    // Page after page, as the document drew them.
    for (int p = 0; p < pagesOf(page.drawing); ++p) {
        if (p > 0 && !printer.newPage())
            break;
        paintItems(painter, itemsOfPage(page.drawing, p));
    }
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
        auto handover = std::make_shared<Handover>();
        const auto drawn = withinLimits<SubmittedJob>([queue, page, handover] { return drawOn(queue, page, *handover); }, limits,
                                                      cancel, job.failure, handover);
        if (drawn)
            return *drawn;
        // Given up while it was being handed over: it may print, and is not saved as well.
        if (handover->stage == Handover::HandingOver) {
            job.state = SubmittedJob::Unconfirmed;
            job.failure = PrintFailure::None;
        }
        return job;
    }

    // A call under way looks at its flags every 50 ms.
    void cancel() override {}
    void abandon(bool abandon) override { abandonPrintRequests(abandon); }
};

} // namespace

PrintBackend &printBackend()
{
    static QtPrinterBackend backend;
    return backend;
}

void cancelPrintRequests() {}

void abandonPrintRequests(bool abandon)
{
    g_abandoned = abandon;
    // The program is ending: a page being handed over finishes its drawing
    // first (those not begun give up at once).
    if (abandon)
        calls().joinAll(kEndWaitMs);
}

} // namespace dravino
