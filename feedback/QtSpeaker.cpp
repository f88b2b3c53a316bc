#include "feedback/QtSpeaker.h"

#include <QLocale>
#include <QTextToSpeech>

#include <cstdio>

QtSpeaker::QtSpeaker()
    : home_(new QObject)
{
    thread_.setObjectName(QStringLiteral("speaker"));
    home_->moveToThread(&thread_);
    // Deleted on the thread when it ends, and the engine with it.
    QObject::connect(&thread_, &QThread::finished, home_, &QObject::deleteLater);
    thread_.start();
    QMetaObject::invokeMethod(home_, [this] { Start(); });
}

QtSpeaker::~QtSpeaker()
{
    // Nothing runs on the thread any more once it has ended, so no queued
    // call reaches this speaker afterwards.
    thread_.quit();
    thread_.wait();
}

void QtSpeaker::Start()
{
    const QString engineName = QStringLiteral("speechd");
    if (!QTextToSpeech::availableEngines().contains(engineName)) {
        Fail(QStringLiteral("kein Sprachmodul „speechd“"));
        return;
    }
    engine_ = new QTextToSpeech(engineName, home_);
    if (engine_->state() == QTextToSpeech::Error) {
        Fail(engine_->errorString());
        return;
    }
    QObject::connect(engine_, &QTextToSpeech::errorOccurred, home_,
        [this](QTextToSpeech::ErrorReason, const QString& why) { Fail(why); });
    // The language only: speech-dispatcher then takes the voice the user
    // has chosen for German, or its own German default.
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale chosen = german;
    for (const QLocale& locale : engine_->availableLocales()) {
        if (locale == german) {
            chosen = german;
            break;
        }
        if (locale.language() == QLocale::German)
            chosen = locale;
    }
    engine_->setLocale(chosen);
}

void QtSpeaker::Fail(const QString& why)
{
    std::fprintf(stderr, "pilo: Vorlesen nicht möglich, kein Sprachdienst: %s\n",
        why.simplified().toLocal8Bit().constData());
    std::fflush(stderr);
    // Possibly called from the engine's own signal: delete it once control
    // is back, and hear nothing more from it.
    if (engine_) {
        QObject::disconnect(engine_, nullptr, home_, nullptr);
        engine_->deleteLater();
        engine_ = nullptr;
    }
}

void QtSpeaker::Say(const QString& text)
{
    if (text.trimmed().isEmpty())
        return;
    QMetaObject::invokeMethod(home_, [this, text] {
        if (engine_)
            engine_->say(text);
    });
}

void QtSpeaker::Stop()
{
    QMetaObject::invokeMethod(home_, [this] {
        if (engine_)
            engine_->stop();
    });
}
