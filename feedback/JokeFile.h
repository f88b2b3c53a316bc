#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The display lines of one joke file. Each line of the file shows as one
// display line, split after every 58 characters; the text after the last
// line end is one more line, so a file of two lines ending in line ends
// shows three lines, the last one empty, and a line of exactly 58 characters
// is followed by an empty line. CR LF and bare LF end lines alike; a stray CR
// or a NUL ends the text of its display line. Lines are UTF-8; a line that is
// not valid UTF-8 is read as Windows-1252, and splitting never cuts a
// character in half.
constexpr std::size_t kJokeLineChars = 58;
// Only a window's height of lines can ever show; these bounds keep a huge or
// wrong file from costing memory and paint time.
constexpr std::size_t kJokeFileMaxBytes = 1u << 20;
constexpr std::size_t kJokeMaxLines = 1000;

std::vector<std::string> ParseJokeLines(std::string_view bytes);

// False (and no lines) when the file cannot be opened: missing, a directory,
// not readable.
bool ReadJokeFile(const std::filesystem::path& path, std::vector<std::string>& lines);

// "witz<k>.txt"
std::string JokeFileName(int k);
