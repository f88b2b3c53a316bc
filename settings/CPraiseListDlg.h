#pragma once

#include "settings/ProfileWriter.h"

#include <QDialog>

class CWinApp;
class QLineEdit;
class QPushButton;
class SortedListWidget;

// "Eigene Lobe eingeben": the praise texts shown after a right answer.
// The list lives only in the list widget while the dialog is open; OK
// replaces the stored list by it.
class CPraiseListDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxPraiseLength = 34;

    explicit CPraiseListDlg(CWinApp& app, QWidget* parent = nullptr);

    void OnOK();
    void OnAddPraise();
    void OnDeletePraise();
    void OnPraiseHelp();

    void SetFailureNotice(ProfileWriter::Notice notice) { failureNotice_ = std::move(notice); }

    SortedListWidget* PraiseList() const { return list_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    QPushButton* HelpButton() const { return helpButton_; }

private:
    void OnInitDialog();
    void createLayout();

    CWinApp& app_;
    SortedListWidget* list_;
    QLineEdit* field_;
    QPushButton* okButton_;
    QPushButton* addButton_;
    QPushButton* deleteButton_;
    QPushButton* cancelButton_;
    QPushButton* helpButton_;
    ProfileWriter::Notice failureNotice_;
};
