#pragma once

#include "engine/OwnExerciseFile.h"

#include <string>
#include <vector>

struct ExerciseKind;

// Tasks made in bulk for an own list or a worksheet. Every draw comes from
// the process-wide random source, so one seed gives the same tasks.
namespace TaskSets {

// The facts "k · t =" with k = 1..10 of each chosen table t. Up to all
// facts, each once; a count beyond that starts another round. Mixed: in
// random order; otherwise table after table, k rising.
std::vector<OwnTask> TimesTables(const std::vector<int>& tables, int count, bool mixed);

enum class Operation { Add, Subtract, Multiply, Divide };

// Two numbers, the first from low1..high1 and the second from low2..high2,
// each pair at most once until all are used. Subtract leaves out pairs with
// a negative result; Divide makes "first · second : second" so it always
// comes out even, and leaves out a second number 0. Empty when no pair fits
// (or a range is upside down).
std::vector<OwnTask> FromRanges(Operation op, int low1, int high1, int low2, int high2, int count);

// Tasks of a catalogue kind, made by its task generator, with the answer
// mask taken off the task text (the worksheet draws a box instead, an own
// list shows none). freeLimit is used by the kinds with a free limit. Fewer
// than count (none) when the generator refuses; "Eigene" kinds make none.
std::vector<OwnTask> FromKind(const ExerciseKind& kind, int freeLimit, int count);

// count pairs drawn from an own list as the exercise window draws them (a
// pair may come again). None when the list has no pair.
std::vector<OwnTask> FromOwnList(const OwnExerciseList& list, int count);

// The greatest count a caller may ask for; more is cut to it.
constexpr int kMaxCount = 1000;
// Ranges wider than this are cut to it, so a pair table stays small.
constexpr int kMaxNumber = 999;

} // namespace TaskSets
