#include "picture_store.h"

namespace zupel {

PictureStore::PictureStore() {
    for (int k = 1; k <= kFrames; ++k) {
        frames_[k] = QPixmap(QStringLiteral(":/pictures/sura%1.xpm").arg(k, 2, 10, QChar('0')));
    }
    frames_[0] = frames_[1];
    furi_ = QPixmap(":/pictures/furi.xpm");
    hand_ = QPixmap(":/pictures/hand.xpm");
    icon_ = QPixmap(":/pictures/icon.xpm");
}

const QPixmap& PictureStore::frame(int k) const {
    return (k >= 1 && k <= kFrames) ? frames_[k] : frames_[1];
}

QIcon PictureStore::button(ButtonPicture which) const {
    static const char* const kNames[] = {"feed", "play", "talk", "decorate", "freeze", "quit"};
    return QIcon(QStringLiteral(":/pictures/button_%1.xpm").arg(kNames[static_cast<int>(which)]));
}

}  // namespace zupel
