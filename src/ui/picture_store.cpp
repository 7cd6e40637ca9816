#include "picture_store.h"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

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

// A pixel picture on a screen of any scale: grown, each of its pixels becomes a block of the same
// colour (2 x 2 at 200 %), as the slime is drawn; Qt's own icons smooth it and look soft. Only
// a smaller picture than drawn (the captioned button's) is smoothed, so no pixel is dropped.
class PixelIconEngine final : public QIconEngine {
public:
    explicit PixelIconEngine(QPixmap picture) : picture_(std::move(picture)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QSize fitted = actualSize(size, mode, state);
        const bool grown = fitted.width() >= picture_.width();
        const QPixmap scaled =
            picture_.scaled(fitted, Qt::IgnoreAspectRatio,
                            grown ? Qt::FastTransformation : Qt::SmoothTransformation);
        if (mode == QIcon::Normal) return scaled;
        // A disabled button greys its picture as the style greys every icon.
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, scaled, &option);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return picture_.size().scaled(size, Qt::KeepAspectRatio);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * scale, mode, state));
    }

    QIconEngine* clone() const override { return new PixelIconEngine(picture_); }

private:
    QPixmap picture_;
};

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
    return QIcon(new PixelIconEngine(
        readPicture(QStringLiteral("button_%1.xpm").arg(kNames[static_cast<int>(which)]))));
}

QIcon PictureStore::windowIcon() const {
    return QIcon(readPicture("icon.xpm"));
}

}  // namespace zupel
