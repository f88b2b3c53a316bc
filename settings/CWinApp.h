#pragma once

#include "engine/RunRecorder.h"
#include "settings/Profile.h"

#include <cstdint>
#include <functional>
#include <memory>

class SoundPlayer;
class Speaker;

// What every window reaches through the application object: the profile,
// the one sound player, the speaker that reads aloud and the help viewer.
// It lives below the windows and needs no Qt; CTrainerApp (app/) is the real
// one, tests build one over a temporary profile and a recording player.
class CWinApp : public Profile {
public:
    // Help commands, numbered as the help contexts in the topics expect.
    static constexpr std::uint32_t HELP_CONTEXT = 1;
    static constexpr std::uint32_t HELP_FINDER = 11;

    using HelpHandler = std::function<void(std::uint32_t data, std::uint32_t command)>;
    // Makes the speaker on first use (see Voice()).
    using SpeakerFactory = std::function<std::shared_ptr<Speaker>()>;

    CWinApp(Profile& store, SoundPlayer& sound)
        : store_(store)
        , sound_(sound)
    {
    }
    ~CWinApp() override = default;

    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) override
    {
        return store_.GetProfileInt(section, key, defaultValue);
    }
    std::string GetProfileString(
        std::string_view section, std::string_view key, std::string_view defaultValue = {}) override
    {
        return store_.GetProfileString(section, key, defaultValue);
    }
    bool WriteProfileInt(std::string_view section, std::string_view key, int value) override
    {
        return store_.WriteProfileInt(section, key, value);
    }
    bool WriteProfileString(
        std::string_view section, std::string_view key, std::string_view value) override
    {
        return store_.WriteProfileString(section, key, value);
    }

    std::string FileName() const override { return store_.FileName(); }
    int LastWriteErrno() const override { return store_.LastWriteErrno(); }

    // Opens the help viewer at a topic (HELP_CONTEXT) or at the contents
    // (HELP_FINDER).
    virtual void WinHelp(std::uint32_t data, std::uint32_t command)
    {
        if (helpHandler_)
            helpHandler_(data, command);
    }
    void SetHelpHandler(HelpHandler handler) { helpHandler_ = std::move(handler); }

    SoundPlayer& Sound() { return sound_; }

    // The voice that reads aloud, made at its first use, so nothing of it
    // exists while reading aloud is off.  nullptr without a factory.
    Speaker* Voice()
    {
        if (!speaker_ && speakerFactory_)
            speaker_ = speakerFactory_();
        return speaker_.get();
    }
    void SetSpeakerFactory(SpeakerFactory factory) { speakerFactory_ = std::move(factory); }
    // Where exercise runs are recorded; one that keeps nothing until set.
    RunRecorder& Recorder() { return recorder_ ? *recorder_ : noRecorder_; }
    void SetRecorder(RunRecorder* recorder) { recorder_ = recorder; }
    Profile& Store() { return store_; }

private:
    Profile& store_;
    SoundPlayer& sound_;
    HelpHandler helpHandler_;
    SpeakerFactory speakerFactory_;
    std::shared_ptr<Speaker> speaker_; // shared: Speaker stays incomplete here
    RunRecorder* recorder_ = nullptr;
    NoRecorder noRecorder_;
};
