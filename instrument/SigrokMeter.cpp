// The part of the multimeter code that uses libsigrok, built as a module of
// its own (libdravino_meter.so on Linux: CMake names it) that Meter.cpp loads on the first reading
// or search: libsigrok and the twenty libraries it brings (USB, serial,
// Bluetooth, HID, ...) cost the window's start nothing.
//
// libsigrok's C++ bindings (glibmm) come before any Qt header: Qt's
// keywords would break them.
#include <libsigrokcxx/libsigrokcxx.hpp>

#include "instrument/MeterModule.h"

#include <QStringList>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace dravino {

namespace {

using namespace sigrok;

QString fromStd(const std::string &s) { return QString::fromStdString(s); }

std::shared_ptr<Context> context()
{
    auto ctx = Context::create();
    ctx->set_log_level(LogLevel::NONE);
    return ctx;
}

// libsigrok keeps each driver's state in the driver itself, not in the
// context: a second context made while one is in use takes the drivers
// from under it, and a reading then crashes when the other context ends.
// One context at a time, then, held from its making to its end (a lock
// taken before the context, so released after it).
std::timed_mutex &oneContext()
{
    static std::timed_mutex mutex;
    return mutex;
}

// The context a stream holds, for a session file written or read while it
// runs (a second context would take the drivers from under the stream).
std::weak_ptr<Context> &streamContext()
{
    static std::weak_ptr<Context> held;
    return held;
}

// A search holds the context: a reading meanwhile says so when it gives up.
std::atomic_bool g_searching{false};

// A stream holds the context while it runs: a reading asked meanwhile is
// answered by the stream's next reading, not after the stream ends.
struct StreamNewest {
    std::mutex mutex;
    bool running = false;
    MeterReading reading;
    std::chrono::steady_clock::time_point at;
};
StreamNewest &streamNewest()
{
    static StreamNewest newest;
    return newest;
}

// A meter on the network (conn=tcp-raw/HOST/PORT, tcp-rigol/...) is first
// reached without libsigrok, so that an address nobody answers at (a wrong
// IP, a meter switched off) is given up when stop is set, not after the
// system's minutes-long connect, and never holds the one context meanwhile.
// Empty when it answers, or is no network address; else why not.
QString unreachable(const QString &conn, const std::atomic_bool *stop)
{
    const QStringList parts = conn.split(QLatin1Char('/'));
    if (parts.size() != 3 || !parts[0].startsWith(QLatin1String("tcp-")))
        return {};
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (const int err = ::getaddrinfo(parts[1].toUtf8().constData(), parts[2].toUtf8().constData(), &hints, &found); err != 0)
        return QString::fromLocal8Bit(::gai_strerror(err));
    QString why;
    for (addrinfo *a = found; a; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0)
            continue;
        int err = ::connect(fd, a->ai_addr, a->ai_addrlen) == 0 ? 0 : errno;
        if (err == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int ready = 0;
            while (!(stop && *stop) && (ready = ::poll(&p, 1, 50)) == 0) {
            }
            socklen_t len = sizeof err;
            if (ready == 0)
                err = ETIMEDOUT; // stopped before it answered
            else if (ready < 0 || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) != 0)
                err = errno;
        }
        ::close(fd);
        if (err == 0) {
            why.clear();
            break;
        }
        why = QString::fromLocal8Bit(std::strerror(err));
    }
    ::freeaddrinfo(found);
    return why;
}

