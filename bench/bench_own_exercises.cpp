#include "engine/OwnExerciseFile.h"
#include "feedback/JokeFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

// A 50 MB exercise list of short pairs, Windows line ends, some umlauts in
// Windows-1252: the worst a parent's folder could plausibly hold, many times over.
const std::filesystem::path& LargeList()
{
    static const std::filesystem::path path = [] {
        auto dir = std::filesystem::temp_directory_path()
            / ("pilo-bench-" + std::to_string(std::random_device {}()));
        std::filesystem::create_directories(dir);
        auto file = dir / "Pilo Eigene Eins.txt";
        std::string bytes;
        bytes.reserve(50u << 20);
        for (int i = 0; bytes.size() < (50u << 20); ++i)
            bytes += std::to_string(i) + " + " + std::to_string(i % 97) + " = \r\n"
                + (i % 5 ? std::to_string(i + i % 97) : std::string("L\xF6sung")) + "\r\n";
        std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return file;
    }();
    return path;
}

void LoadFiftyMegabyteList(benchmark::State& state)
{
    const auto& path = LargeList();
    for (auto _ : state) {
        OwnExerciseList list;
        benchmark::DoNotOptimize(ReadOwnExerciseFile(path, list));
        benchmark::DoNotOptimize(list.entries.data());
    }
    state.SetBytesProcessed(
        std::int64_t(state.iterations()) * std::int64_t(std::filesystem::file_size(path)));
}
BENCHMARK(LoadFiftyMegabyteList)->Unit(benchmark::kMillisecond)->Iterations(3);

void ParseJokeOfManyLongLines(benchmark::State& state)
{
    std::string bytes;
    for (int i = 0; i < 2000; ++i)
        bytes += std::string(300, char('a' + i % 26)) + "\xE4\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseJokeLines(bytes));
}
BENCHMARK(ParseJokeOfManyLongLines)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::error_code ec;
    std::filesystem::remove_all(LargeList().parent_path(), ec);
    return 0;
}
