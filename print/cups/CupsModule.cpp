// The CUPS back end's module, loaded once by the first call that needs it
// (on a worker: a page, the printer's name, the list of printers) and never
// unloaded. Where it is missing, every request fails as a print server out
// of reach would, saying why, and pages are saved as PDF files.

#include "print/PrintBackend.h"

#include "base/Module.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include <mutex>

namespace dravino {

namespace {

std::atomic<PrintBackend *> g_loaded{nullptr};
std::atomic_bool g_abandon{false};

class MissingBackend final : public PrintBackend
{
public:
    explicit MissingBackend(QString why) : m_why(std::move(why)) {}
    QueueLookup find(const QString &, const PrintLimits &, const std::atomic_bool *) override
    {
        return {std::nullopt, PrintFailure::Unreachable, PrintReason::said(m_why)};
    }
    QueueList list(const PrintLimits &, const std::atomic_bool *) override
    {
        return {{}, PrintFailure::Unreachable, PrintReason::said(m_why)};
    }
    SubmittedJob submit(const QString &, const PrintDocument &, const PrintLimits &, const std::atomic_bool *) override
    {
        return {0, SubmittedJob::NotTaken, PrintFailure::Unreachable, PrintReason::said(m_why)};
    }
    void cancel() override {}
    void abandon(bool) override {}

private:
    QString m_why;
};

PrintBackend *load()
{
    static QLibrary library;
    QString why;
    loadModule(library, "DRAVINO_CUPS_MODULE", QStringLiteral(DRAVINO_CUPS_INSTALLED "/" DRAVINO_CUPS_FILE),
               QStringLiteral(DRAVINO_CUPS_BUILT), why);
    using Make = PrintBackend *(*)();
    if (library.isLoaded())
        if (const auto make = reinterpret_cast<Make>(library.resolve("dravinoCupsBackend")))
            return make();
    if (why.isEmpty())
        why = library.isLoaded() ? library.errorString()
                                 : QCoreApplication::translate("dravino::PrintBackend", "il modulo di stampa %1 non è installato")
                                       .arg(QStringLiteral(DRAVINO_CUPS_FILE));
    static MissingBackend missing(why);
    return &missing;
}

} // namespace

PrintBackend &printBackend()
{
    static std::once_flag once;
    std::call_once(once, [] {
        PrintBackend *backend = load();
        if (g_abandon)
            backend->abandon(true);
        g_loaded = backend;
    });
    return *g_loaded;
}

void cancelPrintRequests()
{
    if (PrintBackend *backend = g_loaded)
        backend->cancel();
}

void abandonPrintRequests(bool abandon)
{
    g_abandon = abandon;
    if (PrintBackend *backend = g_loaded)
        backend->abandon(abandon);
}

} // namespace dravino
