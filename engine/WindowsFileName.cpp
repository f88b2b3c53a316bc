#include "engine/WindowsFileName.h"

#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// A folder holding more entries than this is not a data folder; the rest of
// it is not searched, so a name never costs more than this many entries.
constexpr int kMaxEntriesPerFolder = 100000;

bool Exists(const fs::path& path)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// One character folded to lower case: ASCII letters, and the two-byte UTF-8
// forms of the Latin-1 capitals U+00C0..U+00DE (but not U+00D7, the
// multiplication sign).  Returns the number of bytes consumed.
std::size_t FoldNext(std::string_view s, std::size_t i, std::string& out)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= 'A' && c <= 'Z') {
        out += static_cast<char>(c - 'A' + 'a');
        return 1;
    }
    if (c == 0xC3 && i + 1 < s.size()) {
        const auto d = static_cast<unsigned char>(s[i + 1]);
        out += static_cast<char>(c);
        out += static_cast<char>(d >= 0x80 && d <= 0x9E && d != 0x97 ? d + 0x20 : d);
        return 2;
    }
    out += static_cast<char>(c);
    return 1;
}

std::string Folded(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();)
        i += FoldNext(s, i, out);
    return out;
}

// The entry of folder whose name equals wanted apart from case; of several,
// the first in byte order, so the choice does not depend on the order the
// file system lists them in.  Empty when there is none.
std::string FindInFolder(const fs::path& folder, std::string_view wanted)
{
    const std::string key = Folded(wanted);
    std::string best;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    for (int seen = 0; !ec && it != fs::directory_iterator() && seen < kMaxEntriesPerFolder;
         it.increment(ec), ++seen) {
        std::string name = it->path().filename().string();
        if (name.size() == wanted.size() && Folded(name) == key && (best.empty() || name < best))
            best = std::move(name);
    }
    return best;
}

} // namespace

bool SameNameAnyCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && Folded(a) == Folded(b);
}

fs::path FindFileAnyCase(std::string_view name)
{
    if (name.empty() || Exists(fs::path(name)))
        return fs::path(name);

    std::string slashed(name);
    for (char& c : slashed) {
        if (c == '\\')
            c = '/';
    }
    const fs::path asGiven(slashed);
    if (slashed != name && Exists(asGiven))
        return asGiven;

    fs::path found = asGiven.root_path();
    for (const fs::path& part : asGiven.relative_path()) {
        const std::string text = part.string();
        if (text == ".")
            continue;
        if (text.empty()) {
            // A name ending in a separator asks for a folder.
            found /= part;
            continue;
        }
        fs::path next = found / part;
        if (text != ".." && !Exists(next)) {
            const std::string match = FindInFolder(found, text);
            if (match.empty())
                return asGiven;
            next = found / match;
        }
        found = std::move(next);
    }
    return Exists(found) ? found : asGiven;
}
