#pragma once
// "Prova guidata del sensore" (Shift+F7): the guided in-vehicle test run
// on the trace's capture, live or read back from a file: each step with
// its instruction, the limits it is judged by, the part of the capture it
// was judged on, what was measured and its verdict; a step whose part is
// missing or too short is not judged, in words, and the whole test then
// has no pass. The vehicle picks the workshop's own limit set for it
// where there is one (else the family's generic one, or the set chosen);
// the supply measured at the sensor's pin is judged and the levels taken
// as at 5 V; the technician may move a step's part and find it again.
// Valuta judges the capture as it is now; Stampa prints the report and
// records the test, as judged, in the archive.

#include "archive/GuidedRecord.h"

#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace dravino {

class Acquisition;
class ArchiveService;
class CalculatorModel;
class GuidedSession;
class PageSender;
class Platform;
struct TraceCapture;

class GuidedTestWindow final : public QWidget
{
    Q_OBJECT
public:
    // acquisition: where a scope's second channel gives the supply (none: typed only).
    GuidedTestWindow(Platform &platform, const CalculatorModel &calculator, const TraceCapture &capture,
                     std::function<ArchiveService *()> archive, const Acquisition *acquisition, QWidget *parent);
    ~GuidedTestWindow() override;
    // Judges the capture as it is now; false where the supply typed does
    // not read (told, and judged without it).
    bool evaluate();
    const GuidedResult &result() const { return m_result; }
    // The test as last judged, as its report and record keep it.
    GuidedData data() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitRows();
    void fillLimitSets();
    void vehicleEdited();
    void stepChosen();
    void movePart();
    void findPart();
    void editLimits();
    void print(int where, const QString &printer = {});
    GuidedLimits chosenLimits() const;
    // The capture's first reading, which the parts' seconds count from.
    std::int64_t firstMs() const;

    Platform &m_platform;
    const CalculatorModel &m_calculator;
    const TraceCapture &m_capture;
    GuidedResult m_result;
    GuidedLimits m_limits;
    std::optional<double> m_supply;
    QString m_supplyChannel; // where it came from (empty: typed)
    const Acquisition *m_acquisition;
    GuidedParts m_given;
    QList<GuidedOwnLimits> m_sets;
    QLineEdit *m_vehicle = nullptr;
    QLineEdit *m_code = nullptr;
    QComboBox *m_setChoice = nullptr;
    QLineEdit *m_supplyField = nullptr;
    QTableWidget *m_steps = nullptr;
    QLabel *m_limitsLabel = nullptr;
    QLabel *m_overall = nullptr;
    QLineEdit *m_partFrom = nullptr;
    QLineEdit *m_partTo = nullptr;
    QPushButton *m_move = nullptr;
    QPushButton *m_find = nullptr;
    QPushButton *m_print = nullptr;
    std::unique_ptr<PageSender> m_sender;
    GuidedSession *m_session = nullptr;
};

} // namespace dravino
