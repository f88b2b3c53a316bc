#include "settings/CMyPropertyPage3.h"

#include "settings/CWinApp.h"
#include "settings/DecorationPicture.h"
#include "settings/ProfileWriter.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
QLineEdit* NumberField(const QString& accessibleName, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setAccessibleName(accessibleName);
    // Wide enough for a few digits, like the resource's small edit boxes.
    field->setFixedWidth(72);
    return field;
}
} // namespace

CMyPropertyPage3::CMyPropertyPage3(CWinApp& app, QWidget* parent)
    : CPropertyPage(app, 107, QStringLiteral("Witze-/Aufgabenanzahl"), parent)
    , tasks_(NumberField(QStringLiteral("Anzahl der Aufgaben"), this))
    , jokes_(NumberField(QStringLiteral("Anzahl der Witze"), this))
{
    jokes_->setObjectName(QStringLiteral("jokesField"));
    tasks_->setObjectName(QStringLiteral("tasksField"));
    auto* tasksLabel = new QLabel(QStringLiteral("Anzahl der Aufgaben :"), this);
    auto* jokesLabel = new QLabel(QStringLiteral("Anzahl der Witze        :"), this);
    tasksLabel->setBuddy(tasks_);
    jokesLabel->setBuddy(jokes_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(tasksLabel, 0, 0);
    layout->addWidget(tasks_, 0, 1);
    layout->addWidget(jokesLabel, 1, 0);
    layout->addWidget(jokes_, 1, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);
    layout->addWidget(
        new DecorationPicture(QStringLiteral(":/art/bitmap136.png"), QSize(182, 144), this), 0, 3,
        3, 1, Qt::AlignTop);
}

void CMyPropertyPage3::OnInitDialog()
{
    tasks_->setText(QString::fromStdString(app_.Read(Setting::TasksText)));
    jokes_->setText(QString::fromStdString(app_.Read(Setting::JokesText)));
}

bool CMyPropertyPage3::OnOK()
{
    ProfileWriter writer(app_);
    writer.WriteString(Setting::Tasks.key, tasks_->text());
    writer.WriteString(Setting::Jokes.key, jokes_->text());
    return !writer.Failed();
}
