#pragma once
// The bench multimeter, through libsigrok: a device as sigrok-cli -d takes
// it ("uni-t-ut61e-ser:conn=/dev/ttyUSB0",
// "scpi-dmm:conn=tcp-raw/192.168.1.50/5025"), one DC voltage read from it,
// the multimeter drivers the installed libsigrok has, the meters a scan
// finds. Every call here waits for the meter: make them off the window's
// thread (MeterService).

#include <QList>
#include <QString>
#include <atomic>

namespace dravino {

struct MeterReading {
    enum Kind {
        Volts,       // a DC voltage, in volts
        NotDcVolts,  // the meter measures something else (AC volts, ohms, amperes)
        Overload,    // beyond the meter's range
        NotVolts,    // a voltage in a unit that is not volts
        NoDriver,    // the installed libsigrok has no such driver
        NotFound,    // no meter answered at that connection (unplugged, switched off, refused)
        Silent,      // found, but no reading came
        Searching,   // a search for meters held libsigrok until the reading gave up
        Failed,      // libsigrok's own error
    } kind = Failed;
    double volts = 0;
    QString shown;  // what the meter measures, as libsigrok names it ("V AC", "Ω", "A DC")
    QString detail; // libsigrok's words
    QString vendor, model, serial; // the meter, as it names itself
};

// Reads the meter once; gives up when *stop is set (it is polled while the
// reading is awaited).
MeterReading readMeter(const QString &device, const std::atomic_bool *stop = nullptr);

struct FoundMeter {
    QString device; // as readMeter takes it
    QString name;   // maker and model
};
// The multimeter drivers of the installed libsigrok: name, long name; why
// there are none (the module or libsigrok missing).
QList<std::pair<QString, QString>> multimeterDrivers(QString *why = nullptr);
// What driver finds at conn (empty: where the driver looks by itself);
// given up when *stop is set, giving libsigrok back to readings.
QList<FoundMeter> scanMeters(const QString &driver, const QString &conn, const std::atomic_bool *stop = nullptr,
                             QString *why = nullptr);

// The technician's meter: DRAVINO_INSTRUMENT, else the setting
// "instrument"; empty where none is chosen.
QString configuredInstrument();

} // namespace dravino
