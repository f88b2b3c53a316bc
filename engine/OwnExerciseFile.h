#pragma once

#include "engine/RandomSource.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The task list of an "Eigene" kind: a text file of lines in pairs, task then
// answer. Every line end (CR LF or a bare LF) ends one entry, so a file whose
// last line ends with a line end has one more, empty entry at its end, and a
// single line without a line end makes no pair: files written for the
// Windows program keep exactly their old pairs. An entry ends at its first CR
// or NUL, as it always did. Entries are UTF-8; a line that is not valid UTF-8
// is read as Windows-1252.
struct OwnExerciseList {
    std::vector<std::string> entries; // at most kOwnEntriesKept
    // Bytes of the longest entry as it stands in the file, before decoding,
    // over all lines, kept or not.
    std::size_t greatestLength = 0;

    int PairCount() const;
};

struct OwnTask {
    std::string task;
    std::string answer;

    bool operator==(const OwnTask&) const = default;
};

// A line this long is cut here (at a character boundary); it never spills
// into a further entry.
constexpr std::size_t kOwnEntryMaxBytes = 10000;
// Only this much of a file is read; a real exercise list is a few kilobytes.
constexpr std::size_t kOwnFileMaxBytes = 64u << 20;
// The pair draw takes raw values of the random source (0..32767), so no pair
// after the 32768th can ever come. Lines beyond these are measured for the
// greatest length but not kept: a huge file of empty lines would otherwise
// take gigabytes.
constexpr std::size_t kOwnEntriesKept = 2 * (std::size_t { RandomSource::kMax } + 1);

OwnExerciseList ParseOwnExercises(std::string_view bytes);

// False when the file cannot be opened (missing, a directory, not readable);
// list is then empty. An opened file with no pair returns true with a
// PairCount() of 0.
bool ReadOwnExerciseFile(const std::filesystem::path& path, OwnExerciseList& list);

// The pair number r: entries 2r and 2r + 1; empty texts when there is no such pair.
OwnTask PickOwnExercise(const OwnExerciseList& list, int r);
