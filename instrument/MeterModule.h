#pragma once
// What the multimeter module (SigrokMeter.cpp, libdravino_meter.so) gives
// the program that loads it (Meter.cpp): its functions, looked up by
// these names.

#include "instrument/Meter.h"

namespace dravino::meter_module {

using StreamFunction = void (*)(const QString &device, const std::atomic_bool *stop, StreamEvents *events);

using ReadFunction = void (*)(const QString &device, const std::atomic_bool *stop, MeterReading *out);
using DriversFunction = void (*)(QList<std::pair<QString, QString>> *out);
using ScanFunction = void (*)(const QString &driver, const QString &conn, const std::atomic_bool *stop, QString *why,
                              QList<FoundMeter> *out);

inline constexpr char kRead[] = "dravinoReadMeter";
inline constexpr char kDrivers[] = "dravinoMeterDrivers";
inline constexpr char kScan[] = "dravinoScanMeters";
inline constexpr char kStream[] = "dravinoStreamSource";
using SaveSessionFunction = bool (*)(const QString &path, double rateHz, const GridProducer &produce, QString *why);
using LoadSessionFunction = bool (*)(const QString &path, const RateTaker &take, QString *why);
inline constexpr char kSaveSession[] = "dravinoSaveSession";
inline constexpr char kLoadSession[] = "dravinoLoadSession";

} // namespace dravino::meter_module
