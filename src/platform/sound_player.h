// The game's wave sounds, played from the game folder without waiting for them to end. A new
// sound cuts off the one still playing; a missing file or a machine without sound costs
// nothing and reports nothing.
#pragma once

#include <QHash>
#include <QString>

class QSoundEffect;

namespace zupel {

class SoundPlayer {
public:
    explicit SoundPlayer(QString folder);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void play(const QString& fileName);

private:
    QString folder_;
    QHash<QString, QSoundEffect*> effects_;  // loaded once, kept for the run
    QSoundEffect* playing_ = nullptr;
};

}  // namespace zupel
