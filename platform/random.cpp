#include "platform/random.h"

#include "platform/clock.h"

namespace platform {
namespace {

constexpr std::uint64_t kGolden = 0x9e37'79b9'7f4a'7c15ULL;

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58'476d'1ce4'e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d0'49bb'1331'11ebULL;
    return z ^ (z >> 31);
}

std::unique_ptr<RandomSource>& current() {
    static std::unique_ptr<RandomSource> source = std::make_unique<MixingRandom>();
    return source;
}

} // namespace

float MixingRandom::next() {
    state_ += kGolden;
    return static_cast<float>(mix(state_) >> 40) * 0x1p-24f;
}

void MixingRandom::reseed(std::int64_t reading) {
    // The old state goes into the new one, and the step is a bijection of the state for a given
    // reading, so re-seeding at a frozen clock walks on instead of returning to one state.
    state_ = mix(state_ ^ mix(static_cast<std::uint64_t>(reading) + kGolden)) + kGolden;
}

float Rnd() {
    return current()->next();
}

void Randomize() {
    current()->reseed(clockReading());
}

std::unique_ptr<RandomSource> setRandomSource(std::unique_ptr<RandomSource> source) {
    std::unique_ptr<RandomSource> old = std::move(current());
    current() = source ? std::move(source) : std::make_unique<MixingRandom>();
    return old;
}

} // namespace platform
