#include "instrument/Meter.h"

#include "base/Settings.h"
#include "instrument/MeterModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include "base/Module.h"

namespace dravino {

namespace {

struct Module {
    meter_module::ReadFunction read = nullptr;
    meter_module::DriversFunction drivers = nullptr;
    meter_module::ScanFunction scan = nullptr;
    meter_module::StreamFunction stream = nullptr;
    meter_module::SaveSessionFunction save = nullptr;
    meter_module::LoadSessionFunction load = nullptr;
    QString error; // why the module is not there
};

// The module, loaded once, on the thread that first needs it (never the
// window's: every call here runs on a worker), and never unloaded.
const Module &module()
{
    static const Module loaded = [] {
        Module m;
        static QLibrary library;
        if (!loadModule(library, "DRAVINO_METER_MODULE", QStringLiteral(DRAVINO_METER_INSTALLED "/" DRAVINO_METER_FILE),
                        QStringLiteral(DRAVINO_METER_BUILT), m.error)) {
            if (m.error.isEmpty())
                m.error = QCoreApplication::translate("dravino::Meter", "il modulo dei multimetri %1 non è installato")
                              .arg(QStringLiteral(DRAVINO_METER_FILE));
            return m;
        }
        m.read = reinterpret_cast<meter_module::ReadFunction>(library.resolve(meter_module::kRead));
        m.drivers = reinterpret_cast<meter_module::DriversFunction>(library.resolve(meter_module::kDrivers));
        m.scan = reinterpret_cast<meter_module::ScanFunction>(library.resolve(meter_module::kScan));
        m.stream = reinterpret_cast<meter_module::StreamFunction>(library.resolve(meter_module::kStream));
        m.save = reinterpret_cast<meter_module::SaveSessionFunction>(library.resolve(meter_module::kSaveSession));
        m.load = reinterpret_cast<meter_module::LoadSessionFunction>(library.resolve(meter_module::kLoadSession));
        if (!m.read || !m.drivers || !m.scan || !m.stream || !m.save || !m.load)
            m.error = library.errorString();
        return m;
    }();
    return loaded;
}

} // namespace

QString configuredInstrument()
{
    const QString env = qEnvironmentVariable("DRAVINO_INSTRUMENT");
    const QString device = env.isEmpty() ? settingsValue(QStringLiteral("instrument")).toString() : env;
    // libsigrok's demo device, its analog channel A0 (a test's source, or a
    // technician's try without an instrument).
    return device == QLatin1String("demo") ? QStringLiteral("demo:channel=A0") : device;
}

bool isOscilloscope(const QString &device)
{
    return device.startsWith(QLatin1String("demo")) || device.contains(QLatin1String(":samplerate="))
        || device.contains(QLatin1String(":channel="));
}

QString instrumentName(const QString &vendor, const QString &model, const QString &serial)
{
    const QString name = QStringList{vendor, model}.join(QLatin1Char(' ')).trimmed();
    if (name.isEmpty() || serial.isEmpty())
        return name;
    return QCoreApplication::translate("dravino::Meter", "%1, n. di serie %2").arg(name, serial);
}

QString deviceOption(const QString &device, QLatin1String key)
{
    for (const QString &part : device.split(QLatin1Char(':')).mid(1))
        if (part.section(QLatin1Char('='), 0, 0) == key)
            return part.section(QLatin1Char('='), 1);
    return {};
}

double probeFactor(const QString &device)
{
    const QString probe = deviceOption(device, QLatin1String("probe"));
    return probe == QLatin1String("x10") || probe == QLatin1String("10") ? 10 : 1;
}

void streamSource(const QString &device, const std::atomic_bool *stop, StreamEvents *events)
{
    if (const Module &m = module(); m.error.isEmpty())
        return m.stream(device, stop, events);
    MeterReading r;
    r.detail = module().error;
    events->fault(r);
}

MeterReading readMeter(const QString &device, const std::atomic_bool *stop)
{
    MeterReading r;
    if (const Module &m = module(); m.error.isEmpty())
        m.read(device, stop, &r);
    else
        r.detail = m.error;
    return r;
}

QList<std::pair<QString, QString>> multimeterDrivers(QString *why)
{
    QList<std::pair<QString, QString>> out;
    if (const Module &m = module(); m.error.isEmpty())
        m.drivers(&out);
    else if (why)
        *why = m.error;
    if (out.isEmpty() && why && why->isEmpty())
        *why = QCoreApplication::translate("dravino::Meter", "la libreria libsigrok installata non ha driver di multimetri");
    return out;
}

QList<FoundMeter> scanMeters(const QString &driver, const QString &conn, const std::atomic_bool *stop, QString *why)
{
    QList<FoundMeter> out;
    if (const Module &m = module(); m.error.isEmpty())
        m.scan(driver, conn, stop, why, &out);
    else if (why)
        *why = m.error;
    return out;
}

bool saveSession(const QString &path, double rateHz, const GridProducer &produce, QString *why)
{
    if (const Module &m = module(); m.error.isEmpty())
        return m.save(path, rateHz, produce, why);
    *why = module().error;
    return false;
}

bool loadSession(const QString &path, const RateTaker &take, QString *why)
{
    if (const Module &m = module(); m.error.isEmpty())
        return m.load(path, take, why);
    *why = module().error;
    return false;
}

} // namespace dravino
