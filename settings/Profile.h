#pragma once

#include "settings/ProfileKeys.h"

#include <string>
#include <string_view>

// The four operations through which every window reaches the settings.
// Texts are UTF-8.  Reads never fail (they fall back to the default);
// writes report whether the value reached the file.  Windows name their
// keys through the settings of ProfileKeys.h, with the helpers below.
class Profile {
public:
    virtual ~Profile() = default;

    virtual int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) = 0;
    virtual std::string GetProfileString(
        std::string_view section, std::string_view key, std::string_view defaultValue = {})
        = 0;
    virtual bool WriteProfileInt(std::string_view section, std::string_view key, int value) = 0;
    virtual bool WriteProfileString(
        std::string_view section, std::string_view key, std::string_view value)
        = 0;

    // Where the settings live, for telling the parent which file could not
    // be written.  Empty for a store without a file.
    virtual std::string FileName() const { return {}; }
    // The errno of the last failed write (EACCES, ENOSPC, ...), 0 when the
    // store cannot tell.
    virtual int LastWriteErrno() const { return 0; }

    int Read(const IntSetting& setting)
    {
        return GetProfileInt(setting.key.section, setting.key.name, setting.fallback);
    }
    std::string Read(const TextSetting& setting)
    {
        return GetProfileString(setting.key.section, setting.key.name, setting.fallback);
    }
    std::string Read(const NumberedKeys& list, int number)
    {
        return GetProfileString(list.section, list.NameOf(number));
    }
    bool Write(const ProfileKey& key, int value)
    {
        return WriteProfileInt(key.section, key.name, value);
    }
};
