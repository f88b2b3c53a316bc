#include "engine/CTaskGenerator.h"
#include "engine/Catalogue.h"
#include "engine/RandomSource.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using enum Operation;

// A task as read back from its text, independently of how it was made.
struct Parsed {
    std::vector<int> numbers;
    std::string mask;
};

const std::map<Operation, std::regex>& Formats()
{
    static const std::map<Operation, std::regex> formats = {
        { Add, std::regex(R"(^(\d+) \+ (\d+) = (\?*)$)") },
        { AddInRange, std::regex(R"(^(\d+) \+ (\d+) = (\?*)$)") },
        { AddOne, std::regex(R"(^(\d+) \+ 1 = (\?*)$)") },
        { AddThree, std::regex(R"(^(\d+) \+ (\d+) \+ (\d+) = (\?*)$)") },
        { Subtract, std::regex(R"(^(\d+) - (\d+) = (\?*)$)") },
        { SubtractInRange, std::regex(R"(^(\d+) - (\d+) = (\?*)$)") },
        { SubtractOne, std::regex(R"(^(\d+) - 1 = (\?*)$)") },
        { SubtractThree, std::regex(R"(^(\d+) - (\d+) - (\d+) = (\?*)$)") },
        { SumWithA, std::regex(R"(^sei a = (\d+), dann a \+ (\d+) = (\?*)$)") },
        { SumWithAB, std::regex(R"(^sei a = (\d+) und b = (\d+), dann a \+ b = (\?*)$)") },
        { SolveSumForA, std::regex(R"(^sei a \+ (\d+) = (\d+), dann a = (\?*)$)") },
        { DifferenceWithA, std::regex(R"(^sei a = (\d+), dann a - (\d+) = (\?*)$)") },
        { DifferenceWithAB, std::regex(R"(^sei a = (\d+) und b = (\d+), dann a - b = (\?*)$)") },
        { SolveDifferenceForA, std::regex(R"(^sei a - (\d+) = (\d+), dann a = (\?*)$)") },
        { CompareNumbers, std::regex(R"(^(\d+) \? (\d+) ()$)") },
        { CompareSums, std::regex(R"(^(\d+) \+ (\d+) \? (\d+) \+ (\d+)()$)") },
        { CompareSumWithDifference, std::regex(R"(^(\d+) \+ (\d+) \? (\d+) - (\d+)()$)") },
    };
    return formats;
}

bool Parse(Operation op, const std::string& text, Parsed& out)
{
    std::smatch m;
    if (!std::regex_match(text, m, Formats().at(op)))
        return false;
    for (std::size_t i = 1; i + 1 < m.size(); ++i)
        out.numbers.push_back(std::stoi(m[i]));
    out.mask = m[m.size() - 1];
    return true;
}

