#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Reads at most maxBytes of a regular file in large blocks. False when the
// path is missing, is no regular file (a directory, a pipe, a device that
// would never end) or cannot be opened or read; out then stays empty.
bool ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& out);

// Writes all of bytes to the open file fd, going on after a signal or a
// short write; false when a write fails.
bool WriteAll(int fd, std::string_view bytes);

// Helpers for the line-based text files a parent writes (exercise lists,
// jokes).

// Drops a UTF-8 byte-order mark at the start of the file.
std::string_view SkipUtf8Bom(std::string_view bytes);

// Where a line's text ends: at its first CR or NUL, as it did for the C
// strings of old.
std::size_t TextEnd(std::string_view line);

inline bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
