#pragma once
// "Taratura del sensore" (F6, or taratura... on the scale panel): a
// sensor calibrated against a pressure reference, as a calibration
// laboratory does it, beside the quick scale check. The plan (family,
// nominal full scale and converter taken from the calculator and
// changeable; the points as % of the full scale, 3 to 11; 1 to 3 cycles),
// the readings of the run as found and, after an adjustment or a
// replacement, as left, typed (counts or mV) or read from the meter (F9
// into the current row); for each the reference pressure, the pressure it
// means on the family's nominal characteristic and its error; the results
// of the run with their uncertainty and verdict, and its errors drawn as
// the certificate draws them. The reference comes from the workshop's
// register, the limits per family and the acceptance are the workshop's.
// Anteprima, Stampa and Salva PDF make the certificate (CalibrationSession).
//
// The readings live in the main window's model: closing this window loses none.

#include "ui/calibration/CalibrationModel.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace dravino {

class ArchiveService;
class CalculatorModel;
class CalibrationSession;
class PageSender;
class Platform;
struct MeterReading;

// The run's readings as the table shows them; the reading column is typed in.
class ReadingsTable final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Cycle, Direction, Point, Reference, Reading, Millivolts, Indicated, ErrorBar, ErrorPercent, Columns };
    explicit ReadingsTable(CalibrationModel &model, QObject *parent);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // A typed reading was refused: why.
    void refused(int row, const QString &why);
    // A typed reading was kept.
    void entered(int row);

private:
    CalibrationModel &m_model;
};

// The run's errors, drawn by the certificate's own routine.
class CalibrationPlot final : public QWidget
{
    Q_OBJECT
public:
    explicit CalibrationPlot(const CalibrationModel &model, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    const CalibrationModel &m_model;
};

class CalibrationWindow final : public QDialog
{
    Q_OBJECT
public:
    // read: one meter reading, as the main window makes it (false where one is under way).
    using ReadMeter = std::function<bool(std::function<bool(const MeterReading &)> put)>;
    CalibrationWindow(Platform &platform, CalibrationModel &model, const CalculatorModel &calculator,
                      std::function<ArchiveService *()> archive, ReadMeter read, QWidget *parent);
    ~CalibrationWindow() override;
    Q_DISABLE_COPY_MOVE(CalibrationWindow)

    // F9: a meter reading into the current row, then the next row.
    void takeReading();
    // A recorded calibration taken up again to correct it.
    void correct(const CalibrationData &data, const QString &code, const QString &replaces);
    CalibrationSession &session() const { return *m_session; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showModel();
    void showResults();
    void applyPlan();
    void chooseReference();
    void editReferences();
    void editLimits();
    void press(int where);
    void fillReferences(const QString &select);

    Platform &m_platform;
    CalibrationModel &m_model;
    ReadMeter m_read;
    ReadingsTable *m_table = nullptr;
    CalibrationSession *m_session = nullptr;
    std::unique_ptr<PageSender> m_sender;
    bool m_showing = false;

    QComboBox *m_family = nullptr, *m_fullScale = nullptr, *m_unit = nullptr, *m_reference = nullptr, *m_rule = nullptr,
              *m_adjustment = nullptr;
    QLineEdit *m_points = nullptr, *m_code = nullptr, *m_operator = nullptr, *m_temperature = nullptr;
    QSpinBox *m_cycles = nullptr;
    std::array<QRadioButton *, 2> m_phase{};
    QTableView *m_grid = nullptr;
    QLabel *m_meter = nullptr, *m_results = nullptr, *m_verdict = nullptr, *m_replaces = nullptr;
    CalibrationPlot *m_plot = nullptr;
    QPushButton *m_print = nullptr;
};

} // namespace dravino
