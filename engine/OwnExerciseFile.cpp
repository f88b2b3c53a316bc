#include "engine/OwnExerciseFile.h"

#include "engine/FileBytes.h"
#include "engine/WindowsFileName.h"
#include "settings/TextCodec.h"

#include <algorithm>
#include <climits>

namespace {

void AddEntry(OwnExerciseList& list, std::string_view line)
{
    std::string_view text = line.substr(0, TextEnd(line));
    text = TextCodec::CutUtf8(text, kOwnEntryMaxBytes);
    list.greatestLength = std::max(list.greatestLength, text.size());
    if (list.entries.size() < kOwnEntriesKept)
        list.entries.push_back(TextCodec::DecodeLine(text));
}

} // namespace

int OwnExerciseList::PairCount() const
{
    return static_cast<int>(std::min<std::size_t>(entries.size() / 2, INT_MAX));
}

OwnExerciseList ParseOwnExercises(std::string_view bytes)
{
    OwnExerciseList list;
    bytes = SkipUtf8Bom(bytes);
    const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    list.entries.reserve(std::min(lines, kOwnEntriesKept));
    // The text after the last line end is one more entry, empty when the file
    // ends with a line end: that is how the pairs of old files always came out.
    std::size_t pos = 0;
    for (;;) {
        const std::size_t lf = bytes.find('\n', pos);
        if (lf == std::string_view::npos) {
            AddEntry(list, bytes.substr(pos));
            break;
        }
        AddEntry(list, bytes.substr(pos, lf - pos));
        pos = lf + 1;
    }
    return list;
}

bool ReadOwnExerciseFile(const std::filesystem::path& path, OwnExerciseList& list)
{
    list = {};
    std::string bytes;
    if (!ReadRegularFile(FindFileAnyCase(path.string()), kOwnFileMaxBytes, bytes))
        return false;
    list = ParseOwnExercises(bytes);
    return true;
}

OwnTask PickOwnExercise(const OwnExerciseList& list, int r)
{
    if (r < 0 || r >= list.PairCount())
        return {};
    const auto i = static_cast<std::size_t>(r) * 2;
    return { list.entries[i], list.entries[i + 1] };
}
