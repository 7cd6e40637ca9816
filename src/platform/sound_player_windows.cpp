#include <windows.h>
// mmsystem.h needs the types windows.h declares first.
#include <mmsystem.h>

#include <QDir>
#include <QFileInfo>

#include "sound_player.h"

namespace zupel {

// The system's own wave player: no Qt Multimedia to ship.
SoundPlayer::SoundPlayer(QString folder) : folder_(std::move(folder)) {}

SoundPlayer::~SoundPlayer() {
    PlaySoundW(nullptr, nullptr, 0);  // a sound still playing stops with the game
}

void SoundPlayer::play(const QString& fileName) {
    const QString path = QDir(folder_).filePath(fileName);
    if (!QFileInfo(path).isFile()) return;
    // A new sound cuts off the one still playing. SND_NODEFAULT: a file that cannot be played
    // stays silent instead of ringing the system's default sound.
    PlaySoundW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), nullptr,
               SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
}

}  // namespace zupel
