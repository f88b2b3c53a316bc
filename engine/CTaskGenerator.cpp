#include "engine/CTaskGenerator.h"

#include "engine/Catalogue.h"
#include "engine/RandomSource.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

using std::to_string;

// Draws never exceed the source's greatest value, whatever the bound says;
// the admissibility checks must reason with what can actually be drawn.
int Drawable(int n)
{
    return std::min(n, RandomSource::kMax);
}

bool FitsInt(std::int64_t value)
{
    return value <= INT_MAX;
}

} // namespace

CTaskGenerator::CTaskGenerator()
{
    RandomSource::SeedFromClock();
}

int CTaskGenerator::RandomUpTo(int n)
{
    if (n < 1)
        return 0;
    int v;
    do
        v = RandomSource::Next();
    while (v < 1 || v > n);
    return v;
}

void CTaskGenerator::AppendMask()
{
    const std::size_t k = answer_.size();
    if (k >= 1 && k <= 6)
        taskText_.append(k, '?');
}

bool CTaskGenerator::Refuse()
{
    taskText_.clear();
    answer_.clear();
    return false;
}

// Operands of one attempt are drawn together and dropped together, in this
// order, so a given seed reproduces the same sequence of tasks.
void CTaskGenerator::DrawTwo(int bound, int& a, int& b)
{
    a = RandomUpTo(bound);
    b = RandomUpTo(bound);
}

void CTaskGenerator::DrawFour(int bound, int& a, int& b, int& c, int& d)
{
    a = RandomUpTo(bound);
    b = RandomUpTo(bound);
    c = RandomUpTo(bound);
    d = RandomUpTo(bound);
}

template <typename Rejected> int CTaskGenerator::DrawOne(int n, Rejected rejected)
{
    int a;
    do
        a = RandomUpTo(n);
    while (rejected(a));
    operands_[0] = a;
    return a;
}

template <typename Rejected>
void CTaskGenerator::DrawThree(int n, int& a, int& b, int& c, Rejected rejected)
{
    do {
        DrawTwo(n, a, b);
        c = RandomUpTo(n);
    } while (rejected(a, b, c));
    operands_[0] = a;
    operands_[1] = b;
    operands_[2] = c;
}

// The two shapes most operations share: two addends whose sum stays within
// n, and a minuend above its subtrahend.  Both need n of at least 2.
bool CTaskGenerator::DrawSumUpTo(int n, int& a, int& b)
{
    if (n < 2)
        return false;
    do
        DrawTwo(n, a, b);
    while (a + b > n);
    operands_[0] = a;
    operands_[1] = b;
    return true;
}

bool CTaskGenerator::DrawPositiveDifference(int n, int& a, int& b)
{
    if (n < 2)
        return false;
    do
        DrawTwo(n, a, b);
    while (a - b <= 0);
    operands_[0] = a;
    operands_[1] = b;
    return true;
}

void CTaskGenerator::SetArithmetic(std::string task, int answer)
{
    taskText_ = std::move(task);
    answer_ = to_string(answer);
    AppendMask();
}

bool CTaskGenerator::Add(int n)
{
    int a, b;
    if (!DrawSumUpTo(n, a, b))
        return Refuse();
    SetArithmetic(to_string(a) + " + " + to_string(b) + " = ", a + b);
    return true;
}

bool CTaskGenerator::AddInRange(int low, int high, int factor)
{
    const int top = Drawable(high);
    if (high < 2 || factor < 1 || std::max(low, 2) > std::min(high, 2 * top)
        || !FitsInt(std::int64_t { 2 } * top * factor))
        return Refuse();
    int a, b;
    do
        DrawTwo(high, a, b);
    while (a + b > high || a + b < low);
    a *= factor;
    b *= factor;
    operands_[0] = a;
    operands_[1] = b;
    SetArithmetic(to_string(a) + " + " + to_string(b) + " = ", a + b);
    return true;
}

bool CTaskGenerator::AddOne(int n)
{
    if (n < 2)
        return Refuse();
    const int a = DrawOne(n, [n](int v) { return v + 1 > n; });
    SetArithmetic(to_string(a) + " + 1 = ", a + 1);
    return true;
}

bool CTaskGenerator::AddThree(int n)
{
    if (n < 3)
        return Refuse();
    int a, b, c;
    DrawThree(n, a, b, c, [n](int a, int b, int c) { return std::int64_t { a } + b + c > n; });
    SetArithmetic(to_string(a) + " + " + to_string(b) + " + " + to_string(c) + " = ", a + b + c);
    return true;
}

bool CTaskGenerator::Subtract(int n)
{
    int a, b;
    if (!DrawPositiveDifference(n, a, b))
        return Refuse();
    SetArithmetic(to_string(a) + " - " + to_string(b) + " = ", a - b);
    return true;
}

bool CTaskGenerator::SubtractInRange(int low, int high, int factor)
{
    const int top = Drawable(high);
    if (high < 1 || factor < 1 || top - 1 < low || !FitsInt(std::int64_t { top } * factor))
        return Refuse();
    int a, b;
    do
        DrawTwo(high, a, b);
    while (a - b < low);
    a *= factor;
    b *= factor;
    operands_[0] = a;
    operands_[1] = b;
    SetArithmetic(to_string(a) + " - " + to_string(b) + " = ", a - b);
    return true;
}

bool CTaskGenerator::SubtractOne(int n)
{
    if (n < 2)
        return Refuse();
    const int a = DrawOne(n, [](int v) { return v - 1 <= 0; });
    SetArithmetic(to_string(a) + " - 1 = ", a - 1);
    return true;
}