// Checks one task against the rules of its operation; returns the answer
// the task must have, or "" after a failed expectation.
std::string Expected(const ExerciseKind& kind, int n, const Parsed& p)
{
    const auto& v = p.numbers;
    const int f = kind.factor;
    for (int x : v) {
        EXPECT_GE(x, f) << "operand 0 or below its factor";
        EXPECT_EQ(x % f, 0);
    }
    switch (kind.operation) {
    case Add:
    case SumWithA:
    case SumWithAB:
        EXPECT_LE(v[0] + v[1], n);
        return std::to_string(v[0] + v[1]);
    case AddInRange:
        EXPECT_LE(v[0] + v[1], n * f);
        EXPECT_GE(v[0] + v[1], kind.low * f);
        return std::to_string(v[0] + v[1]);
    case AddOne:
        EXPECT_LE(v[0] + 1, n);
        return std::to_string(v[0] + 1);
    case AddThree:
        EXPECT_LE(v[0] + v[1] + v[2], n);
        return std::to_string(v[0] + v[1] + v[2]);
    case Subtract:
    case DifferenceWithA:
    case DifferenceWithAB:
        EXPECT_LE(v[0], n);
        EXPECT_GT(v[0] - v[1], 0);
        return std::to_string(v[0] - v[1]);
    case SubtractInRange:
        EXPECT_LE(v[0], n * f);
        EXPECT_GE(v[0] - v[1], kind.low * f);
        return std::to_string(v[0] - v[1]);
    case SubtractOne:
        EXPECT_LE(v[0], n);
        EXPECT_GT(v[0] - 1, 0);
        return std::to_string(v[0] - 1);
    case SubtractThree:
        EXPECT_LE(v[0], n);
        EXPECT_GT(v[0] - v[1] - v[2], 0);
        return std::to_string(v[0] - v[1] - v[2]);
    case SolveSumForA: // "sei a + b = s": a = s - b
        EXPECT_LE(v[1], n);
        EXPECT_GE(v[1] - v[0], 1);
        return std::to_string(v[1] - v[0]);
    case SolveDifferenceForA: // "sei a - b = d": a = d + b
        EXPECT_LE(v[1] + v[0], n);
        EXPECT_GE(v[1], 1);
        return std::to_string(v[1] + v[0]);
    case CompareNumbers:
        EXPECT_LE(v[0], n * f);
        EXPECT_LE(v[1], n * f);
        EXPECT_NE(v[0], v[1]);
        return v[0] > v[1] ? ">" : "<";
    case CompareSums:
        for (int x : v)
            EXPECT_LE(x, n);
        EXPECT_NE(v[0], v[1]);
        EXPECT_NE(v[2], v[3]);
        EXPECT_NE(v[0] + v[1], v[2] + v[3]);
        return v[0] + v[1] > v[2] + v[3] ? ">" : "<";
    case CompareSumWithDifference:
        EXPECT_LE(v[0] + v[1], n);
        EXPECT_LE(v[2], n);
        EXPECT_LE(v[3], n);
        EXPECT_NE(v[2], v[3]);
        EXPECT_NE(v[0] + v[1], v[2] - v[3]);
        return v[0] + v[1] > v[2] - v[3] ? ">" : "<";
    case OwnFile:
        break;
    }
    ADD_FAILURE() << "not a generated kind";
    return {};
}

struct KindAndLimit {
    int id;
    int limit; // the free limit; ignored by kinds with fixed parameters
};

std::vector<KindAndLimit> GeneratedKinds()
{
    std::vector<KindAndLimit> out;
    for (const auto& kind : ExerciseKinds()) {
        if (kind.operation == OwnFile)
            continue;
        if (!kind.freeLimit) {
            out.push_back({ kind.id, 0 });
            continue;
        }
        for (int limit : { kind.smallestFreeLimit, 20, 9999 })
            out.push_back({ kind.id, limit });
    }
    return out;
}

class EveryKind : public ::testing::TestWithParam<KindAndLimit> {
protected:
    void TearDown() override { RandomSource::SetClock(nullptr); }
};

