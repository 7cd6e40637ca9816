// The game's Japanese Gothic faces: its own cut of IPA P Gothic for the characters it shows
// most, IPA P Gothic itself for the rest, and Noto Sans CJK JP where both lack a character.
#pragma once

#include <QFont>

namespace zupel {

// Registers the game's built-in face; once, before the first font is asked for. When it cannot
// be read, a line on stderr says so and IPA P Gothic draws everything, looking the same.
void installGameFont();

QFont gameFont(qreal points = 9);
QFont statusPanelFont();  // 12-point bold, the status panel
QFont scaleMarkFont();    // 8.25-point, the slider's scale marks

}  // namespace zupel
