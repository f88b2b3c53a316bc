#include "engine/TaskSets.h"

#include "engine/CTaskGenerator.h"
#include "engine/Catalogue.h"
#include "engine/Draws.h"
#include "engine/RandomSource.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace TaskSets {
namespace {

// Uniform in 0..n-1 (n >= 1) from 15-bit raw draws: wide enough bits under a
// power-of-two mask, repeated while above the range, so every value is as
// likely and fewer than two tries are needed on average.
std::uint32_t DrawBelow(std::uint32_t n)
{
    std::uint32_t mask = 1;
    while (mask < n)
        mask <<= 1;
    --mask;
    for (;;) {
        std::uint32_t v = std::uint32_t(RandomSource::Next());
        if (mask > 0x7FFF)
            v = (v << 15) | std::uint32_t(RandomSource::Next());
        v &= mask;
        if (v < n)
            return v;
    }
}

// count items from the pool: each once in random order, rounds over the
// whole pool as long as count asks for more.
template <typename T> std::vector<T> DrawRounds(std::vector<T> pool, int count, bool mixed)
{
    std::vector<T> out;
    if (pool.empty())
        return out;
    count = std::clamp(count, 0, kMaxCount);
    out.reserve(std::size_t(count));
    while (int(out.size()) < count) {
        const std::size_t take = std::min(pool.size(), std::size_t(count) - out.size());
        // A partial Fisher-Yates shuffle: only the items taken are drawn.
        for (std::size_t i = 0; i < take; ++i) {
            if (mixed)
                std::swap(pool[i], pool[i + DrawBelow(std::uint32_t(pool.size() - i))]);
            out.push_back(pool[i]);
        }
    }
    return out;
}

std::string Number(long long n)
{
    return std::to_string(n);
}

std::string StripMask(std::string text)
{
    while (!text.empty() && (text.back() == '?' || text.back() == ' '))
        text.pop_back();
    return text;
}

} // namespace

std::vector<OwnTask> TimesTables(const std::vector<int>& tables, int count, bool mixed)
{
    std::vector<OwnTask> facts;
    for (int t : tables)
        for (int k = 1; k <= 10; ++k)
            facts.push_back({ Number(k) + " \u00B7 " + Number(t) + " =", Number(k * t) });
    return DrawRounds(std::move(facts), count, mixed);
}

std::vector<OwnTask> FromRanges(Operation op, int low1, int high1, int low2, int high2, int count)
{
    auto fit = [](int& low, int& high) {
        low = std::clamp(low, 0, kMaxNumber);
        high = std::clamp(high, 0, kMaxNumber);
    };
    fit(low1, high1);
    fit(low2, high2);
    std::vector<std::pair<int, int>> pairs;
    for (int a = low1; a <= high1; ++a)
        for (int b = low2; b <= high2; ++b)
            if ((op != Operation::Subtract || a >= b) && (op != Operation::Divide || b != 0))
                pairs.emplace_back(a, b);
    std::vector<OwnTask> tasks;
    for (const auto& [a, b] : DrawRounds(std::move(pairs), count, true)) {
        switch (op) {
        case Operation::Add:
            tasks.push_back({ Number(a) + " + " + Number(b) + " =", Number(a + b) });
            break;
        case Operation::Subtract:
            tasks.push_back({ Number(a) + " - " + Number(b) + " =", Number(a - b) });
            break;
        case Operation::Multiply:
            tasks.push_back({ Number(a) + " \u00B7 " + Number(b) + " =", Number(a * b) });
            break;
        case Operation::Divide:
            tasks.push_back({ Number(a * b) + " : " + Number(b) + " =", Number(a) });
            break;
        }
    }
    return tasks;
}

std::vector<OwnTask> FromKind(const ExerciseKind& kind, int freeLimit, int count)
{
    std::vector<OwnTask> tasks;
    if (kind.operation == ::Operation::OwnFile)
        return tasks;
    CTaskGenerator generator;
    count = std::clamp(count, 0, kMaxCount);
    for (int i = 0; i < count && MakeTask(generator, kind, freeLimit); ++i) {
        std::string task = generator.GetTaskText();
        if (kind.entryMode == EntryMode::Digits)
            task = StripMask(std::move(task));
        else
            while (!task.empty() && task.back() == ' ')
                task.pop_back();
        tasks.push_back({ std::move(task), generator.GetAnswer() });
    }
    return tasks;
}

std::vector<OwnTask> FromOwnList(const OwnExerciseList& list, int count)
{
    std::vector<OwnTask> tasks;
    count = std::clamp(count, 0, kMaxCount);
    for (int i = 0; i < count && list.PairCount() > 0; ++i)
        tasks.push_back(PickOwnExercise(list, Draws::OwnExercise(list.PairCount())));
    return tasks;
}

} // namespace TaskSets
