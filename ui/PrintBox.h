#pragma once
// The print box of the main panel (fraStampa): direction, From, To and Step of
// the value table, the count of values it will hold, and the print button.
// Every row of the table goes through the calculator's own Calculate, with
// the direction the print button set held for the whole print.

#include "ui/Controls.h"
#include "ui/printjob/PrintJob.h"

#include <QGroupBox>
#include <array>
#include <optional>

class QPushButton;
class QRadioButton;

namespace dravino {

class MainPanel;
class Platform;
class PrintSurface;
enum class MessageIcon;
struct PrinterName;

class PrintBox final : public QGroupBox
{
    Q_OBJECT
public:
    PrintBox(MainPanel &calculator, Platform &platform, QWidget *parent);
    Q_DISABLE_COPY_MOVE(PrintBox)

    // The number of rows the table will hold; nothing when From, To or Step
    // does not convert, the step is below 1 or the range is beyond 16 bits
    // (the label then keeps its text).
    std::optional<int> CountPrintValues();
    void optStampa_Click(int index);
    void cmdStampa_Click();
    // Checks the range, draws the table and hands it to the printer; the
    // outcome is told when it comes, the window answering meanwhile.
    void PrintValueTable(int from, int to, int step);

    void markStartDirection();
    void setPrinterTooltip(const PrinterName &printer);
    void setLastValue(const QString &text);
    void setPrintingEnabled(bool on);
    std::vector<std::pair<int, QWidget *>> tabOrder() const;

    std::array<Label *, 3> labels{}; // lblLabel(5), (6), (7)
    TextBox *txtStampaDa = nullptr;
    TextBox *txtStampaA = nullptr;
    TextBox *txtStep = nullptr;

private:
    void rangeField(TextBox *field);
    void refuse(const QString &text, const QString &title, MessageIcon icon, QWidget *focus);

    MainPanel &m_calc;
    Platform &m_platform;
    PrintInProgress m_printing;
    std::array<QRadioButton *, 2> optStampa{};
    QPushButton *cmdStampa = nullptr;
    Label *lblValStampa = nullptr;
};

} // namespace dravino
