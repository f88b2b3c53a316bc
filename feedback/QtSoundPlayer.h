#pragma once

#include "feedback/SoundPlayer.h"

#include <QString>

#include <memory>

class QSoundEffect;

// The program's player: wave files through Qt Multimedia.  Play() returns
// at once and stops the sound still playing; a missing, oversized or
// unplayable file (anything but complete
// PCM wave data), or a machine without a sound device, stays silent.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void Play(const QString& fileName) override;

    // The file last started, also on a machine without a sound device;
    // empty after a Play() whose file was missing or unplayable.
    QString Current() const { return current_; }

    // Whether path is a PCM wave file whose header, format and samples are
    // all there.
    static bool IsPlayableWave(const QString& path);

    // Wave files beyond this size are not loaded (they are read whole).
    static constexpr qint64 kMaxBytes = 64LL * 1024 * 1024;

private:
    void Stop();

    std::unique_ptr<QSoundEffect> effect_;
    QString current_;
};
