#pragma once

#include <QString>

// Says a text aloud without waiting for it.  A new text cuts off the one
// still being said.  A machine without a speech service stays silent.
class Speaker {
public:
    virtual ~Speaker() = default;
    virtual void Say(const QString& text) = 0;
    virtual void Stop() = 0;
};
