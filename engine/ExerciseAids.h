#pragma once

#include "engine/RunLog.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>

class CWinApp;
class ProgressMarks;
class QWidget;
class Speaker;

// The learning aids of one exercise run, as the parent switched them on:
// reading aloud, asking missed tasks again, the hint button and the progress
// marks.  The exercise window makes one only when at least one aid is on and
// tells it what happens in the run; the run's own counts and reward stay
// the window's.
class ExerciseAids : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kRepeatPrompt = "Diese Aufgabe üben wir nochmal !";
    static constexpr const char* kWrongQuestion
        = "Das ist leider nicht ganz richtig! Willst es nochmals versuchen oder soll ich lösen?";

    // nullptr when every aid is off.  The progress marks go into window's
    // free band below its buttons.
    static std::unique_ptr<ExerciseAids> Create(CWinApp& app, QWidget& window, int taskTarget);
    ~ExerciseAids() override;

    bool Repeats() const { return repeat_; }
    bool Hints() const { return hint_; }
    ProgressMarks* Marks() const { return marks_; }
    const RunLog& Log() const { return log_; }

    // A new task of the run shows; ownTask: from an own list, said as written.
    void TaskShown(const std::string& text, const std::string& answer);
    void Right(const QString& praise);
    void Wrong();
    void Solved(const std::string& answer);

    bool HasRepeat() const { return repeat_ && log_.HasRepeat(); }
    RunLog::Task TakeRepeat();

    // F5: the task once more.
    void SayTaskAgain();
    void Stop();

private:
    ExerciseAids() = default;
    void Say(const QString& text);
    void UpdateMarks();

    Speaker* voice_ = nullptr;
    bool repeat_ = false;
    bool hint_ = false;
    ProgressMarks* marks_ = nullptr;
    RunLog log_;
    QString spokenTask_;
};
