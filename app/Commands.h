#pragma once

// Command ids of the menu entries that are not exercise kinds (those are in
// the catalogue).  The help topic of an entry is 65536 + its id.
namespace Command {
constexpr int Options = 32774;
constexpr int PraiseList = 32791;
constexpr int Contact = 32819;
constexpr int Internet = 32821;
constexpr int OwnExercisesHelp = 32823;
constexpr int OtherPrograms = 32826;
constexpr int About = 57664;
constexpr int Exit = 57665;
constexpr int HelpTopics = 57667;
constexpr int StatusBar = 59393;
constexpr int Sound = 32860;
constexpr int BigFont = 32808;
constexpr int SmallFont = 32809;
// The parents' group at the end of "Optionen".
constexpr int EditOwnLists = 32901;
constexpr int PrintWorksheet = 32902;
constexpr int Progress = 32890;
} // namespace Command
