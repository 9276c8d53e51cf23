#pragma once
// "Strumento...": the bench multimeter Dravino reads (F9). The installed
// libsigrok's multimeter drivers are listed, the meters one finds at a
// connection (a serial port, tcp-raw/HOST/PORT) are searched for, a reading
// is tried, and the choice is kept (the setting "instrument"; the
// environment's DRAVINO_INSTRUMENT goes first), with the date its
// calibration is valid until (a date typed wrong is refused) and its
// accuracy, ± (% of reading + digits) and resolution, for a calibration's
// uncertainty (a number that does not read is refused). Everything that waits for
// libsigrok or a meter runs off the window's thread.

#include <QDialog>
#include <atomic>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace dravino {

class MeterService;
class Platform;
struct MeterReading;

class InstrumentDialog final : public QDialog
{
    Q_OBJECT
public:
    InstrumentDialog(Platform &platform, QWidget *parent);
    Q_DISABLE_COPY_MOVE(InstrumentDialog)

    QString device() const;
    // Opens the dialog and keeps what the technician confirms.
    static void choose(Platform &platform, QWidget *parent);
    // What a reading from device that brought no voltage means, in words:
    // the window's message after F9 and the dialog's own line alike.
    static QString faultText(const MeterReading &reading, const QString &device);

    // OK keeps the meter chosen; where it cannot be kept, says why and stays open.
    void accept() override;

private:
    void search();
    void tryReading();

    QComboBox *m_driver = nullptr;
    QLineEdit *m_conn = nullptr;
    QPushButton *m_search = nullptr;
    QListWidget *m_found = nullptr;
    QLineEdit *m_device = nullptr;
    // An oscilloscope's channel, sample rate and probe, written into the
    // device string (no channel: a meter).
    QLineEdit *m_channel = nullptr;
    QLineEdit *m_supplyChannel = nullptr;
    QComboBox *m_rate = nullptr, *m_probe = nullptr;
    void scopeFromDevice();
    void scopeIntoDevice();
    QLineEdit *m_calibration = nullptr;
    QLineEdit *m_accuracy = nullptr, *m_digits = nullptr, *m_resolution = nullptr, *m_certificate = nullptr;
    QPushButton *m_try = nullptr;
    QLabel *m_state = nullptr;
    MeterService *m_meter = nullptr;
    Platform &m_platform;
    int m_searches = 0; // the search whose answer is awaited; a given-up one's is dropped
    std::shared_ptr<std::atomic_bool> m_stopSearch; // the search under way gives libsigrok back when set
};

} // namespace dravino
