#include "ui_fonts.h"

#include <QStringList>

namespace zupel {

QFont gameFont(qreal points) {
    QFont font;
    font.setFamilies(QStringList() << "IPAPGothic"
                                   << "Noto Sans CJK JP");
    font.setPointSizeF(points);
    return font;
}

QFont statusPanelFont() {
    QFont font = gameFont(12);
    font.setBold(true);
    return font;
}

QFont scaleMarkFont() {
    return gameFont(8.25);
}

}  // namespace zupel
