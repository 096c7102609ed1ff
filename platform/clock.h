#pragma once

#include <QDate>
#include <cstdint>
#include <functional>

// The clock: today's local date, and a reading that re-seeds the random source.
namespace platform {

QDate today();

// A fine-grained reading of the local time, in nanoseconds since the epoch.
std::int64_t clockReading();

struct Clock {
    std::function<QDate()> today;
    std::function<std::int64_t()> reading;
};

// Tests freeze or move the clock in-process; an empty member keeps the real one.
Clock setClock(Clock clock);

} // namespace platform
