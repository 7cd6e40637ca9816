#include "picture_store.h"

#include <QImageReader>

namespace zupel {
namespace {

// Our pictures are all XPM: naming the format spares the image reader its search through
// every image plug-in on the machine, which would load the JPEG and GIF libraries for nothing.
QPixmap readPicture(const QString& name) {
    QImageReader reader(":/pictures/" + name, "xpm");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

const QPixmap& readOnce(QPixmap& picture, const QString& name) {
    if (picture.isNull()) picture = readPicture(name);
    return picture;
}

}  // namespace

const QPixmap& PictureStore::frame(int k) const {
    if (k < 1 || k > kFrames) k = 1;
    return readOnce(frames_[k], QStringLiteral("sura%1.xpm").arg(k, 2, 10, QChar('0')));
}

const QPixmap& PictureStore::furi() const {
    return readOnce(furi_, "furi.xpm");
}

const QPixmap& PictureStore::hand() const {
    return readOnce(hand_, "hand.xpm");
}

QIcon PictureStore::button(ButtonPicture which) const {
    static const char* const kNames[] = {"feed", "play", "talk", "decorate", "freeze", "quit"};
    return QIcon(readPicture(QStringLiteral("button_%1.xpm").arg(kNames[static_cast<int>(which)])));
}

QIcon PictureStore::windowIcon() const {
    return QIcon(readPicture("icon.xpm"));
}

}  // namespace zupel
