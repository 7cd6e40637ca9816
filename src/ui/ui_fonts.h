// The game's Japanese Gothic faces: IPA P Gothic, with Noto Sans CJK JP where it is missing.
#pragma once

#include <QFont>

namespace zupel {

QFont gameFont(qreal points = 9);
QFont statusPanelFont();  // 12-point bold, the status panel
QFont scaleMarkFont();    // 8.25-point, the slider's scale marks

}  // namespace zupel
