#pragma once

#include <span>
#include <string_view>

// The one table of every exercise kind the menus offer. Menus, the exercise
// window and the tests all read it; nothing else repeats it.

enum class Menu { Plus, Minus, Vergleiche, Eigene };

// The task operations of CTaskGenerator, plus the own-exercise file source.
enum class Operation {
    Add,
    AddInRange,
    AddOne,
    AddThree,
    Subtract,
    SubtractInRange,
    SubtractOne,
    SubtractThree,
    SumWithA,
    SumWithAB,
    SolveSumForA,
    DifferenceWithA,
    DifferenceWithAB,
    SolveDifferenceForA,
    CompareNumbers,
    CompareSums,
    CompareSumWithDifference,
    OwnFile,
};

namespace EntryMode {
constexpr int Digits = 0;
constexpr int CompareSigns = 1;
constexpr int FreeText = 2;
} // namespace EntryMode

struct ExerciseKind {
    int id; // menu command id
    Menu menu;
    std::string_view menuText; // also the exercise window's title
    int entryMode;
    Operation operation;
    // Operation parameters: the bound n (high for the range operations; 0
    // where the child enters a free limit), low for the range operations,
    // and the factor of the range and comparison operations.
    int n;
    int low;
    int factor;
    bool freeLimit;
    // Below this free limit the operation can make no task at all, so the run
    // must end before asking the generator.
    int smallestFreeLimit;
    std::string_view prompt; // shown under the answer field
    std::string_view statusPrompt; // shown in the status bar while highlighted
    bool separatorBefore; // a separator line precedes the entry in its menu
    std::string_view ownFileName; // "Eigene" kinds only
    std::string_view ownFileError; // "Eigene" kinds only: file missing or without a pair
};

// All kinds in menu order: "Plus", "Minus", "Vergleiche", "Eigene", each in
// the order of its entries.
std::span<const ExerciseKind> ExerciseKinds();

// nullptr for an id that is no exercise kind.
const ExerciseKind* FindExerciseKind(int id);

std::string_view MenuTitle(Menu menu);

// The help context of an exercise kind's topic.
constexpr int HelpContextOf(int kindId)
{
    return 65536 + kindId;
}
