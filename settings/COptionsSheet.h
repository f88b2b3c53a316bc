#pragma once

#include "settings/ProfileWriter.h"

#include <QDialog>

#include <array>

class CMyPropertyPage1;
class CMyPropertyPage3;
class CMyPropertyPage4;
class CLearningAidsPage;
class CPropertyPage;
class CWinApp;
class QPushButton;
class QTabWidget;

// "Einstellungen": reward kind, task and joke counts, background picture,
// learning aids.
// OK stores the pages the parent has looked at during this opening; any
// other way of closing stores nothing.
class COptionsSheet : public QDialog {
    Q_OBJECT
public:
    explicit COptionsSheet(CWinApp& app, QWidget* parent = nullptr);
    ~COptionsSheet() override;

    void OnOK();
    void OnHelpButton();

    void SetFailureNotice(ProfileWriter::Notice notice) { failureNotice_ = std::move(notice); }

    CMyPropertyPage1* RewardPage() const { return rewardPage_; }
    CMyPropertyPage3* CountsPage() const { return countsPage_; }
    CMyPropertyPage4* BackgroundPage() const { return backgroundPage_; }
    CLearningAidsPage* AidsPage() const { return aidsPage_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    QPushButton* HelpButton() const { return helpButton_; }

private:
    void createButtons();

    CWinApp& app_;
    QTabWidget* tabs_;
    CMyPropertyPage1* rewardPage_;
    CMyPropertyPage3* countsPage_;
    CMyPropertyPage4* backgroundPage_;
    CLearningAidsPage* aidsPage_;
    std::array<CPropertyPage*, 4> pages_;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    ProfileWriter::Notice failureNotice_;
};
