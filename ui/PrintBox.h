#pragma once
// The print box of the main panel (fraStampa): direction, From, To and Step of
// the value table, the count of values it will hold, and the print button.
// It reads the calculator model (family, full scale, zero point, the fields'
// texts) and sets its direction as the print button does; every row of the
// table is converted as Calculate converts, and a row Calculate would warn
// about is told in Calculate's words.

#include "ui/Controls.h"
#include "print/ValueTable.h"
#include "ui/printjob/PageSender.h"

#include <QGroupBox>
#include <array>
#include <memory>
#include <optional>

class QPushButton;
class QRadioButton;

namespace dravino {

class CalculatorModel;
class Platform;
class PrintSurface;
enum class MessageIcon;
struct PrinterName;

class PrintBox final : public QGroupBox
{
    Q_OBJECT
public:
    PrintBox(CalculatorModel &calculator, Platform &platform, QWidget *parent);
    Q_DISABLE_COPY_MOVE(PrintBox)

    // The number of rows the table will hold; nothing when From, To or Step
    // does not convert, the step is below 1 or the range is beyond 16 bits
    // (the label then keeps its text).
    std::optional<int> CountPrintValues();
    void optStampa_Click(int index);
    void cmdStampa_Click();
    // Checks the range and gives the table's rows (the refusals and the
    // rows' warnings told), updating From and the count as a print does.
    std::optional<ValueTableInput> PrintValueTable(int from, int to, int step);

    // Where the table goes: the print button's one click and its menu; its
    // rows as CSV.
    using Destination = PageSender::Destination;
    void sendTable(Destination where, const QString &printer = {});
    // The rows the table prints, as CSV or a spreadsheet.
    void exportTable(ExportKind kind);

    void markStartDirection();
    void setPrinterTooltip(const PrinterName &printer);
    std::vector<std::pair<int, QWidget *>> tabOrder() const;

signals:
    // A heading let go of (lblLabel(5), (6), (7)), at time (ms).
    void headingReleased(int index, ulong time);

private:
    void setLastValue(const QString &text);
    void setPrintingEnabled(bool on);
    void rangeField(TextBox *field);
    // The fields checked, the direction set, the table's rows.
    std::optional<ValueTableInput> checkedTable();
    void refuse(const QString &text, const QString &title, MessageIcon icon, QWidget *focus);

    CalculatorModel &m_calc;
    Platform &m_platform;
    std::array<Label *, 3> labels{}; // lblLabel(5), (6), (7)
    TextBox *txtStampaDa = nullptr;
    TextBox *txtStampaA = nullptr;
    TextBox *txtStep = nullptr;
    std::unique_ptr<PageSender> m_sender;
    QString m_what; // what the last table is, for file names and titles
    std::array<QRadioButton *, 2> optStampa{};
    QPushButton *cmdStampa = nullptr;
    Label *lblValStampa = nullptr;
};

} // namespace dravino
