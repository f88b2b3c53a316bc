#include "engine/RunLog.h"

void RunLog::Begin(std::string text, std::string answer)
{
    current_ = static_cast<int>(marks_.size());
    marks_.push_back(Mark::Open);
    currentTask_ = { std::move(text), std::move(answer), current_ };
    missedNow_ = false;
    repeating_ = false;
}

void RunLog::Wrong()
{
    if (repeating_ || current_ < 0 || missedNow_)
        return;
    missedNow_ = true;
    missed_.push_back(currentTask_);
}

void RunLog::Right()
{
    if (repeating_ || current_ < 0)
        return;
    marks_[size_t(current_)] = missedNow_ ? Mark::RightLater : Mark::RightFirstTry;
}

void RunLog::Solved()
{
    if (repeating_ || current_ < 0)
        return;
    // Solving is a miss even without a wrong answer before it.
    Wrong();
    marks_[size_t(current_)] = Mark::Solved;
}

RunLog::Task RunLog::TakeRepeat()
{
    Task task = std::move(missed_.front());
    missed_.pop_front();
    repeating_ = true;
    current_ = task.index;
    return task;
}
