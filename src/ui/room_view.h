// The slime's room: a 200 x 200 pixel box in the room colour, with an optional picture, and
// the slime drawn over it at its own (fractional) position and size. Only the rectangles that
// change are repainted, so a dancing slime costs little. It tells apart the pointer over the
// slime and over the bare room, and a click on the slime. It takes the keyboard in its turn,
// where Space or Enter touches the slime as a click does.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "controls.h"
#include "picture_store.h"

namespace zupel {

class RoomView : public QWidget {
    Q_OBJECT
public:
    RoomView(const PictureStore& pictures, QWidget* parent);

    void setRoomColour(uint32_t bgr);
    void setRoomPicture(const QPixmap& picture);  // a null pixmap removes it
    void setSlime(bool visible, const SlimeRect& rect, int frame);

signals:
    void slimeClicked();
    void slimeMouseMoved();
    void roomMouseMoved(double x, double y);  // room pixels

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect slimeArea() const;
    bool onSlime(const QPointF& at) const;

    const PictureStore& pictures_;
    QColor colour_;
    QPixmap picture_;
    bool slimeVisible_ = false;
    SlimeRect slime_;
    int frame_ = 1;
    bool pressedOnSlime_ = false;
};

QColor fromBgr(uint32_t bgr);
uint32_t toBgr(const QColor& colour);

}  // namespace zupel
