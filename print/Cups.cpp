#include "print/Cups.h"

#include <cups/cups.h>

namespace dravino
{

namespace
{
QString option(const cups_dest_t *dest, const char *name)
{
    return QString::fromUtf8(cupsGetOption(name, dest->num_options, dest->options));
}
} // namespace

std::optional<CupsQueue> defaultCupsQueue()
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest)
        return std::nullopt;
    CupsQueue q;
    q.name = QString::fromUtf8(dest->name);
    q.port = option(dest, "device-uri");
    if (q.port.isEmpty())
        q.port = option(dest, "printer-location");
    if (q.port.isEmpty())
        q.port = QStringLiteral("CUPS");
    q.accepting = option(dest, "printer-is-accepting-jobs") != QLatin1String("false");
    q.stopped = option(dest, "printer-state") == QLatin1String("5");
    q.reason = option(dest, "printer-state-message");
    if (q.reason.isEmpty())
        q.reason = option(dest, "printer-state-reasons");
    if (q.reason == QLatin1String("none"))
        q.reason.clear();
    cupsFreeDests(1, dest);
    return q;
}

CupsJob submitPdf(const QString &queue, const QString &pdfFile, const QString &title)
{
    // CUPS recognises the PDF by its content.
    const int id = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), pdfFile.toLocal8Bit().constData(),
                                  title.toUtf8().constData(), 0, nullptr);
    if (id > 0)
        return {id, {}};
    return {0, QString::fromUtf8(cupsLastErrorString())};
}

} // namespace dravino
