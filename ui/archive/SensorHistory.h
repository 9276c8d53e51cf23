#pragma once
// "Storia del sensore": the checks of one sensor's code, oldest first, from
// the archive window's selected check: when, the certificate, the verdict,
// the average and how far it has moved from the first check's; above them
// the average over time, as the chart routine draws it. The list is read
// on the archive's thread; the window says while it is read, and why it
// could not be.

#include "archive/CheckRecord.h"
#include "print/HistoryChart.h"

#include <QDialog>
#include <QWidget>

class QLabel;
class QTableWidget;

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
    QTableWidget *m_list = nullptr;
    QLabel *m_state = nullptr;
    int m_nominal = 0;
};

} // namespace dravino
