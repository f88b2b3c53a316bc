#pragma once

#include <QString>

// Plays a wave file from the working directory without waiting for it.
// A new sound cuts off the one still playing; a missing or unplayable file,
// or a machine without a sound device, is silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void Play(const QString& fileName) = 0;
};