TEST_P(EveryKind, TasksKeepTheirFormatBoundsAnswerAndMask)
{
    const ExerciseKind& kind = *FindExerciseKind(GetParam().id);
    const int n = kind.freeLimit ? GetParam().limit : kind.n;
    // Tiny bounds need thousands of raw draws per operand; fewer seeds suffice there.
    const std::int64_t seeds = kind.freeLimit && GetParam().limit <= 3 ? 6 : 40;
    for (std::int64_t seed = 0; seed < seeds; ++seed) {
        RandomSource::SetClock([seed] { return seed * 7919; });
        CTaskGenerator generator;
        for (int task = 0; task < 25; ++task) {
            ASSERT_TRUE(MakeTask(generator, kind, GetParam().limit));
            Parsed parsed;
            ASSERT_TRUE(Parse(kind.operation, generator.GetTaskText(), parsed))
                << '"' << generator.GetTaskText() << '"';
            const std::string answer = Expected(kind, n, parsed);
            ASSERT_EQ(generator.GetAnswer(), answer) << generator.GetTaskText();
            const bool compare = kind.entryMode == EntryMode::CompareSigns;
            EXPECT_EQ(parsed.mask, compare ? "" : std::string(answer.size(), '?'));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, EveryKind, ::testing::ValuesIn(GeneratedKinds()), [](const auto& info) {
        return std::to_string(info.param.id) + "_limit" + std::to_string(info.param.limit);
    });

// Collects the distinct tasks (or answers) an operation yields over many draws.
std::set<std::string> Collect(
    std::function<void(CTaskGenerator&)> make, bool answers = false, int draws = 3000)
{
    RandomSource::SetClock([] { return std::int64_t { 1 }; });
    CTaskGenerator generator;
    RandomSource::SetClock(nullptr);
    std::set<std::string> seen;
    for (int i = 0; i < draws; ++i) {
        make(generator);
        seen.insert(answers ? generator.GetAnswer() : generator.GetTaskText());
    }
    return seen;
}

std::set<std::string> Numbers(int from, int to, int step = 1)
{
    std::set<std::string> out;
    for (int v = from; v <= to; v += step)
        out.insert(std::to_string(v));
    return out;
}

TEST(TaskGenerator, SmallLimitsGiveExactlyTheOnlyPossibleTasks)
{
    EXPECT_EQ(
        Collect([](auto& g) { g.Add(2); }, false, 100), std::set<std::string> { "1 + 1 = ?" });
    EXPECT_EQ(
        Collect([](auto& g) { g.AddOne(2); }, false, 100), std::set<std::string> { "1 + 1 = ?" });
    EXPECT_EQ(
        Collect([](auto& g) { g.Subtract(2); }, false, 100), std::set<std::string> { "2 - 1 = ?" });
    EXPECT_EQ(Collect([](auto& g) { g.AddThree(3); }, false, 100),
        std::set<std::string> { "1 + 1 + 1 = ?" });
    EXPECT_EQ(Collect([](auto& g) { g.SubtractThree(3); }, false, 100),
        std::set<std::string> { "3 - 1 - 1 = ?" });
}

TEST(TaskGenerator, FixedKindsCoverTheirWholeRange)
{
    EXPECT_EQ(Collect([](auto& g) { g.AddOne(6); }),
        (std::set<std::string> {
            "1 + 1 = ?", "2 + 1 = ?", "3 + 1 = ?", "4 + 1 = ?", "5 + 1 = ?" }));
    EXPECT_EQ(Collect([](auto& g) { g.SubtractOne(10); }, true), Numbers(1, 9));
    EXPECT_EQ(Collect([](auto& g) { g.Add(6); }, true), Numbers(2, 6));
    EXPECT_EQ(Collect([](auto& g) { g.SubtractInRange(10, 20, 1); }, true), Numbers(10, 19));
    EXPECT_EQ(Collect([](auto& g) { g.AddInRange(10, 20, 1); }, true), Numbers(10, 20));
    EXPECT_EQ(Collect([](auto& g) { g.AddInRange(1, 20, 10); }, true), Numbers(20, 200, 10));
}

TEST(TaskGenerator, ExamplesFromTheMenusOccur)
{
    const auto multiples = Collect([](auto& g) { g.AddInRange(1, 20, 10); }, false, 20000);
    EXPECT_TRUE(multiples.count("30 + 150 = ???"));
    const auto compare = Collect([](auto& g) { g.CompareNumbers(10, 1); }, false);
    EXPECT_TRUE(compare.count("7 ? 3 "));
    const auto mixed = Collect([](auto& g) { g.CompareSumWithDifference(100); }, false, 20000);
    const bool negative = std::any_of(mixed.begin(), mixed.end(), [](const std::string& t) {
        std::smatch m;
        std::regex_match(t, m, std::regex(R"(^\d+ \+ \d+ \? (\d+) - (\d+)$)"));
        return std::stoi(m[1]) < std::stoi(m[2]);
    });
    EXPECT_TRUE(negative) << "a right side below zero never came";
}

TEST(TaskGenerator, LargestFreeLimitReachesFourDigitAnswers)
{
    for (auto make : { std::function<void(CTaskGenerator&)>([](auto& g) { g.Add(9999); }),
             std::function<void(CTaskGenerator&)>([](auto& g) { g.AddThree(9999); }) }) {
        RandomSource::SetClock([] { return std::int64_t { 77 }; });
        CTaskGenerator generator;
        RandomSource::SetClock(nullptr);
        bool fourDigits = false;
        for (int i = 0; i < 200 && !fourDigits; ++i) {
            make(generator);
            fourDigits = generator.GetAnswer().size() == 4;
            if (fourDigits) {
                EXPECT_TRUE(generator.GetTaskText().ends_with(" = ????"));
            }
        }
        EXPECT_TRUE(fourDigits);
    }
}

struct Impossible {
    const char* name;
    std::function<bool(CTaskGenerator&)> make;
};

class NoTaskExists : public ::testing::TestWithParam<Impossible> { };

// These bounds admit no task at all; the operation must say so instead of
// drawing forever, and must not leave the previous task on show.
TEST_P(NoTaskExists, RefusesAtOnceAndClearsTheTexts)
{
    CTaskGenerator generator;
    ASSERT_TRUE(generator.Add(10));
    EXPECT_FALSE(GetParam().make(generator));
    EXPECT_EQ(generator.GetTaskText(), "");
    EXPECT_EQ(generator.GetAnswer(), "");
}

INSTANTIATE_TEST_SUITE_P(Bounds, NoTaskExists,
    ::testing::Values(Impossible { "Add1", [](auto& g) { return g.Add(1); } },
        Impossible { "AddNegative", [](auto& g) { return g.Add(-5); } },
        Impossible { "AddOne1", [](auto& g) { return g.AddOne(1); } },
        Impossible { "AddThree2", [](auto& g) { return g.AddThree(2); } },
        Impossible { "Subtract1", [](auto& g) { return g.Subtract(1); } },
        Impossible { "SubtractOne1", [](auto& g) { return g.SubtractOne(1); } },
        Impossible { "SubtractThree2", [](auto& g) { return g.SubtractThree(2); } },
        Impossible { "SumWithA1", [](auto& g) { return g.SumWithA(1); } },
        Impossible { "SumWithAB0", [](auto& g) { return g.SumWithAB(0); } },
        Impossible { "SolveSumForA1", [](auto& g) { return g.SolveSumForA(1); } },
        Impossible { "DifferenceWithA1", [](auto& g) { return g.DifferenceWithA(1); } },
        Impossible { "DifferenceWithAB1", [](auto& g) { return g.DifferenceWithAB(1); } },
        Impossible { "SolveDifferenceForA1", [](auto& g) { return g.SolveDifferenceForA(1); } },
        Impossible { "CompareNumbers1", [](auto& g) { return g.CompareNumbers(1, 1); } },
        Impossible { "CompareNumbersFactor0", [](auto& g) { return g.CompareNumbers(10, 0); } },
        Impossible { "CompareSums2", [](auto& g) { return g.CompareSums(2); } },
        Impossible {
            "CompareSumWithDifference1", [](auto& g) { return g.CompareSumWithDifference(1); } },
        Impossible { "AddInRangeLowAboveHigh", [](auto& g) { return g.AddInRange(30, 20, 1); } },
        Impossible {
            "AddInRangeLowBeyondDraws", [](auto& g) { return g.AddInRange(70000, 80000, 1); } },
        Impossible { "AddInRangeOverflow", [](auto& g) { return g.AddInRange(1, 20, INT_MAX); } },
        Impossible {
            "SubtractInRangeLowAtHigh", [](auto& g) { return g.SubtractInRange(20, 20, 1); } },
        Impossible {
            "SubtractInRangeFactor0", [](auto& g) { return g.SubtractInRange(1, 20, 0); } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TaskGenerator, TooSmallFreeLimitsNeverReachTheGenerator)
{
    CTaskGenerator generator;
    for (const auto& kind : ExerciseKinds()) {
        if (!kind.freeLimit)
            continue;
        for (int limit = -1; limit < kind.smallestFreeLimit; ++limit)
            EXPECT_FALSE(MakeTask(generator, kind, limit)) << kind.id << " limit " << limit;
        EXPECT_TRUE(MakeTask(generator, kind, kind.smallestFreeLimit)) << kind.id;
    }
}

TEST(TaskGenerator, OwnKindsAreNotGenerated)
{
    CTaskGenerator generator;
    EXPECT_FALSE(MakeTask(generator, *FindExerciseKind(32811), 20));
}

TEST(TaskGenerator, BoundsBeyondTheSourceStillEnd)
{
    CTaskGenerator generator;
    EXPECT_TRUE(generator.Add(INT_MAX));
    EXPECT_TRUE(generator.CompareSumWithDifference(INT_MAX));
    EXPECT_TRUE(generator.SubtractInRange(INT_MIN, INT_MAX, 1));
    EXPECT_GE(generator.RandomUpTo(INT_MAX), 1);
    EXPECT_EQ(generator.RandomUpTo(0), 0);
}

class MaskLength : public ::testing::TestWithParam<int> { };

// Answers of 1 to 6 characters get one "?" each; longer ones get no mask.
TEST_P(MaskLength, OneQuestionMarkPerAnswerCharacterUpToSix)
{
    RandomSource::SetClock([] { return std::int64_t { 3 }; });
    CTaskGenerator generator;
    RandomSource::SetClock(nullptr);
    std::set<std::size_t> lengths;
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(generator.AddInRange(1, 20, GetParam()));
        const std::size_t k = generator.GetAnswer().size();
        lengths.insert(k);
        const std::string& task = generator.GetTaskText();
        const std::size_t body = task.find_last_not_of('?') + 1;
        EXPECT_EQ(task.substr(body), std::string(k <= 6 ? k : 0, '?')) << task;
        EXPECT_EQ(task[body - 1], ' ');
    }
    if (GetParam() == 100000) {
        EXPECT_EQ(lengths, (std::set<std::size_t> { 6, 7 }));
    }
}

INSTANTIATE_TEST_SUITE_P(Factors, MaskLength, ::testing::Values(1, 10, 100, 1000, 10000, 100000));

TEST(TaskGenerator, SameClockSameTasksAndDrawOrderIsFixed)
{
    auto tasks = [](std::int64_t clock) {
        RandomSource::SetClock([clock] { return clock; });
        CTaskGenerator generator;
        RandomSource::SetClock(nullptr);
        std::vector<std::string> out;
        for (int i = 0; i < 20; ++i) {
            generator.CompareSums(100);
            out.push_back(generator.GetTaskText());
        }
        return out;
    };
    EXPECT_EQ(tasks(1000), tasks(1000));
    EXPECT_NE(tasks(1000), tasks(1001));

    // Operands come in the order a, b, c, d, and a rejected attempt drops all four.
    RandomSource::Seed(1);
    auto upTo = [](int n) {
        int v;
        do
            v = RandomSource::Next();
        while (v < 1 || v > n);
        return v;
    };
    int a, b, c, d;
    do {
        a = upTo(100), b = upTo(100), c = upTo(100), d = upTo(100);
    } while (a + b == c + d || a == b || c == d);
    RandomSource::SetClock([] { return std::int64_t { 1 }; });
    CTaskGenerator generator;
    RandomSource::SetClock(nullptr);
    generator.CompareSums(100);
    EXPECT_EQ(generator.GetTaskText(),
        std::to_string(a) + " + " + std::to_string(b) + " ? " + std::to_string(c) + " + "
            + std::to_string(d));
    EXPECT_EQ(generator.Operands(), (std::array<int, 4> { a, b, c, d }));
}

TEST(TaskGenerator, OperandSlotsHoldScaledValuesAndKeepUndrawnOnes)
{
    CTaskGenerator generator;
    generator.CompareSums(100);
    const int third = generator.Operands()[2];
    const int fourth = generator.Operands()[3];
    generator.AddInRange(1, 20, 10);
    EXPECT_EQ(generator.Operands()[0] % 10, 0);
    EXPECT_EQ(
        std::to_string(generator.Operands()[0] + generator.Operands()[1]), generator.GetAnswer());
    EXPECT_EQ(generator.Operands()[2], third);
    EXPECT_EQ(generator.Operands()[3], fourth);
}

struct FirstTasks {
    int kind;
    int limit;
    std::vector<std::string> tasks;
    std::vector<std::string> answers;
};

// The first three tasks of each kind from seed 1 (raw draws 41, 18467, 6334,
// ...), worked out apart from this code: they pin the draw order, the
// rejections, the scaling, the formats with their blanks and the masks.
const FirstTasks kSeedOne[] = {
    { 32771, 0, { "3 + 1 = ?", "1 + 3 = ?", "1 + 4 = ?" }, { "4", "4", "5" } },
    { 32772, 0, { "1 + 6 = ?", "3 + 1 = ?", "9 + 1 = ??" }, { "7", "4", "10" } },
    { 32775, 0, { "3 + 1 = ?", "4 + 1 = ?", "1 + 1 = ?" }, { "4", "5", "2" } },
    { 32776, 0, { "8 + 1 = ?", "3 + 1 = ?", "9 + 1 = ??" }, { "9", "4", "10" } },
    { 32778, 0, { "3 + 4 + 2 = ?", "1 + 4 + 4 = ?", "3 + 2 + 4 = ?" }, { "9", "9", "9" } },
    { 32779, 0, { "3 + 9 + 4 = ??", "3 + 1 + 9 = ??", "7 + 8 + 3 = ??" }, { "16", "13", "18" } },
    { 32781, 0,
        { "sei a = 28, dann a + 21 = ??", "sei a = 8, dann a + 20 = ??",
            "sei a = 12, dann a + 3 = ??" },
        { "49", "28", "15" } },
    { 32782, 0,
        { "sei a = 28 und b = 21, dann a + b = ??", "sei a = 8 und b = 20, dann a + b = ??",
            "sei a = 12 und b = 3, dann a + b = ??" },
        { "49", "28", "15" } },
    { 32783, 0,
        { "sei a + 21 = 49, dann a = ??", "sei a + 20 = 28, dann a = ?",
            "sei a + 3 = 15, dann a = ??" },
        { "28", "8", "12" } },
    { 32810, 0, { "12 + 3 = ??", "9 + 4 = ??", "15 + 1 = ??" }, { "15", "13", "16" } },
    { 32786, 0, { "120 + 30 = ???", "90 + 40 = ???", "150 + 10 = ???" }, { "150", "130", "160" } },
    { 32787, 0, { "6 - 4 = ?", "3 - 1 = ?", "5 - 4 = ?" }, { "2", "2", "1" } },
    { 32788, 0, { "8 - 3 = ?", "9 - 4 = ?", "10 - 9 = ?" }, { "5", "5", "1" } },
    { 32790, 0, { "8 - 1 = ?", "3 - 1 = ?", "9 - 1 = ?" }, { "7", "2", "8" } },
    { 32792, 0, { "8 - 1 = ?", "20 - 1 = ??", "12 - 1 = ??" }, { "7", "19", "11" } },
    { 32794, 0, { "10 - 3 - 1 = ?", "9 - 1 - 7 = ?", "8 - 3 - 1 = ?" }, { "6", "1", "4" } },
    { 32795, 0, { "10 - 4 - 4 = ?", "14 - 1 - 8 = ?", "16 - 6 - 1 = ?" }, { "2", "5", "9" } },
    { 32797, 0,
        { "sei a = 41, dann a - 28 = ??", "sei a = 28, dann a - 21 = ?",
            "sei a = 40, dann a - 26 = ??" },
        { "13", "7", "14" } },
    { 32798, 0,
        { "sei a = 41 und b = 28, dann a - b = ??", "sei a = 28 und b = 21, dann a - b = ?",
            "sei a = 40 und b = 26, dann a - b = ??" },
        { "13", "7", "14" } },
    { 32799, 0,
        { "sei a - 28 = 13, dann a = ??", "sei a - 21 = 7, dann a = ??",
            "sei a - 26 = 14, dann a = ??" },
        { "41", "28", "40" } },
    { 32800, 0, { "15 - 1 = ??", "20 - 6 = ??", "19 - 6 = ??" }, { "14", "14", "13" } },
    { 32801, 0, { "120 - 30 = ??", "90 - 40 = ??", "150 - 10 = ???" }, { "90", "50", "140" } },
    { 32802, 0, { "8 ? 3 ", "9 ? 4 ", "1 ? 6 " }, { ">", ">", "<" } },
    { 32803, 0, { "8 ? 20 ", "12 ? 3 ", "9 ? 4 " }, { "<", ">", ">" } },
    { 32804, 0, { "41 ? 53 ", "28 ? 58 ", "28 ? 73 " }, { "<", "<", "<" } },
    { 32805, 0, { "80 ? 200 ", "120 ? 30 ", "90 ? 40 " }, { "<", ">", ">" } },
    { 32806, 0, { "41 + 53 ? 28 + 58", "28 + 73 ? 21 + 65", "40 + 26 ? 42 + 53" },
        { ">", ">", "<" } },
    { 32807, 0, { "41 + 53 ? 28 - 58", "40 + 26 ? 42 - 53", "31 + 12 ? 3 - 99" },
        { ">", ">", ">" } },
    { 32773, 9999, { "41 + 6334 = ????", "491 + 2995 = ????" }, { "6375", "3486" } },
    { 32777, 9999, { "41 + 1 = ??", "6334 + 1 = ????" }, { "42", "6335" } },
    { 32780, 9999, { "153 + 292 + 5447 = ????", "6422 + 900 + 1655 = ????" }, { "5892", "8977" } },
    { 32789, 9999, { "3902 - 153 = ????", "9741 - 778 = ????" }, { "3749", "8963" } },
    { 32793, 9999, { "41 - 1 = ??", "6334 - 1 = ????" }, { "40", "6333" } },
    { 32796, 9999, { "9961 - 491 - 2995 = ????", "9741 - 778 - 3035 = ????" }, { "6475", "5928" } },
};

class SeedOne : public ::testing::TestWithParam<FirstTasks> {
protected:
    void TearDown() override { RandomSource::SetClock(nullptr); }
};

TEST_P(SeedOne, GivesTheseFirstTasks)
{
    RandomSource::SetClock([] { return std::int64_t { 1 }; });
    CTaskGenerator generator;
    const ExerciseKind& kind = *FindExerciseKind(GetParam().kind);
    for (std::size_t i = 0; i < GetParam().tasks.size(); ++i) {
        ASSERT_TRUE(MakeTask(generator, kind, GetParam().limit));
        EXPECT_EQ(generator.GetTaskText(), GetParam().tasks[i]) << "task " << i;
        EXPECT_EQ(generator.GetAnswer(), GetParam().answers[i]) << "task " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, SeedOne, ::testing::ValuesIn(kSeedOne),
    [](const auto& info) { return std::to_string(info.param.kind); });

TEST(TaskGenerator, StartsEmpty)
{
    CTaskGenerator generator;
    EXPECT_EQ(generator.GetTaskText(), "");
    EXPECT_EQ(generator.GetAnswer(), "");
}

} // namespace
