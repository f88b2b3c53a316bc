#pragma once

// Helpers for the window tests: a profile in memory that records what was
// written, a sound player that records what was played, and an application
// object over both whose help requests are recorded.

#include "settings/CWinApp.h"
#include "feedback/SoundPlayer.h"

#include <QEvent>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A profile in memory.  Section and key names match without regard to case;
// GetProfileInt reads an optional sign and the leading digits (no digits give
// 0, an absent key the default).  Every write is kept in order in Writes().
class MemoryProfile : public Profile {
public:
    struct Write {
        std::string section;
        std::string key;
        std::string value;
        bool operator==(const Write&) const = default;
    };

    // Puts a value in place without recording it as a write.
    void Set(std::string_view section, std::string_view key, std::string_view value)
    {
        values_[Name(section, key)] = std::string(value);
    }
    bool Has(std::string_view section, std::string_view key) const
    {
        return values_.count(Name(section, key)) != 0;
    }
    const std::vector<Write>& Writes() const { return writes_; }
    void ClearWrites() { writes_.clear(); }

    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) override
    {
        const auto found = values_.find(Name(section, key));
        if (found == values_.end())
            return defaultValue;
        return ParseInt(found->second);
    }
    std::string GetProfileString(
        std::string_view section, std::string_view key, std::string_view defaultValue = {}) override
    {
        const auto found = values_.find(Name(section, key));
        return found == values_.end() ? std::string(defaultValue) : found->second;
    }
    bool WriteProfileInt(std::string_view section, std::string_view key, int value) override
    {
        return WriteProfileString(section, key, std::to_string(value));
    }
    bool WriteProfileString(
        std::string_view section, std::string_view key, std::string_view value) override
    {
        writes_.push_back({ std::string(section), std::string(key), std::string(value) });
        Set(section, key, value);
        return true;
    }

    // Sign and leading digits, wrapping like a 32-bit value.
    static int ParseInt(std::string_view text)
    {
        size_t i = 0;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negative = text[i++] == '-';
        unsigned value = 0;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            value = value * 10u + unsigned(text[i] - '0');
        return static_cast<int>(negative ? 0u - value : value);
    }

private:
    static std::pair<std::string, std::string> Name(std::string_view section, std::string_view key)
    {
        return { Lower(section), Lower(key) };
    }
    static std::string Lower(std::string_view text)
    {
        std::string lower(text);
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return lower;
    }

    std::map<std::pair<std::string, std::string>, std::string> values_;
    std::vector<Write> writes_;
};

// Records the file of every Play() in order.
class RecordingPlayer : public SoundPlayer {
public:
    void Play(const QString& fileName) override { played.append(fileName); }
    QStringList played;
};

struct HelpRequest {
    quint32 data;
    quint32 command;
    bool operator==(const HelpRequest&) const = default;
};

struct TestAppParts {
    MemoryProfile profile;
    RecordingPlayer player;
    std::vector<HelpRequest> help;
};

// An application object for one test: TestApp app; CSoundDlg dlg(app);
// then app.profile.Writes(), app.player.played, app.help.
class TestApp : public TestAppParts, public CWinApp {
public:
    TestApp()
        : CWinApp(profile, player)
    {
        SetHelpHandler([this](quint32 data, quint32 command) {
            help.push_back({ data, command });
        });
    }
};

// Counts the paints a widget receives while the counter lives: a test waits
// for a repaint instead of waiting some time for one.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget)
        : widget_(widget)
    {
        widget_->installEventFilter(this);
    }
    ~PaintCounter() override { widget_->removeEventFilter(this); }

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }

    int paints = 0;

private:
    QWidget* widget_;
};
