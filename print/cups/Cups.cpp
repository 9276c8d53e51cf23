#include "print/cups/Cups.h"

#include <QElapsedTimer>
#include <QStringList>

#include <cerrno>
#include <ctime>
#include <mutex>
#include <set>
#include <sys/socket.h>
#include <cstring>
#include <cups/cups.h>
#include <string>
#include <cups/ipp.h>

namespace dravino
{

namespace
{

std::atomic_bool g_abandoned{false};


class Session;
// The sessions under way, so that a page given up can be woken from
// another thread: libcups waits up to a second in places where it asks no
// callback.
struct Sessions {
    std::mutex mutex;
    std::set<Session *> open;
};
Sessions &sessions()
{
    static auto *s = new Sessions;
    return *s;
}

// One connection to the print server, given up when the program cancels or
// the exchange has taken its whole time.
class Session
{
public:
    Session(const PrintLimits &limits, const std::atomic_bool *cancel) : m_limits(limits), m_cancel(cancel)
    {
        m_clock.start();
    }
    ~Session()
    {
        {
            std::lock_guard lock(sessions().mutex);
            sessions().open.erase(this);
        }
        if (m_http)
            httpClose(m_http);
    }

    // Shuts the connection when this session is given up: whatever libcups
    // waits for ends at once.
    void interruptIfGivenUp()
    {
        if (m_http && givenUp())
            ::shutdown(httpGetFd(m_http), SHUT_RDWR);
    }
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    bool open()
    {
        if (givenUp())
            return false;
        errno = 0;
        // libcups keeps the server it was told of per thread: a worker kept
        // for the next task reads it again (CUPS_SERVER, client.conf) each time.
        cupsSetServer(nullptr);
        ippSetPort(0);
        const std::string server = cupsServer();
        const int port = ippPort();
        m_http = httpConnect2(server.c_str(), port, nullptr, AF_UNSPEC, cupsEncryption(), 1, m_limits.connectMs, nullptr);
        if (!m_http) {
            // A connection that never completes is a server that does not answer.
            m_connectError = m_clock.elapsed() >= m_limits.connectMs - 50 ? ETIMEDOUT : (errno ? errno : ECONNREFUSED);
            return false;
        }
        // libcups asks every 50 ms while it waits for the server, so that
        // a page given up stops waiting at once.
        httpSetTimeout(m_http, 0.05, &Session::keepWaiting, this);
        // Registered, then asked: a page given up meanwhile is either found
        // here or by interruptCupsRequests(), which sets the flag first.
        std::lock_guard lock(sessions().mutex);
        sessions().open.insert(this);
        interruptIfGivenUp();
        return true;
    }
    http_t *http() const { return m_http; }

