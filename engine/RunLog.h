#pragma once

#include <deque>
#include <string>
#include <vector>

// What became of each task of one exercise run, for the learning aids: the
// progress marks and the tasks to ask once more at the end.  The run's own
// counts and its reward stay with the exercise window; asking a task again
// changes nothing here but which task is current.
class RunLog {
public:
    enum class Mark { Open, RightFirstTry, RightLater, Solved };

    struct Task {
        std::string text;
        std::string answer;
        int index = -1; // its place among the run's tasks
    };

    // A new task of the run becomes the current one.
    void Begin(std::string text, std::string answer);
    // The current task was answered wrong; the first time, it is kept for
    // asking again.
    void Wrong();
    void Right();
    // The solution was shown.
    void Solved();

    bool HasRepeat() const { return !missed_.empty(); }
    // The next missed task, which becomes the current one.
    Task TakeRepeat();
    bool Repeating() const { return repeating_; }

    const std::vector<Mark>& Marks() const { return marks_; }
    // The current task's place, -1 before the first.
    int Current() const { return current_; }

private:
    std::vector<Mark> marks_;
    std::deque<Task> missed_;
    Task currentTask_;
    bool missedNow_ = false;
    bool repeating_ = false;
    int current_ = -1;
};
