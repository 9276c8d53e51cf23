#include "archive/ArchiveSql.h"

#include "archive/Location.h"

namespace dravino::archivesql {

namespace {
// SQLite's primary result codes that the archive words itself.
enum SqliteCode { kPerm = 3, kBusy = 5, kLocked = 6, kReadOnly = 8, kIoErr = 10, kCorrupt = 11, kFull = 13, kCantOpen = 14, kNotADb = 26 };
} // namespace

int sqliteCode(const QSqlError &e) { return e.nativeErrorCode().toInt() & 0xff; }
bool damaged(int code) { return code == kCorrupt || code == kNotADb; }

// Our words first; the library's own, where they add anything, after them.
QString said(const QString &ours, const QString &raw)
{
    const QString r = raw.simplified();
    if (r.isEmpty() || r.compare(QLatin1String("success"), Qt::CaseInsensitive) == 0
        || r.compare(QLatin1String("not an error"), Qt::CaseInsensitive) == 0)
        return ours;
    return QStringLiteral("%1 (%2)").arg(ours, r);
}

QString fileReason(const QSqlError &e)
{
    const QString raw = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    switch (sqliteCode(e)) {
    case kFull:
        return said(ArchiveText::tr("il disco è pieno"), raw);
    case kReadOnly:
    case kCantOpen:
    case kPerm:
        return said(ArchiveText::tr("il file o la sua cartella non si possono scrivere"), raw);
    case kBusy:
    case kLocked:
        return said(ArchiveText::tr("è occupato da un altro programma"), raw);
    case kIoErr:
        return said(ArchiveText::tr("errore di lettura o scrittura sul disco"), raw);
    case kCorrupt:
    case kNotADb:
        return said(ArchiveText::tr("è danneggiato"), raw);
    }
    return said(ArchiveText::tr("errore dell'archivio"), raw);
}

QString serverReason(const QSqlError &e)
{
    // The server's answer carries its SQLSTATE: the words go by it.
    const QString state = e.nativeErrorCode();
    if (state.startsWith(QLatin1String("28")))
        return ArchiveText::tr("non accetta l'utente o la password");
    if (state == QLatin1String("3D000"))
        return ArchiveText::tr("non ha il database indicato");
    if (state == QLatin1String("57014")) // the statement's time limit passed
        return ArchiveText::tr("non risponde");
    if (state.startsWith(QLatin1String("08")) || state == QLatin1String("57P01") || state == QLatin1String("57P02")
        || state == QLatin1String("57P03"))
        return ArchiveText::tr("ha chiuso la connessione");
    // Where there was no answer (a connection that never came about, or
    // broke), libpq gives no code, only its words, in the desktop's
    // language (English or Italian here).
    const QString raw = (e.databaseText().isEmpty() ? e.text() : e.databaseText()).simplified();
    const auto has = [&](std::initializer_list<const char *> words) {
        for (const char *w : words)
            if (raw.contains(QString::fromUtf8(w), Qt::CaseInsensitive))
                return true;
        return false;
    };
    if (has({"Connection refused", "Connessione rifiutata"}))
        return ArchiveText::tr("rifiuta la connessione");
    if (has({"timeout expired", "timeout scaduto", "timed out"}))
        return ArchiveText::tr("non risponde");
    if (has({"password", "authentication", "autenticazione"}))
        return ArchiveText::tr("non accetta l'utente o la password");
    if (has({"does not exist", "non esiste"}) && has({"database"}))
        return ArchiveText::tr("non ha il database indicato");
    if (has({"translate host name", "nome host"}))
        return ArchiveText::tr("ha un nome sconosciuto");
    if (has({"closed the connection", "chiuso la connessione", "terminating connection", "no connection to the server",
             "nessuna connessione al server"}))
        return ArchiveText::tr("ha chiuso la connessione");
    return said(ArchiveText::tr("non si raggiunge"), raw);
}

// "il server dell'archivio postgresql://u@host/db", or without the address
// where it cannot be read.
QString serverNamed(const QString &location)
{
    const QString shown = shownLocation(location);
    return shown.isEmpty() ? ArchiveText::tr("il server dell'archivio") : ArchiveText::tr("il server dell'archivio %1").arg(shown);
}

} // namespace dravino::archivesql
