#include "feedback/QtSpeaker.h"

#include <QLocale>
#include <QTextToSpeech>

#include <cstdio>

QtSpeaker::QtSpeaker()
{
    const QString engineName = QStringLiteral("speechd");
    if (!QTextToSpeech::availableEngines().contains(engineName)) {
        Fail(QStringLiteral("kein Sprachmodul „speechd“"));
        return;
    }
    engine_ = std::make_unique<QTextToSpeech>(engineName);
    if (engine_->state() == QTextToSpeech::Error) {
        Fail(engine_->errorString());
        return;
    }
    QObject::connect(engine_.get(), &QTextToSpeech::errorOccurred,
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

QtSpeaker::~QtSpeaker() = default;

void QtSpeaker::Fail(const QString& why)
{
    std::fprintf(stderr, "pilo: Vorlesen nicht möglich, kein Sprachdienst: %s\n",
        why.simplified().toLocal8Bit().constData());
    std::fflush(stderr);
    // Called from the engine's own signal: delete it once control is back.
    if (engine_)
        engine_.release()->deleteLater();
}

void QtSpeaker::Say(const QString& text)
{
    if (engine_ && !text.trimmed().isEmpty())
        engine_->say(text);
}

void QtSpeaker::Stop()
{
    if (engine_)
        engine_->stop();
}
