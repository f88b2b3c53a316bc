#include "engine/OwnExerciseFile.h"
#include "settings/TextCodec.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const OwnExerciseList list = ParseOwnExercises(bytes);
    if (list.entries.empty() || list.PairCount() != int(list.entries.size() / 2))
        std::abort();
    for (const auto& entry : list.entries) {
        if (entry.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos
            || !TextCodec::IsValidUtf8(entry))
            std::abort();
    }
    if (list.greatestLength > kOwnEntryMaxBytes)
        std::abort();
    const OwnTask last = PickOwnExercise(list, list.PairCount() - 1);
    if (list.PairCount() > 0 && last.task != list.entries[2 * (list.PairCount() - 1)])
        std::abort();
    return 0;
}
