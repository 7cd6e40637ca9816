// The slime's stored pictures: the nineteen frames the room shows, the two pointer pictures,
// the six button pictures and the window icon, compiled into the program.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <array>

namespace zupel {

enum class ButtonPicture { feed, play, talk, decorate, freeze, quit };

class PictureStore {
public:
    static constexpr int kFrames = 19;

    PictureStore();
    // Frame k, 1 to 19; any other number shows the resting slime.
    const QPixmap& frame(int k) const;
    const QPixmap& furi() const { return furi_; }
    const QPixmap& hand() const { return hand_; }
    QIcon button(ButtonPicture which) const;
    QIcon windowIcon() const { return QIcon(icon_); }

private:
    std::array<QPixmap, kFrames + 1> frames_;
    QPixmap furi_, hand_, icon_;
};

}  // namespace zupel
