#pragma once

#include "settings/CPropertyPage.h"

#include <array>

class QRadioButton;

// "Belohnungsart": which reward a successful run earns.
class CMyPropertyPage1 : public CPropertyPage {
    Q_OBJECT
public:
    explicit CMyPropertyPage1(CWinApp& app, QWidget* parent = nullptr);

    bool OnOK() override;

    QRadioButton* Choice(int rewardKind) const { return choices_.at(size_t(rewardKind)); }

protected:
    void OnInitDialog() override;

private:
    std::array<QRadioButton*, 4> choices_ {};
};
