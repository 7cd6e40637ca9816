// Window positions and sizes are designed in twips (1/1440 inch); the screen has 15 twips to a
// pixel at the usual 96 dots per inch.
#pragma once

#include <QPoint>
#include <QRect>

namespace zupel {

constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
constexpr int twips(int pixels) {
    return pixels * kTwipsPerPixel;
}
inline QRect pxRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

}  // namespace zupel
