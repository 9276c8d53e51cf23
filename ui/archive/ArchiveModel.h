#pragma once
// The list of the archive window: the checks a search finds, newest first,
// fetched from the archive's thread a page at a time as the technician
// scrolls (canFetchMore / fetchMore), with the true count of them. Reading
// again (a new search, a check recorded here or on another bench) keeps
// the rows already reached where it can.

#include "archive/ArchiveService.h"

#include <QAbstractTableModel>
#include <functional>

namespace dravino {

class ArchiveModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Taken, Code, Result, Certificate, Type, Resolution, Average, Destination, Customer, Vehicle, Job, Operator, Columns };
    static constexpr int kPage = 200;

    explicit ArchiveModel(std::function<ArchiveService *()> archive, QObject *parent = nullptr);

    // Reads the checks query finds, from the newest.
    void search(const CheckQuery &query);
    // The same search again, as far as the list had reached.
    void reload();

    const CheckSummary &at(int row) const { return m_rows.at(row); }
    int rowOf(const QString &key) const;
    // The search's count; -1 until it is known; and of those, how many passed and failed.
    int total() const { return m_total; }
    int passing() const { return m_passing; }
    int failing() const { return m_failing; }
    bool searching() const { return m_asked != m_answered; }
    QString lastError() const { return m_error; }

    // The column's heading, in the window's language (the list's and the exports').
    static QString heading(int column);
    // A cell as the list shows it.
    static QString cell(const CheckSummary &check, int column);
    // "CONFORME", "NON CONFORME" (PASS, FAIL); empty without a verdict.
    static QString verdictText(SensorVerdict verdict);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

signals:
    // A search or a page answered: the state line follows.
    void answered();
    // A fresh list (a search or a reload) is in.
    void reloaded();

private:
    void ask(std::optional<CheckSummary> after, int limit, bool fresh);

    std::function<ArchiveService *()> m_archive;
    CheckQuery m_query;
    QList<CheckSummary> m_rows;
    int m_total = -1;
    int m_passing = 0, m_failing = 0;
    bool m_more = false;      // the archive has rows past the last one listed
    quint64 m_asked = 0;      // the requests made, and answered
    quint64 m_answered = 0;
    quint64 m_fresh = 0;      // the latest request that replaces the list
    bool m_fetching = false;
    QString m_error;
};

} // namespace dravino
