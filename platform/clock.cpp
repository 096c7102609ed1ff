#include "platform/clock.h"

#include <chrono>

namespace platform {
namespace {

Clock realClock() {
    return {[] { return QDate::currentDate(); },
            [] {
                return static_cast<std::int64_t>(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count());
            }};
}

Clock& current() {
    static Clock clock = realClock();
    return clock;
}

} // namespace

QDate today() {
    return current().today();
}

std::int64_t clockReading() {
    return current().reading();
}

Clock setClock(Clock clock) {
    Clock old = current();
    Clock real = realClock();
    current() = {clock.today ? std::move(clock.today) : real.today,
                 clock.reading ? std::move(clock.reading) : real.reading};
    return old;
}

} // namespace platform
