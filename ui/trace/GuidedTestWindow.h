#pragma once
// "Prova guidata del sensore" (Shift+F7): the guided in-vehicle test run
// on the trace's capture, live or read back from a file: each step with
// its instruction, the limits it is judged by (the family's generic set),
// the part of the capture it was judged on, what was measured and its
// verdict; a step whose part is missing or too short is not judged, in
// words, and the whole test then has no pass. Valuta judges the capture
// as it is now.

#include "core/GuidedTest.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace dravino {

class CalculatorModel;
struct TraceCapture;

class GuidedTestWindow final : public QWidget
{
    Q_OBJECT
public:
    GuidedTestWindow(const CalculatorModel &calculator, const TraceCapture &capture, QWidget *parent);
    // Judges the capture as it is now.
    void evaluate();
    const GuidedResult &result() const { return m_result; }

private:
    const CalculatorModel &m_calculator;
    const TraceCapture &m_capture;
    GuidedResult m_result;
    QTableWidget *m_steps = nullptr;
    QLabel *m_limits = nullptr;
    QLabel *m_overall = nullptr;
};

} // namespace dravino
