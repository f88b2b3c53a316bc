#pragma once

#include "engine/OwnExerciseFile.h"

#include <QDialog>

#include <vector>

class CWinApp;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

// "Aufgaben erzeugen": tasks for an own list from chosen multiplication
// tables, from a kind of the menus, or from ranges of two numbers. OK makes
// them; the editor then shows them for the parent to change before saving.
class CGenerateTasksDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGenerateTasksDlg(CWinApp& app, QWidget* parent = nullptr);

    void OnOK();
    const std::vector<OwnTask>& Tasks() const { return tasks_; }

    // The controls, for tests that fill the dialog as a parent would.
    QCheckBox* Table(int n) const { return tables_.at(std::size_t(n - 1)); }
    QComboBox* KindBox() const { return kindBox_; }
    QSpinBox* CountBox() const { return count_; }

private:
    QWidget* createTablesPart();
    QWidget* createKindPart();
    QWidget* createRangesPart();
    void UpdateEnabled();

    CWinApp& app_;
    QRadioButton* tablesChoice_;
    QRadioButton* kindChoice_;
    QRadioButton* rangesChoice_;
    std::vector<QCheckBox*> tables_;
    QCheckBox* mixed_ = nullptr;
    QComboBox* kindBox_ = nullptr;
    QSpinBox* limit_ = nullptr;
    QComboBox* operation_ = nullptr;
    QSpinBox* low1_ = nullptr;
    QSpinBox* high1_ = nullptr;
    QSpinBox* low2_ = nullptr;
    QSpinBox* high2_ = nullptr;
    QSpinBox* count_;
    QWidget* tablesPart_ = nullptr;
    QWidget* kindPart_ = nullptr;
    QWidget* rangesPart_ = nullptr;
    std::vector<OwnTask> tasks_;
};
