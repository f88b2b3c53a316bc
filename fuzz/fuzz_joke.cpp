#include "feedback/JokeFile.h"
#include "settings/TextCodec.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

std::size_t Characters(std::string_view text)
{
    std::size_t n = 0;
    for (char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = ParseJokeLines(bytes);
    if (lines.empty() || lines.size() > kJokeMaxLines)
        std::abort();
    for (const auto& line : lines) {
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos
            || !TextCodec::IsValidUtf8(line) || Characters(line) > kJokeLineChars)
            std::abort();
    }
    return 0;
}
