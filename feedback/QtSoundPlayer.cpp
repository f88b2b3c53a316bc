#include "feedback/QtSoundPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::Play(const QString& fileName)
{
    Stop();
    const QFileInfo info(QDir::current(), fileName);
    if (fileName.isEmpty() || !info.isFile() || !info.isReadable() || info.size() > kMaxBytes)
        return;
    // Made on first use: opening the audio output costs time at start-up.
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    effect_->play();
    current_ = fileName;
}

void QtSoundPlayer::Stop()
{
    if (effect_)
        effect_->stop();
    current_.clear();
}
