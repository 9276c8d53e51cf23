#pragma once
// The Sensata panel (fraSensata): the number on a Sensata sensor's label
// gives its date of manufacture and serial part (decodeSensata in core/), and
// two label marks picked from lists give the country and the gas.

#include "ui/Controls.h"

#include <QGroupBox>
#include <array>

class QComboBox;
class QPushButton;

namespace dravino {

class Platform;

class SensataPanel final : public QGroupBox
{
    Q_OBJECT
public:
    SensataPanel(Platform &platform, QWidget *parent);
    Q_DISABLE_COPY_MOVE(SensataPanel)

    // Start-up steps 11 and 12.
    void startFillCountryMarks();
    void startFillGasMarks();
    // A selection from code runs the click handler every time.
    void selectMark(int list, int entry);

    void cmdSensata_Click();
    void cboSensata_Click(int index);
    std::vector<std::pair<int, QWidget *>> tabOrder() const;

signals:
    // The back button: the main panel goes in front.
    void backRequested();


private:
    QPushButton *cmdSensataBack = nullptr;
    Platform &m_platform;
    TextBox *txtSensataCode = nullptr;
    std::array<QComboBox *, 2> cboSensata{};
    std::array<Label *, 9> lblSensata{};
    QLabel *Picture3 = nullptr;
    QPushButton *cmdSensata = nullptr;
};

} // namespace dravino
