#pragma once

#include "app/Commands.h"
#include "app/DialogRunner.h"
#include "feedback/QtSoundPlayer.h"
#include "progress/ProgressRecorder.h"
#include "settings/CWinApp.h"
#include "settings/IniProfile.h"

#include <QApplication>
#include <QPointer>

#include <memory>

class CHelpViewer;
class CMainFrame;
class QTranslator;
struct ExerciseKind;

// What the application object owns besides Qt's own state.  A base class, so
// it exists before CWinApp is handed references to it.
struct TrainerAppParts {
    TrainerAppParts()
        : profile(DefaultProfilePath(), true)
        , recorder(ProgressStore::DefaultPath())
    {
    }
    IniProfile profile;
    QtSoundPlayer player;
    // Opens its file at the first recorded answer, not before.
    ProgressRecorder recorder;
};

// The program: Qt's application object and the profile, sound and help that
// every window reaches.  It opens the main window and carries out the menu
// commands the main window leaves to it.
class CTrainerApp : public QApplication, private TrainerAppParts, public CWinApp {
    Q_OBJECT
public:
    // Arguments are Qt's own; anything else on the command line is ignored.
    CTrainerApp(int& argc, char** argv);
    ~CTrainerApp() override;

    // Opens the main window, maximized, at 620 x 440 when restored.  Reads
    // and writes no setting.
    bool InitInstance();

    void WinHelp(quint32 data, quint32 command) override;

    // One command of the menus that the main window does not handle itself.
    void OnCommand(int id);

    void RunExercise(const ExerciseKind& kind);
    // Acts on the reward-due flag the exercise window leaves behind.
    void ShowDueReward();
    void OnOptions();

    CMainFrame* MainFrame() const { return frame_.get(); }
    DialogRunner& Dialogs() { return dialogs_; }
    // Null until help is first asked for.
    CHelpViewer* HelpViewer() const { return help_.get(); }

private:
    void LoadTranslations();
    void ShowHelp(quint32 data, quint32 command);

    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<CHelpViewer> help_;
    DialogRunner dialogs_;
};
