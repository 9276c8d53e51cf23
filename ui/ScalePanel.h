#pragma once
// The scale panel (fraSecondary): a grid of six rows (zero plus five known
// pressures) where the converter readings give each row's full scale, its
// linearity and its deviation from the average. The check itself is a
// ScaleCheckModel: every entry typed, pasted or read from the meter and
// every option goes into it, calcola computes it and the panel shows it;
// the sheet and its record are made from one snapshot of it. The nominal
// full scale it is judged against is the calculator's.

#include "core/ScaleCheckModel.h"
#include "ui/Controls.h"
#include "ui/printjob/PageSender.h"

#include <QGroupBox>
#include <array>
#include <functional>
#include <memory>

class QPushButton;
class QRadioButton;
class QFrame;

namespace dravino {

class CalculatorModel;
class Platform;
struct PrinterName;

class ScalePanel final : public QGroupBox
{
    Q_OBJECT
public:
    ScalePanel(Platform &platform, const CalculatorModel &calculator, QWidget *parent);
    Q_DISABLE_COPY_MOVE(ScalePanel)

    void CalcolaScala();
    void StampaFoglioScala();
    // Where the sheet goes: the print button's one click and its menu.
    using Destination = PageSender::Destination;
    void sendSheet(Destination where, const QString &printer = {});
    void optADCScala_Click(int index);
    void optMedia_Click(int index);
    void optSensoreTipo_Click(int index);

    // The check as it stands: the grid as entered now, the results and
    // verdicts of the last computation, whether they still belong together.
    const ScaleCheckModel &check() const { return m_check; }

    void setPrinterTooltip(const PrinterName &printer);
    // A meter reading (F9): whether the focused control is a converter
    // reading, and the count the selected converter shows for volts put there.
    bool takesReading(const QWidget *focus) const;
    void putReading(QWidget *focus, const struct MeterReading &reading);
    // A sheet's certificate is being numbered: its page is still to come.
    bool numbering() const;
    // The archive every sheet printed or saved is recorded in (opened when
    // first needed), and the way to its window.
    void setArchive(std::function<class ArchiveService *()> archive, std::function<void()> openArchive);
    std::vector<std::pair<int, QWidget *>> tabOrder() const;

signals:
    // The back button: the main panel goes in front.
    void backRequested();
    // taratura...: the calibration window.
    void calibrationRequested();


private:
    QPushButton *cmdBack = nullptr;
    void buildControls();
    void connectHandlers();
    void gridField(TextBox *field);
    // The model's grid on the panel.
    void showCheck();
    void showNominal(int bar);
    // "Riga 3: il valore ADC 1100 supera 1023, ...".
    QString countBeyond(int row, qint64 count, int maxCount) const;

    // The check's verdict beside the grid, in a word, and why in its tooltip.
    void showVerdict();

    Platform &m_platform;
    std::unique_ptr<PageSender> m_sender;
    std::function<void()> m_openArchive;
    // Runs each press of stampa: the check frozen, asked for, numbered, recorded, printed.
    class CheckSession *m_session = nullptr;
    ScaleCheckModel m_check;
    std::array<TextBox *, 6> txtBarScala{};
    std::array<TextBox *, 6> txtADCValue{};
    std::array<Label *, 6> lblMvoltScala{};
    std::array<Label *, 6> lblScalaOttenuta{};
    std::array<Label *, 6> lblLinearita{};
    std::array<Label *, 6> lblScostamento{};
    std::array<Label *, 7> lblSecondary{};
    TextBox *txtScalaMedia = nullptr;
    Label *lblFondoNominale = nullptr;
    Label *lblEsito = nullptr;
    QFrame *Picture1 = nullptr;
    QFrame *Picture2 = nullptr;
    std::array<QRadioButton *, 2> optADCScala{};
    std::array<QRadioButton *, 2> optMedia{};
    std::array<QRadioButton *, 2> optSensoreTipo{};
    QPushButton *cmdStampaScala = nullptr;
    QPushButton *cmdScala = nullptr;
    QPushButton *cmdTaratura = nullptr;
};

} // namespace dravino