// The session's loop waits for the meter: a watcher stops it when stop is
// set, and is always joined, whatever ends the reading.
class SessionWatch
{
public:
    SessionWatch(const std::shared_ptr<Session> &session, const std::atomic_bool *stop)
        : m_thread([this, session, stop] {
              std::unique_lock lock(m_mutex);
              while (!m_done && !(stop && *stop))
                  m_ended.wait_for(lock, std::chrono::milliseconds(50));
              if (!m_done)
                  session->stop();
          })
    {
    }
    ~SessionWatch()
    {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_ended.notify_all();
        m_thread.join();
    }
    SessionWatch(const SessionWatch &) = delete;
    SessionWatch &operator=(const SessionWatch &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false;
    std::thread m_thread; // last: it starts once the rest is made
};

// driver:key=value:key=value, as sigrok-cli takes it.
// A source's own settings follow, for a stream: channel=A0 (an
// oscilloscope's analog channel), supply=A1 (a second one, at the
// sensor's supply), samplerate=1000000 (or 1k, 1m), probe=10, and a demo
// channel's pattern=, amplitude= and offset= (as sigrok-cli sets them);
// another channel's as A1.pattern= and so on (sigrok-cli's -g A1).
struct ParsedDevice {
    std::string driver;
    std::map<const ConfigKey *, Glib::VariantBase> options;
    QString channel, supply, samplerate, probe, pattern, amplitude, offset;
    std::map<QString, std::map<QString, QString>> groups; // a channel group's pattern, amplitude, offset
};

ParsedDevice parse(const QString &device)
{
    ParsedDevice parsed;
    const QStringList parts = device.split(QLatin1Char(':'));
    parsed.driver = parts.value(0).trimmed().toStdString();
    for (const QString &part : parts.mid(1)) {
        const QString key = part.section(QLatin1Char('='), 0, 0), value = part.section(QLatin1Char('='), 1);
        if (key == QLatin1String("conn"))
            parsed.options[ConfigKey::CONN] = Glib::Variant<Glib::ustring>::create(value.toStdString());
        else if (key == QLatin1String("serialcomm"))
            parsed.options[ConfigKey::SERIALCOMM] = Glib::Variant<Glib::ustring>::create(value.toStdString());
        else if (key == QLatin1String("channel"))
            parsed.channel = value;
        else if (key == QLatin1String("supply"))
            parsed.supply = value;
        else if (key == QLatin1String("samplerate"))
            parsed.samplerate = value;
        else if (key == QLatin1String("probe"))
            parsed.probe = value;
        else if (key == QLatin1String("pattern"))
            parsed.pattern = value;
        else if (key == QLatin1String("amplitude"))
            parsed.amplitude = value;
        else if (key == QLatin1String("offset"))
            parsed.offset = value;
        else if (key.contains(QLatin1Char('.')))
            parsed.groups[key.section(QLatin1Char('.'), 0, 0)][key.section(QLatin1Char('.'), 1)] = value;
    }
    return parsed;
}

// 1000, 1k, 250k, 1m (as sigrok-cli writes rates); 0 where it is none.
std::uint64_t rateOf(const QString &text)
{
    QString t = text.trimmed().toLower();
    if (t.endsWith(QLatin1String("hz")))
        t.chop(2);
    std::uint64_t factor = 1;
    if (t.endsWith(QLatin1Char('k')))
        factor = 1000;
    else if (t.endsWith(QLatin1Char('m')))
        factor = 1000000;
    else if (t.endsWith(QLatin1Char('g')))
        factor = 1000000000;
    if (factor > 1)
        t.chop(1);
    bool ok = false;
    const qulonglong n = t.toULongLong(&ok);
    return ok && n > 0 && n <= 10000000000ull / factor ? n * factor : 0;
}

QString unitText(const std::shared_ptr<Analog> &a)
{
    QString out = a->unit() == Unit::VOLT ? QStringLiteral("V") : a->unit() == Unit::OHM ? QStringLiteral("Ω")
        : a->unit() == Unit::AMPERE                                                   ? QStringLiteral("A")
                                                                                       : fromStd(a->unit()->name());
    for (const QuantityFlag *f : a->mq_flags())
        if (f == QuantityFlag::AC || f == QuantityFlag::DC)
            out += QLatin1Char(' ') + fromStd(f->name());
    return out;
}

QList<std::pair<QString, QString>> listDrivers()
{
    QList<std::pair<QString, QString>> out;
    const std::lock_guard lock(oneContext());
    try {
        for (const auto &[name, driver] : context()->drivers()) {
            const auto keys = driver->config_keys();
            if (keys.count(ConfigKey::MULTIMETER) || keys.count(ConfigKey::OSCILLOSCOPE))
                out.append({fromStd(name), fromStd(driver->long_name())});
        }
    } catch (const Error &) {
    }
    return out;
}

QList<FoundMeter> findMeters(const QString &driverName, const QString &conn, const std::atomic_bool *stop, QString *why)
{
    QList<FoundMeter> out;
    if (const QString away = unreachable(conn, stop); !away.isEmpty()) {
        if (why)
            *why = away;
        return out;
    }
    // Readings wait meanwhile; one stopped waiting says a search holds them.
    std::unique_lock lock(oneContext(), std::defer_lock);
    while (!lock.try_lock_for(std::chrono::milliseconds(50)))
        if (stop && *stop)
            return out;
    g_searching = true;
    struct Searched {
        ~Searched() { g_searching = false; }
    } searched;
    try {
        auto ctx = context();
        const auto drivers = ctx->drivers();
        const auto it = drivers.find(driverName.toStdString());
        if (it == drivers.end())
            return out;
        std::map<const ConfigKey *, Glib::VariantBase> options;
        if (!conn.isEmpty())
            options[ConfigKey::CONN] = Glib::Variant<Glib::ustring>::create(conn.toStdString());
        for (const auto &d : it->second->scan(options)) {
            QString device = driverName;
            const QString id = fromStd(d->connection_id());
            if (!conn.isEmpty())
                device += QStringLiteral(":conn=") + conn;
            else if (!id.isEmpty())
                device += QStringLiteral(":conn=") + id;
            out.append({device, (fromStd(d->vendor()) + QLatin1Char(' ') + fromStd(d->model())).trimmed()});
        }
    } catch (const Error &e) {
        if (why)
            *why = QString::fromUtf8(e.what());
    }
    return out;
}

void streamFrom(const QString &device, const std::atomic_bool *stop, StreamEvents *events);

// One reading of an oscilloscope's channel: its stream, until the first
// packet (or stop, or a fault).
MeterReading readScopeOnce(const QString &device, const std::atomic_bool *stop)
{
    MeterReading r;
    r.kind = MeterReading::Silent;
    std::atomic_bool enough{false};
    std::thread watch([&] {
        while (!enough) {
            if (stop && *stop)
                enough = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    StreamEvents events;
    events.opened = [&](const QString &vendor, const QString &model, const QString &serial, const QString &, double) {
        r.vendor = vendor;
        r.model = model;
        r.serial = serial;
    };
    events.samples = [&](const float *volts, std::size_t count, double) {
        if (enough || count == 0)
            return;
        r.kind = MeterReading::Volts;
        r.volts = volts[count - 1];
        r.shown = QStringLiteral("V DC");
        enough = true;
    };
    events.fault = [&](const MeterReading &fault) {
        const QString vendor = r.vendor, model = r.model, serial = r.serial;
        r = fault;
        r.vendor = vendor;
        r.model = model;
        r.serial = serial;
        enough = true;
    };
    streamFrom(device, &enough, &events);
    enough = true;
    watch.join();
    return r;
}

MeterReading readOnce(const QString &device, const std::atomic_bool *stop)
{
    MeterReading r;
    // Another reading or search under way: this one waits for it, and
    // gives up with it when stopped meanwhile; a stream's next reading
    // answers it.
    const auto asked = std::chrono::steady_clock::now();
    std::unique_lock lock(oneContext(), std::defer_lock);
    while (!lock.try_lock_for(std::chrono::milliseconds(50))) {
        if (stop && *stop) {
            r.kind = g_searching ? MeterReading::Searching : MeterReading::Silent;
            return r;
        }
        StreamNewest &newest = streamNewest();
        std::lock_guard streamed(newest.mutex);
        if (newest.running && newest.at > asked)
            return newest.reading;
    }
    if (device.contains(QLatin1String(":channel=")) || device.contains(QLatin1String(":samplerate="))) {
        lock.unlock();
        return readScopeOnce(device, stop);
    }
    try {
        const ParsedDevice parsed = parse(device);
        if (const auto conn = parsed.options.find(ConfigKey::CONN); conn != parsed.options.end()) {
            const QString address = fromStd(Glib::VariantBase::cast_dynamic<Glib::Variant<Glib::ustring>>(conn->second).get());
            if (const QString away = unreachable(address, stop); !away.isEmpty()) {
                r.kind = stop && *stop ? MeterReading::Silent : MeterReading::NotFound;
                r.detail = away;
                return r;
            }
        }
        auto ctx = context();
        const auto drivers = ctx->drivers();
        const auto driver = drivers.find(parsed.driver);
        if (driver == drivers.end()) {
            r.kind = MeterReading::NoDriver;
            r.detail = fromStd(parsed.driver);
            return r;
        }
        const auto found = driver->second->scan(parsed.options);
        if (found.empty() || (stop && *stop)) {
            r.kind = MeterReading::NotFound;
            return r;
        }
        const auto meter = found.front();
        r.vendor = fromStd(meter->vendor());
        r.model = fromStd(meter->model());
        r.serial = fromStd(meter->serial_number());
        meter->open();
        auto session = ctx->create_session();
        session->add_device(meter);
        meter->config_set(ConfigKey::LIMIT_SAMPLES, Glib::Variant<guint64>::create(1));
        bool got = false;
        session->add_datafeed_callback([&](std::shared_ptr<Device>, std::shared_ptr<Packet> packet) {
            if (got || packet->type() != PacketType::ANALOG)
                return;
            const auto analog = std::dynamic_pointer_cast<Analog>(packet->payload());
            if (!analog || analog->num_samples() < 1)
                return;
            got = true;
            std::vector<float> values(analog->num_samples());
            analog->get_data_as_float(values.data());
            const double v = values.front();
            const auto flags = analog->mq_flags();
            const bool dc = std::find(flags.begin(), flags.end(), QuantityFlag::DC) != flags.end();
            r.shown = unitText(analog);
            r.volts = v;
            if (analog->mq() != Quantity::VOLTAGE || !dc)
                r.kind = MeterReading::NotDcVolts;
            else if (analog->unit() != Unit::VOLT)
                r.kind = MeterReading::NotVolts;
            else if (!std::isfinite(v) || std::fabs(v) >= 9e37)
                r.kind = MeterReading::Overload;
            else
                r.kind = MeterReading::Volts;
        });
        session->start();
        {
            const SessionWatch watch(session, stop);
            session->run();
        }
        meter->close();
        if (!got)
            r.kind = MeterReading::Silent;
    } catch (const Error &e) {
        r.kind = MeterReading::Failed;
        r.detail = QString::fromUtf8(e.what());
    }
    return r;
}

// A stream's start: the one context, the source found and opened, its
// channel, rate and demo pattern set; then readings until stop is set or
// the source ends the session; every fault told once, as the stream ends.
void streamFrom(const QString &device, const std::atomic_bool *stop, StreamEvents *events)
{
    const auto fault = [events](MeterReading::Kind kind, const QString &detail = {}) {
        MeterReading r;
        r.kind = kind;
        r.detail = detail;
        events->fault(r);
    };
    std::unique_lock lock(oneContext(), std::defer_lock);
    while (!lock.try_lock_for(std::chrono::milliseconds(50)))
        if (stop && *stop)
            return;
    try {
        const ParsedDevice parsed = parse(device);
        double probe = 1;
        if (!parsed.probe.isEmpty()) {
            const QString p = parsed.probe.trimmed().toLower().remove(QLatin1Char('x'));
            if (p != QLatin1String("1") && p != QLatin1String("10"))
                return fault(MeterReading::BadProbe, parsed.probe);
            probe = p.toDouble();
        }
        std::uint64_t rate = 0;
        if (!parsed.samplerate.isEmpty() && (rate = rateOf(parsed.samplerate)) == 0)
            return fault(MeterReading::RateRefused, parsed.samplerate);
        if (const auto conn = parsed.options.find(ConfigKey::CONN); conn != parsed.options.end()) {
            const QString address = fromStd(Glib::VariantBase::cast_dynamic<Glib::Variant<Glib::ustring>>(conn->second).get());
            if (const QString away = unreachable(address, stop); !away.isEmpty())
                return stop && *stop ? void() : fault(MeterReading::NotFound, away);
        }
        auto ctx = context();
        streamContext() = ctx; // (a session file meanwhile uses it)
        const auto drivers = ctx->drivers();
        const auto driver = drivers.find(parsed.driver);
        if (driver == drivers.end())
            return fault(MeterReading::NoDriver, fromStd(parsed.driver));
        const auto found = driver->second->scan(parsed.options);
        if (stop && *stop)
            return;
        if (found.empty())
            return fault(MeterReading::NotFound);
        const auto source = found.front();
        // An oscilloscope (or the demo device) streams at the rate asked; a
        // meter gives readings at its own pace.
        const bool scope = driver->second->config_keys().count(ConfigKey::OSCILLOSCOPE) > 0
            && source->config_check(ConfigKey::SAMPLERATE, Capability::SET);
        // The analog channel read: the one named, else the first.
        std::shared_ptr<Channel> channel;
        for (const auto &c : source->channels())
            if (c->type() == ChannelType::ANALOG && (parsed.channel.isEmpty() ? !channel : fromStd(c->name()) == parsed.channel))
                channel = c;
        if (!channel)
            return fault(MeterReading::NoChannel, parsed.channel);
        // The supply's channel, where one is named (a scope's only: a meter
        // has one input).
        std::shared_ptr<Channel> supply;
        if (scope && !parsed.supply.isEmpty()) {
            for (const auto &c : source->channels())
                if (c->type() == ChannelType::ANALOG && fromStd(c->name()) == parsed.supply && c != channel)
                    supply = c;
            if (!supply)
                return fault(MeterReading::NoChannel, parsed.supply);
        }
        source->open();
        struct Closing {
            std::shared_ptr<HardwareDevice> device;
            ~Closing()
            {
                try {
                    device->close();
                } catch (const Error &) {
                }
            }
        } closing{source};
        if (scope) {
            for (const auto &c : source->channels())
                c->set_enabled(c->name() == channel->name() || (supply && c->name() == supply->name()));
            try {
                source->config_set(ConfigKey::SAMPLERATE, Glib::Variant<guint64>::create(rate ? rate : 1000));
            } catch (const Error &) {
                return fault(MeterReading::RateRefused, QString::number(rate ? rate : 1000));
            }
            // The demo's pattern, amplitude and offset, where a test sets them.
            for (const auto &[name, group] : source->channel_groups()) {
                const auto given = parsed.groups.find(fromStd(name));
                std::map<QString, QString> set = given == parsed.groups.end() ? std::map<QString, QString>{} : given->second;
                if (fromStd(name) == fromStd(channel->name()))
                    for (const auto &[key, value] : {std::pair{QStringLiteral("pattern"), parsed.pattern},
                                                     {QStringLiteral("amplitude"), parsed.amplitude}, {QStringLiteral("offset"), parsed.offset}})
                        if (!value.isEmpty())
                            set[key] = value;
                if (const QString p = set[QStringLiteral("pattern")]; !p.isEmpty())
                    group->config_set(ConfigKey::PATTERN_MODE, Glib::Variant<Glib::ustring>::create(p.toStdString()));
                if (const QString a = set[QStringLiteral("amplitude")]; !a.isEmpty())
                    group->config_set(ConfigKey::AMPLITUDE, Glib::Variant<double>::create(a.toDouble()));
                if (const QString o = set[QStringLiteral("offset")]; !o.isEmpty())
                    group->config_set(ConfigKey::OFFSET, Glib::Variant<double>::create(o.toDouble()));
            }
        }
        double rateHz = 0;
        if (scope) {
            try {
                rateHz = double(Glib::VariantBase::cast_dynamic<Glib::Variant<guint64>>(source->config_get(ConfigKey::SAMPLERATE)).get());
            } catch (const std::exception &) {
                rateHz = double(rate ? rate : 1000);
            }
        }
        // The reading a one-off asked meanwhile gets: the source's name
        // made once, the newest volts put in as each packet comes.
        MeterReading named;
        named.kind = MeterReading::Volts;
        named.shown = QStringLiteral("V DC");
        named.vendor = fromStd(source->vendor());
        named.model = fromStd(source->model());
        named.serial = fromStd(source->serial_number());
        events->opened(named.vendor, named.model, named.serial, fromStd(channel->name()), rateHz);
        auto session = ctx->create_session();
        session->add_device(source);
        std::vector<float> values;
        MeterReading wrong; // the last packet that was not DC volts, told once
        session->add_datafeed_callback([&](std::shared_ptr<Device>, std::shared_ptr<Packet> packet) {
            if (packet->type() != PacketType::ANALOG)
                return;
            const auto analog = std::dynamic_pointer_cast<Analog>(packet->payload());
            if (!analog || analog->num_samples() < 1)
                return;
            const auto channels = analog->channels();
            values.resize(analog->num_samples() * channels.size());
            if (supply && channels.size() == 1 && channels.front()->name() == supply->name()) {
                analog->get_data_as_float(values.data());
                double sum = 0;
                for (std::size_t i = 0; i < analog->num_samples(); ++i)
                    sum += values[i];
                if (events->supply)
                    events->supply(fromStd(supply->name()), sum / double(analog->num_samples()) * probe);
                return;
            }
            if (std::none_of(channels.begin(), channels.end(), [&](const auto &c) { return c->name() == channel->name(); }))
                return;
            analog->get_data_as_float(values.data());
            if (!scope) {
                const auto flags = analog->mq_flags();
                const bool dc = std::find(flags.begin(), flags.end(), QuantityFlag::DC) != flags.end();
                MeterReading r;
                r.shown = unitText(analog);
                r.volts = values.front();
                r.kind = analog->mq() != Quantity::VOLTAGE || !dc ? MeterReading::NotDcVolts
                    : analog->unit() != Unit::VOLT                ? MeterReading::NotVolts
                    : !std::isfinite(r.volts) || std::fabs(r.volts) >= 9e37 ? MeterReading::Overload
                                                                             : MeterReading::Volts;
                if (r.kind != MeterReading::Volts) {
                    events->fault(r);
                    return;
                }
            }
            for (float &v : values)
                v = float(v * probe);
            {
                StreamNewest &newest = streamNewest();
                std::lock_guard lock(newest.mutex);
                newest.running = true;
                newest.reading = named;
                newest.reading.volts = values[analog->num_samples() - 1];
                newest.at = std::chrono::steady_clock::now();
            }
            events->samples(values.data(), analog->num_samples(), rateHz);
        });
        struct Ended {
            ~Ended()
            {
                std::lock_guard lock(streamNewest().mutex);
                streamNewest().running = false;
            }
        } ended;
        session->start();
        {
            const SessionWatch watch(session, stop);
            session->run();
        }
        if (!(stop && *stop))
            fault(MeterReading::Silent, {}); // the source ended the session
    } catch (const Error &e) {
        fault(MeterReading::Failed, QString::fromUtf8(e.what()));
    }
}

// The one context for a session file: the stream's, where one runs, else
// one of its own (lock then holds it).
std::shared_ptr<Context> fileContext(std::unique_lock<std::timed_mutex> &lock)
{
    while (!lock.try_lock_for(std::chrono::milliseconds(50))) {
        std::lock_guard streamed(streamNewest().mutex);
        if (streamNewest().running)
            if (auto ctx = streamContext().lock())
                return ctx;
    }
    return context();
}

bool saveSessionFile(const QString &path, double rateHz, const GridProducer &produce, QString *why)
{
    std::unique_lock lock(oneContext(), std::defer_lock);
    try {
        const auto ctx = fileContext(lock);
        const auto formats = ctx->output_formats();
        const auto srzip = formats.find("srzip");
        if (srzip == formats.end()) {
            *why = QStringLiteral("srzip");
            return false;
        }
        const auto device = ctx->create_user_device("Dravino", "Traccia del sensore", "1");
        device->add_channel(0, ChannelType::LOGIC, "Lettura");
        device->add_channel(1, ChannelType::ANALOG, "Sensore");
        std::vector<std::shared_ptr<Channel>> analog;
        for (const auto &c : device->channels())
            if (c->type() == ChannelType::ANALOG)
                analog.push_back(c);
        const auto output = srzip->second->create_output(path.toStdString(), device);
        output->receive(ctx->create_header_packet(Glib::TimeVal(0, 0)));
        output->receive(ctx->create_meta_packet({{ConfigKey::SAMPLERATE, Glib::Variant<guint64>::create(guint64(rateHz))}}));
        std::vector<float> values;
        std::vector<std::uint8_t> bits;
        produce([&](const float *volts, const std::uint8_t *marks, std::size_t count) {
            values.assign(volts, volts + count);
            bits.assign(marks, marks + count);
            output->receive(ctx->create_logic_packet(bits.data(), bits.size(), 1));
            output->receive(ctx->create_analog_packet(analog, values.data(), unsigned(count), Quantity::VOLTAGE, Unit::VOLT, {}));
        });
        output->receive(ctx->create_end_packet());
        return true;
    } catch (const Error &e) {
        *why = QString::fromUtf8(e.what());
        return false;
    }
}

bool loadSessionFile(const QString &path, const RateTaker &take, QString *why)
{
    std::unique_lock lock(oneContext(), std::defer_lock);
    try {
        const auto ctx = fileContext(lock);
        const auto session = ctx->load_session(path.toStdString());
        double rateHz = 0;
        bool marked = false; // a "Lettura" logic channel: ours, marking the readings
        for (const auto &device : session->devices()) {
            if (device->config_check(ConfigKey::SAMPLERATE, Capability::GET))
                rateHz = double(Glib::VariantBase::cast_dynamic<Glib::Variant<guint64>>(device->config_get(ConfigKey::SAMPLERATE)).get());
            for (const auto &c : device->channels())
                marked = marked || (c->type() == ChannelType::LOGIC && c->name() == "Lettura");
        }
        std::string first; // the first analog channel's name: the one read
        bool enough = false, analog = false;
        // Readings and marks come in packets of their own: taken as far as
        // both have come.
        std::vector<float> values;
        std::vector<std::uint8_t> marks;
        const auto give = [&] {
            const std::size_t n = marked ? std::min(values.size(), marks.size()) : values.size();
            if (n == 0 || enough)
                return;
            enough = !take(values.data(), marked ? marks.data() : nullptr, n, rateHz);
            values.erase(values.begin(), values.begin() + std::ptrdiff_t(n));
            if (marked)
                marks.erase(marks.begin(), marks.begin() + std::ptrdiff_t(n));
        };
        session->add_datafeed_callback([&](std::shared_ptr<Device>, std::shared_ptr<Packet> packet) {
            if (enough)
                return;
            if (packet->type() == PacketType::META) {
                const auto meta = std::dynamic_pointer_cast<Meta>(packet->payload());
                for (const auto &[key, value] : meta->config())
                    if (key == ConfigKey::SAMPLERATE)
                        rateHz = double(Glib::VariantBase::cast_dynamic<Glib::Variant<guint64>>(value).get());
            } else if (packet->type() == PacketType::LOGIC && marked) {
                const auto logic = std::dynamic_pointer_cast<Logic>(packet->payload());
                const auto *bytes = static_cast<const std::uint8_t *>(logic->data_pointer());
                const unsigned unit = std::max(1u, logic->unit_size());
                for (std::size_t i = 0; i + unit <= logic->data_length(); i += unit)
                    marks.push_back(bytes[i] & 1); // ("Lettura" is the logic channel's first bit)
                give();
            } else if (packet->type() == PacketType::ANALOG) {
                const auto data = std::dynamic_pointer_cast<Analog>(packet->payload());
                if (!data || data->num_samples() < 1 || data->channels().empty())
                    return;
                if (first.empty())
                    first = data->channels().front()->name();
                if (data->channels().size() != 1 || data->channels().front()->name() != first)
                    return;
                analog = true;
                const std::size_t at = values.size();
                values.resize(at + data->num_samples());
                data->get_data_as_float(values.data() + at);
                give();
            }
        });
        session->start();
        session->run();
        return analog;
    } catch (const Error &e) {
        *why = QString::fromUtf8(e.what());
        return false;
    }
}

} // namespace
} // namespace dravino

extern "C" {
Q_DECL_EXPORT bool dravinoSaveSession(const QString &path, double rateHz, const dravino::GridProducer &produce, QString *why)
{
    return dravino::saveSessionFile(path, rateHz, produce, why);
}
Q_DECL_EXPORT bool dravinoLoadSession(const QString &path, const dravino::RateTaker &take, QString *why)
{
    return dravino::loadSessionFile(path, take, why);
}
Q_DECL_EXPORT void dravinoStreamSource(const QString &device, const std::atomic_bool *stop,
                                       dravino::StreamEvents *events)
{
    dravino::streamFrom(device, stop, events);
}
Q_DECL_EXPORT void dravinoReadMeter(const QString &device, const std::atomic_bool *stop, dravino::MeterReading *out)
{
    *out = dravino::readOnce(device, stop);
}
Q_DECL_EXPORT void dravinoMeterDrivers(QList<std::pair<QString, QString>> *out) { *out = dravino::listDrivers(); }
Q_DECL_EXPORT void dravinoScanMeters(const QString &driver, const QString &conn, const std::atomic_bool *stop, QString *why,
                                     QList<dravino::FoundMeter> *out)
{
    *out = dravino::findMeters(driver, conn, stop, why);
}
}
