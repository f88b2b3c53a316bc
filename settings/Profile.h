#pragma once

#include <string>
#include <string_view>

// The four operations through which every window reaches the settings.
// Texts are UTF-8.  Reads never fail (they fall back to the default);
// writes report whether the value reached the file.
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
};
