// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/log.h"

#include <chrono>
#include <cstdlib>

namespace lxp {

Q_LOGGING_CATEGORY(lxpLog, "lexipond", QtInfoMsg)

namespace {

using Clock = std::chrono::steady_clock;

struct Trace {
    bool on = false;
    Clock::time_point origin;
};

const Trace& trace()
{
    static const Trace t = [] {
        Trace result;
        const char* value = std::getenv("LEXIPOND_STARTUP_TRACE");
        if (!value || !*value)
            return result;
        result.on = true;
        char* end = nullptr;
        const long long ns = std::strtoll(value, &end, 10);
        result.origin = (end && !*end && ns > 1) ? Clock::time_point(std::chrono::nanoseconds(ns))
                                                 : Clock::now();
        return result;
    }();
    return t;
}

} // namespace

bool StartupTraced()
{
    return trace().on;
}

void StartupStep(const char* step)
{
    if (!trace().on)
        return;
    const double ms =
        std::chrono::duration<double, std::milli>(Clock::now() - trace().origin).count();
    qCInfo(lxpLog, "startup %s %.1f", step, ms);
}

} // namespace lxp
