// A program of its own over the profile store, for tests that kill a writer
// at random moments or put the profile on a full or read-only disk.
//
//   profile_writer stream <file> <round> <keys>   writes Parameter/Key<i mod keys>
//                                                 = "<round>.<i>" until killed
//   profile_writer check <file> <keys> <state>    every key whole and never older
//                                                 than the state file remembers
//   profile_writer set <file> <section> <key> <value>
//   profile_writer get <file> <section> <key>
//
// Exit status: 0 done, 1 check failed, 2 usage, 3 write failed.

#include "settings/IniProfile.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

// "old" (the file's first value) is version (-1, -1); "<round>.<i>" is (round, i).
struct Version {
    long round = -2;
    long index = -2;
    bool operator<(const Version& o) const
    {
        return round != o.round ? round < o.round : index < o.index;
    }
};

bool ParseNumber(std::string_view text, long& value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool ParseVersion(const std::string& value, Version& version)
{
    if (value == "old") {
        version = { -1, -1 };
        return true;
    }
    const auto dot = value.find('.');
    if (dot == std::string::npos)
        return false;
    return ParseNumber(std::string_view(value).substr(0, dot), version.round)
        && ParseNumber(std::string_view(value).substr(dot + 1), version.index);
}

std::string KeyName(long k)
{
    return "Key" + std::to_string(k);
}

int Stream(const char* file, long round, long keys)
{
    IniProfile profile(file);
    for (long i = 0;; ++i) {
        if (!profile.WriteProfileString(
                "Parameter", KeyName(i % keys), std::to_string(round) + "." + std::to_string(i)))
            return 3;
    }
}

// Each key must hold a value some writer wrote in full, and no key may go
// back to a version older than one an earlier check saw: a lost or torn
// write shows as one or the other.
int Check(const char* file, long keys, const char* stateFile)
{
    std::vector<Version> seen(static_cast<std::size_t>(keys), Version { -1, -1 });
    {
        std::ifstream state(stateFile);
        for (auto& v : seen)
            state >> v.round >> v.index;
    }
    IniProfile profile(file);
    int status = 0;
    for (long k = 0; k < keys; ++k) {
        const std::string value = profile.GetProfileString("Parameter", KeyName(k), "<missing>");
        Version version;
        if (!ParseVersion(value, version)) {
            std::cerr << KeyName(k) << " holds \"" << value << "\"\n";
            status = 1;
        } else if (version < seen[k]) {
            std::cerr << KeyName(k) << " went back to " << value << "\n";
            status = 1;
        } else {
            seen[k] = version;
        }
    }
    std::ofstream state(stateFile, std::ios::trunc);
    for (const auto& v : seen)
        state << v.round << ' ' << v.index << '\n';
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    long a = 0;
    long b = 0;
    if (command == "stream" && argc == 5 && ParseNumber(argv[3], a) && ParseNumber(argv[4], b)
        && b > 0)
        return Stream(argv[2], a, b);
    if (command == "check" && argc == 5 && ParseNumber(argv[3], a) && a > 0)
        return Check(argv[2], a, argv[4]);
    if (command == "set" && argc == 6) {
        IniProfile profile(argv[2]);
        if (profile.WriteProfileString(argv[3], argv[4], argv[5]))
            return 0;
        std::cerr << profile.lastError() << "\nerrno " << profile.LastWriteErrno() << "\n";
        return 3;
    }
    if (command == "get" && argc == 5) {
        IniProfile profile(argv[2]);
        std::cout << profile.GetProfileString(argv[3], argv[4], "<none>") << "\n";
        return 0;
    }
    std::cerr << "usage: profile_writer stream|check|set|get ...\n";
    return 2;
}
