#pragma once

#include "settings/CPropertyPage.h"

class QLabel;
class QPushButton;
class SortedListWidget;

// "Hintergrundbild": picks the main window's background from the pictures
// the installation offers.
class CMyPropertyPage4 : public CPropertyPage {
    Q_OBJECT
public:
    explicit CMyPropertyPage4(CWinApp& app, QWidget* parent = nullptr);

    bool OnOK() override;
    void OnSetPicture();


protected:
    void OnInitDialog() override;

private:
    SortedListWidget* list_;
    QPushButton* setButton_;
    QLabel* chosen_;
    QString pictureName_;
    int offeredCount_ = 0;
};
