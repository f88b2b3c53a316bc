#include "engine/RandomSource.h"

#include <gtest/gtest.h>

#include <ctime>
#include <vector>

namespace {

std::vector<int> Draws(int count)
{
    std::vector<int> out;
    for (int i = 0; i < count; ++i)
        out.push_back(RandomSource::Next());
    return out;
}

class RandomSourceTest : public ::testing::Test {
protected:
    void TearDown() override { RandomSource::SetClock(nullptr); }
};

TEST_F(RandomSourceTest, SeedOneGivesTheClassicSequence)
{
    RandomSource::Seed(1);
    EXPECT_EQ(Draws(5), (std::vector<int> { 41, 18467, 6334, 26500, 19169 }));
}

TEST_F(RandomSourceTest, ValuesStayWithinFifteenBits)
{
    RandomSource::Seed(0xFFFFFFFFu);
    for (int v : Draws(100000)) {
        ASSERT_GE(v, 0);
        ASSERT_LE(v, RandomSource::kMax);
    }
}

TEST_F(RandomSourceTest, SeedFromClockUsesTheInjectedClock)
{
    RandomSource::SetClock([] { return std::int64_t { 1234567 }; });
    EXPECT_EQ(RandomSource::Now(), 1234567);
    RandomSource::SeedFromClock();
    const auto fromClock = Draws(5);
    RandomSource::Seed(1234567);
    EXPECT_EQ(fromClock, Draws(5));
}

TEST_F(RandomSourceTest, SameSecondGivesSameDrawsNextSecondDiffers)
{
    std::int64_t now = 1700000000;
    RandomSource::SetClock([&now] { return now; });
    RandomSource::SeedFromClock();
    const auto first = Draws(5);
    RandomSource::SeedFromClock();
    EXPECT_EQ(first, Draws(5));
    ++now;
    RandomSource::SeedFromClock();
    EXPECT_NE(first, Draws(5));
}

TEST_F(RandomSourceTest, ClearingTheClockRestoresSystemTime)
{
    RandomSource::SetClock([] { return std::int64_t { 5 }; });
    RandomSource::SetClock(nullptr);
    const auto before = static_cast<std::int64_t>(std::time(nullptr));
    const auto now = RandomSource::Now();
    EXPECT_GE(now, before);
    EXPECT_LE(now, before + 2);
}

} // namespace
