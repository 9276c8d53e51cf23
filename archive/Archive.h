#pragma once
// The archive of scale checks: one record for every computed scale sheet
// printed or saved, so that a sensor tested once can be found and its sheet
// printed again. By default SQLite through Qt SQL, one file in the user's
// data folder (mode 0600, WAL journal, a busy timeout so that two windows
// both record), its schema version in PRAGMA user_version with forward
// migrations. Only a file SQLite itself calls no database or corrupt is
// moved aside under a dated name; a full disk, a read-only file or folder,
// a lock or an I/O error leave it where it is, opened read-only where it
// can be, with the reason told. One written by a newer Dravino is opened
// read-only and never downgraded.
//
// A workshop with several benches shares one archive on a PostgreSQL
// server (archive/Location.h): the same schema and queries on Qt's
// PostgreSQL driver, its schema version in a table of its own, and a
// notification on every change so that the other benches' lists follow.
//
// Every record carries a key made on the bench: keeping a record whose key
// is there already only updates where its page went, so a check sent again
// after a dropped connection is never kept twice.
//
// Every call waits for the disk or the server: the window makes them
// through ArchiveService, on a thread of its own.

#include "archive/CheckRecord.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QtGlobal>
#include <functional>

class QSqlDriver;

class QSqlError;

namespace dravino {

// Which checks: any part of the code, in any case; a date range (an invalid
// date leaves that end open); for the technician's own words, what the job
// data hold.
struct CheckQuery {
    QString text;
    QDate from, to;
    enum Verdicts { All, Passing, Failing } verdicts = All;
    QString code; // one sensor's checks only (its history), where given
    bool withdrawn = false; // withdrawn certificates too
    bool operator==(const CheckQuery &) const = default;
};

// How many checks a query finds, and of those how many passed and failed.
struct VerdictCounts {
    int total = -1, passing = 0, failing = 0;
};

class Archive final
{
public:
    // The archive at location, a file (created when missing) or a server;
    // what happened on opening is in notice() (a file moved aside, a
    // read-only archive), why it did not open in error().
    explicit Archive(QString location);
    ~Archive();
    Q_DISABLE_COPY_MOVE(Archive)

    bool isServer() const { return m_server; }
    bool isOpen() const { return m_open; }
    // Whether the connection still answers (a server restarted drops it).
    bool answers() const;
    bool readOnly() const { return m_readOnly; }
    QString notice() const { return m_notice; }
    QString error() const { return m_error; }

    // Keeps the record (its id set), or where its key is there already,
    // where its page went; false (and error()) when it could not be kept.
    bool keep(CheckRecord &record);
    // Many in one transaction (an import): all kept or none.
    bool keepAll(QList<CheckRecord> &records);
    // The checks found, newest first, after the one given (nothing: from
    // the newest), at most limit.
    QList<CheckSummary> page(const CheckQuery &query, const CheckSummary *after, int limit) const;
    // The checks found at offset to offset + limit of the newest-first list
    // of total: near its end they are read from the oldest, so that neither
    // end waits for the rows before it.
    QList<CheckSummary> window(const CheckQuery &query, int offset, int limit, int total) const;
    // How many there are; -1 when the archive could not say.
    int count(const CheckQuery &query) const;
    // ... with the passing and failing ones among them.
    VerdictCounts counts(const CheckQuery &query) const;
    // A new certificate's number from the server's sequence, shared by its
    // benches: never given twice. Empty (and error()) when none could be
    // had; a file numbers none (its bench does).
    QString nextCertificate();
    // The whole records of these keys, in that order (those still there).
    QList<CheckRecord> records(const QStringList &keys) const;
    // Erases a record that is no certificate; an issued one is never erased
    // (false, and error() says so).
    bool remove(const QString &key);
    // Withdraws an issued certificate, kept with who, when and why; false
    // where it is not there or withdrawn already.
    bool withdraw(const QString &key, const Withdrawal &withdrawal);

    // On a server: changed is called (on this thread) when another bench
    // has changed the archive.
    void watch(std::function<void()> changed);

    static constexpr int kSchemaVersion = 4;

private:
    bool open();
    bool openFile();
    bool openServer();
    bool openReadOnly(const QString &why, int version);
    bool migrate(int from);
    // The checks whose ids found (a SELECT of ids, its values bound) gives,
    // newest first.
    QList<CheckSummary> summariesOf(const QString &found, const QVariantList &values) const;
    // Indexes added since the archive's version was made, on one of this
    // version (best effort: without them the list is only slower).
    void addIndexes(int version);
    bool convertV1(const QString &fromConnection, const QString &toConnection);
    bool checkShape();
    bool fail(const QString &what) const;
    // Fails with e in the words of a server or of a file, as this archive is.
    bool fail(const QSqlError &e) const;
    // A write may begin: open, its error cleared, and not read-only (said
    // in error() where it is).
    bool writable();
    bool insertInto(CheckRecord &record, const QString &table, bool withId);
    QSqlDriver *driver() const;

    QString m_location;
    bool m_server = false;
    QString m_connection;
    bool m_open = false;
    bool m_readOnly = false;
    bool m_watching = false; // listening for other benches' checks
    QString m_notice;
    mutable QString m_error; // why the last call failed
};

} // namespace dravino
