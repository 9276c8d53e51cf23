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
#include <cstdint>
#include <functional>

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
        RateRefused, // the source refuses the sample rate asked (detail: the rate)
        NoChannel,   // the source has no such analog channel (detail: the channel)
        BadProbe,    // a probe factor other than x1 and x10 (detail: as written)
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
// "instrument"; empty where none is chosen; "demo" is libsigrok's demo
// device, its channel A0.
QString configuredInstrument();
// An oscilloscope's device string: a channel or a sample rate of its own.
bool isOscilloscope(const QString &device);
// An instrument as it names itself ("Agilent Technologies 34405A, n. di
// serie MY1234"); empty where it gives no maker or model.
QString instrumentName(const QString &vendor, const QString &model, const QString &serial);
// The value of a device string's key=value (empty where it has none).
QString deviceOption(const QString &device, QLatin1String key);
// The probe's factor a device string sets (probe=x10: 10), else 1.
double probeFactor(const QString &device);

// What a stream from a source tells, on the stream's own thread: the
// source found and opened, each packet of readings (in volts, the probe's
// factor applied; rateHz 0 where the source gives readings at its own pace,
// a meter), and a fault (the stream then ends).
struct StreamEvents {
    std::function<void(const QString &vendor, const QString &model, const QString &serial, const QString &channel,
                       double rateHz)>
        opened;
    std::function<void(const float *volts, std::size_t count, double rateHz)> samples;
    std::function<void(const MeterReading &fault)> fault;
    // An oscilloscope's second channel read as the sensor's supply
    // (supply=A1): each packet's mean, in volts, the probe's factor applied.
    std::function<void(const QString &channel, double volts)> supply;
};
// Streams readings from device (a meter at its own pace, an oscilloscope
// at the rate its samplerate= asks) until *stop is set or a fault ends it,
// telling events on the calling thread: it waits for the source, so call it
// on a worker (Acquisition does).
void streamSource(const QString &device, const std::atomic_bool *stop, StreamEvents *events);

// A sigrok session file (.sr, libsigrok's srzip, which PulseView opens) of
// one analog channel, "Sensore", in volts, and one logic channel,
// "Lettura", high where a slot holds a reading, at rateHz: produce calls
// put with them in order. False with why (the module missing, libsigrok's
// words). It waits for libsigrok: call it off the window's thread.
using GridPut = std::function<void(const float *volts, const std::uint8_t *marks, std::size_t count)>;
using GridProducer = std::function<void(const GridPut &put)>;
bool saveSession(const QString &path, double rateHz, const GridProducer &produce, QString *why);
// A session file's first analog channel read: take hears its readings (in
// volts) at its rate, with the marks of a "Lettura" logic channel where
// the file has one (else none), and says false when it has enough. False
// with why where it is no session libsigrok opens or has no analog channel.
using RateTaker = std::function<bool(const float *volts, const std::uint8_t *marks, std::size_t count, double rateHz)>;
bool loadSession(const QString &path, const RateTaker &take, QString *why);

} // namespace dravino
