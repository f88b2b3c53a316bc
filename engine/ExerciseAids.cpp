#include "engine/ExerciseAids.h"

#include "engine/ProgressMarks.h"
#include "engine/TaskSpeech.h"
#include "feedback/CDialog.h"
#include "feedback/Speaker.h"
#include "settings/CWinApp.h"
#include "settings/LearningAids.h"

#include <QShortcut>

namespace {
// The free band below the exercise window's buttons, in dialog units.
constexpr int kBandLeft = 37;
constexpr int kBandTop = 192;
constexpr int kBandWidth = 347;
constexpr int kBandHeight = 22;

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
} // namespace

std::unique_ptr<ExerciseAids> ExerciseAids::Create(CWinApp& app, QWidget& window, int taskTarget)
{
    using namespace LearningAids;
    const bool readAloud = IsOn(app, ReadAloud);
    const bool repeat = IsOn(app, Repeat);
    const bool hint = IsOn(app, Hint);
    const bool progress = IsOn(app, Progress);
    if (!readAloud && !repeat && !hint && !progress)
        return nullptr;

    std::unique_ptr<ExerciseAids> aids(new ExerciseAids);
    aids->repeat_ = repeat;
    aids->hint_ = hint;
    if (readAloud) {
        aids->voice_ = app.Voice();
        auto* again = new QShortcut(QKeySequence(Qt::Key_F5), &window);
        connect(again, &QShortcut::activated, aids.get(), &ExerciseAids::SayTaskAgain);
    }
    if (progress) {
        aids->marks_ = new ProgressMarks(&window);
        aids->marks_->setGeometry(CDialog::DluRect(kBandLeft, kBandTop, kBandWidth, kBandHeight));
        aids->marks_->SetTotal(taskTarget);
        aids->marks_->show();
    }
    return aids;
}

ExerciseAids::~ExerciseAids()
{
    Stop();
}

void ExerciseAids::Say(const QString& text)
{
    if (voice_)
        voice_->Say(text);
}

void ExerciseAids::TaskShown(const std::string& text, const std::string& answer)
{
    log_.Begin(text, answer);
    spokenTask_ = FromUtf8(TaskSpeech::SpokenTask(text));
    Say(spokenTask_);
    UpdateMarks();
}

void ExerciseAids::Right(const QString& praise)
{
    log_.Right();
    Say(praise);
    UpdateMarks();
}

void ExerciseAids::Wrong()
{
    log_.Wrong();
    Say(QString::fromUtf8(kWrongQuestion));
}

void ExerciseAids::Solved(const std::string& answer)
{
    log_.Solved();
    Say(FromUtf8(TaskSpeech::SpokenSolution(answer)));
    UpdateMarks();
}

RunLog::Task ExerciseAids::TakeRepeat()
{
    RunLog::Task task = log_.TakeRepeat();
    spokenTask_ = FromUtf8(TaskSpeech::SpokenTask(task.text));
    Say(QString::fromUtf8(kRepeatPrompt).replace(QStringLiteral(" !"), QStringLiteral("!"))
        + QLatin1Char(' ') + spokenTask_);
    UpdateMarks();
    return task;
}

void ExerciseAids::SayTaskAgain()
{
    Say(spokenTask_);
}

void ExerciseAids::Stop()
{
    if (voice_)
        voice_->Stop();
}

void ExerciseAids::UpdateMarks()
{
    if (marks_)
        marks_->Update(log_.Marks(), log_.Current());
}
