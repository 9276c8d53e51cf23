#include "print/Cups.h"

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
    Session(const CupsLimits &limits, const std::atomic_bool *cancel) : m_limits(limits), m_cancel(cancel)
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
    CupsFailure failure() const
    {
        if (m_cancelled || g_abandoned)
            return CupsFailure::Cancelled;
        if (!m_http)
            return m_connectError == ETIMEDOUT ? CupsFailure::NoAnswer : CupsFailure::Unreachable;
        if (m_timedOut)
            return CupsFailure::NoAnswer;
        // No answer at all (the connection closed, say) is not a refusal.
        const ipp_status_t status = cupsLastError();
        if (httpError(m_http) != 0 || status == IPP_STATUS_ERROR_INTERNAL
            || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
            return CupsFailure::Unreachable;
        return CupsFailure::Refused;
    }
    bool timedOut() const { return m_timedOut; }
    QString reason() const
    {
        // The system's words for a connection are in the C library's
        // language and often say nothing ("Bad file descriptor"): only the
        // two a technician can act on are passed on, as CUPS-like keywords.
        if (!m_http && m_connectError)
            return m_connectError == ECONNREFUSED                                  ? QStringLiteral("connection-refused")
                : m_connectError == EHOSTUNREACH || m_connectError == ENETUNREACH ? QStringLiteral("host-unreachable")
                                                                                   : QString();
        return QString::fromUtf8(cupsLastErrorString());
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

    CupsLimits m_limits;
    const std::atomic_bool *m_cancel;
    QElapsedTimer m_clock;
    http_t *m_http = nullptr;
    int m_connectError = 0;
    bool m_timedOut = false;
    bool m_cancelled = false;
};

const char *const kQueueAttributes[] = {"printer-name",  "device-uri",   "printer-location",
                                        "printer-is-accepting-jobs", "printer-state", "printer-state-message",
                                        "printer-state-reasons"};

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
CupsQueue queueFrom(ipp_t *response)
{
    CupsQueue q;
    q.name = text(response, "printer-name");
    q.port = text(response, "device-uri");
    if (q.port.isEmpty())
        q.port = text(response, "printer-location");
    if (q.port.isEmpty())
        q.port = QStringLiteral("CUPS");
    if (ipp_attribute_t *a = ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        q.accepting = ippGetBoolean(a, 0) != 0;
    q.stopped = ippGetInteger(ippFindAttribute(response, "printer-state", IPP_TAG_ENUM), 0) == IPP_PSTATE_STOPPED;
    q.reason = text(response, "printer-state-message");
    if (q.reason.isEmpty())
        q.reason = text(response, "printer-state-reasons");
    if (q.reason == QLatin1String("none"))
        q.reason.clear();
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
CupsJob::State jobState(Session &s, const QByteArray &queue, int id, bool &answered, QString &why)
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
        return CupsJob::NotTaken;
    // A job finished and already forgotten has its whole document.
    if (ippGetStatusCode(response) == IPP_STATUS_ERROR_NOT_FOUND) {
        ippDelete(response);
        return CupsJob::Completed;
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

CupsJob::State jobStateOf(int state, const QStringList &reasons, QString &why)
{
    // A job still receiving its document does not hold the whole page.
    if (reasons.contains(QLatin1String("job-incoming"))) {
        why = QStringLiteral("job-incoming");
        return CupsJob::NotTaken;
    }
    switch (state) {
    case IPP_JSTATE_PENDING:
        return reasons.contains(QLatin1String("printer-stopped")) ? CupsJob::Held : CupsJob::Pending;
    case IPP_JSTATE_HELD:
    case IPP_JSTATE_STOPPED:
        return CupsJob::Held;
    case IPP_JSTATE_PROCESSING:
        return CupsJob::Processing;
    case IPP_JSTATE_COMPLETED:
        return CupsJob::Completed;
    default:
        why = state == IPP_JSTATE_CANCELED ? QStringLiteral("job-canceled") : QStringLiteral("job-aborted");
        return CupsJob::NotTaken;
    }
}

CupsLookup lookUpQueue(const QString &name, const CupsLimits &limits, const std::atomic_bool *cancel)
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
    std::optional<CupsQueue> queue;
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
        return {std::nullopt, CupsFailure::Refused, QString::fromUtf8(ippErrorString(status))};
    return {queue, CupsFailure::None, {}};
}

CupsQueues listQueues(const CupsLimits &limits, const std::atomic_bool *cancel)
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
    CupsQueues out;
    // One group of attributes per printer, separated by a group tag.
    ipp_t *one = nullptr;
    const auto flush = [&] {
        if (one) {
            CupsQueue q = queueFrom(one);
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
void cancelJob(const QByteArray &queue, int id, const CupsLimits &limits)
{
    CupsLimits brief = limits;
    brief.connectMs = std::min(limits.connectMs, 2000);
    brief.silenceMs = std::min(limits.silenceMs, 2000);
    brief.totalMs = std::min(limits.totalMs, 3000);
    Session s(brief, nullptr);
    if (s.open())
        cupsCancelJob2(s.http(), queue.constData(), id, 0);
}
} // namespace

CupsJob submitPdf(const QString &queue, const QByteArray &pdf, const QString &title, const CupsLimits &limits,
                  const std::atomic_bool *cancel)
{
    Session s(limits, cancel);
    CupsJob job;
    const auto failed = [&] {
        job.state = CupsJob::NotTaken;
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
        if (job.failure != CupsFailure::Cancelled || !g_abandoned)
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
    if (s.timedOut() || (finished > IPP_STATUS_OK_CONFLICTING && s.failure() != CupsFailure::Refused)) {
        if (s.failure() == CupsFailure::Cancelled)
            return failedAfterCreating();
        // Asked again on a connection of its own: a job still waiting for
        // its page did not get it; one that has it, or no answer, is not a
        // page to save again.
        CupsLimits brief = limits;
        brief.totalMs = std::min(limits.totalMs, 5000);
        Session again(brief, cancel);
        bool answered = false;
        QString why;
        const CupsJob::State state = again.open() ? jobState(again, name, job.id, answered, why) : CupsJob::NotTaken;
        if (answered && state == CupsJob::NotTaken)
            return failedAfterCreating();
        const int id = job.id;
        failed();
        job.id = id;
        if (answered) {
            job.state = state;
            job.failure = CupsFailure::None;
            job.reason.clear();
        } else {
            job.state = CupsJob::Unconfirmed;
        }
        return job;
    }
    if (finished > IPP_STATUS_OK_CONFLICTING)
        return failedAfterCreating();
    bool answered = false;
    QString why;
    job.state = jobState(s, name, job.id, answered, why);
    if (!answered) {
        // Handed over whole: not to be saved again as if it were lost.
        const int id = job.id;
        failed();
        job.id = id;
        if (job.failure != CupsFailure::Cancelled)
            job.state = CupsJob::Unconfirmed;
        return job;
    }
    if (job.state == CupsJob::NotTaken) {
        job.failure = CupsFailure::Refused;
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
