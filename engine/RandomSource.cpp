#include "engine/RandomSource.h"

#include <ctime>

namespace {

std::uint32_t state = 1;

std::int64_t SystemSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

RandomSource::Clock& CurrentClock()
{
    static RandomSource::Clock clock = SystemSeconds;
    return clock;
}

} // namespace

namespace RandomSource {

void Seed(std::uint32_t seed) { state = seed; }

int Next()
{
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7fffu);
}

void SeedFromClock() { Seed(static_cast<std::uint32_t>(Now())); }

void SetClock(Clock clock) { CurrentClock() = clock ? std::move(clock) : Clock(SystemSeconds); }

std::int64_t Now() { return CurrentClock()(); }

} // namespace RandomSource
