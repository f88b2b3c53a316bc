#include "feedback/JokeFile.h"

#include "engine/FileBytes.h"
#include "engine/WindowsFileName.h"
#include "settings/TextCodec.h"

namespace {

// The first piece of at most kJokeLineChars characters of valid UTF-8 text.
struct Piece {
    std::size_t bytes = 0;
    std::size_t characters = 0;
};

Piece FirstPiece(std::string_view text)
{
    Piece piece;
    while (piece.bytes < text.size() && piece.characters < kJokeLineChars) {
        ++piece.bytes;
        while (piece.bytes < text.size() && IsContinuationByte(text[piece.bytes]))
            ++piece.bytes;
        ++piece.characters;
    }
    return piece;
}

// A full piece of 58 characters is always followed by another display line,
// even an empty one: the old reader met the line end in a read of its own.
void AddLine(std::vector<std::string>& lines, std::string_view raw)
{
    const std::string text = TextCodec::DecodeLine(raw);
    std::string_view rest = text;
    while (lines.size() < kJokeMaxLines) {
        const Piece piece = FirstPiece(rest);
        const std::string_view shown = rest.substr(0, piece.bytes);
        lines.emplace_back(shown.substr(0, TextEnd(shown)));
        if (piece.characters < kJokeLineChars)
            return;
        rest.remove_prefix(piece.bytes);
    }
}

} // namespace

std::vector<std::string> ParseJokeLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    bytes = SkipUtf8Bom(bytes);
    std::size_t pos = 0;
    while (lines.size() < kJokeMaxLines) {
        const std::size_t lf = bytes.find('\n', pos);
        std::string_view line = bytes.substr(pos, lf == std::string_view::npos ? lf : lf - pos);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        AddLine(lines, line);
        if (lf == std::string_view::npos)
            break;
        pos = lf + 1;
    }
    return lines;
}

bool ReadJokeFile(const std::filesystem::path& path, std::vector<std::string>& lines)
{
    lines.clear();
    std::string bytes;
    if (!ReadRegularFile(FindFileAnyCase(path.string()), kJokeFileMaxBytes, bytes))
        return false;
    lines = ParseJokeLines(bytes);
    return true;
}

std::string JokeFileName(int k)
{
    return "witz" + std::to_string(k) + ".txt";
}
