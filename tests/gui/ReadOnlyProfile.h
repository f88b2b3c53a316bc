#pragma once

#include "TestSupport.h"

#include <cerrno>

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
    int LastWriteErrno() const override { return EACCES; }

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

// What every dialog tells the parent when its settings could not be stored.
inline const QString kReadOnlyFailure
    = QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:\n/nur/lesbar/pilo.INI"
                     "\n\nDie Datei oder ihr Ordner ist schreibgeschützt.");

// Collects the failure messages a dialog shows instead of opening boxes.
struct NoticeLog {
    QStringList texts;
    auto Recorder()
    {
        return [this](QWidget*, const QString& text) { texts.append(text); };
    }
};
