#pragma once
// The main panel: the pressure/voltage calculator around one operation,
// Calculate (cmdCalcola_Click). The voltage or pressure field that last gained
// the focus sets calcDirection; Calculate checks both fields against the
// family's limits, converts in that direction and writes the other field, the
// second output, the converter count and the coefficient tooltip. Selecting a
// family, a full scale or a resolution from code runs its click handler, as a
// user's click does. The print box (fraStampa) is a panel of its own. The
// family, full scale, zero point, resolution and direction are the
// calculator model's, which the print box and the scale panel read.

#include "core/PrintRange.h"
#include "core/Sensor.h"
#include "print/Footer.h"
#include "ui/Controls.h"

#include <QGroupBox>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace dravino {

class CalculatorModel;
class Platform;
class PrintBox;
enum class MessageIcon;
struct PrinterName;

class MainPanel final : public QGroupBox
{
    Q_OBJECT
public:
    MainPanel(Platform &platform, CalculatorModel &model, QWidget *parent);
    Q_DISABLE_COPY_MOVE(MainPanel)

    // Start-up steps that belong to this panel, in the window's order.
    void startSetZero();           // 2
    void startSelectFamily();      // 3
    void startShowStartPicture();  // 4
    void startSelectResolution();  // 5
    void startMarkDefaults();      // 6, 7, 8
    void startFitFocusFrames();    // 9
    void startFillFullScales();    // 10
    void setPrinterTooltip(const PrinterName &printer);

    // The window-level values, as the calculator model holds them.
    int zeroMvolt() const;
    ConversionDirection calcDirection() const;
    int fondoScala() const;
    SensorType sensorType() const;
    AdcResolution adcResolution() const;

    // Calculate converts a voltage above 0 and a pressure of 0 or more.
    static bool converts(ConversionDirection d, int value)
    {
        return d == ConversionDirection::MillivoltToPressure ? value > 0 : value >= 0;
    }

    // Selections from code: they run the click handler every time.
    void selectSensore(int index);
    void selectScala(int index);
    void selectADCBit(int index);

    void cmdCalcola_Click();
    // Calculate's message for a value it refuses or warns about; the focus
    // stays where it is.
    void warnAbout(RowWarning warning);
    void cmdZeroBar_Click();
    void optSensore_Click(int index);
    void cboScala_Click();
    void optADCBit_Click(int index);

    TextBox *txtMvolt1 = nullptr;
    TextBox *txtMvolt2 = nullptr;
    TextBox *txtPressione = nullptr;
    TextBox *txtADC = nullptr;
    QComboBox *cboScala = nullptr;
    std::array<Label *, 5> lblLabel{}; // (5), (6) and (7) are the print box's
    Label *lblMail = nullptr;
    PictureBox *picLogo = nullptr;
    PrintBox *printBox = nullptr;

    // Tab positions of this panel's controls.
    std::vector<std::pair<int, QWidget *>> tabOrder() const;
    // The first control in tab order takes the focus.
    void focusFirst();

    // A meter reading (F9): whether the focused control takes one, and the
    // reading in volts into mVolt 1, as if typed and entered.
    bool takesReading(const QWidget *focus) const;
    // False where it was refused or Calculate had something to say.
    bool putReading(double volts);
    // The meter reading into mVolt 1 live (Shift+F9): the field's mark.
    void setLive(bool live);
    bool live() const { return m_live; }
    static QString liveNote();

    void lblLabel_MouseDown(int index);
    void lblLabel_MouseUp(int index);
    void picLogo_MouseDown();
    void picLogo_MouseUp();

signals:
    // A heading let go of, at time (ms): two on "SCALA (bar)" or
    // "Pressione" open a panel.
    void headingReleased(int index, ulong time);
    void logoReleased();
    void mailReleased();
    // A key typed into mVolt 1 while the meter reads into it.
    void liveInterrupted();

private:
    void buildControls();
    void connectHandlers();

    void MvoltToBar(int mv, int fullScale);
    void BarToMvolt(int bar, int fullScale);
    void showAdcCount(int mv);
    void announceResult(TextBox *source);
    void AdcToMvolt();

    // The entry fields' shared behaviour, by direction.
    void entryGotFocus(ConversionDirection d);
    void entryKeyPress(TextBox *field, int &ch);
    void entryKeyDown(TextBox *field, int keyCode, int upperBound);

    // The field as a whole number; text that does not convert reads as 0.
    int value(const TextBox *field) const;
    // Calculate's empty-field rule, also for text that does not convert.
    void normalize(TextBox *field);
    void focusTo(QWidget *w);
    // The chosen full-scale entry as text; what is typed in the list's edit
    // field counts only once an entry is chosen.
    QString fullScaleText() const;
    // The zero point, and the SET 0 button saying it.
    void setZero(int mv);
    void message(const QString &text, const QString &title, MessageIcon icon);

    Platform &m_platform;
    CalculatorModel &m_model;
    bool m_live = false;
    int m_told = 0; // the messages shown, counted
    QLabel *m_liveMark = nullptr;

    QPushButton *cmdCalcola = nullptr;
    QPushButton *cmdZeroBar = nullptr;
    RectShape *shaMillivolt = nullptr;
    RectShape *shaPressione = nullptr;
    QGroupBox *fraOpt = nullptr;
    QGroupBox *fraSensore = nullptr;
    std::array<QRadioButton *, 2> optADCBit{};
    std::array<QRadioButton *, 3> optSensore{};
    std::array<QLabel *, 4> imgSensore{};
};


} // namespace dravino
