#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// Reads at most maxBytes of a regular file in large blocks. False when the
// path is missing, is no regular file (a directory, a pipe, a device that
// would never end) or cannot be opened or read; out then stays empty.
bool ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& out);
