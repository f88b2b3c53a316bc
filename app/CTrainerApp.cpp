#include "app/CTrainerApp.h"

#include "app/CHelpViewer.h"
#include "app/CMainFrame.h"
#include "engine/Catalogue.h"
#include "engine/Draws.h"
#include "engine/RandomSource.h"
#include "feedback/QtSpeaker.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace {

constexpr int kPictureReward = 0;
constexpr int kJokeReward = 1;
constexpr int kRandomReward = 2;

} // namespace

CTrainerApp::CTrainerApp(int& argc, char** argv)
    : QApplication(argc, argv)
    , CWinApp(TrainerAppParts::profile, TrainerAppParts::player)
{
    setApplicationName(QStringLiteral("Pilo"));
    // No display name: Qt would append it to every window title.  The
    // desktop file name lets docks match the window to its menu entry.
    setDesktopFileName(QStringLiteral("de.pilo.Pilo"));
    LoadTranslations();
    SetHelpHandler([this](quint32 data, quint32 command) { ShowHelp(data, command); });
    SetSpeakerFactory([] { return std::make_shared<QtSpeaker>(); });
    SetRecorder(&(TrainerAppParts::recorder));
    dialogs_ = DialogRunner::Real(*this, [this]() -> QWidget* { return frame_.get(); });
}

CTrainerApp::~CTrainerApp()
{
    help_.reset();
    frame_.reset();
}

void CTrainerApp::LoadTranslations()
{
    // Qt's own buttons and dialogs ("Abbrechen", "Schließen") speak German too.
    translator_ = std::make_unique<QTranslator>();
    if (translator_->load(
            QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator_.get());
}

bool CTrainerApp::InitInstance()
{
    frame_ = std::make_unique<CMainFrame>(*this);
    frame_->SetCommandRouter([this](int id) { OnCommand(id); });
    frame_->SetExerciseRouter([this](const ExerciseKind& kind) { RunExercise(kind); });
    frame_->resize(620, 440);
    frame_->showMaximized();
    return true;
}

void CTrainerApp::WinHelp(quint32 data, quint32 command)
{
    CWinApp::WinHelp(data, command);
}

void CTrainerApp::ShowHelp(quint32 data, quint32 command)
{
    if (!help_) {
        help_ = std::make_unique<CHelpViewer>();
        // The viewer is an aid beside the main window: closing the main
        // window ends the program even while the viewer is open.
        help_->setAttribute(Qt::WA_QuitOnClose, false);
    }
    help_->OpenTopic(data, command);
    // The viewer belongs to no window: every dialog is modal only to the
    // window that opened it, so none of them blocks the viewer.
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void CTrainerApp::OnCommand(int id)
{
    auto run = [](const std::function<void()>& dialog) {
        if (dialog)
            dialog();
    };
    switch (id) {
    case Command::Options:
        OnOptions();
        break;
    case Command::PraiseList:
        run(dialogs_.praiseList);
        break;
    case Command::About:
        run(dialogs_.about);
        break;
    case Command::Contact:
        run(dialogs_.contact);
        break;
    case Command::EditOwnLists:
        run(dialogs_.ownExercises);
        break;
    case Command::PrintWorksheet:
        run(dialogs_.worksheet);
        break;
    case Command::Progress:
        run(dialogs_.progress);
        break;
    case Command::OwnExercisesHelp:
    case Command::Internet:
    case Command::OtherPrograms:
        WinHelp(quint32(HelpContextOf(id)), HELP_CONTEXT);
        break;
    case Command::Exit:
        if (frame_)
            frame_->close();
        break;
    default:
        break;
    }
}

void CTrainerApp::RunExercise(const ExerciseKind& kind)
{
    if (dialogs_.exercise)
        dialogs_.exercise(kind);
    ShowDueReward();
}

void CTrainerApp::ShowDueReward()
{
    if (Read(Setting::RewardDue) == 0)
        return;
    int rewardKind = Read(Setting::RewardKind);
    if (rewardKind == kRandomReward)
        rewardKind = Draws::RewardKind() == 0 ? kPictureReward : kJokeReward;
    if (rewardKind == kPictureReward && dialogs_.pictureReward)
        dialogs_.pictureReward();
    else if (rewardKind == kJokeReward && dialogs_.jokeReward)
        dialogs_.jokeReward();
    Write(Setting::RewardDue.key, 0);
}

void CTrainerApp::OnOptions()
{
    if (dialogs_.options)
        dialogs_.options();
    if (Read(Setting::BackgroundChanged) == 0)
        return;
    if (frame_)
        frame_->RepaintBackground();
    Write(Setting::BackgroundChanged.key, 0);
}