    // Why the last request failed.
    PrintFailure failure() const
    {
        if (m_cancelled || g_abandoned)
            return PrintFailure::Cancelled;
        if (!m_http)
            return m_connectError == ETIMEDOUT ? PrintFailure::NoAnswer : PrintFailure::Unreachable;
        if (m_timedOut)
            return PrintFailure::NoAnswer;
        // No answer at all (the connection closed, say) is not a refusal.
        const ipp_status_t status = cupsLastError();
        if (httpError(m_http) != 0 || status == IPP_STATUS_ERROR_INTERNAL
            || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
            return PrintFailure::Unreachable;
        return PrintFailure::Refused;
    }
    bool timedOut() const { return m_timedOut; }
    PrintReason reason() const
    {
        // The system's words for a connection are in the C library's
        // language and often say nothing ("Bad file descriptor"): only the
        // two a technician can act on are passed on, as CUPS-like keywords.
        if (!m_http && m_connectError)
            return m_connectError == ECONNREFUSED                                  ? PrintReason(PrintReason::ConnectionRefused)
                : m_connectError == EHOSTUNREACH || m_connectError == ENETUNREACH ? PrintReason(PrintReason::HostUnreachable)
                                                                                   : PrintReason();
        return cupsReason(QString::fromUtf8(cupsLastErrorString()));
    }

private:
    bool givenUp() const { return g_abandoned || (m_cancel && *m_cancel); }

    static int keepWaiting(http_t *http, void *data)
    {
        auto *s = static_cast<Session *>(data);
        if (s->givenUp()) {
            s->m_cancelled = true;
            return 0;
        }
        // A server silent for long is not answering, well before the whole time is up.
        const bool silent = std::difftime(std::time(nullptr), httpGetActivity(http)) * 1000 >= s->m_limits.silenceMs;
        if (silent || s->m_clock.elapsed() >= s->m_limits.totalMs) {
            s->m_timedOut = true;
            return 0;
        }
        return 1;
    }

    PrintLimits m_limits;
    const std::atomic_bool *m_cancel;
    QElapsedTimer m_clock;
    http_t *m_http = nullptr;
    int m_connectError = 0;
    bool m_timedOut = false;
    bool m_cancelled = false;
};

const char *const kQueueAttributes[] = {"printer-name",  "device-uri",   "printer-location",
                                        "printer-is-accepting-jobs", "printer-state", "printer-state-message",
                                        "printer-state-reasons", "color-supported"};

QString text(ipp_t *response, const char *name)
{
    ipp_attribute_t *a = ippFindAttribute(response, name, IPP_TAG_ZERO);
    if (!a)
        return {};
    QStringList values;
    for (int i = 0; i < ippGetCount(a); ++i)
        if (const char *v = ippGetString(a, i, nullptr))
            values << QString::fromUtf8(v);
    return values.join(QLatin1Char(','));
}

// The queue described by the attributes from start on (one printer's group).
PrintQueue queueFrom(ipp_t *response)
{
    PrintQueue q;
    q.name = text(response, "printer-name");
    q.port = text(response, "device-uri");
    if (q.port.isEmpty())
        q.port = text(response, "printer-location");
    if (q.port.isEmpty())
        q.port = QStringLiteral("CUPS");
    if (ipp_attribute_t *a = ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        q.accepting = ippGetBoolean(a, 0) != 0;
    q.stopped = ippGetInteger(ippFindAttribute(response, "printer-state", IPP_TAG_ENUM), 0) == IPP_PSTATE_STOPPED;
    // (a queue that does not say prints colour: the page as designed)
    if (ipp_attribute_t *a = ippFindAttribute(response, "color-supported", IPP_TAG_BOOLEAN))
        q.colour = ippGetBoolean(a, 0) != 0;
    QString why = text(response, "printer-state-message");
    if (why.isEmpty())
        why = text(response, "printer-state-reasons");
    q.reason = cupsReason(why);
    return q;
}

ipp_t *request(ipp_op_t op)
{
    ipp_t *r = ippNewRequest(op);
    ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddStrings(r, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(sizeof kQueueAttributes / sizeof *kQueueAttributes), nullptr, kQueueAttributes);
    return r;
}

QByteArray printerUri(const QByteArray &queue)
{
    char uri[1024];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     queue.constData());
    return uri;
}

// The server's default queue: its name, or empty when it has none;
// nothing when the server gave no answer.
std::optional<QString> serverDefault(Session &s)
{
    ipp_t *response = cupsDoRequest(s.http(), request(IPP_OP_CUPS_GET_DEFAULT), "/");
    if (!response)
        return std::nullopt;
    const QString name = ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING ? text(response, "printer-name") : QString();
    ippDelete(response);
    return name;
}

QString defaultFromEnvironment()
{
    for (const char *variable : {"LPDEST", "PRINTER"}) {
        const QString v = qEnvironmentVariable(variable);
        if (!v.isEmpty() && v != QLatin1String("lp"))
            return v.section(QLatin1Char('/'), 0, 0); // no instance
    }
    return {};
}

// What CUPS says of the job now; why, when it does not hold the whole page.
SubmittedJob::State jobState(Session &s, const QByteArray &queue, int id, bool &answered, PrintReason &why)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(queue).constData());
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    static const char *const wanted[] = {"job-state", "job-state-reasons"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    ipp_t *response = cupsDoRequest(s.http(), request, "/");
    answered = response != nullptr;
    if (!response)
        return SubmittedJob::NotTaken;
    // A job finished and already forgotten has its whole document.
    if (ippGetStatusCode(response) == IPP_STATUS_ERROR_NOT_FOUND) {
        ippDelete(response);
        return SubmittedJob::Completed;
    }
    const int state = ippGetInteger(ippFindAttribute(response, "job-state", IPP_TAG_ENUM), 0);
    QStringList reasons;
    if (ipp_attribute_t *said = ippFindAttribute(response, "job-state-reasons", IPP_TAG_KEYWORD))
        for (int i = 0; i < ippGetCount(said); ++i)
            reasons << QString::fromUtf8(ippGetString(said, i, nullptr));
    ippDelete(response);
    return jobStateOf(state, reasons, why);
}

} // namespace

PrintReason cupsReason(const QString &words)
{
    static const std::pair<const char *, PrintReason::Cause> known[] = {
        {"paused", PrintReason::Paused},
        {"Paused", PrintReason::Paused},
        {"offline", PrintReason::Offline},
        {"media-empty", PrintReason::MediaEmpty},
        {"media-jam", PrintReason::MediaJam},
        {"door-open", PrintReason::DoorOpen},
        {"toner-empty", PrintReason::TonerEmpty},
        {"marker-supply-empty", PrintReason::InkEmpty},
        {"Rejecting Jobs", PrintReason::RejectingJobs},
        {"job-incoming", PrintReason::PageIncomplete},
        {"job-canceled", PrintReason::JobCancelled},
        {"job-aborted", PrintReason::JobAborted},
        {"client-error-not-found", PrintReason::NoSuchPrinter},
        {"connection-refused", PrintReason::ConnectionRefused},
        {"host-unreachable", PrintReason::HostUnreachable},
    };
    PrintReason out;
    for (const QString &part : words.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString said = part.trimmed();
        // CUPS says "Success" of a request it gave no answer to.
        if (said.isEmpty() || said == QLatin1String("none") || said == QLatin1String("Success")
            || said == QLatin1String("successful-ok"))
            continue;
        QString keyword = said;
        for (const char *severity : {"-error", "-warning", "-report"})
            if (keyword.endsWith(QLatin1String(severity)))
                keyword.chop(int(qstrlen(severity)));
        PrintReason::Part p{PrintReason::Words, said};
        for (const auto &[cups, cause] : known)
            if (keyword == QLatin1String(cups))
                p = {cause, {}};
        out.parts.append(p);
    }
    return out;
}

SubmittedJob::State jobStateOf(int state, const QStringList &reasons, PrintReason &why)
{
    // A job still receiving its document does not hold the whole page.
    if (reasons.contains(QLatin1String("job-incoming"))) {
        why = PrintReason::PageIncomplete;
        return SubmittedJob::NotTaken;
    }
    switch (state) {
    case IPP_JSTATE_PENDING:
        return reasons.contains(QLatin1String("printer-stopped")) ? SubmittedJob::Held : SubmittedJob::Pending;
    case IPP_JSTATE_HELD:
    case IPP_JSTATE_STOPPED:
        return SubmittedJob::Held;
    case IPP_JSTATE_PROCESSING:
        return SubmittedJob::Processing;
    case IPP_JSTATE_COMPLETED:
        return SubmittedJob::Completed;
    default:
        why = state == IPP_JSTATE_CANCELED ? PrintReason::JobCancelled : PrintReason::JobAborted;
        return SubmittedJob::NotTaken;
    }
}

QueueLookup lookUpQueue(const QString &name, const PrintLimits &limits, const std::atomic_bool *cancel)
{
    Session s(limits, cancel);
    if (!s.open())
        return {std::nullopt, s.failure(), s.reason()};
    QString wanted = name.isEmpty() ? defaultFromEnvironment() : name;
    if (wanted.isEmpty()) {
        const auto fromServer = serverDefault(s);
        if (!fromServer)
            return {std::nullopt, s.failure(), s.reason()};
        if (fromServer->isEmpty())
            return {}; // no printer at all: an answer, not a failure
        wanted = *fromServer;
    }
    ipp_t *req = request(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(req, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(wanted.toUtf8()).constData());
    ipp_t *response = cupsDoRequest(s.http(), req, "/");
    if (!response)
        return {std::nullopt, s.failure(), s.reason()};
    const ipp_status_t status = ippGetStatusCode(response);
    std::optional<PrintQueue> queue;
    if (status <= IPP_STATUS_OK_CONFLICTING) {
        queue = queueFrom(response);
        if (queue->name.isEmpty())
            queue->name = wanted;
        queue->isDefault = name.isEmpty();
    }
    ippDelete(response);
    // No default at all is an answer; a queue asked for by name that is not
    // there is a refusal.
    if (!queue && (status != IPP_STATUS_ERROR_NOT_FOUND || !name.isEmpty()))
        return {std::nullopt, PrintFailure::Refused, cupsReason(QString::fromUtf8(ippErrorString(status)))};
    return {queue, PrintFailure::None, {}};
}

QueueList listQueues(const PrintLimits &limits, const std::atomic_bool *cancel)
{
    Session s(limits, cancel);
    if (!s.open())
        return {{}, s.failure(), s.reason()};
    const auto fallback = serverDefault(s);
    if (!fallback)
        return {{}, s.failure(), s.reason()};
    const QString byDefault = defaultFromEnvironment().isEmpty() ? *fallback : defaultFromEnvironment();
    ipp_t *response = cupsDoRequest(s.http(), request(IPP_OP_CUPS_GET_PRINTERS), "/");
    if (!response)
        return {{}, s.failure(), s.reason()};
    QueueList out;
    // One group of attributes per printer, separated by a group tag.
    ipp_t *one = nullptr;
    const auto flush = [&] {
        if (one) {
            PrintQueue q = queueFrom(one);
            q.isDefault = q.name == byDefault;
            if (!q.name.isEmpty())
                out.queues.push_back(q);
            ippDelete(one);
            one = nullptr;
        }
    };
    for (ipp_attribute_t *a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
        if (ippGetGroupTag(a) != IPP_TAG_PRINTER) {
            flush();
            continue;
        }
        if (!one)
            one = ippNew();
        ippCopyAttribute(one, a, 0);
    }
    flush();
    ippDelete(response);
    return out;
}

namespace {
// A job made but not given its whole page is cancelled, on a connection of
// its own (the job's may be what failed), so that no empty or partial job
// waits in the queue; nothing when the program is ending.
void cancelJob(const QByteArray &queue, int id, const PrintLimits &limits)
{
    PrintLimits brief = limits;
    brief.connectMs = std::min(limits.connectMs, 2000);
    brief.silenceMs = std::min(limits.silenceMs, 2000);
    brief.totalMs = std::min(limits.totalMs, 3000);
    Session s(brief, nullptr);
    if (s.open())
        cupsCancelJob2(s.http(), queue.constData(), id, 0);
}
} // namespace

SubmittedJob submitPdf(const QString &queue, const QByteArray &pdf, const QString &title, const PrintLimits &limits,
                  const std::atomic_bool *cancel)
{
    Session s(limits, cancel);
    SubmittedJob job;
    const auto failed = [&] {
        job.state = SubmittedJob::NotTaken;
        job.failure = s.failure();
        job.reason = s.reason();
        return job;
    };
    if (!s.open())
        return failed();
    const QByteArray name = queue.toUtf8();
    const QByteArray docName = title.toUtf8();
    job.id = cupsCreateJob(s.http(), name.constData(), docName.constData(), 0, nullptr);
    if (job.id <= 0)
        return failed();
    const auto failedAfterCreating = [&] {
        failed();
        if (job.failure != PrintFailure::Cancelled || !g_abandoned)
            cancelJob(name, job.id, limits);
        return job;
    };
    // The page streams from memory: no file waits anywhere for CUPS.
    if (cupsStartDocument(s.http(), name.constData(), job.id, docName.constData(), CUPS_FORMAT_AUTO, 1)
        != HTTP_STATUS_CONTINUE)
        return failedAfterCreating();
    constexpr qsizetype kChunk = 64 * 1024;
    for (qsizetype at = 0; at < pdf.size(); at += kChunk) {
        if (cupsWriteRequestData(s.http(), pdf.constData() + at, size_t(std::min(kChunk, pdf.size() - at)))
            != HTTP_STATUS_CONTINUE)
            return failedAfterCreating();
    }
    // The whole page sent: a server that then refuses it has not got it; one
    // whose answer never came may well print it, and is not to be told
    // otherwise (nor the page saved again).
    const ipp_status_t finished = cupsFinishDocument(s.http(), name.constData());
    if (s.timedOut() || (finished > IPP_STATUS_OK_CONFLICTING && s.failure() != PrintFailure::Refused)) {
        if (s.failure() == PrintFailure::Cancelled)
            return failedAfterCreating();
        // Asked again on a connection of its own: a job still waiting for
        // its page did not get it; one that has it, or no answer, is not a
        // page to save again.
        PrintLimits brief = limits;
        brief.totalMs = std::min(limits.totalMs, 5000);
        Session again(brief, cancel);
        bool answered = false;
        PrintReason why;
        const SubmittedJob::State state = again.open() ? jobState(again, name, job.id, answered, why) : SubmittedJob::NotTaken;
        if (answered && state == SubmittedJob::NotTaken)
            return failedAfterCreating();
        const int id = job.id;
        failed();
        job.id = id;
        if (answered) {
            job.state = state;
            job.failure = PrintFailure::None;
            job.reason = {};
        } else {
            job.state = SubmittedJob::Unconfirmed;
        }
        return job;
    }
    if (finished > IPP_STATUS_OK_CONFLICTING)
        return failedAfterCreating();
    bool answered = false;
    PrintReason why;
    job.state = jobState(s, name, job.id, answered, why);
    if (!answered) {
        // Handed over whole: not to be saved again as if it were lost.
        const int id = job.id;
        failed();
        job.id = id;
        if (job.failure != PrintFailure::Cancelled)
            job.state = SubmittedJob::Unconfirmed;
        return job;
    }
    if (job.state == SubmittedJob::NotTaken) {
        job.failure = PrintFailure::Refused;
        job.reason = why;
    }
    return job;
}

void interruptCupsRequests()
{
    std::lock_guard lock(sessions().mutex);
    for (Session *s : sessions().open)
        s->interruptIfGivenUp();
}

void abandonCupsRequests(bool abandon)
{
    g_abandoned = abandon;
    interruptCupsRequests();
}

} // namespace dravino
