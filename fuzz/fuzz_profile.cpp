// Any bytes as a profile file: reads must not crash, and a write must change
// exactly the one value it stores and leave every other readable value alone.

#include "settings/IniDocument.h"
#include "settings/IniProfile.h"
#include "settings/ProfileKeys.h"
#include "settings/TextCodec.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

std::string Lower(std::string s)
{
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v';
}

// A name or value that survives a write and a read unchanged: valid UTF-8,
// one line, no outer blanks, nothing the line syntax would take apart.
std::string Sanitize(std::string_view raw, std::string_view forbidden)
{
    std::string text;
    for (char c : TextCodec::DecodeLine(raw)) {
        if (c != '\r' && c != '\n' && forbidden.find(c) == std::string_view::npos)
            text += c;
    }
    while (!text.empty() && IsBlank(text.front()))
        text.erase(text.begin());
    while (!text.empty() && IsBlank(text.back()))
        text.pop_back();
    return text;
}

std::uint32_t Hash(std::string_view bytes)
{
    std::uint32_t h = 2166136261u;
    for (char c : bytes)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

struct ScratchFolder {
    std::filesystem::path path;
    ~ScratchFolder() { std::filesystem::remove_all(path); }
};

const std::filesystem::path& ScratchFile()
{
    static const ScratchFolder folder { [] {
        std::string name = (std::filesystem::temp_directory_path() / "pilo-fuzz-XXXXXX").string();
        Check(::mkdtemp(name.data()) != nullptr);
        return std::filesystem::path(name);
    }() };
    static const std::filesystem::path file = folder.path / "pilo.INI";
    return file;
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The same write through the file store must give the same bytes and reads.
void CheckStore(std::string_view bytes, const std::string& section, const std::string& key,
    const std::string& value, const std::string& expectedFile)
{
    const auto& file = ScratchFile();
    WriteFile(file, bytes);
    IniProfile profile(file);
    profile.GetProfileString(section, key, "default");
    profile.GetProfileInt(Setting::Tasks.key.section, Setting::Tasks.key.name, 0);
    Check(profile.WriteProfileString(section, key, value));
    Check(ReadFile(file) == expectedFile);
    Check(profile.GetProfileString(section, key, "default") == value);
    Check(IniProfile(file).GetProfileString(section, key, "default") == value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const IniDocument document = IniDocument::Parse(bytes);
    const std::vector<IniDocument::Entry> entries = document.Entries();
    for (const auto& entry : entries) {
        const std::string* value = document.Find(entry.section, entry.key);
        Check(value && *value == entry.value);
        IniDocument::ToInt(IniDocument::Cut(*value));
    }
    document.Find(Setting::Tasks.key.section, Setting::Tasks.key.name);

    // Names and value: an existing entry's names (a rewrite) or names made
    // from the input (a new key or section).
    const std::uint32_t h = Hash(bytes);
    const std::string_view tail = bytes.substr(bytes.size() - std::min<std::size_t>(size, 24));
    std::string section, key;
    if (!entries.empty() && h % 3 != 0) {
        const auto& entry = entries[h % entries.size()];
        section = entry.section;
        key = entry.key;
    } else {
        section = Sanitize(tail.substr(0, tail.size() / 3), "]");
        key = Sanitize(tail.substr(tail.size() / 3, tail.size() / 3), "=");
        if (!key.empty() && (key[0] == ';' || key[0] == '['))
            key = "k" + key;
    }
    std::string value = Sanitize(tail.substr(2 * (tail.size() / 3)), "");
    if (value.size() >= 2 && value.front() == value.back()
        && (value.front() == '"' || value.front() == '\''))
        value += 'x';

    const std::string updated = document.WithValue(bytes, section, key, value);
    const IniDocument after = IniDocument::Parse(updated);
    Check(after.encoding() == document.encoding());
    const std::string* written = after.Find(section, key);
    Check(written && *written == value);
    for (const auto& entry : entries) {
        if (entry.section == Lower(section) && entry.key == Lower(key))
            continue;
        const std::string* kept = after.Find(entry.section, entry.key);
        Check(kept && *kept == entry.value);
    }

    // The file store syncs every write to disk; a share of the inputs is enough.
    if (h % 16 == 0)
        CheckStore(bytes, section, key, value, updated);
    return 0;
}
