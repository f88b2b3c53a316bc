#pragma once

// A speaker that writes down what it is asked to say, for tests of reading
// aloud; "<stop>" marks each Stop().

#include "feedback/Speaker.h"
#include "settings/CWinApp.h"

#include <QStringList>

#include <memory>

class RecordingSpeaker : public Speaker {
public:
    explicit RecordingSpeaker(QStringList& said)
        : said_(said)
    {
    }
    void Say(const QString& text) override { said_.append(text); }
    void Stop() override { said_.append(QStringLiteral("<stop>")); }

    // Gives app a factory of recording speakers that write into said and
    // counts how many were made.
    static void Install(CWinApp& app, QStringList& said, int* made = nullptr)
    {
        app.SetSpeakerFactory([&said, made] {
            if (made)
                ++*made;
            return std::make_shared<RecordingSpeaker>(said);
        });
    }

private:
    QStringList& said_;
};
