#include "settings/CMyPropertyPage1.h"

#include "settings/CWinApp.h"
#include "settings/DecorationPicture.h"
#include "settings/ProfileWriter.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

CMyPropertyPage1::CMyPropertyPage1(CWinApp& app, QWidget* parent)
    : CPropertyPage(app, 105, QStringLiteral("Belohnungsart"), parent)
{
    auto* group = new QGroupBox(QStringLiteral("Wähle Belohnungsart"), this);
    auto* groupLayout = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(this);
    const char* texts[] = { "Bilder", "Witze", "Zufällig", "Keine" };
    for (int kind = 0; kind < 4; ++kind) {
        auto* radio = new QRadioButton(QString::fromUtf8(texts[kind]), group);
        buttons->addButton(radio, kind);
        groupLayout->addWidget(radio);
        choices_[size_t(kind)] = radio;
    }

    auto* column = new QVBoxLayout;
    column->addWidget(group);
    column->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addWidget(
        new DecorationPicture(QStringLiteral(":/art/bitmap134.png"), QSize(92, 120), this), 0,
        Qt::AlignTop);
}

void CMyPropertyPage1::OnInitDialog()
{
    const int kind = app_.Read(Setting::RewardKindOnPage);
    if (kind >= 0 && kind < 4)
        Choice(kind)->setChecked(true);
}

bool CMyPropertyPage1::OnOK()
{
    ProfileWriter writer(app_);
    for (int kind = 0; kind < 4; ++kind) {
        if (Choice(kind)->isChecked())
            writer.WriteInt(Setting::RewardKind.key, kind);
    }
    return !writer.Failed();
}
