#pragma once

#include "app/DialogRunner.h"
#include "app/LockKeys.h"

#include <QDateTime>
#include <QMainWindow>

#include <array>
#include <functional>

class BackgroundView;
class CWinApp;
class QLabel;
class QMenu;
class QTimer;
struct ExerciseKind;

// The program's one window: the menu bar, the background picture and a
// status bar with the menu prompts, the lock keys, the date and the time.
// It carries out the sound, font, status-bar and help-contents commands and
// hands every other command to its router (the application object).
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    using CommandRouter = std::function<void(int id)>;
    using ExerciseRouter = std::function<void(const ExerciseKind& kind)>;
    using Clock = std::function<QDateTime()>;
    using LockReader = std::function<LockState()>;

    // Status bar panes, left to right.
    enum Pane { MessagePane, CapsPane, NumPane, ScrollPane, DatePane, TimePane, PaneCount };

    static constexpr int kTimerInterval = 1000;

    explicit CMainFrame(CWinApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    void SetCommandRouter(CommandRouter router) { router_ = std::move(router); }
    void SetExerciseRouter(ExerciseRouter router) { exerciseRouter_ = std::move(router); }
    void SetClock(Clock clock);
    void SetLockReader(LockReader reader);
    DialogRunner& Dialogs() { return dialogs_; }

    // A menu command, as choosing its entry issues it.  An exercise entry
    // goes to the exercise router as its catalogue entry.
    void OnCommand(int id);

    // The menu entry of a command id; null for none.  Entries are named
    // after their menu and text ("actionPlusAufgabenKleiner10").
    QAction* Action(int id) const;
    QLabel* PaneLabel(Pane pane) const { return panes_[pane]; }
    QString MessageText() const;
    bool IsWidened() const { return widened_; }
    BackgroundView* Background() const { return background_; }

    // Repaints the whole client area (the background picture may have changed).
    void RepaintBackground();
    // Brings the date, time and lock panes up to date.
    void UpdatePanes();

    static QString FormatDate(const QDateTime& time);
    static QString FormatTime(const QDateTime& time);

    static constexpr const char* kIdleText = "Drücken Sie F1, um Hilfe zu erhalten.";

protected:
    bool event(QEvent* e) override;

private:
    void createMenus();
    void createStatusBar();
    void addEntry(QMenu* menu, int id, const QString& text, const QString& prompt);
    void SetPaneText(Pane pane, const QString& text);
    void HoldPaneHeight(Pane pane);
    void OnMenuShown();
    void OnMenuHidden();
    void OnStatusBarToggled(bool visible);
    void OnHelpTopics();
    void OnMenuKey();

    CWinApp& app_;
    CommandRouter router_;
    ExerciseRouter exerciseRouter_;
    DialogRunner dialogs_;
    Clock clock_;
    LockReader lockReader_;
    BackgroundView* background_ = nullptr;
    std::array<QLabel*, PaneCount> panes_ {};
    QTimer* timer_ = nullptr;
    int openMenus_ = 0;
    bool widened_ = false;
};
