#pragma once
// Keeps a scale check as its page goes, and where that page went once its
// outcome is known: the record is written as the page goes (as not
// printed: a page given up when the program closes stays so), the page's
// own report waits for the record's answer, and the record then learns,
// once, where its page went. Whatever arrives while the technician reads a
// message (a print outcome, a late answer) settles nothing twice: the
// record's state is written before anything is told.
//
// The technician hears, through tell, when the check could not be kept,
// when it waits on the bench for the archive's server, when the archive
// did not confirm it in time, when it may only be read, and when where its
// page went could not be written.

#include "archive/CheckRecord.h"

#include <QObject>
#include <functional>
#include <optional>

namespace dravino {

class ArchiveService;

class CheckKeeper final : public QObject
{
    Q_OBJECT
public:
    // A warning in words, under the archive's title.
    using Tell = std::function<void(const QString &text)>;
    CheckKeeper(std::function<ArchiveService *()> archive, Tell tell, QObject *parent);
    Q_DISABLE_COPY_MOVE(CheckKeeper)

    // Where the page went (nothing: given up), and the page's own report,
    // told once the record has its answer.
    using Settle = std::function<void(std::optional<PageDestination> where, std::function<void()> report)>;
    // Writes record now, as not printed; settle it with its page's outcome.
    // Nothing where there is no archive.
    Settle keep(CheckRecord record);
    // The archive records go to (opened now where it was not).
    ArchiveService *archive() const { return m_archive ? m_archive() : nullptr; }

private:
    std::function<ArchiveService *()> m_archive;
    Tell m_tell;
};

} // namespace dravino
