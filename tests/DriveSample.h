#pragma once
// A scripted key-on-to-key-off capture for the guided test, written as the
// trace window's CSV (shared by the core's tables and the window's test).

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace drive {
// A key-on-to-key-off capture at 1 kHz, written as the trace's CSV: key on
// engine off, cranking (a straight rise to idle), idle with the pump's
// ripple (a square wave, so that its peak to peak is exact), a snap (up
// 300 ms, held 100, down 300) with a dropout, idle again, key off and a
// straight decay, then rest.
struct Drive {
    double restMv = 500;
    int restMs = 2000;
    int crankMs = 2000;     // from rest to idle
    double idleMv = 1300;
    double rippleMv = 40;   // peak to peak
    int idleMs = 5000;
    double snapMv = 3500;   // 0: no snap
    int dropoutMs = 0;      // its length at the snap's top (0: none)
    int decayMs = 10000;    // idle to rest after key off
    int endsAfterMs = 0;    // the capture cut short (0: whole)
};

inline std::string driveCsv(const Drive &d)
{
    std::string out = "Tempo (s);mV;bar\r\n";
    std::vector<std::pair<int, std::function<double(int)>>> parts{
        {d.restMs, [&](int) { return d.restMv; }},
        {d.crankMs, [&](int t) { return d.restMv + (d.idleMv - d.restMv) * t / d.crankMs; }},
        {d.idleMs, [&](int t) { return d.idleMv + ((t / 12) % 2 ? d.rippleMv / 2 : -d.rippleMv / 2); }}};
    if (d.snapMv > 0)
        parts.push_back({700, [&](int t) {
                             if (t >= 350 && t < 350 + d.dropoutMs)
                                 return 400.0;
                             return t < 300 ? d.idleMv + (d.snapMv - d.idleMv) * t / 300 : t < 400 ? d.snapMv
                                                                                                   : d.snapMv - (d.snapMv - d.idleMv) * (t - 400) / 300;
                         }});
    parts.push_back({3000, [&](int t) { return d.idleMv + ((t / 12) % 2 ? d.rippleMv / 2 : -d.rippleMv / 2); }});
    parts.push_back({d.decayMs, [&](int t) { return d.idleMv - (d.idleMv - d.restMv) * t / d.decayMs; }});
    parts.push_back({2000, [&](int) { return d.restMv; }});
    int ms = 0;
    for (const auto &[length, mv] : parts)
        for (int t = 0; t < length; ++t, ++ms) {
            if (d.endsAfterMs && ms >= d.endsAfterMs)
                return out;
            char line[64];
            std::snprintf(line, sizeof line, "%d.%03d;%.3f;0\r\n", ms / 1000, ms % 1000, mv(t));
            std::string l(line);
            std::replace(l.begin(), l.end(), '.', ','); // (as the Italian window exports it)
            out += l;
        }
    return out;
}
} // namespace drive
