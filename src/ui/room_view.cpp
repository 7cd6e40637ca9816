#include "room_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace zupel {

QColor fromBgr(uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

uint32_t toBgr(const QColor& colour) {
    return static_cast<uint32_t>(colour.red()) | static_cast<uint32_t>(colour.green()) << 8 |
           static_cast<uint32_t>(colour.blue()) << 16;
}

RoomView::RoomView(const PictureStore& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures), colour_(fromBgr(kRoomCyan)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(200, 200);
    setMouseTracking(true);  // the pointer's place matters without a button held
    // Tab reaches it; a click does not take the keyboard from the word entry.
    setFocusPolicy(Qt::TabFocus);
}

void RoomView::setRoomColour(uint32_t bgr) {
    colour_ = fromBgr(bgr);
    update();
}

void RoomView::setRoomPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

QRect RoomView::slimeArea() const {
    if (!slimeVisible_) return {};
    const QRectF r(slime_.left, slime_.top, slime_.width, slime_.height);
    return r.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void RoomView::setSlime(bool visible, const SlimeRect& rect, int frame) {
    const QRect before = slimeArea();
    slimeVisible_ = visible;
    slime_ = rect;
    frame_ = frame;
    update(before.united(slimeArea()));
}

void RoomView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), colour_);
    if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
    if (hasFocus()) {  // a dotted line round the room, as round a focused button
        painter.setPen(QPen(colour_.lightness() < 128 ? Qt::white : Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
    if (!slimeVisible_ || slime_.width <= 0 || slime_.height <= 0) return;
    // A young slime is drawn smaller than its picture: smooth the shrinking, keep full-size
    // pixel art crisp.
    const bool shrunk = slime_.width < 32 || slime_.height < 32;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, shrunk);
    const QRectF target(slime_.left, slime_.top, slime_.width, slime_.height);
    painter.drawPixmap(target, pictures_.frame(frame_), QRectF(0, 0, 32, 32));
}

// The slime answers to its whole picture, as it is drawn now.
bool RoomView::onSlime(const QPointF& at) const {
    if (!slimeVisible_) return false;
    return QRectF(slime_.left, slime_.top, slime_.width, slime_.height).contains(at);
}

void RoomView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (onSlime(at)) {
        emit slimeMouseMoved();
    } else {
        emit roomMouseMoved(at.x(), at.y());
    }
}

// A click is a press of the left button on the slime and its release in the room: the slime
// may have moved on a little in between.
void RoomView::mousePressEvent(QMouseEvent* event) {
    pressedOnSlime_ = event->button() == Qt::LeftButton && onSlime(event->position());
}

void RoomView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && slimeVisible_) {
        emit slimeClicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void RoomView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void RoomView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void RoomView::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedOnSlime_ && event->button() == Qt::LeftButton &&
                       QRectF(rect()).contains(event->position());
    pressedOnSlime_ = false;
    if (click) emit slimeClicked();
}

}  // namespace zupel
