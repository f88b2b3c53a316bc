#include "feedback/QtSoundPlayer.h"

#include "feedback/DataFile.h"

#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace {

quint32 Le32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 Le16(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

bool PlayableFormat(const QByteArray& fmt)
{
    if (fmt.size() < 16)
        return false;
    const quint16 tag = Le16(fmt, 0);
    const quint16 channels = Le16(fmt, 2);
    const quint32 rate = Le32(fmt, 4);
    const quint16 bits = Le16(fmt, 14);
    const bool knownBits = bits == 8 || bits == 16 || bits == 24 || bits == 32;
    return tag == 1 && channels >= 1 && channels <= 8 && rate > 0 && knownBits;
}

} // namespace

bool QtSoundPlayer::IsPlayableWave(const QString& path)
{
    // Qt's wave loader waits for every byte a header promises: a file cut
    // short would stay "loading" for ever and block the next sound.  So the
    // whole chain of chunks up to the samples must be in the file.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return false;
    bool formatSeen = false;
    for (qint64 at = 12; at + 8 <= size;) {
        if (!file.seek(at))
            return false;
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            return false;
        const qint64 length = Le32(header, 4);
        const qint64 body = at + 8;
        if (length > size - body)
            return false;
        const QByteArray id = header.left(4);
        if (id == "data")
            return formatSeen;
        if (id == "fmt ") {
            if (!PlayableFormat(file.read(qMin<qint64>(length, 64))))
                return false;
            formatSeen = true;
        }
        at = body + length + (length & 1);
    }
    return false;
}

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::Play(const QString& fileName)
{
    Stop();
    if (fileName.isEmpty())
        return;
    const QFileInfo info(QDir::current(), FindDataFile(fileName));
    if (!info.isFile() || info.size() > kMaxBytes || !IsPlayableWave(info.absoluteFilePath()))
        return;
    current_ = fileName;
    // Without a sound device there is nothing to hear, and Qt would warn
    // about it at every sound.
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    // Made on first use: opening the audio output costs time at start-up.
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    effect_->play();
}

void QtSoundPlayer::Stop()
{
    if (effect_)
        effect_->stop();
    current_.clear();
}
