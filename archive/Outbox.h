#pragma once
// Checks kept on the bench while the archive's server does not answer: a
// SQLite file of the user's alone beside the default archive, one row a
// check (the whole record), for the server it waits for. A check leaves it
// only once the server holds it; sent again after a crash, its bench key
// keeps it from being kept twice. One the server refuses (while it answers)
// stays, marked with the server's reason, and is tried again with the rest.

#include "archive/Archive.h"
#include "archive/CheckRecord.h"

#include <QHash>
#include <QList>
#include <QString>

namespace dravino {

class Outbox final
{
public:
    // The outbox at path, for the server location (its password plays no part).
    Outbox(QString path, const QString &server);
    ~Outbox();
    Q_DISABLE_COPY_MOVE(Outbox)

    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }
    // Keeps record, in place of one with the same key.
    bool put(const CheckRecord &record);
    // What waits for this server and query finds (the archive's own search
    // on the same columns), in the order it came; a record the server
    // refused says why (refused).
    QList<CheckRecord> waiting(const CheckQuery &query = {}) const;
    // The server refused the record: it stays, marked with why. True when it
    // was not marked before (the technician is told once).
    bool refuse(const QString &key, const QString &why);
    // record has reached the server: gone from here, unless it has changed
    // since (a page's outcome learnt meanwhile), which is then sent too.
    bool sent(const CheckRecord &record);
    // Erases a waiting record that is no certificate; false for one that is.
    bool remove(const QString &key);
    // Withdraws a waiting certificate: it goes to the server withdrawn.
    bool withdraw(const QString &key, const Withdrawal &withdrawal);

private:
    QString m_path;
    QString m_server;
    QString m_connection;
    bool m_open = false;
    mutable QString m_error;
    mutable QHash<QString, QString> m_read; // each record as last read, by key
};

} // namespace dravino
