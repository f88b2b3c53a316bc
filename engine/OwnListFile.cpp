#include "engine/OwnListFile.h"

#include "engine/FileBytes.h"
#include "settings/TextCodec.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::size_t Utf8CharLength(char lead)
{
    const auto b = static_cast<unsigned char>(lead);
    return b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
}

// UTF-8 character -> its Windows-1252 byte, for the bytes 0x80..0xFF; built
// from the decoder, so both directions share its one table.
const std::map<std::string, char, std::less<>>& Cp1252Bytes()
{
    static const auto table = [] {
        std::map<std::string, char, std::less<>> bytes;
        for (int b = 0x80; b <= 0xFF; ++b) {
            const char c = static_cast<char>(b);
            bytes.emplace(TextCodec::Cp1252ToUtf8(std::string_view(&c, 1)), c);
        }
        return bytes;
    }();
    return table;
}

// False when a character has no Windows-1252 byte.
bool ToCp1252(std::string_view utf8, std::string& out)
{
    const auto& table = Cp1252Bytes();
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = std::min(Utf8CharLength(utf8[i]), utf8.size() - i);
        if (n == 1 && static_cast<unsigned char>(utf8[i]) < 0x80) {
            out += utf8[i];
        } else {
            const auto it = table.find(utf8.substr(i, n));
            if (it == table.end())
                return false;
            out += it->second;
        }
        i += n;
    }
    return true;
}

std::string WithoutLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n' && c != '\0')
            out += c;
    return out;
}

bool Encode(const std::vector<OwnTask>& pairs, const OwnListFormat& format, std::string& out)
{
    const std::string_view lineEnd = format.lineEnd == OwnListLineEnd::CrLf ? "\r\n" : "\n";
    out.clear();
    if (format.encoding == OwnListEncoding::Utf8WithBom)
        out += kBom;
    bool first = true;
    for (const OwnTask& pair : pairs) {
        for (const std::string* text : { &pair.task, &pair.answer }) {
            if (!first)
                out += lineEnd;
            first = false;
            const std::string clean = WithoutLineBreaks(*text);
            if (format.encoding == OwnListEncoding::Windows1252) {
                if (!ToCp1252(clean, out))
                    return false;
            } else {
                out += clean;
            }
        }
    }
    if (!pairs.empty() && format.finalLineEnd)
        out += lineEnd;
    return true;
}

bool SamePairs(const OwnExerciseList& list, const std::vector<OwnTask>& pairs)
{
    if (list.PairCount() != static_cast<int>(pairs.size()))
        return false;
    for (std::size_t i = 0; i < pairs.size(); ++i)
        if (list.entries[2 * i] != WithoutLineBreaks(pairs[i].task)
            || list.entries[2 * i + 1] != WithoutLineBreaks(pairs[i].answer))
            return false;
    return true;
}

std::string Reason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "Sie dürfen in diesen Ordner oder diese Datei nicht schreiben.";
    case ENOSPC:
    case EDQUOT:
        return "Der Datenträger ist voll.";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt.";
    case ENOENT:
    case ENOTDIR:
        return "Der Ordner fehlt.";
    case EISDIR:
        return "An der Stelle der Datei steht ein Ordner.";
    default:
        return std::string("Fehler des Systems: ") + std::strerror(error);
    }
}

} // namespace

OwnListFormat DetectOwnListFormat(std::string_view bytes)
{
    OwnListFormat format;
    if (bytes.starts_with(kBom)) {
        format.encoding = OwnListEncoding::Utf8WithBom;
        bytes.remove_prefix(kBom.size());
    } else if (!TextCodec::IsValidUtf8(bytes)) {
        format.encoding = OwnListEncoding::Windows1252;
    }
    const std::size_t lf = bytes.find('\n');
    if (lf != std::string_view::npos) {
        format.lineEnd
            = lf > 0 && bytes[lf - 1] == '\r' ? OwnListLineEnd::CrLf : OwnListLineEnd::Lf;
        format.finalLineEnd = bytes.back() == '\n';
    }
    return format;
}

OwnListDocument ParseOwnListDocument(std::string_view bytes)
{
    OwnListDocument document;
    document.format = DetectOwnListFormat(bytes);
    const OwnExerciseList list = ParseOwnExercises(bytes);
    const int count = list.PairCount();
    document.pairs.reserve(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r)
        document.pairs.push_back(PickOwnExercise(list, r));
    if (list.entries.size() % 2 == 1)
        document.unpairedLine = list.entries.back();
    return document;
}

std::string EncodeOwnList(const std::vector<OwnTask>& pairs, OwnListFormat& format)
{
    std::string bytes;
    if (Encode(pairs, format, bytes) && SamePairs(ParseOwnExercises(bytes), pairs))
        return bytes;
    // A BOM file is UTF-8 already and reads back as written.
    format.encoding = OwnListEncoding::Utf8;
    Encode(pairs, format, bytes);
    return bytes;
}

std::size_t EncodedLength(std::string_view utf8, OwnListEncoding encoding)
{
    if (encoding != OwnListEncoding::Windows1252)
        return utf8.size();
    std::string bytes;
    return ToCp1252(utf8, bytes) ? bytes.size() : utf8.size();
}

bool LoadOwnListFile(
    const std::filesystem::path& path, OwnListDocument& document, bool& exists, std::string& error)
{
    document = {};
    std::error_code ec;
    exists = std::filesystem::exists(path, ec);
    if (!exists)
        return true;
    std::string bytes;
    if (!ReadRegularFile(path, kOwnFileMaxBytes, bytes)) {
        error = "Die Datei lässt sich nicht lesen.";
        return false;
    }
    document = ParseOwnListDocument(bytes);
    return true;
}

bool SaveOwnListFile(const std::filesystem::path& path, const std::vector<OwnTask>& pairs,
    OwnListFormat& format, std::string& error)
{
    const std::string bytes = EncodeOwnList(pairs, format);
    struct stat st;
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        error = Reason(EISDIR);
        return false;
    }
    if (exists && ::access(path.c_str(), W_OK) != 0) {
        error = Reason(errno);
        return false;
    }
    std::filesystem::path temp = path;
    temp += ".tmp";
    ::unlink(temp.c_str());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        error = Reason(errno);
        return false;
    }
    bool ok = (!exists || ::fchmod(fd, st.st_mode & 07777) == 0) && WriteAll(fd, bytes)
        && ::fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        error = Reason(failure);
        return false;
    }
    return true;
}
