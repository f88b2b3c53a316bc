#include "settings/CLearningAidsPage.h"

#include "settings/CWinApp.h"
#include "settings/ProfileWriter.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace {
// The page has no resource of its own; its help topic is addressed like the
// other pages' through this number.
constexpr int kDialogId = 109;
} // namespace

CLearningAidsPage::CLearningAidsPage(CWinApp& app, QWidget* parent)
    : CPropertyPage(app, kDialogId, QStringLiteral("Lernhilfen"), parent)
{
    auto* layout = new QVBoxLayout(this);
    for (const LearningAids::Entry& entry : LearningAids::kEntries) {
        auto* box = new QCheckBox(
            QString::fromUtf8(entry.text.data(), qsizetype(entry.text.size())), this);
        const std::string_view name = entry.setting.key.name;
        box->setObjectName(QString::fromLatin1(name.data(), qsizetype(name.size())));
        layout->addWidget(box);
        boxes_.push_back(box);
    }
    layout->addStretch();
}

QCheckBox* CLearningAidsPage::Box(LearningAids::Aid aid) const
{
    for (size_t i = 0; i < boxes_.size(); ++i) {
        if (LearningAids::kEntries[i].aid == aid)
            return boxes_[i];
    }
    return nullptr;
}

void CLearningAidsPage::OnInitDialog()
{
    for (size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setChecked(app_.Read(LearningAids::kEntries[i].setting) != 0);
}

bool CLearningAidsPage::OnOK()
{
    ProfileWriter writer(app_);
    for (size_t i = 0; i < boxes_.size(); ++i) {
        writer.WriteInt(LearningAids::kEntries[i].setting.key, boxes_[i]->isChecked() ? 1 : 0);
    }
    return !writer.Failed();
}
