#include "sound_player.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace zupel {
namespace {

QtMessageHandler previousHandler = nullptr;

// The audio back end complains on a machine without sound; the game just stays quiet there.
void quietAboutMissingAudio(QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
    if (text.startsWith("PulseAudioService:") || text.startsWith("No audio device")) return;
    if (previousHandler) previousHandler(type, context, text);
}

}  // namespace

SoundPlayer::SoundPlayer(QString folder) : folder_(std::move(folder)) {
    static const bool installed = [] {
        previousHandler = qInstallMessageHandler(quietAboutMissingAudio);
        return true;
    }();
    (void)installed;
}

SoundPlayer::~SoundPlayer() {
    qDeleteAll(effects_);
}

void SoundPlayer::play(const QString& fileName) {
    QSoundEffect*& effect = effects_[fileName];
    if (!effect) {
        const QString path = QDir(folder_).filePath(fileName);
        if (!QFileInfo(path).isFile()) {
            effects_.remove(fileName);
            return;
        }
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
    }
    if (playing_ && playing_ != effect) playing_->stop();
    effect->stop();
    effect->play();
    playing_ = effect;
}

}  // namespace zupel
