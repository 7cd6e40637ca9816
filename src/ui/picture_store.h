// The slime's stored pictures: the nineteen frames the room shows, the two pointer pictures,
// the six button pictures and the window icon, compiled into the program. Each picture is read
// the first time it is asked for: the window opens with the one frame it shows, and the others
// follow as the slime first moves into them.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <array>

namespace zupel {

enum class ButtonPicture { feed, play, talk, decorate, freeze, quit };

class PictureStore {
public:
    static constexpr int kFrames = 19;

    // Frame k, 1 to 19; any other number shows the resting slime.
    const QPixmap& frame(int k) const;
    const QPixmap& furi() const;
    const QPixmap& hand() const;
    QIcon button(ButtonPicture which) const;
    QIcon windowIcon() const;

private:
    mutable std::array<QPixmap, kFrames + 1> frames_;  // index 0 unused
    mutable QPixmap furi_, hand_;
};

}  // namespace zupel
