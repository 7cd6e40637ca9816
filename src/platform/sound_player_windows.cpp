#include <windows.h>
// mmsystem.h needs the types windows.h declares first.
#include <mmsystem.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include "sound_player.h"

namespace zupel {
namespace {

// Each sound is read once and played from memory: the wave player then needs no path, which it
// could not open beyond 260 characters, and the bytes outlive any sound still playing.
const QByteArray& waveOf(const QString& path) {
    static QHash<QString, QByteArray> waves;
    QByteArray& wave = waves[path];
    if (wave.isEmpty()) {
        QFile file(path);
        if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) wave = file.readAll();
    }
    return wave;
}

}  // namespace

// The system's own wave player: no Qt Multimedia to ship.
SoundPlayer::SoundPlayer(QString folder) : folder_(std::move(folder)) {}

SoundPlayer::~SoundPlayer() {
    PlaySoundW(nullptr, nullptr, 0);  // a sound still playing stops with the game
}

void SoundPlayer::play(const QString& fileName) {
    const QByteArray& wave = waveOf(QDir(folder_).filePath(fileName));
    if (wave.isEmpty()) return;
    // A new sound cuts off the one still playing. SND_NODEFAULT: a file that cannot be played
    // stays silent instead of ringing the system's default sound.
    PlaySoundW(reinterpret_cast<const wchar_t*>(wave.constData()), nullptr,
               SND_ASYNC | SND_MEMORY | SND_NODEFAULT);
}

}  // namespace zupel
