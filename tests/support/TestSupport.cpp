#include "TestSupport.h"

#include "engine/RandomSource.h"
#include "feedback/CBitmapButton.h"
#include "settings/IniDocument.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QFile>
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

void RecordingSpeaker::Install(CWinApp& app, QStringList& said, int* made)
{
    app.SetSpeakerFactory([&said, made] {
        if (made)
            ++*made;
        return std::make_shared<RecordingSpeaker>(said);
    });
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

bool WriteFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Seven-bit codes plus the two control codes fill exactly eight bits, and a
// clear code every 100 pixels keeps the code width there, so each code is
// one byte.
QByteArray SolidGif(QSize size, QColor colour)
{
    const auto put16 = [](QByteArray& bytes, int value) {
        bytes.append(char(value & 0xff));
        bytes.append(char((value >> 8) & 0xff));
    };
    QByteArray gif("GIF89a");
    put16(gif, size.width());
    put16(gif, size.height());
    gif.append("\xf6\x00\x00", 3); // a 128-entry colour table
    QByteArray palette(128 * 3, '\0');
    palette[0] = char(colour.red());
    palette[1] = char(colour.green());
    palette[2] = char(colour.blue());
    gif.append(palette);
    gif.append(',');
    put16(gif, 0);
    put16(gif, 0);
    put16(gif, size.width());
    put16(gif, size.height());
    gif.append('\0');
    gif.append('\x07');
    QByteArray codes;
    for (int pixel = 0; pixel < size.width() * size.height(); ++pixel) {
        if (pixel % 100 == 0)
            codes.append('\x80');
        codes.append('\0');
    }
    codes.append('\x81');
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append("\x00;", 2);
    return gif;
}

bool WritePicture(const QString& name, QSize size, QColor colour, const char* format)
{
    if (QByteArray(format) == "GIF")
        return WriteFile(name, SolidGif(size, colour));
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(name, format);
}

bool CopyDataFile(const QString& dataName, const QString& name)
{
    return QFile::copy(QDir(QStringLiteral(PILO_DATA_DIR)).filePath(dataName), name);
}

bool AllPixels(const QImage& image, const QRect& area, QColor colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != colour)
                return false;
    return true;
}

void FixClock(std::int64_t seconds)
{
    RandomSource::SetClock([seconds] { return seconds; });
}
