#pragma once

#include <string>

// What the exercise window tells about a run while it goes on: the start, each
// task it shows, the answers typed to it, and the end.  The recorder decides
// what to keep; the run never waits for it and never learns whether keeping
// it worked (the progress window shows that).
class RunRecorder {
public:
    virtual ~RunRecorder() = default;

    virtual void RunStarted(int kind, const std::string& kindText, int taskTarget) = 0;
    virtual void TaskShown(const std::string& task, const std::string& expected) = 0;
    // An answer typed to the task shown last and confirmed.
    virtual void Answered(const std::string& typed, bool right) = 0;
    // The task shown last was solved by "Lösen".
    virtual void Solved() = 0;
    // finished: the set number of tasks was reached; rewarded: the run earned
    // its reward.
    virtual void RunEnded(bool finished, bool rewarded) = 0;

    // The file the record is kept in; empty for a recorder without one.
    virtual std::string FilePath() const { return {}; }
    // Why the last answer could not be recorded (German, UTF-8); empty after
    // a good write.
    virtual std::string LastError() const { return {}; }
    // Lets go of the file, so it can be set aside; the next answer opens it anew.
    virtual void Release() { }
};

// Keeps nothing: the recorder of a program that does not record.
class NoRecorder : public RunRecorder {
public:
    void RunStarted(int, const std::string&, int) override { }
    void TaskShown(const std::string&, const std::string&) override { }
    void Answered(const std::string&, bool) override { }
    void Solved() override { }
    void RunEnded(bool, bool) override { }
};
