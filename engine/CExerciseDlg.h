#pragma once

#include "engine/CTaskGenerator.h"
#include "engine/OwnExerciseFile.h"
#include "feedback/CBitmapButton.h"
#include "feedback/CDialog.h"
#include "feedback/CWrongAnswerDlg.h"
#include "settings/CCompareEdit.h"
#include "settings/CDigitEdit.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

class CWinApp;
class ExerciseAids;
class QLabel;
class QLineEdit;
class RunRecorder;
struct ExerciseKind;

// One exercise run: shows the tasks of one kind one after another, checks
// the typed answers exactly, praises right ones, offers to try again or to
// see the solution for wrong ones, and on its way out records in
// "Parameter"/"Lobe" whether every task of the run was answered right.
//
// exec() starts the run before the window appears, so a run that ends before
// its first task (a cancelled or unusable limit, an unusable own-exercise
// file) never shows an empty window.  Callers that show the window
// themselves call OnInitDialog() first.
class CExerciseDlg : public CDialog {
    Q_OBJECT
public:
    // The modal questions of a run.  The defaults open the real dialogs;
    // tests answer them directly, without a nested event loop.
    struct Seams {
        // Limit dialog over value ("20"); returns QDialog::Accepted with
        // value set, or anything else when cancelled.
        std::function<int(QString& value)> askLimit;
        std::function<WrongAnswerChoice()> askWrongAnswer;
        // A warning with title "Pilo" and one OK button.
        std::function<void(const QString& text)> showMessage;
    };

    // Client area in pixels: 422 x 246 dialog units.
    static constexpr int kClientWidth = 633;
    static constexpr int kClientHeight = 400;

    CExerciseDlg(CWinApp& app, const ExerciseKind& kind, QWidget* parent = nullptr);
    ~CExerciseDlg() override;

    Seams& DialogSeams() { return seams_; }

    int exec() override;
    void done(int r) override;

    bool OnInitDialog();
    void OnOK() override;
    // The close request: records the reward flag, then ends like Cancel.
    void RequestClose();

    bool HasEnded() const { return ended_; }
    int TasksShown() const { return tasksShown_; }
    bool Answered() const { return answered_; }
    const std::string& ExpectedAnswer() const;
    const std::string& TaskText() const;

    // The learning aids of this run; nullptr while all of them are off.
    ExerciseAids* Aids() const { return aids_.get(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void PlaceButton(CBitmapButton& button, const char* name, int dluX, int dluY, int dluW,
        int dluH, const QString& caption);
    void AttachFilter();
    void SetDefaultSeams();
    // The window the run's questions are modal to.
    QWidget* Owner();

    void NextTask();
    bool NextGeneratedTask();
    bool AskFreeLimit();
    void NextOwnTask();
    void ShowTask();
    void ShowPrompt();
    void AdvanceOrClose();
    void ShowPraise();
    void Announce(const QString& text);
    void OnWrongAnswer();
    void OnHelp();
    void ShowAnswered();
    void ShowRepeat();

    bool LoadOwnExercises(const std::string& fileName);
    void PickOwnExercise(int index);

    void ApplyColours(QWidget* control);
    void PaintBackground(QPainter& painter);

    CWinApp& app_;
    const ExerciseKind& kind_;
    Seams seams_;
    RunRecorder* recorder_;

    QLabel* promptLine_ = nullptr;
    QLabel* taskLine_ = nullptr;
    CBitmapButton ok_;
    QLineEdit* answer_ = nullptr;
    CBitmapButton help_;
    CBitmapButton cancel_;
    CDigitEdit digitFilter_;
    CCompareEdit compareFilter_;

    CTaskGenerator generator_;
    QString promptText_;
    int taskTarget_ = 0;
    int soundOn_ = 0;
    int praiseCount_ = 0;
    int freeLimit_ = 0;
    int tasksShown_ = 0;
    int rightCount_ = 0;
    bool answered_ = false;

    OwnExerciseList ownLines_;
    int ownTaskCount_ = 0;
    std::string ownTask_;
    std::string ownAnswer_;
    const std::string* expectedAnswer_;
    const std::string* taskText_;

    std::unique_ptr<ExerciseAids> aids_;
    std::string repeatTask_;
    std::string repeatAnswer_;

    bool rewarded_ = false;
    bool started_ = false;
    bool ended_ = false;
    bool focusGiven_ = false;
};
