#pragma once

// What the window tests share, compiled once into a small library: a
// profile in memory, a sound player that records what was played, an
// application object over both whose help requests are recorded, a profile
// that cannot be written, the ways a dialog is left without OK, and the
// files and pictures tests put in place.

#include "feedback/SoundPlayer.h"
#include "feedback/Speaker.h"
#include "settings/CWinApp.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <cerrno>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CBitmapButton;
class QAbstractButton;
class QDialog;
class QLabel;
class QLineEdit;
class QWidget;

// A profile in memory.  Section and key names match without regard to case;
// numbers are read by the profile store's own parser.  Every write is kept
// in order in Writes().
class MemoryProfile : public Profile {
public:
    struct Write {
        std::string section;
        std::string key;
        std::string value;
        bool operator==(const Write&) const = default;
    };

    // Puts a value in place without recording it as a write.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    bool Has(std::string_view section, std::string_view key) const;
    const std::vector<Write>& Writes() const { return writes_; }
    // The writes as "Section/Key=Value" lines.
    QStringList WrittenLines() const;
    void ClearWrites() { writes_.clear(); }

    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) override;
    std::string GetProfileString(std::string_view section, std::string_view key,
        std::string_view defaultValue = {}) override;
    bool WriteProfileInt(std::string_view section, std::string_view key, int value) override;
    bool WriteProfileString(
        std::string_view section, std::string_view key, std::string_view value) override;

protected:
    std::vector<Write> writes_;

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

// Records the file of every Play() in order.
class RecordingPlayer : public SoundPlayer {
public:
    void Play(const QString& fileName) override { played.append(fileName); }
    QStringList played;
};

// A speaker that writes down what it is asked to say; "<stop>" marks each
// Stop().
class RecordingSpeaker : public Speaker {
public:
    explicit RecordingSpeaker(QStringList& said)
        : said_(said)
    {
    }
    void Say(const QString& text) override { said_.append(text); }
    void Stop() override { said_.append(QStringLiteral("<stop>")); }

    // Gives app a factory of recording speakers that write into said and
    // counts how many were made.
    static void Install(CWinApp& app, QStringList& said, int* made = nullptr);

private:
    QStringList& said_;
};

struct HelpRequest {
    std::uint32_t data;
    std::uint32_t command;
    bool operator==(const HelpRequest&) const = default;
};

struct TestAppParts {
    MemoryProfile profile;
    RecordingPlayer player;
    std::vector<HelpRequest> help;
};

// An application object for one test: TestApp app; CSoundDlg dlg(app);
// then app.profile.Writes(), app.player.played, app.help.
class TestApp : public TestAppParts, public CWinApp {
public:
    TestApp();
};

// A profile whose file cannot be written (a read-only file, a full disk):
// reads work, every write is recorded as attempted and reports failure.
class ReadOnlyProfile : public MemoryProfile {
public:
    bool WriteProfileString(
        std::string_view section, std::string_view key, std::string_view value) override;
    bool WriteProfileInt(std::string_view section, std::string_view key, int value) override;
    std::string FileName() const override { return "/nur/lesbar/pilo.INI"; }
    int LastWriteErrno() const override { return EACCES; }

    std::vector<Write> attempts;
};

struct ReadOnlyAppParts {
    ReadOnlyProfile profile;
    RecordingPlayer player;
};

class ReadOnlyApp : public ReadOnlyAppParts, public CWinApp {
public:
    ReadOnlyApp()
        : CWinApp(profile, player)
    {
    }
};

// What every dialog tells the parent when its settings could not be stored.
inline const QString kReadOnlyFailure
    = QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:\n/nur/lesbar/pilo.INI"
                     "\n\nDie Datei oder ihr Ordner ist schreibgeschützt.");

// Collects the failure messages a dialog shows instead of opening boxes.
struct NoticeLog {
    QStringList texts;
    auto Recorder()
    {
        return [this](QWidget*, const QString& text) { texts.append(text); };
    }
};

// The three ways every dialog is left without OK, as rows of a column
// "how": "Abbruch" (its cancel button), "Escape" and "close box".
void AddLeaveRows();
void Leave(QDialog& dialog, const QString& how, QAbstractButton* cancelButton);

// The controls of an exercise window, found by their object names.
QLabel* TaskLine(const QWidget& exerciseDlg);
QLabel* PromptLine(const QWidget& exerciseDlg);
QLineEdit* AnswerField(const QWidget& exerciseDlg);
CBitmapButton& OkButton(const QWidget& exerciseDlg);
CBitmapButton& HelpButton(const QWidget& exerciseDlg);
CBitmapButton& CancelButton(const QWidget& exerciseDlg);

// Counts the paints a widget receives while the counter lives: a test waits
// for a repaint instead of waiting some time for one.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget)
        : widget_(widget)
    {
        widget_->installEventFilter(this);
    }
    ~PaintCounter() override { widget_->removeEventFilter(this); }

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }

    int paints = 0;

private:
    QWidget* widget_;
};

// Puts bytes into a file, or reads a whole file; false or empty when that
// fails.
bool WriteFile(const QString& name, const QByteArray& bytes);
QByteArray ReadFile(const QString& name);

// A GIF of one colour, built byte by byte: Qt reads GIF but writes none.
QByteArray SolidGif(QSize size, QColor colour);
// A picture of one colour in a file, as "BMP", "PNG" or "GIF".
bool WritePicture(const QString& name, QSize size, QColor colour, const char* format = "BMP");

// Copies a file of the built data folder; false when it has not been built.
bool CopyDataFile(const QString& dataName, const QString& name);

// Whether every pixel of image inside area has the given colour.
bool AllPixels(const QImage& image, const QRect& area, QColor colour);

// A temporary folder as current directory for the lifetime of the object.
class InTemporaryDir {
public:
    InTemporaryDir()
        : previous_(QDir::currentPath())
    {
        QDir::setCurrent(dir_.path());
    }
    ~InTemporaryDir() { QDir::setCurrent(previous_); }
    InTemporaryDir(const InTemporaryDir&) = delete;
    InTemporaryDir& operator=(const InTemporaryDir&) = delete;

private:
    QString previous_;
    QTemporaryDir dir_;
};

// The random source runs from a clock that stands at this second.
void FixClock(std::int64_t seconds);
