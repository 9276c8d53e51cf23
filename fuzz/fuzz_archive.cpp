// The archive's readers of stored and typed text: a first version's cell,
// tolerance and destination texts, a record as JSON (the outbox keeps it
// so), a server's address as typed.
#include "FuzzInput.h"
#include "archive/CheckRecord.h"
#include "archive/Location.h"

#include <QJsonDocument>
#include <algorithm>
#include <cmath>

using namespace dravino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input in(data, size);
    const QString text = QString::fromUtf8(in.text(64));

    const Cell cell = cellOfText(text);
    if (const auto n = cellNumber(cell))
        fuzz::check(std::isfinite(*n), "a cell read as a number is finite");
    else
        fuzz::check(cellText(cell) == text || text.trimmed().isEmpty(), "a text that does not read is kept as it was");
    if (const auto t = cellNumber(toleranceOfText(text)))
        fuzz::check(*t >= 0 && *t <= 99999, "a tolerance read is a whole number of up to five digits");
    const PageDestination d = destinationOfText(text);
    fuzz::check(d.kind >= PageDestination::NotPrinted && d.kind <= PageDestination::NotConfirmed, "a destination's kind is one of its own");
    fuzz::check(d.kind != PageDestination::File || d.name.startsWith(QLatin1Char('/')), "a file's destination is a path");

    // A record as stored reads back as it was written.
    const QByteArray json = QByteArray(in.rest().data(), qsizetype(in.rest().size()));
    const CheckRecord r = recordFrom(QJsonDocument::fromJson(json).object());
    const CheckRecord again = recordFrom(recordJson(r));
    fuzz::check(again.key == r.key && again.code == r.code && again.destination == r.destination && again.jobData == r.jobData
                    && again.nominalFullScale == r.nominalFullScale,
                "a record written and read again is the same record");
    for (int i = 0; i < kScaleRows; ++i)
        fuzz::check(cellText(again.rows[i].bar) == cellText(r.rows[i].bar) && again.rows[i].linearityVerdict == r.rows[i].linearityVerdict,
                    "a record's rows written and read again are the same");

    // An address as typed: a password is never shown.
    const ServerAddress a = serverAddress(text);
    const QString parts = a.user + QLatin1Char('\n') + a.host + QLatin1Char('\n') + a.database;
    // (one that might be read in the address's own punctuation aside)
    const bool distinct = a.password.size() >= 3 && !parts.contains(a.password)
        && std::none_of(a.password.begin(), a.password.end(), [](QChar c) { return QStringLiteral(":/@?#[]").contains(c); });
    if (a.valid && distinct)
        fuzz::check(!shownLocation(text).section(QStringLiteral("://"), 1).contains(a.password), "a password is never shown");
    return 0;
}
