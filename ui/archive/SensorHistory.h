#pragma once
// "Storia del sensore": the checks of one sensor's code, oldest first, from
// the archive window's selected check: when, the certificate, the verdict,
// the average and how far it has moved from the first check's; above them
// the average over time, as the chart routine draws it. The list is read
// on the archive's thread; the window says while it is read, and why it
// could not be.

#include "archive/CheckRecord.h"
#include "print/HistoryChart.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QWidget>

class QLabel;
class QTableView;

namespace dravino {

class ArchiveService;

QString barText(double bar);

// The plot: its accessible description says what it shows in words.
class HistoryPlot final : public QWidget
{
    Q_OBJECT
public:
    explicit HistoryPlot(QWidget *parent);
    void show(const QList<HistoryPoint> &points, int nominalFullScale);
    QSize sizeHint() const override { return {520, 180}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QList<HistoryPoint> m_points;
    int m_nominal = 0;
};

// The checks of one sensor, oldest first: when, the certificate, the
// verdict (in its colour), the average and its drift from the first check's.
class HistoryModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Taken, Certificate, Result, Average, Drift, Columns };
    using QAbstractTableModel::QAbstractTableModel;

    // The checks, newest first as the archive gives them.
    void show(const QList<CheckSummary> &newestFirst);
    const QList<CheckSummary> &checks() const { return m_checks; }
    int rowOf(const QString &key) const;

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_checks.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : Columns; }
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<CheckSummary> m_checks; // oldest first
};

class SensorHistory final : public QDialog
{
    Q_OBJECT
public:
    // The history of the code of selected; the selected check is the row in view.
    SensorHistory(ArchiveService *archive, const CheckSummary &selected, int nominalFullScale, QWidget *parent);

    // The drift of average from first's, as the list shows it ("+12", "0", "-3").
    static QString driftText(const Cell &average, const Cell &first);

private:
    void showChecks(const QList<CheckSummary> &newestFirst, const QString &selectedKey);

    HistoryPlot *m_plot = nullptr;
    HistoryModel *m_model = nullptr;
    QTableView *m_list = nullptr;
    QLabel *m_state = nullptr;
    int m_nominal = 0;
};

} // namespace dravino
