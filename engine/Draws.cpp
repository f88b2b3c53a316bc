#include "engine/Draws.h"

#include "engine/RandomSource.h"

#include <algorithm>
#include <cstdint>

namespace {

// First raw draw r with r <= bound; bound must be at least 0.
int DrawAtMost(int bound)
{
    int r;
    do
        r = RandomSource::Next();
    while (r > bound);
    return r;
}

// Compared unsigned, a negative bound lies above every draw.
int DrawAtMostUnsigned(int bound)
{
    const auto limit = static_cast<std::uint32_t>(bound);
    int r;
    do
        r = RandomSource::Next();
    while (static_cast<std::uint32_t>(r) > limit);
    return r;
}

} // namespace

namespace Draws {

int PictureIndex(int n)
{
    // A negative count would never end the draw; it counts as no picture.
    n = std::max(n, 0);
    RandomSource::SeedFromClock();
    const int r = DrawAtMost(n);
    return r == n ? n - 1 : r;
}

int JokeNumber(int n)
{
    RandomSource::SeedFromClock();
    if (n == 0)
        return 0;
    return std::max(DrawAtMostUnsigned(n), 1);
}

int RewardKind()
{
    RandomSource::SeedFromClock();
    return DrawAtMost(1);
}

int PraiseNumber(int count)
{
    return std::max(DrawAtMostUnsigned(count), 1);
}

int OwnExercise(int pairCount)
{
    if (pairCount < 1)
        return -1;
    return DrawAtMost(pairCount - 1);
}

} // namespace Draws
