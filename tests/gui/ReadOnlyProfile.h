#pragma once

#include "TestSupport.h"

class QWidget;

// A profile whose file cannot be written (a read-only file, a full disk):
// reads work, every write is recorded as attempted and reports failure.
class ReadOnlyProfile : public MemoryProfile {
public:
    bool WriteProfileString(
        std::string_view section, std::string_view key, std::string_view value) override
    {
        attempts.push_back({ std::string(section), std::string(key), std::string(value) });
        return false;
    }
    bool WriteProfileInt(std::string_view section, std::string_view key, int value) override
    {
        return WriteProfileString(section, key, std::to_string(value));
    }
    std::string FileName() const override { return "/nur/lesbar/pilo.INI"; }

    std::vector<Write> attempts;
};

struct ReadOnlyAppParts {
    ReadOnlyProfile profile;
    RecordingPlayer player;
};

class ReadOnlyApp : public ReadOnlyAppParts, public CWinApp {
public:
    ReadOnlyApp()
        : CWinApp(profile, player)
    {
    }
};

// Collects the failure messages a dialog shows instead of opening boxes.
struct NoticeLog {
    QStringList texts;
    auto Recorder()
    {
        return [this](QWidget*, const QString& text) { texts.append(text); };
    }
};
