#include "engine/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include <unistd.h>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

constexpr std::size_t kBlock = 1 << 20;

} // namespace

bool ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& out)
{
    out.clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec)
        out.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)));
    while (out.size() < maxBytes) {
        const std::size_t old = out.size();
        const std::size_t want = std::min(kBlock, maxBytes - old);
        out.resize(old + want);
        const std::size_t got = std::fread(out.data() + old, 1, want, file.get());
        out.resize(old + got);
        if (got < want)
            break;
    }
    if (std::ferror(file.get())) {
        out.clear();
        return false;
    }
    return true;
}

std::string_view SkipUtf8Bom(std::string_view bytes)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.starts_with(bom))
        bytes.remove_prefix(bom.size());
    return bytes;
}

std::size_t TextEnd(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size() && line[i] != '\r' && line[i] != '\0')
        ++i;
    return i;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}
