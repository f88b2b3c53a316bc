#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the hint button shows for a task, worked out from the task's text and
// its answer.
struct Hint {
    enum class Kind {
        TenFrames, // a sum or difference up to 20 as dots in frames of ten
        Rows, // a comparison as two rows of dots
        Digits, // the first half of the answer, the rest as "?"
    };
    enum class Dot {
        First, // a dot of the first number
        Second, // a dot of the second number (added)
        TakenAway, // a dot of the first number that the difference takes away
    };

    Kind kind = Kind::Digits;
    // TenFrames: every dot in reading order, ten to a frame.  Rows: the first
    // row's dots (First), then the second's (Second).
    std::vector<Dot> dots;
    int firstRow = 0; // Rows: how many of dots belong to the first row
    std::string shownAnswer; // Digits: e.g. "1?" for 13, UTF-8
    // In words, for screen readers and the hint's caption.
    std::string description;

    static constexpr int kFrameSize = 10;
    static constexpr int kLargestFramed = 20;
    static constexpr int kLargestRow = 100;

    int FrameCount() const { return (int(dots.size()) + kFrameSize - 1) / kFrameSize; }
};

Hint HintFor(std::string_view taskText, std::string_view answer);
