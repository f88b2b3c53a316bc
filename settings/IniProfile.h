#pragma once

#include "settings/IniDocument.h"
#include "settings/Profile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The profile in one INI file, read with Windows' private-profile rules.
//
// The parsed file stays in memory; before every read one stat() tells whether
// another process has replaced or edited the file, so a read costs a stat and
// two hash lookups.  A write takes an exclusive lock on the file (on its folder
// while there is none), re-reads the file under it, writes the result to
// "<file>.tmp" in the same folder, syncs it and renames it into place: a write
// killed midway leaves the old file, two processes writing different keys keep
// each other's values, and once a write is done the profile is the only file.
class IniProfile final : public Profile {
public:
    // With createFolder the first write creates the file's folder (and its
    // parents) if missing; otherwise a missing folder makes writes fail.
    explicit IniProfile(std::filesystem::path file, bool createFolder = false);

    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) override;
    std::string GetProfileString(std::string_view section, std::string_view key,
        std::string_view defaultValue = {}) override;
    bool WriteProfileInt(std::string_view section, std::string_view key, int value) override;
    bool WriteProfileString(
        std::string_view section, std::string_view key, std::string_view value) override;

    std::string FileName() const override { return path_.string(); }
    const std::filesystem::path& path() const { return path_; }
    // Why the last failed write failed; empty after a successful one.
    const std::string& lastError() const { return lastError_; }
    int LastWriteErrno() const override { return lastErrno_; }

    // Files beyond this size are not profiles: reads give defaults, writes fail.
    static constexpr std::uintmax_t kMaxFileSize = 64u << 20;

    // Identity of one version of the file as stat() sees it.
    struct Stamp {
        bool present = false;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        std::int64_t mtimeSec = 0;
        std::int64_t mtimeNsec = 0;
        bool operator==(const Stamp&) const = default;
    };

private:
    void Refresh();
    std::string ReadFile(std::string& bytes, Stamp& stamp, int& code);
    void Adopt(std::string_view bytes, const Stamp& stamp, std::int64_t readStartNs);
    bool Store(std::string_view section, std::string_view key, std::string_view value);
    int Lock(const std::filesystem::path& target);
    bool StoreLocked(const std::filesystem::path& target, std::string_view section,
        std::string_view key, std::string_view value);
    bool Replace(
        const std::string& bytes, const std::filesystem::path& target, int mode, Stamp& stamp);
    bool Fail(std::string text, int code);
    bool FailErrno(const char* what, const std::filesystem::path& path);

    std::filesystem::path path_;
    bool createFolder_;
    IniDocument document_;
    Stamp stamp_;
    bool loaded_ = false;
    // The file changed within the timestamp granularity of our read: a later
    // change could carry the same stamp, so the next read parses again.
    bool racy_ = false;
    std::string lastError_;
    int lastErrno_ = 0;
};

// "<config folder>/<exeBaseName>.INI": the folder is $XDG_CONFIG_HOME when it
// is an absolute path, else <home>/.config.
std::filesystem::path DefaultProfilePath(
    std::string_view exeBaseName, const char* xdgConfigHome, const char* home);
// The same for this process: its executable's name without extension, the
// environment, and the password database when HOME is unset.
std::filesystem::path DefaultProfilePath();
