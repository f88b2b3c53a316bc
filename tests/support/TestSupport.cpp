#include "TestSupport.h"

#include "feedback/CBitmapButton.h"
#include "settings/IniDocument.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <cctype>

namespace {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::pair<std::string, std::string> Name(std::string_view section, std::string_view key)
{
    return { Lower(section), Lower(key) };
}

} // namespace

void MemoryProfile::Set(std::string_view section, std::string_view key, std::string_view value)
{
    values_[Name(section, key)] = std::string(value);
}

bool MemoryProfile::Has(std::string_view section, std::string_view key) const
{
    return values_.count(Name(section, key)) != 0;
}

QStringList MemoryProfile::WrittenLines() const
{
    QStringList lines;
    for (const Write& write : writes_)
        lines << QString::fromStdString(write.section + "/" + write.key + "=" + write.value);
    return lines;
}

int MemoryProfile::GetProfileInt(std::string_view section, std::string_view key, int defaultValue)
{
    const auto found = values_.find(Name(section, key));
    return found == values_.end() ? defaultValue : IniDocument::ToInt(found->second);
}

std::string MemoryProfile::GetProfileString(
    std::string_view section, std::string_view key, std::string_view defaultValue)
{
    const auto found = values_.find(Name(section, key));
    return found == values_.end() ? std::string(defaultValue) : found->second;
}

bool MemoryProfile::WriteProfileInt(std::string_view section, std::string_view key, int value)
{
    return WriteProfileString(section, key, std::to_string(value));
}

bool MemoryProfile::WriteProfileString(
    std::string_view section, std::string_view key, std::string_view value)
{
    writes_.push_back({ std::string(section), std::string(key), std::string(value) });
    Set(section, key, value);
    return true;
}

TestApp::TestApp()
    : CWinApp(profile, player)
{
    SetHelpHandler([this](std::uint32_t data, std::uint32_t command) {
        help.push_back({ data, command });
    });
}

bool ReadOnlyProfile::WriteProfileString(
    std::string_view section, std::string_view key, std::string_view value)
{
    attempts.push_back({ std::string(section), std::string(key), std::string(value) });
    return false;
}

bool ReadOnlyProfile::WriteProfileInt(std::string_view section, std::string_view key, int value)
{
    return WriteProfileString(section, key, std::to_string(value));
}

void AddLeaveRows()
{
    QTest::newRow("Abbruch") << QStringLiteral("Abbruch");
    QTest::newRow("Escape") << QStringLiteral("Escape");
    QTest::newRow("close box") << QStringLiteral("close box");
}

void Leave(QDialog& dialog, const QString& how, QAbstractButton* cancelButton)
{
    if (how == QLatin1String("Abbruch"))
        cancelButton->click();
    else if (how == QLatin1String("Escape"))
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        dialog.close();
}

namespace {
template <typename T> T* Named(const QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}
} // namespace

QLabel* TaskLine(const QWidget& exerciseDlg)
{
    return Named<QLabel>(exerciseDlg, "taskLine");
}

QLabel* PromptLine(const QWidget& exerciseDlg)
{
    return Named<QLabel>(exerciseDlg, "promptLine");
}

QLineEdit* AnswerField(const QWidget& exerciseDlg)
{
    return Named<QLineEdit>(exerciseDlg, "answerField");
}

CBitmapButton& OkButton(const QWidget& exerciseDlg)
{
    return *Named<CBitmapButton>(exerciseDlg, "okButton");
}

CBitmapButton& HelpButton(const QWidget& exerciseDlg)
{
    return *Named<CBitmapButton>(exerciseDlg, "helpButton");
}

CBitmapButton& CancelButton(const QWidget& exerciseDlg)
{
    return *Named<CBitmapButton>(exerciseDlg, "cancelButton");
}
