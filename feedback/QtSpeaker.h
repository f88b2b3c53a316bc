#pragma once

#include "feedback/Speaker.h"

#include <QThread>

class QObject;
class QTextToSpeech;

// Speaks German through Qt's speech-dispatcher engine, with the voice the
// user has set for German there.  The engine lives on a thread of its own:
// starting it asks the service for every voice it knows, which takes
// seconds with espeak-ng's long list, and the exercise window must not wait
// for that.  Texts said before the engine is ready are said once it is.  If
// the engine cannot start or fails later, it says so once on standard error
// and stays silent from then on.
class QtSpeaker : public Speaker {
public:
    QtSpeaker();
    ~QtSpeaker() override;

    void Say(const QString& text) override;
    void Stop() override;

private:
    // These run on thread_ only, as does every use of engine_.
    void Start();
    void Fail(const QString& why);

    QThread thread_;
    QObject* home_ = nullptr; // lives on thread_, the engine's parent
    QTextToSpeech* engine_ = nullptr;
};