bool CTaskGenerator::SubtractThree(int n)
{
    if (n < 3)
        return Refuse();
    int a, b, c;
    DrawThree(n, a, b, c, [](int a, int b, int c) { return a - b - c <= 0; });
    SetArithmetic(to_string(a) + " - " + to_string(b) + " - " + to_string(c) + " = ", a - b - c);
    return true;
}

bool CTaskGenerator::SumWithA(int n)
{
    int a, b;
    if (!DrawSumUpTo(n, a, b))
        return Refuse();
    SetArithmetic("sei a = " + to_string(a) + ", dann a + " + to_string(b) + " = ", a + b);
    return true;
}

bool CTaskGenerator::SumWithAB(int n)
{
    int a, b;
    if (!DrawSumUpTo(n, a, b))
        return Refuse();
    SetArithmetic(
        "sei a = " + to_string(a) + " und b = " + to_string(b) + ", dann a + b = ", a + b);
    return true;
}

bool CTaskGenerator::SolveSumForA(int n)
{
    int a, b;
    if (!DrawSumUpTo(n, a, b))
        return Refuse();
    SetArithmetic("sei a + " + to_string(b) + " = " + to_string(a + b) + ", dann a = ", a);
    return true;
}

bool CTaskGenerator::DifferenceWithA(int n)
{
    int a, b;
    if (!DrawPositiveDifference(n, a, b))
        return Refuse();
    SetArithmetic("sei a = " + to_string(a) + ", dann a - " + to_string(b) + " = ", a - b);
    return true;
}

bool CTaskGenerator::DifferenceWithAB(int n)
{
    int a, b;
    if (!DrawPositiveDifference(n, a, b))
        return Refuse();
    SetArithmetic(
        "sei a = " + to_string(a) + " und b = " + to_string(b) + ", dann a - b = ", a - b);
    return true;
}

bool CTaskGenerator::SolveDifferenceForA(int n)
{
    int a, b;
    if (!DrawPositiveDifference(n, a, b))
        return Refuse();
    SetArithmetic("sei a - " + to_string(b) + " = " + to_string(a - b) + ", dann a = ", a);
    return true;
}

bool CTaskGenerator::CompareNumbers(int n, int factor)
{
    if (n < 2 || factor < 1 || !FitsInt(std::int64_t { Drawable(n) } * factor))
        return Refuse();
    int a, b;
    do
        DrawTwo(n, a, b);
    while (a == b);
    answer_ = a >= b ? ">" : "<";
    a *= factor;
    b *= factor;
    operands_[0] = a;
    operands_[1] = b;
    taskText_ = to_string(a) + " ? " + to_string(b) + " ";
    return true;
}

bool CTaskGenerator::CompareSums(int n)
{
    // With n = 2 both unequal pairs are {1, 2}, so the sums always tie.
    if (n < 3)
        return Refuse();
    int a, b, c, d;
    do
        DrawFour(n, a, b, c, d);
    while (a + b == c + d || a == b || c == d);
    operands_ = { a, b, c, d };
    answer_ = a + b >= c + d ? ">" : "<";
    taskText_ = to_string(a) + " + " + to_string(b) + " ? " + to_string(c) + " + " + to_string(d);
    return true;
}

bool CTaskGenerator::CompareSumWithDifference(int n)
{
    if (n < 2)
        return Refuse();
    int a, b, c, d;
    do
        DrawFour(n, a, b, c, d);
    while (a + b == c - d || a + b > n || c == d);
    operands_ = { a, b, c, d };
    answer_ = a + b >= c - d ? ">" : "<";
    taskText_ = to_string(a) + " + " + to_string(b) + " ? " + to_string(c) + " - " + to_string(d);
    return true;
}

bool MakeTask(CTaskGenerator& generator, const ExerciseKind& kind, int freeLimit)
{
    if (kind.freeLimit && freeLimit < kind.smallestFreeLimit)
        return false;
    const int n = kind.freeLimit ? freeLimit : kind.n;
    switch (kind.operation) {
    case Operation::Add:
        return generator.Add(n);
    case Operation::AddInRange:
        return generator.AddInRange(kind.low, n, kind.factor);
    case Operation::AddOne:
        return generator.AddOne(n);
    case Operation::AddThree:
        return generator.AddThree(n);
    case Operation::Subtract:
        return generator.Subtract(n);
    case Operation::SubtractInRange:
        return generator.SubtractInRange(kind.low, n, kind.factor);
    case Operation::SubtractOne:
        return generator.SubtractOne(n);
    case Operation::SubtractThree:
        return generator.SubtractThree(n);
    case Operation::SumWithA:
        return generator.SumWithA(n);
    case Operation::SumWithAB:
        return generator.SumWithAB(n);
    case Operation::SolveSumForA:
        return generator.SolveSumForA(n);
    case Operation::DifferenceWithA:
        return generator.DifferenceWithA(n);
    case Operation::DifferenceWithAB:
        return generator.DifferenceWithAB(n);
    case Operation::SolveDifferenceForA:
        return generator.SolveDifferenceForA(n);
    case Operation::CompareNumbers:
        return generator.CompareNumbers(n, kind.factor);
    case Operation::CompareSums:
        return generator.CompareSums(n);
    case Operation::CompareSumWithDifference:
        return generator.CompareSumWithDifference(n);
    case Operation::OwnFile:
        break;
    }
    return false;
}
