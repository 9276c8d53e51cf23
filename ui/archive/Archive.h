#pragma once
// The archive of scale checks: one record for every scale sheet that was
// printed or saved, so that a sensor tested once can be found and its sheet
// printed again. SQLite through Qt SQL, one file in the user's data folder
// (mode 0600, WAL journal, a busy timeout so that two windows both record),
// a schema version in PRAGMA user_version with forward migrations. A file
// that is no archive (not SQLite, truncated, failing quick_check) is moved
// aside under a dated name and a fresh archive started; one written by a
// newer Dravino is opened read-only and never downgraded.

#include "core/ScaleCheck.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace dravino {

struct CheckRecord {
    qint64 id = 0;
    QDateTime takenAt;
    QString code;
    bool denso = false;     // "Sensore Denso"
    bool bits12 = false;    // "ADC a 12 bit"
    bool automaticAverage = true;
    ScaleGrid check;        // zero row and readings as entered, results, verdicts, average
    QString tolerance;      // what the verdicts were measured against
    QString destination;    // where the page went: a printer, a file
    QString version;        // of the program that recorded it
};

class Archive final
{
public:
    // The archive file at path (created when missing); what happened on
    // opening is in notice() (a file moved aside, a read-only archive).
    explicit Archive(QString path);
    ~Archive();
    Q_DISABLE_COPY_MOVE(Archive)

    // The archive in the user's data folder.
    static QString defaultPath();

    bool isOpen() const { return m_open; }
    bool readOnly() const { return m_readOnly; }
    // Told once, after opening: a corrupted file moved aside, a newer archive.
    QString notice() const { return m_notice; }
    QString error() const { return m_error; }

    // Writes the record in one transaction; false (and error()) when it
    // could not be kept.
    bool record(CheckRecord &record);
    // Many records in one transaction (an import): all kept or none.
    bool recordAll(QList<CheckRecord> &records);
    // Newest first; codeContains matches any part of the code, in any case;
    // an invalid date leaves that end of the range open.
    QList<CheckRecord> find(const QString &codeContains = {}, const QDate &from = {}, const QDate &to = {},
                            int limit = 500) const;
    std::optional<CheckRecord> byId(qint64 id) const;
    bool remove(qint64 id);

    static constexpr int kSchemaVersion = 1;

private:
    bool open();
    bool migrate(int from);
    bool fail(const QString &what);
    bool insert(CheckRecord &record);

    QString m_path;
    QString m_connection;
    bool m_open = false;
    bool m_readOnly = false;
    QString m_notice;
    QString m_error;
};

} // namespace dravino
