// Names as a profile may hold them, looked up in a small data folder: the
// lookup never throws, the exact name always wins, and what it finds other
// than the name as given exists.

#include "engine/WindowsFileName.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// A data folder as it comes from Windows, made once and removed at exit.
// Names are looked up below it: the current folder is libFuzzer's.
struct DataFolder {
    DataFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "pilo-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        path = pattern;
        fs::create_directories(path / "Bilder");
        for (const char* name : { "katze.bmp", "Witz1.TXT", "Bilder/Rakete.gif", "übung.txt" })
            std::ofstream(path / name) << "x";
    }
    ~DataFolder()
    {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    fs::path path;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    static const DataFolder data;
    static const std::string folder = data.path.string() + "/";
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    // A NUL ends a name for the system; profiles cannot hold one.
    if (input.size() > 4096 || input.find('\0') != std::string_view::npos)
        return 0;
    const std::string name = folder + std::string(input);
    const fs::path found = FindFileAnyCase(name);
    if (Exists(fs::path(name)) && found != fs::path(name))
        std::abort();
    std::string slashed(name);
    for (char& c : slashed)
        c = c == '\\' ? '/' : c;
    if (found != fs::path(name) && found != fs::path(slashed) && !Exists(found))
        std::abort();
    return 0;
}
