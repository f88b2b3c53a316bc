#pragma once

// Drives the real program through its nested modal loops the way a person
// would: each step waits until the screen shows what the person waits for,
// then acts with real mouse and key events.  Acting is posted, never done
// inside the polling timer: an act that opens a dialog blocks in that
// dialog's exec(), and the timer must keep polling in the nested loop.

#include <QApplication>
#include <QElapsedTimer>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class UserScript : public QObject {
public:
    // Long enough for a loaded two-core machine; a hang still ends the test.
    static constexpr int kStepTimeoutMs = 20000;

    UserScript()
    {
        poll_.setInterval(15);
        connect(&poll_, &QTimer::timeout, this, &UserScript::Poll);
    }
    ~UserScript() override { poll_.stop(); }

    // Waits until ready() holds, then runs act() from the event loop.
    UserScript& Then(QString what, std::function<bool()> ready, std::function<void()> act)
    {
        steps_.append({ std::move(what), std::move(ready), std::move(act) });
        return *this;
    }
    UserScript& Do(QString what, std::function<void()> act)
    {
        return Then(
            std::move(what), [] { return true; }, std::move(act));
    }

    void Start()
    {
        clock_.start();
        poll_.start();
    }
    // All steps done and every act has returned (every dialog it opened closed).
    bool Finished() const { return steps_.isEmpty() && running_ == 0; }

    // Records a failed expectation; the script goes on.
    void Expect(bool condition, const QString& what)
    {
        if (!condition)
            failures_.append(what);
    }
    const QStringList& Failures() const { return failures_; }

    // The title of each modal window as it came to the front, in order.
    const QStringList& ModalTitles() const { return titles_; }

private:
    struct Step {
        QString what;
        std::function<bool()> ready;
        std::function<void()> act;
    };

    void Poll()
    {
        NoteModal();
        if (aborting_) {
            // Unwind every nested loop so the test can report and go on.
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            else if (running_ == 0)
                poll_.stop();
            return;
        }
        if (steps_.isEmpty()) {
            if (running_ == 0)
                poll_.stop();
            return;
        }
        Step& step = steps_.front();
        if (!step.ready()) {
            if (clock_.elapsed() > kStepTimeoutMs) {
                failures_.append(QStringLiteral("timed out waiting for: ") + step.what);
                steps_.clear();
                aborting_ = true;
            }
            return;
        }
        auto act = std::move(step.act);
        steps_.removeFirst();
        clock_.restart();
        ++running_;
        QTimer::singleShot(0, this, [this, act] {
            act();
            --running_;
        });
    }

    void NoteModal()
    {
        // Two dialogs opened one after the other may share an address, so
        // a window counts as new whenever the modal window changes.
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !modal->isVisible())
            modal = nullptr;
        if (modal && modal != lastModal_)
            titles_.append(modal->windowTitle());
        lastModal_ = modal;
    }

    QList<Step> steps_;
    QTimer poll_;
    QElapsedTimer clock_;
    int running_ = 0;
    bool aborting_ = false;
    QStringList failures_;
    QStringList titles_;
    QWidget* lastModal_ = nullptr;
};

// The visible modal window of type T, or null.
template <typename T> T* ActiveModal()
{
    auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
    return modal && modal->isVisible() ? modal : nullptr;
}

// Clicks the menu title that holds entry, as the first half of choosing it.
inline QMenu* OpenMenuOf(QMenuBar* bar, QAction* entry)
{
    for (QObject* owner : entry->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(owner)) {
            QTest::mouseClick(
                bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
            return menu;
        }
    }
    return nullptr;
}

// Chooses a menu entry with the mouse: the title, then the entry once its
// menu has opened.
inline void ChooseMenuEntry(UserScript& script, QMenuBar* bar, QAction* entry)
{
    auto menu = std::make_shared<QMenu*>(nullptr);
    script.Then(
        QStringLiteral("the main window free to open the menu of ") + entry->text(),
        [] { return !QApplication::activeModalWidget() && !QApplication::activePopupWidget(); },
        [bar, entry, menu] { *menu = OpenMenuOf(bar, entry); });
    script.Then(
        QStringLiteral("the menu showing ") + entry->text(),
        [menu] { return *menu && (*menu)->isVisible(); },
        [entry, menu] {
            QTest::mouseClick(*menu, Qt::LeftButton, {}, (*menu)->actionGeometry(entry).center());
        });
}
