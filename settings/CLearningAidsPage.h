#pragma once

#include "settings/CPropertyPage.h"
#include "settings/LearningAids.h"

#include <vector>

class QCheckBox;

// "Lernhilfen": one check box per learning aid of LearningAids::kEntries.
class CLearningAidsPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CLearningAidsPage(CWinApp& app, QWidget* parent = nullptr);

    bool OnOK() override;

    QCheckBox* Box(LearningAids::Aid aid) const;

protected:
    void OnInitDialog() override;

private:
    std::vector<QCheckBox*> boxes_; // in the order of kEntries
};
