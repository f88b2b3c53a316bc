#include "app/DialogRunner.h"

#include "app/CAboutDlg.h"
#include "app/CContactDlg.h"
#include "app/Commands.h"
#include "app/EditDisplayFont.h"
#include "engine/CExerciseDlg.h"
#include "engine/COwnExercisesDlg.h"
#include "engine/CWorksheetDlg.h"
#include "feedback/CJokeRewardDlg.h"
#include "feedback/CPictureRewardDlg.h"
#include "feedback/CSoundDlg.h"
#include "progress/CProgressDlg.h"
#include "settings/COptionsSheet.h"
#include "settings/CPraiseListDlg.h"
#include "settings/CWinApp.h"

// The dialogs name their menu entries' topics themselves.
static_assert(COwnExercisesDlg::kHelpContext == 65536 + Command::EditOwnLists);
static_assert(CWorksheetDlg::kHelpContext == 65536 + Command::PrintWorksheet);

namespace {

QWidget* ParentOf(const DialogRunner::ParentFinder& parent)
{
    return parent ? parent() : nullptr;
}

// A dialog that takes the application object, run to its end.
template <typename Dialog>
std::function<void()> WithApp(CWinApp& app, DialogRunner::ParentFinder parent)
{
    return [app = &app, parent] {
        Dialog dialog(*app, ParentOf(parent));
        dialog.exec();
    };
}

template <typename Dialog> std::function<void()> Plain(DialogRunner::ParentFinder parent)
{
    return [parent] {
        Dialog dialog(ParentOf(parent));
        dialog.exec();
    };
}

} // namespace

DialogRunner DialogRunner::Real(CWinApp& app, ParentFinder parent)
{
    DialogRunner runner;
    runner.exercise = [app = &app, parent](const ExerciseKind& kind) {
        CExerciseDlg dialog(*app, kind, ParentOf(parent));
        dialog.exec();
    };
    runner.pictureReward = WithApp<CPictureRewardDlg>(app, parent);
    runner.jokeReward = WithApp<CJokeRewardDlg>(app, parent);
    runner.options = WithApp<COptionsSheet>(app, parent);
    runner.praiseList = WithApp<CPraiseListDlg>(app, parent);
    runner.sound = WithApp<CSoundDlg>(app, parent);
    runner.ownExercises = WithApp<COwnExercisesDlg>(app, parent);
    runner.worksheet = WithApp<CWorksheetDlg>(app, parent);
    runner.progress = WithApp<CProgressDlg>(app, parent);
    runner.about = Plain<CAboutDlg>(parent);
    runner.contact = Plain<CContactDlg>(parent);
    runner.displayFont = [app = &app, parent](const DisplayStyleSection& style) {
        ::EditDisplayFont(*app, ParentOf(parent), style);
    };
    return runner;
}
