// One GetProfileInt on a profile of 300 keys: the store that keeps the parsed
// file and only stats it, against reading and parsing the file for every read.

#include "settings/IniProfile.h"
#include "settings/ProfileKeys.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct ScratchProfile {
    std::filesystem::path path;
    ~ScratchProfile() { std::filesystem::remove_all(path.parent_path()); }
};

const std::filesystem::path& ProfileFile()
{
    static const ScratchProfile file { [] {
        std::string folder
            = (std::filesystem::temp_directory_path() / "pilo-bench-XXXXXX").string();
        if (!::mkdtemp(folder.data()))
            std::abort();
        const std::filesystem::path path = std::filesystem::path(folder) / "pilo.INI";
        std::ofstream out(path, std::ios::binary);
        out << "[Parameter]\r\nBelohnungsart=2\r\nAufgaben=10\r\nWitze=5\r\nSound=1\r\n";
        for (const char* font : { "BigFont", "SmallFont" }) {
            out << '[' << font << "]\r\nName=Arial\r\nFontHeight=25\r\nFontWidth=0\r\n"
                << "FontWeight=400\r\nItalic=0\r\nUnderline=0\r\nStrikeOut=0\r\nRot=0\r\n"
                << "Gruen=0\r\nBlau=0\r\n";
        }
        out << "[Bilder]\r\nAnzahl=40\r\nAnzahlHinter=40\r\n";
        for (int i = 1; i <= 40; ++i)
            out << "Bild" << i << "=bild" << i << ".bmp\r\n";
        // 4 + 20 + 42 so far; the praise list fills the profile up to 300 keys.
        out << "[Lobe]\r\nAnzahl=233\r\n";
        for (int i = 1; i <= 233; ++i)
            out << "Lob" << i << "=Sehr gut gemacht, Nummer " << i << "!\r\n";
        return path;
    }() };
    return file.path;
}

void CachedStore(benchmark::State& state)
{
    IniProfile profile(ProfileFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(profile.GetProfileInt(Section::SmallFont, StyleKey::Blue.name, 7));
}
BENCHMARK(CachedStore);

void ReparseEveryRead(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            IniProfile(ProfileFile()).GetProfileInt(Section::SmallFont, StyleKey::Blue.name, 7));
}
BENCHMARK(ReparseEveryRead);

} // namespace

BENCHMARK_MAIN();
