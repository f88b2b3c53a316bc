#pragma once

// Drives one exercise window without nested event loops: the limit and
// wrong-answer dialogs and the message box are answered from queues, the
// current directory is a fresh temporary folder and the random source runs
// from a fixed clock.

#include "TestSupport.h"
#include "engine/CExerciseDlg.h"
#include "engine/Catalogue.h"
#include "engine/RandomSource.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>

class ExerciseRun {
public:
    static constexpr qint64 kClock = 1'000'000;

    explicit ExerciseRun(qint64 clock = kClock)
    {
        RandomSource::SetClock([clock] { return clock; });
    }
    ~ExerciseRun()
    {
        dlg.reset();
        RandomSource::SetClock(nullptr);
    }

    // Opens the window for kind with the catalogue's entry mode and starts
    // the run, as exec() would, then shows it.
    CExerciseDlg& Open(int kind)
    {
        dlg = std::make_unique<CExerciseDlg>(app, *FindExerciseKind(kind));
        auto& seams = dlg->DialogSeams();
        seams.askLimit = [this](QString& value) {
            asked.limit.push_back(value);
            if (limitReplies.empty())
                return int(QDialog::Rejected);
            const QString reply = limitReplies.front();
            limitReplies.pop_front();
            if (reply == QLatin1String("cancel"))
                return int(QDialog::Rejected);
            value = reply;
            return int(QDialog::Accepted);
        };
        seams.askWrongAnswer = [this] {
            ++asked.wrong;
            if (wrongReplies.empty())
                return WrongAnswerChoice::TryAgain;
            const WrongAnswerChoice reply = wrongReplies.front();
            wrongReplies.pop_front();
            return reply;
        };
        seams.showMessage = [this](const QString& text) { asked.messages.append(text); };
        dlg->OnInitDialog();
        if (!dlg->HasEnded())
            dlg->show();
        return *dlg;
    }

    void Type(const QString& text) { ::AnswerField(*dlg)->setText(text); }
    // Key by key, as typed; also characters beyond Latin-1's ASCII half,
    // which QTest::keyClicks cannot send.
    void TypeKeys(const QString& text)
    {
        for (const QChar c : text) {
            const int key = c.isLetterOrNumber() && c.unicode() < 128 ? c.toUpper().unicode()
                                                                      : int(Qt::Key_unknown);
            QTest::sendKeyEvent(
                QTest::Press, ::AnswerField(*dlg), Qt::Key(key), QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(
                QTest::Release, ::AnswerField(*dlg), Qt::Key(key), QString(c), Qt::NoModifier);
        }
    }
    void Ok() { ::OkButton(*dlg).click(); }
    void AnswerRight()
    {
        Type(QString::fromStdString(dlg->ExpectedAnswer()));
        Ok();
    }
    QString Expected() const { return QString::fromStdString(dlg->ExpectedAnswer()); }
    QString TaskLine() const { return ::TaskLine(*dlg)->text(); }
    QString PromptLine() const { return ::PromptLine(*dlg)->text(); }

    // The reward flag as written, -1 when it was never written.
    int WrittenFlag() const
    {
        int flag = -1;
        for (const auto& w : app.profile.Writes())
            if (w.section == "Parameter" && w.key == "Lobe")
                flag = std::stoi(w.value);
        return flag;
    }
    bool Wrote(std::string_view key) const
    {
        for (const auto& w : app.profile.Writes())
            if (w.key == key)
                return true;
        return false;
    }

    TestApp app;
    std::unique_ptr<CExerciseDlg> dlg;
    std::deque<QString> limitReplies; // a value, or "cancel"
    std::deque<WrongAnswerChoice> wrongReplies;
    struct {
        QStringList limit;
        int wrong = 0;
        QStringList messages;
    } asked;
};
