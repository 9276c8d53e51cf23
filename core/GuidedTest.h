#pragma once
// The guided in-vehicle test of a rail pressure sensor on a capture of its
// signal: key on engine off (the family's zero), the 5 V supply (where a
// meter's reading gives it), cranking (the rise to idle), idle (its level
// and the pump's ripple), a snap (the peak, and no dropout: no step down
// of more than a limit within a few ms), key off (the decay to the zero).
// Each step's part of the capture is found from the signal itself, or
// given; each is judged by limits that are data (a generic set per family;
// the workshop's own sets per vehicle or engine beat it). A part missing
// or too short is not judged, never passed.

#include "core/Sensor.h"
#include "core/Trace.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace dravino {

struct GuidedLimits {
    std::string name;               // "generico Bosch/VDO/Delphi", or the vehicle's
    double restMv = 500, restTolMv = 50; // key on engine off: the zero, ±
    double crankMaxMs = 3000;       // from the rise's start to idle
    double idleMinMv = 1100, idleMaxMv = 1800;
    double rippleMaxMv = 60;        // idle, peak to peak
    double snapMinMv = 3000;        // the snap's peak, at least
    double dropoutMv = 500;         // a step down of more than this ...
    double dropoutMs = 5;           // ... within this is a dropout
    double decayMaxMs = 15000;      // key off: back within the zero's limit
    double supplyMinMv = 4900, supplyMaxMv = 5100; // the sensor's 5 V, where measured
    int version = 1;
    bool operator==(const GuidedLimits &) const = default;
};

// The generic set of a family: its zero, idle and snap above it.
GuidedLimits genericLimits(SensorType family);

// A set the workshop keeps for a vehicle or an engine: its name, the
// family it is for, and the limits it gives; a limit it leaves out is the
// family's generic one.
struct GuidedOwnLimits {
    std::string name;
    SensorType family = SensorType::BoschDelphiVdo;
    std::array<std::optional<double>, 12> given; // by kGuidedLimitFields
    int version = 1;                             // counted up at each change
    bool operator==(const GuidedOwnLimits &) const = default;
};

// Each limit a set can give: its key in files and records, where it is in
// GuidedLimits, and whether it is a time (ms) or a level (mV).
struct GuidedLimitField {
    const char *key;
    double GuidedLimits::*value;
    bool time;
};
inline constexpr std::array<GuidedLimitField, 12> kGuidedLimitFields{{
    {"restMv", &GuidedLimits::restMv, false},
    {"restTolMv", &GuidedLimits::restTolMv, false},
    {"supplyMinMv", &GuidedLimits::supplyMinMv, false},
    {"supplyMaxMv", &GuidedLimits::supplyMaxMv, false},
    {"crankMaxMs", &GuidedLimits::crankMaxMs, true},
    {"idleMinMv", &GuidedLimits::idleMinMv, false},
    {"idleMaxMv", &GuidedLimits::idleMaxMv, false},
    {"rippleMaxMv", &GuidedLimits::rippleMaxMv, false},
    {"snapMinMv", &GuidedLimits::snapMinMv, false},
    {"dropoutMv", &GuidedLimits::dropoutMv, false},
    {"dropoutMs", &GuidedLimits::dropoutMs, true},
    {"decayMaxMs", &GuidedLimits::decayMaxMs, true},
}};

// The limits a set judges by: its family's generic ones, with the set's own
// over them, under the set's name and version.
GuidedLimits limitsOf(const GuidedOwnLimits &own);
// What is wrong with a set, in the limits' own terms: "" where nothing;
// else the first field's key with what is wrong ("restTolMv: not above
// zero", "idleMinMv: above idleMaxMv").
std::string guidedLimitsFault(const GuidedLimits &limits);

enum class GuidedStepKind { Rest, Supply, Crank, Idle, Snap, KeyOff };
inline constexpr std::array kGuidedSteps{GuidedStepKind::Rest, GuidedStepKind::Supply, GuidedStepKind::Crank,
                                         GuidedStepKind::Idle, GuidedStepKind::Snap, GuidedStepKind::KeyOff};

struct GuidedStep {
    GuidedStepKind kind = GuidedStepKind::Rest;
    enum Outcome { Pass, Fail, WiringFault, NotJudged, Skipped } outcome = NotJudged;
    enum Reason {
        None,
        TooShort,     // its part is shorter than the step needs
        NotFound,     // the capture has no such part (no crank, no idle, no snap, no key off)
        EndsTooSoon,  // the capture ends before the step could end
        NoSupply,     // no reading gives the supply
        Dropout,      // a step down within the snap
        OutOfLimit,   // the value is outside its limit
    } reason = None;
    std::optional<std::int64_t> fromMs, toMs; // its part of the capture
    double value = 0;  // Rest, Idle: mean mV; Crank, KeyOff: ms; Snap: peak mV
    double value2 = 0; // Idle: ripple mV p-p; Snap: the dropout's depth mV
    std::int64_t atMs = 0; // Snap: where the dropout was
};

struct GuidedResult {
    std::array<GuidedStep, kGuidedSteps.size()> steps;
    // Fail where any step fails; not judged where any judged step could
    // not be; a pass only where every other step passed.
    GuidedStep::Outcome overall = GuidedStep::NotJudged;
    // The sensor is ratiometric: with its supply measured, its levels are
    // judged as they would be at 5 V (each times 5000 / the supply's mV).
    double ratio = 1;
};

// Parts given by the technician, by step (none: found from the signal).
using GuidedParts = std::array<std::optional<std::pair<std::int64_t, std::int64_t>>, kGuidedSteps.size()>;

// supplyMv: the sensor's supply as measured (by a meter at its pin),
// where it was; none: that step is skipped.
GuidedResult runGuidedTest(const Trace &trace, const GuidedLimits &limits, const GuidedParts &given = {},
                           std::optional<double> supplyMv = std::nullopt);

} // namespace dravino
