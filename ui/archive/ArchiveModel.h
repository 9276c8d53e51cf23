#pragma once
// The list of the archive window: the checks a search finds, newest first,
// as many rows as the search's true count. The rows come from the
// archive's thread a window at a time, the windows the view shows (its
// window asks for them with fetchRows as they come into view; reading a
// cell asks for nothing): a jump to the end (Ctrl+End, the scroll bar
// dragged down) reads the oldest checks and nothing between. A row not
// read yet shows empty until its window comes. Reading again (a new search,
// a check recorded here or on another bench) keeps the rows already
// reached where it can.

#include "archive/ArchiveService.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSet>
#include <functional>

namespace dravino {

class ArchiveModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Kind last: the exports keep the columns before it where they were.
    enum Column { Taken, Code, Result, Certificate, Type, Resolution, Average, Destination, Customer, Vehicle, Job, Operator, Kind, Columns };
    static constexpr int kPage = 200;

    explicit ArchiveModel(std::function<ArchiveService *()> archive, QObject *parent = nullptr);

    // Reads the checks query finds, from the newest.
    void search(const CheckQuery &query);
    // The same search again, as far as the list had reached.
    void reload();

    // The check at row; an empty one (no key) where its window has not come.
    const CheckSummary &at(int row) const;
    int rowOf(const QString &key) const;
    // Whether every one of rows has come; the windows of those that have
    // not are asked for.
    bool readRows(const QList<int> &rows);
    // The rows first to last are in view: their windows are asked for.
    void fetchRows(int first, int last);
    // The search's count; -1 until it is known; and of those, how many passed and failed.
    int total() const { return m_total; }
    int passing() const { return m_passing; }
    int failing() const { return m_failing; }
    bool searching() const { return m_asked != m_answered; }
    QString lastError() const { return m_error; }

    // The column's heading, in the window's language (the list's and the exports').
    static QString heading(int column);
    // A withdrawal in words: when, by whom, why.
    static QString withdrawalText(const Withdrawal &withdrawal);
    // A cell as the list shows it.
    static QString cell(const CheckSummary &check, int column);
    // "CONFORME", "NON CONFORME" (PASS, FAIL); empty without a verdict.
    static QString verdictText(SensorVerdict verdict);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // A search or a page answered: the state line follows.
    void answered();
    // A fresh list (a search or a reload) is in.
    void reloaded();

private:
    void ask(int limit);
    // The window holding row is asked for, unless it is under way.
    void askWindow(int window);
    int listed() const; // the rows read, the bench's waiting ones included

    std::function<ArchiveService *()> m_archive;
    CheckQuery m_query;
    QList<CheckSummary> m_bench;                   // waiting on the bench: the list's first rows
    QHash<int, QList<CheckSummary>> m_windows;     // the archive's rows, kPage a window
    QSet<int> m_asking;                            // windows asked for and not in yet
    int m_total = -1;
    int m_passing = 0, m_failing = 0;
    quint64 m_asked = 0;      // the searches made, and answered
    quint64 m_answered = 0;
    quint64 m_fresh = 0;      // the latest search: windows of any other are dropped
    QString m_error;
};

} // namespace dravino
