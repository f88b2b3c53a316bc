#pragma once

#include <cstdint>
#include <functional>

// The process-wide pseudo-random source every draw of the program uses.
// It reproduces the classic C run-time generator bit for bit (so one seed
// always gives the same tasks), and is seeded from a clock in whole seconds
// that tests can replace.
namespace RandomSource {

constexpr int kMax = 32767;

using Clock = std::function<std::int64_t()>;

void Seed(std::uint32_t seed);
int Next();                 // 0..32767
void SeedFromClock();       // Seed(clock()) with the current clock
void SetClock(Clock clock); // nullptr restores the system clock
std::int64_t Now();         // the clock's current time in seconds

} // namespace RandomSource
