// The back end of a build with CUPS: libcups, which hears back what became
// of each job. It is a module of its own (libdravino_cups.so), loaded by
// the first page or printer asked for (CupsModule.cpp).

#include "print/cups/Cups.h"

#include <QtGlobal>

namespace dravino {

namespace {
class CupsBackend final : public PrintBackend
{
public:
    QueueLookup find(const QString &name, const PrintLimits &limits, const std::atomic_bool *cancel) override
    {
        return lookUpQueue(name, limits, cancel);
    }
    QueueList list(const PrintLimits &limits, const std::atomic_bool *cancel) override
    {
        return listQueues(limits, cancel);
    }
    SubmittedJob submit(const QString &queue, const PrintDocument &page, const PrintLimits &limits,
                        const std::atomic_bool *cancel) override
    {
        return submitPdf(queue, page.pdf, page.title, limits, cancel);
    }
    void cancel() override { interruptCupsRequests(); }
    void abandon(bool abandon) override { abandonCupsRequests(abandon); }
};
} // namespace

} // namespace dravino

extern "C" Q_DECL_EXPORT dravino::PrintBackend *dravinoCupsBackend()
{
    static dravino::CupsBackend backend;
    return &backend;
}
