#include "settings/IniProfile.h"

#include "engine/FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::int64_t kNsPerSec = 1'000'000'000;

IniProfile::Stamp StampOf(const struct stat& st)
{
    IniProfile::Stamp stamp;
    stamp.present = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.mtimeSec = st.st_mtim.tv_sec;
    stamp.mtimeNsec = st.st_mtim.tv_nsec;
    return stamp;
}

std::int64_t NowNs()
{
    timespec ts {};
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts.tv_sec * kNsPerSec + ts.tv_nsec;
}

// File times come from the kernel's coarse clock: two changes closer than
// this may carry the same mtime.
std::int64_t TimestampGranularityNs()
{
    static const std::int64_t granularity = [] {
        timespec res {};
        if (clock_getres(CLOCK_REALTIME_COARSE, &res) != 0)
            res.tv_nsec = 10'000'000;
        return 2 * (res.tv_sec * kNsPerSec + res.tv_nsec) + 1'000'000;
    }();
    return granularity;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd)
    {
    }
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int Release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    int Close()
    {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

// The text of a failed call, and in code its errno.
std::string ErrnoText(const char* what, const std::filesystem::path& path, int& code)
{
    code = errno;
    return std::string(what) + " " + path.string() + ": " + std::strerror(code);
}

// mkdir -p with the mode XDG asks for configuration folders.
bool MakeFolders(const std::filesystem::path& folder)
{
    if (folder.empty())
        return true;
    struct stat st;
    if (::stat(folder.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode) || (errno = ENOTDIR, false);
    if (errno != ENOENT
        || (folder.has_parent_path() && folder.parent_path() != folder
            && !MakeFolders(folder.parent_path())))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

void SyncFolder(const std::filesystem::path& folder)
{
    const int fd
        = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::filesystem::path WithSuffix(std::filesystem::path path, const char* suffix)
{
    path += suffix;
    return path;
}

// Whether the file locked through fd is still the one at path; with fd -1,
// whether there is still no file at path.
bool StillInPlace(const std::filesystem::path& path, int fd)
{
    struct stat now;
    if (::stat(path.c_str(), &now) != 0)
        return fd < 0;
    struct stat locked;
    return fd >= 0 && ::fstat(fd, &locked) == 0 && now.st_dev == locked.st_dev
        && now.st_ino == locked.st_ino;
}

bool IsNonFile(const std::filesystem::path& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

// The errno that tells a parent what stands where a file should be.
int NonFileCode(const std::filesystem::path& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
}

} // namespace

IniProfile::IniProfile(std::filesystem::path file, bool createFolder)
    : path_(std::move(file))
    , createFolder_(createFolder)
{
}

int IniProfile::GetProfileInt(std::string_view section, std::string_view key, int defaultValue)
{
    Refresh();
    const std::string* value = document_.Find(section, key);
    return value ? IniDocument::ToInt(IniDocument::Cut(*value)) : defaultValue;
}

std::string IniProfile::GetProfileString(
    std::string_view section, std::string_view key, std::string_view defaultValue)
{
    Refresh();
    if (const std::string* value = document_.Find(section, key))
        return std::string(IniDocument::Cut(*value));
    while (!defaultValue.empty() && defaultValue.back() == ' ')
        defaultValue.remove_suffix(1);
    return std::string(IniDocument::Cut(defaultValue));
}

bool IniProfile::WriteProfileInt(std::string_view section, std::string_view key, int value)
{
    return Store(section, key, std::to_string(value));
}

bool IniProfile::WriteProfileString(
    std::string_view section, std::string_view key, std::string_view value)
{
    return Store(section, key, value);
}

void IniProfile::Refresh()
{
    struct stat st;
    Stamp current;
    if (::stat(path_.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        current = StampOf(st);
    if (loaded_ && !racy_ && current == stamp_)
        return;
    std::string bytes;
    Stamp stamp = current;
    const std::int64_t start = NowNs();
    int code = 0;
    if (!current.present || !ReadFile(bytes, stamp, code).empty()) {
        // Missing, unreadable or no file at all: an empty profile until the stamp changes.
        bytes.clear();
        stamp = current;
    }
    Adopt(bytes, stamp, start);
}

// Returns an error text, empty on success; a missing file reads as empty.
std::string IniProfile::ReadFile(std::string& bytes, Stamp& stamp, int& code)
{
    bytes.clear();
    stamp = {};
    // O_NONBLOCK: a FIFO put in the profile's place must not hang a read.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT ? std::string() : ErrnoText("cannot open", path_, code);
    FileDescriptor file(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return ErrnoText("cannot examine", path_, code);
    if (!S_ISREG(st.st_mode))
        return code = S_ISDIR(st.st_mode) ? EISDIR : EINVAL, path_.string() + " is not a file";
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxFileSize)
        return code = EFBIG, path_.string() + " is too large for a profile";
    // Stamped before reading: a change during the read shows at the next stat.
    stamp = StampOf(st);
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return ErrnoText("cannot read", path_, code);
        if (n == 0)
            return {};
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > kMaxFileSize)
            return code = EFBIG, path_.string() + " is too large for a profile";
    }
}

void IniProfile::Adopt(std::string_view bytes, const Stamp& stamp, std::int64_t readStartNs)
{
    document_ = IniDocument::Parse(bytes);
    stamp_ = stamp;
    loaded_ = true;
    const std::int64_t mtime = stamp.mtimeSec * kNsPerSec + stamp.mtimeNsec;
    racy_ = stamp.present && mtime + TimestampGranularityNs() >= readStartNs;
}

bool IniProfile::Store(std::string_view section, std::string_view key, std::string_view value)
{
    lastError_.clear();
    lastErrno_ = 0;
    if (IsNonFile(path_))
        return Fail(path_.string() + " is not a file", NonFileCode(path_));
    if (createFolder_ && !MakeFolders(path_.parent_path()))
        return FailErrno("cannot create folder", path_.parent_path());
    // A symbolic link stays a link: the file it points to is replaced.
    std::filesystem::path target = path_;
    std::error_code ec;
    if (std::filesystem::is_symlink(path_, ec)) {
        target = std::filesystem::weakly_canonical(path_, ec);
        if (ec)
            return Fail("cannot resolve " + path_.string() + ": " + ec.message(), ec.value());
    }
    FileDescriptor lock(Lock(target));
    if (lock.get() < 0)
        return false;
    return StoreLocked(target, section, key, value);
}

// Writers exclude each other with flock() on the profile itself, so that
// nothing but the profile appears in the folder.  A write replaces the file,
// and a lock won on a file that has since been replaced guards nothing: the
// writer then locks the file now in place.  While there is no file yet, the
// folder is locked instead.  Returns the locked descriptor, or -1.
int IniProfile::Lock(const std::filesystem::path& target)
{
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    for (;;) {
        int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        const bool missing = fd < 0 && errno == ENOENT;
        if (missing)
            fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            FailErrno("cannot open", missing ? folder : target);
            return -1;
        }
        FileDescriptor held(fd);
        while (::flock(fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                FailErrno("cannot lock", target);
                return -1;
            }
        }
        if (StillInPlace(target, missing ? -1 : fd))
            return held.Release();
    }
}

bool IniProfile::StoreLocked(const std::filesystem::path& target, std::string_view section,
    std::string_view key, std::string_view value)
{
    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return FailErrno("cannot examine", target);
    if (exists && !S_ISREG(st.st_mode))
        return Fail(target.string() + " is not a file", S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return FailErrno("cannot write", target);

    // Another process may have written since our last read; its values must survive.
    std::string bytes;
    Stamp stamp;
    std::int64_t start = NowNs();
    int code = 0;
    if (std::string error = ReadFile(bytes, stamp, code); !error.empty())
        return Fail(error, code);
    Adopt(bytes, stamp, start);

    const std::string updated = stamp.present ? document_.WithValue(bytes, section, key, value)
                                              : IniDocument::NewFile(section, key, value);
    if (stamp.present && updated == bytes)
        return true;
    start = NowNs();
    Stamp written;
    if (!Replace(updated, target, exists ? static_cast<int>(st.st_mode & 07777) : -1, written))
        return false;
    Adopt(updated, written, start);
    return true;
}

bool IniProfile::Replace(
    const std::string& bytes, const std::filesystem::path& target, int mode, Stamp& stamp)
{
    // A fixed name is safe under the lock, and a killed writer's leftover is
    // simply replaced by the next write.
    const std::filesystem::path temp = WithSuffix(target, ".tmp");
    ::unlink(temp.c_str());
    FileDescriptor file(
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
    if (file.get() < 0)
        return FailErrno("cannot create", temp);
    struct stat st;
    bool ok = (mode < 0 || ::fchmod(file.get(), static_cast<mode_t>(mode)) == 0)
        && WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0 && ::fstat(file.get(), &st) == 0;
    int code = 0;
    std::string error = ok ? std::string() : ErrnoText("cannot write", temp, code);
    if (ok && file.Close() != 0) {
        ok = false;
        error = ErrnoText("cannot write", temp, code);
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = ErrnoText("cannot replace", target, code);
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return Fail(error, code);
    }
    stamp = StampOf(st);
    SyncFolder(target.parent_path());
    return true;
}

bool IniProfile::Fail(std::string text, int code)
{
    lastError_ = std::move(text);
    lastErrno_ = code;
    return false;
}

bool IniProfile::FailErrno(const char* what, const std::filesystem::path& path)
{
    int code = 0;
    std::string text = ErrnoText(what, path, code);
    return Fail(std::move(text), code);
}

std::filesystem::path DefaultProfilePath(
    std::string_view exeBaseName, const char* xdgConfigHome, const char* home)
{
    // XDG: a relative $XDG_CONFIG_HOME is invalid and ignored.
    const std::filesystem::path folder = xdgConfigHome && xdgConfigHome[0] == '/'
        ? std::filesystem::path(xdgConfigHome)
        : std::filesystem::path(home ? home : "") / ".config";
    return folder / (std::string(exeBaseName) + ".INI");
}

std::filesystem::path DefaultProfilePath()
{
    std::error_code ec;
    std::string name = std::filesystem::read_symlink("/proc/self/exe", ec).filename().string();
    constexpr std::string_view deleted = " (deleted)";
    if (name.ends_with(deleted))
        name.resize(name.size() - deleted.size());
    std::string base = std::filesystem::path(name).stem().string();
    if (ec || base.empty())
        base = "pilo";
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        if (const passwd* pw = ::getpwuid(::getuid()))
            home = pw->pw_dir;
    }
    return DefaultProfilePath(base, std::getenv("XDG_CONFIG_HOME"), home);
}
