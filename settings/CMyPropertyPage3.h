#pragma once

#include "settings/CPropertyPage.h"

class QLineEdit;

// "Witze-/Aufgabenanzahl": the number of tasks per run and of joke files,
// kept as the parent typed them; the readers take the leading digits.
class CMyPropertyPage3 : public CPropertyPage {
    Q_OBJECT
public:
    explicit CMyPropertyPage3(CWinApp& app, QWidget* parent = nullptr);

    bool OnOK() override;


protected:
    void OnInitDialog() override;

private:
    QLineEdit* tasks_;
    QLineEdit* jokes_;
};
