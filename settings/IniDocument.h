#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A profile file read the way Windows' private-profile functions read it,
// parsed once so that a read is two hash lookups.  Only line offsets into the
// original bytes are kept besides the values: a write replaces or inserts
// whole lines and leaves every other byte as it was.
class IniDocument {
public:
    enum class Encoding {
        Bytes, // no BOM: each line is UTF-8 if it is valid UTF-8, else Windows-1252
        Utf8Bom,
        Utf16Le,
    };

    // MFC reads profile strings into a buffer of this many characters.
    static constexpr std::size_t kMaxTextLength = 4095;

    static IniDocument Parse(std::string_view bytes);

    // The value as the reading functions see it (trimmed, one pair of outer
    // quotes removed, not yet cut), or nullptr if the section or key is absent.
    const std::string* Find(std::string_view section, std::string_view key) const;

    // The whole file after storing value under section/key.  `bytes` must be
    // the text this document was parsed from.
    std::string WithValue(std::string_view bytes, std::string_view section, std::string_view key,
        std::string_view value) const;

    // What a write creates when there is no file yet.
    static std::string NewFile(
        std::string_view section, std::string_view key, std::string_view value);

    // Signed decimal value of the leading digits, wrapping modulo 2^32; 0 if
    // there is no digit.
    static int ToInt(std::string_view text);
    // At most kMaxTextLength UTF-8 characters.
    static std::string_view Cut(std::string_view text);

    // Every value a read can reach, with section and key in lower case.
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    std::vector<Entry> Entries() const;

    Encoding encoding() const { return encoding_; }
    std::size_t sectionCount() const { return sections_.size(); }

private:
    struct Key {
        std::string spelling;
        std::string value;
        std::size_t lineBegin = 0;
        std::size_t lineNext = 0;
    };
    struct Section {
        // Where a new key goes: after the last key line, else after the header.
        std::size_t insertAt = 0;
        bool insertNeedsLineEnd = false;
        std::unordered_map<std::string, Key> keys;
    };
    struct LineParser;

    const Section* FindSection(std::string_view section) const;
    std::string Encode(std::string_view utf8) const;

    Encoding encoding_ = Encoding::Bytes;
    std::size_t end_ = 0; // where a new section is appended
    bool endNeedsLineEnd_ = false;
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;
};
