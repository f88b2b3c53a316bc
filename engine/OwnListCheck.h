#pragma once

#include "engine/OwnExerciseFile.h"
#include "engine/OwnListFile.h"

#include <optional>
#include <string>
#include <string_view>

// The checks the parents' editor runs on every pair of an own list as it is
// typed. Each names one way a pair fails the child; a pair may have several.
namespace OwnListCheck {

enum Finding : unsigned {
    EmptyAnswer = 1u << 0,
    TaskTooLong = 1u << 1,
    AnswerTooLong = 1u << 2,
    WrongResult = 1u << 3,
    UntypeableAnswer = 1u << 4,
};

// The Windows program read a line in pieces of this many bytes; a longer
// line split in two there and shifted every pair after it.
constexpr std::size_t kMaxLineBytes = 37;

unsigned Check(const OwnTask& pair, OwnListEncoding encoding);

// The value of a task that is nothing but whole numbers joined by + - · x : /
// (with their usual precedence), optionally ending in "=" and "?" or "_"
// placeholders: "7 + 5 =", "12 - 4", "3 · 4 = ?". Nothing for any other
// text, and for a division that leaves a remainder.
std::optional<long long> PlainArithmeticResult(std::string_view task);

// The first character of the answer that a child cannot type on a German
// keyboard (a tab, "·", "½", a typographic quote ...); empty when there is none.
std::string FirstUntypeable(std::string_view answer);

// Number of findings (set bits) in a check result.
int Count(unsigned findings);

// One German sentence per finding, for a tooltip, in the order of the enum.
std::string Describe(unsigned findings, const OwnTask& pair);
// A short German word per finding, for the table's marker column.
std::string ShortText(unsigned findings);

} // namespace OwnListCheck
