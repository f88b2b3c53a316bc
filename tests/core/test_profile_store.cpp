// The profile as a file shared with other processes: where it lives, how
// changes from outside show, how writes fail, and that neither a second
// writer nor a killed one loses or tears anything.

#include "ProfileTestFiles.h"
#include "settings/IniProfile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <functional>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct PathCase {
    const char* name;
    const char* xdgConfigHome;
    const char* home;
    const char* expected;
};

std::ostream& operator<<(std::ostream& os, const PathCase& row)
{
    return os << row.name;
}

class DefaultPath : public testing::TestWithParam<PathCase> { };

TEST_P(DefaultPath, FollowsXdgRules)
{
    const PathCase& row = GetParam();
    EXPECT_EQ(DefaultProfilePath("pilo", row.xdgConfigHome, row.home), fs::path(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Env, DefaultPath,
    testing::Values(PathCase { "xdg_set", "/srv/cfg", "/home/anna", "/srv/cfg/pilo.INI" },
        PathCase { "xdg_unset", nullptr, "/home/anna", "/home/anna/.config/pilo.INI" },
        PathCase { "xdg_empty", "", "/home/anna", "/home/anna/.config/pilo.INI" },
        PathCase { "xdg_relative_ignored", "cfg", "/home/anna", "/home/anna/.config/pilo.INI" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefaultPath, UsesExecutableNameAndEnvironment)
{
    ScratchFolder folder;
    ::setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    EXPECT_EQ(DefaultProfilePath(), folder / "test_profile_store.INI");
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST(SharedFile, WriteByAnotherStoreIsSeen)
{
    ScratchFolder folder;
    IniProfile mine(folder / "pilo.INI");
    IniProfile theirs(folder / "pilo.INI");
    EXPECT_EQ(mine.GetProfileInt("Parameter", "Changed", 0), 0);
    ASSERT_TRUE(theirs.WriteProfileInt("Parameter", "Changed", 1));
    EXPECT_EQ(mine.GetProfileInt("Parameter", "Changed", 0), 1);
    ASSERT_TRUE(mine.WriteProfileInt("Parameter", "Changed", 0));
    EXPECT_EQ(theirs.GetProfileInt("Parameter", "Changed", 1), 0);
}

// An editor that rewrites the file in place keeps its inode, and a quick
// second save may even keep its size and timestamp tick.
TEST(SharedFile, InPlaceEditOfSameSizeIsSeen)
{
    ScratchFolder folder;
    const auto file = folder / "pilo.INI";
    WriteBytes(file, "[S]\nK=1\n");
    IniProfile profile(file);
    for (int i = 2; i <= 9; ++i) {
        EXPECT_EQ(profile.GetProfileInt("S", "K", -1), i - 1);
        WriteBytes(file, "[S]\nK=" + std::to_string(i) + "\n");
        EXPECT_EQ(profile.GetProfileInt("S", "K", -1), i);
    }
}

TEST(SharedFile, FileAppearingRemovedOrReplacedByFolderIsSeen)
{
    ScratchFolder folder;
    const auto file = folder / "pilo.INI";
    IniProfile profile(file);
    EXPECT_EQ(profile.GetProfileString("S", "K", "none"), "none");
    WriteBytes(file, "[S]\nK=there\n");
    EXPECT_EQ(profile.GetProfileString("S", "K", "none"), "there");
    fs::remove(file);
    EXPECT_EQ(profile.GetProfileString("S", "K", "none"), "none");
    fs::create_directory(file);
    EXPECT_EQ(profile.GetProfileString("S", "K", "none"), "none");
}

// Runs `body` in a child process without root's right to ignore file modes,
// so that read-only folders and files fail as they do for a parent's account.
int RunUnprivileged(const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

struct FailingWrite {
    const char* name;
    // Prepares the folder; returns the profile path.  The profile, if it is a
    // file, holds [Parameter] Aufgaben=5.
    fs::path (*setup)(const fs::path& folder);
    // What the store gives as the reason, for the message to the parent.
    int reason;
};

std::ostream& operator<<(std::ostream& os, const FailingWrite& row)
{
    return os << row.name;
}

class FailedWrite : public testing::TestWithParam<FailingWrite> { };

constexpr const char* kOldFile = "[Parameter]\r\nAufgaben=5\r\n";

TEST_P(FailedWrite, IsReportedAndKeepsOldValue)
{
    ScratchFolder folder;
    fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::others_exec);
    const fs::path file = GetParam().setup(folder.path());
    const auto before = ReadBytes(file);

    const int result = RunUnprivileged([&] {
        IniProfile profile(file);
        const int oldRead = profile.GetProfileInt("Parameter", "Aufgaben", 0);
        if (profile.WriteProfileInt("Parameter", "Aufgaben", 10))
            return 1;
        if (profile.lastError().empty())
            return 2;
        if (profile.LastWriteErrno() != GetParam().reason)
            return 5;
        if (profile.GetProfileInt("Parameter", "Aufgaben", 0) != oldRead)
            return 3;
        if (profile.WriteProfileString("Neu", "Key", "v"))
            return 4;
        return 0;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_FALSE(fs::exists(fs::path(file) += ".tmp"));
}

INSTANTIATE_TEST_SUITE_P(Cases, FailedWrite,
    testing::Values(FailingWrite { "read_only_folder",
                        [](const fs::path& folder) {
                            const auto dir = folder / "ro";
                            fs::create_directory(dir);
                            WriteBytes(dir / "pilo.INI", kOldFile);
                            fs::permissions(dir / "pilo.INI", fs::perms::all);
                            fs::permissions(dir,
                                fs::perms::owner_read | fs::perms::owner_exec
                                    | fs::perms::others_read | fs::perms::others_exec);
                            return dir / "pilo.INI";
                        },
                        EACCES },
        FailingWrite { "read_only_file",
            [](const fs::path& folder) {
                const auto dir = folder / "rw";
                fs::create_directory(dir);
                fs::permissions(dir, fs::perms::all);
                WriteBytes(dir / "pilo.INI", kOldFile);
                fs::permissions(dir / "pilo.INI", fs::perms::owner_read | fs::perms::others_read);
                return dir / "pilo.INI";
            },
            EACCES },
        FailingWrite { "missing_folder",
            [](const fs::path& folder) { return folder / "missing" / "pilo.INI"; }, ENOENT },
        FailingWrite { "parent_is_a_file",
            [](const fs::path& folder) {
                WriteBytes(folder / "file", "x");
                return folder / "file" / "pilo.INI";
            },
            ENOTDIR },
        FailingWrite { "profile_is_a_folder",
            [](const fs::path& folder) {
                const auto dir = folder / "rw";
                fs::create_directory(dir);
                fs::permissions(dir, fs::perms::all);
                fs::create_directory(dir / "pilo.INI");
                return dir / "pilo.INI";
            },
            EISDIR }),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<std::string> FolderContents(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FailedWrite, FolderStandingForProfileGetsNothingBeside)
{
    ScratchFolder folder;
    fs::create_directory(folder / "pilo.INI");
    IniProfile profile(folder / "pilo.INI");
    EXPECT_FALSE(profile.WriteProfileInt("S", "K", 1));
    EXPECT_EQ(FolderContents(folder.path()), std::vector<std::string> { "pilo.INI" });
}

// The program keeps its settings in the one file: no lock or temporary file
// stays beside it, neither after the write that creates it nor after others.
TEST(ConfigFolder, HoldsNothingButTheProfile)
{
    ScratchFolder folder;
    IniProfile profile(folder / "pilo.INI");
    ASSERT_TRUE(profile.WriteProfileInt("Parameter", "Changed", 1)) << profile.lastError();
    EXPECT_EQ(FolderContents(folder.path()), std::vector<std::string> { "pilo.INI" });
    ASSERT_TRUE(profile.WriteProfileString("Lobe", "Lob1", "Super!")) << profile.lastError();
    ASSERT_TRUE(profile.WriteProfileInt("Parameter", "Changed", 0)) << profile.lastError();
    EXPECT_EQ(FolderContents(folder.path()), std::vector<std::string> { "pilo.INI" });
}

TEST(ConfigFolder, FirstWriteCreatesItPrivately)
{
    ScratchFolder folder;
    const auto config = folder / "home" / ".config";
    IniProfile profile(config / "pilo.INI", true);
    EXPECT_EQ(profile.GetProfileInt("S", "K", 4), 4);
    EXPECT_FALSE(fs::exists(config));
    ASSERT_TRUE(profile.WriteProfileInt("S", "K", 1)) << profile.lastError();
    EXPECT_EQ(ReadBytes(config / "pilo.INI"), "[S]\r\nK=1\r\n");
    EXPECT_EQ(fs::status(config).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST(ConfigFolder, WriteKeepsFileMode)
{
    ScratchFolder folder;
    const auto file = folder / "pilo.INI";
    WriteBytes(file, "[S]\nK=1\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    IniProfile profile(file);
    ASSERT_TRUE(profile.WriteProfileInt("S", "K", 2));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::owner_write);
}

TEST(ConfigFolder, SymbolicLinkStaysLink)
{
    ScratchFolder folder;
    WriteBytes(folder / "real.INI", "[S]\nK=1\n");
    fs::create_symlink("real.INI", folder / "pilo.INI");
    IniProfile profile(folder / "pilo.INI");
    ASSERT_TRUE(profile.WriteProfileInt("S", "K", 2)) << profile.lastError();
    EXPECT_TRUE(fs::is_symlink(folder / "pilo.INI"));
    EXPECT_EQ(ReadBytes(folder / "real.INI"), "[S]\nK=2\r\n");
    EXPECT_EQ(profile.GetProfileInt("S", "K", 0), 2);
}

pid_t Spawn(const std::function<void()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        body();
        ::_exit(0);
    }
    return pid;
}

bool ExitedCleanly(pid_t pid)
{
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(TwoProcesses, WritingDifferentKeysLoseNothing)
{
    constexpr int kKeys = 1000;
    ScratchFolder folder;
    const auto file = folder / "pilo.INI";
    WriteBytes(file, "; Pilo\r\n[Lobe]\r\nAnzahl=0\r\n");
    auto writer = [&](int who) {
        return [&file, who] {
            IniProfile profile(file);
            for (int i = 0; i < kKeys; ++i) {
                const std::string section = i % 2 ? "Lobe" : "Proc" + std::to_string(who);
                if (!profile.WriteProfileInt(
                        section, "P" + std::to_string(who) + "K" + std::to_string(i), i))
                    ::_exit(1);
            }
        };
    };
    const pid_t first = Spawn(writer(1));
    const pid_t second = Spawn(writer(2));
    EXPECT_TRUE(ExitedCleanly(first));
    EXPECT_TRUE(ExitedCleanly(second));

    IniProfile profile(file);
    int found = 0;
    for (int who = 1; who <= 2; ++who) {
        for (int i = 0; i < kKeys; ++i) {
            const std::string section = i % 2 ? "Lobe" : "Proc" + std::to_string(who);
            found += profile.GetProfileInt(
                         section, "P" + std::to_string(who) + "K" + std::to_string(i), -1)
                == i;
        }
    }
    EXPECT_EQ(found, 2 * kKeys);
    EXPECT_TRUE(ReadBytes(file)->starts_with("; Pilo\r\n[Lobe]\r\nAnzahl=0\r\n"));
}

// Several processes whose first write creates the file at the same moment:
// each must see the file another one created and keep its key.
TEST(TwoProcesses, CreatingTheFileTogetherLoseNothing)
{
    constexpr int kWriters = 6;
    for (int round = 0; round < 15; ++round) {
        ScratchFolder folder;
        const auto file = folder / "pilo.INI";
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        std::vector<pid_t> writers;
        for (int who = 0; who < kWriters; ++who) {
            writers.push_back(Spawn([&file, &start, who] {
                ::close(start[1]);
                char go;
                if (::read(start[0], &go, 1) != 0)
                    ::_exit(2);
                IniProfile profile(file);
                if (!profile.WriteProfileInt("Parameter", "K" + std::to_string(who), who))
                    ::_exit(1);
            }));
        }
        ::close(start[0]);
        ::close(start[1]); // every writer starts now
        for (const pid_t writer : writers)
            EXPECT_TRUE(ExitedCleanly(writer));

        IniProfile profile(file);
        for (int who = 0; who < kWriters; ++who)
            EXPECT_EQ(profile.GetProfileInt("Parameter", "K" + std::to_string(who), -1), who)
                << "round " << round;
        EXPECT_EQ(FolderContents(folder.path()), std::vector<std::string> { "pilo.INI" });
    }
}

// A writer killed at any moment leaves a whole file: every key still there,
// each with its old or one of its new values.
TEST(KilledWriter, LeavesWholeFile)
{
    constexpr int kKeys = 20;
    ScratchFolder folder;
    const auto file = folder / "pilo.INI";
    std::string initial = "; Pilo\r\n[Parameter]\r\n";
    for (int k = 0; k < kKeys; ++k)
        initial += "Key" + std::to_string(k) + "=old\r\n";
    WriteBytes(file, initial);

    std::mt19937 chance(42);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = Spawn([&file, round] {
            IniProfile profile(file);
            for (int i = 0;; ++i) {
                profile.WriteProfileString("Parameter", "Key" + std::to_string(i % kKeys),
                    "new" + std::to_string(round) + "_" + std::to_string(i));
                profile.WriteProfileString(
                    "Round" + std::to_string(round), "Key" + std::to_string(i % kKeys), "x");
            }
        });
        std::this_thread::sleep_for(std::chrono::microseconds(chance() % 30000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        IniProfile profile(file);
        for (int k = 0; k < kKeys; ++k) {
            const std::string value
                = profile.GetProfileString("Parameter", "Key" + std::to_string(k), "missing");
            EXPECT_TRUE(value == "old" || value.starts_with("new"))
                << "round " << round << ": " << value;
        }
        EXPECT_TRUE(ReadBytes(file)->starts_with("; Pilo\r\n[Parameter]\r\n"));
        // The next writer is neither blocked by the dead one's lock nor by its leftovers.
        ASSERT_TRUE(profile.WriteProfileString("After", "Round", std::to_string(round)))
            << profile.lastError();
        EXPECT_EQ(IniProfile(file).GetProfileInt("After", "Round", -1), round);
    }
}

} // namespace
