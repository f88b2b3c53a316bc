#pragma once

#include <string>
#include <string_view>

// Text from files a parent may have written on Windows or on Linux: valid
// UTF-8 is taken as it is, anything else is read as Windows-1252.
namespace TextCodec {

bool IsValidUtf8(std::string_view bytes);
std::string Cp1252ToUtf8(std::string_view bytes);
// Appends the code point c as UTF-8.
void AppendUtf8(std::string& out, char32_t c);
// The longest start of the text of at most maxBytes that ends on a character
// boundary, so a cut never leaves half a UTF-8 character behind.
std::string_view CutUtf8(std::string_view text, std::size_t maxBytes);
// UTF-8 if the bytes are valid UTF-8, otherwise Windows-1252 turned into UTF-8.
std::string DecodeLine(std::string_view bytes);

} // namespace TextCodec
