#include "engine/Draws.h"
#include "engine/RandomSource.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

namespace {

// Share of each result over many clock values: the reseeding draws see a new
// second each time, the others continue one sequence.
std::map<int, double> Shares(const std::function<int()>& draw, int runs = 4000)
{
    std::map<int, int> counts;
    for (int i = 0; i < runs; ++i) {
        RandomSource::SetClock([i] { return std::int64_t { 1600000000 } + 7919 * i; });
        RandomSource::Seed(static_cast<std::uint32_t>(i) * 2654435761u);
        ++counts[draw()];
    }
    RandomSource::SetClock(nullptr);
    std::map<int, double> shares;
    for (auto [value, count] : counts)
        shares[value] = double(count) / runs;
    return shares;
}

struct Case {
    const char* name;
    std::function<int()> draw;
    std::map<int, double> expected;
};

class DrawShares : public ::testing::TestWithParam<Case> { };

TEST_P(DrawShares, MatchTheKnownOdds)
{
    const auto shares = Shares(GetParam().draw);
    ASSERT_EQ(shares.size(), GetParam().expected.size());
    for (auto [value, share] : GetParam().expected) {
        ASSERT_TRUE(shares.count(value)) << "never drew " << value;
        EXPECT_NEAR(shares.at(value), share, 0.04) << "value " << value;
    }
}

INSTANTIATE_TEST_SUITE_P(Draws, DrawShares,
    ::testing::Values(Case { "PictureOfThreeFavoursTheLast", [] { return Draws::PictureIndex(3); },
                          { { 0, 0.25 }, { 1, 0.25 }, { 2, 0.5 } } },
        Case { "PictureOfOne", [] { return Draws::PictureIndex(1); }, { { 0, 1.0 } } },
        Case { "PictureOfNoneAsksForBildMinus1", [] { return Draws::PictureIndex(0); },
            { { -1, 1.0 } } },
        Case { "PictureOfNegativeCountsAsNone", [] { return Draws::PictureIndex(-4); },
            { { -1, 1.0 } } },
        Case { "JokeOfThreeFavoursTheFirst", [] { return Draws::JokeNumber(3); },
            { { 1, 0.5 }, { 2, 0.25 }, { 3, 0.25 } } },
        Case { "JokeOfOne", [] { return Draws::JokeNumber(1); }, { { 1, 1.0 } } },
        Case { "NoJokes", [] { return Draws::JokeNumber(0); }, { { 0, 1.0 } } },
        Case { "RewardKindIsEven", [] { return Draws::RewardKind(); }, { { 0, 0.5 }, { 1, 0.5 } } },
        Case { "PraiseOfThreeFavoursTheFirst", [] { return Draws::PraiseNumber(3); },
            { { 1, 0.5 }, { 2, 0.25 }, { 3, 0.25 } } },
        Case { "PraiseOfNoneIsLob1", [] { return Draws::PraiseNumber(0); }, { { 1, 1.0 } } },
        Case { "OwnExerciseOfThreeIsUniform", [] { return Draws::OwnExercise(3); },
            { { 0, 1.0 / 3 }, { 1, 1.0 / 3 }, { 2, 1.0 / 3 } } },
        Case { "OwnExerciseOfOne", [] { return Draws::OwnExercise(1); }, { { 0, 1.0 } } },
        Case { "OwnExerciseOfNone", [] { return Draws::OwnExercise(0); }, { { -1, 1.0 } } }),
    [](const auto& info) { return std::string(info.param.name); });

class DrawsTest : public ::testing::Test {
protected:
    void TearDown() override { RandomSource::SetClock(nullptr); }
};

// Seed 1 starts 41, 18467, 6334, ...
TEST_F(DrawsTest, NegativeJokeCountTakesTheFirstDraw)
{
    RandomSource::SetClock([] { return std::int64_t { 1 }; });
    EXPECT_EQ(Draws::JokeNumber(-1), 41);
}

TEST_F(DrawsTest, PraiseContinuesTheSequenceWithoutReseeding)
{
    RandomSource::SetClock([] { return std::int64_t { 99 }; });
    RandomSource::Seed(1);
    EXPECT_EQ(Draws::PraiseNumber(-1), 41);
    EXPECT_EQ(Draws::PraiseNumber(-1), 18467);
}

TEST_F(DrawsTest, RewardChoiceRepeatsWithinOneSecond)
{
    for (std::int64_t second : { 1, 2, 3, 1000, 1700000000 }) {
        RandomSource::SetClock([second] { return second; });
        const int first = Draws::RewardKind();
        RandomSource::Next();
        EXPECT_EQ(Draws::RewardKind(), first) << second;
        EXPECT_EQ(Draws::PictureIndex(5), Draws::PictureIndex(5)) << second;
    }
}

} // namespace
