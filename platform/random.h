#pragma once

#include <cstdint>
#include <memory>

// The process-wide pseudo-random source.
namespace platform {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The next number, uniform in [0, 1).
    virtual float next() = 0;
    // Re-seeds from a clock reading by mixing it into the running state, so that two re-seeds at
    // the same reading still lead to different numbers.
    virtual void reseed(std::int64_t reading) = 0;
};

// splitmix64 steps over a 64-bit state; each number takes the top 24 bits, which a float holds
// exactly, so every value is a multiple of 2^-24 below 1.
class MixingRandom final : public RandomSource {
public:
    explicit MixingRandom(std::uint64_t state = 0x5eed'1e55'c0ff'ee00ULL)
        : state_(state) {}
    float next() override;
    void reseed(std::int64_t reading) override;

private:
    std::uint64_t state_;
};

// Next number of the current source.
float Rnd();
// Re-seeds the current source from the clock.
void Randomize();

// Tests install their own source; the old one is handed back.
std::unique_ptr<RandomSource> setRandomSource(std::unique_ptr<RandomSource> source);

} // namespace platform
