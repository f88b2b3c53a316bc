#pragma once

#include "engine/OwnListFile.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>
#include <optional>
#include <vector>

class CWinApp;
class OwnListModel;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

// "Eigene Übungen bearbeiten": one of the four own lists at a time as a
// table of task and answer, exactly as the exercise window pairs the file,
// with the checks' findings beside every row. Saves the file in its own
// encoding and line ends.
class COwnExercisesDlg : public QDialog {
    Q_OBJECT
public:
    // Asked before unsaved changes would be lost: Save, Discard or Cancel.
    using SaveQuestion = std::function<QMessageBox::StandardButton(const QString& listName)>;
    // The tasks "Aufgaben erzeugen..." made; nothing when the parent cancelled.
    using TaskMaker = std::function<std::optional<std::vector<OwnTask>>()>;

    // The help topic of its menu entry, "Eigene Übungen bearbeiten...".
    static constexpr int kHelpContext = 98437;

    explicit COwnExercisesDlg(CWinApp& app, QWidget* parent = nullptr);
    ~COwnExercisesDlg() override;

    void SetSaveQuestion(SaveQuestion question) { saveQuestion_ = std::move(question); }
    void SetTaskMaker(TaskMaker maker) { taskMaker_ = std::move(maker); }

    // Opens "Eigene 1" (0) to "Eigene 4" (3), asking first about unsaved changes.
    bool OpenList(int list);
    bool OnSave();
    void OnNewRow();
    void OnDeleteRows();
    void OnMoveRow(int step);
    void OnGenerate();
    void OnHelp();

    OwnListModel* Model() const { return model_; }
    QTableView* Table() const { return table_; }
    const OwnListFormat& Format() const { return document_.format; }

    // Closing (Escape, the close box, "Schließen") asks about unsaved changes.
    void reject() override;

private:
    void createLayout();
    void createShortcuts();
    void UpdateFindings();
    void UpdateButtons();
    // False when the parent chose to stay.
    bool MaySwitchAway();
    QString ListName() const;

    CWinApp& app_;
    QComboBox* listChoice_;
    QLabel* fileLabel_;
    QTableView* table_;
    OwnListModel* model_;
    QLabel* findingsLabel_;
    QPushButton* newButton_;
    QPushButton* deleteButton_;
    QPushButton* upButton_;
    QPushButton* downButton_;
    QPushButton* undoButton_;
    QPushButton* redoButton_;
    QPushButton* generateButton_;
    QPushButton* saveButton_;
    QPushButton* closeButton_;
    QPushButton* helpButton_;
    int list_ = -1;
    // The file of the open list, as found on disk.
    std::filesystem::path path_;
    OwnListDocument document_;
    bool exists_ = false;
    SaveQuestion saveQuestion_;
    TaskMaker taskMaker_;
};
