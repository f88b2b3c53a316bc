#pragma once

#include "feedback/Speaker.h"

#include <memory>

class QTextToSpeech;

// Speaks German through Qt's speech-dispatcher engine, with the voice the
// user has set for German there.  If the engine cannot start or fails
// later, it says so once on standard error and stays silent from then on.
class QtSpeaker : public Speaker {
public:
    QtSpeaker();
    ~QtSpeaker() override;

    void Say(const QString& text) override;
    void Stop() override;

    bool Works() const { return engine_ != nullptr; }

private:
    void Fail(const QString& why);

    std::unique_ptr<QTextToSpeech> engine_;
};
