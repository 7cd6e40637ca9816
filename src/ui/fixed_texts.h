// The fixed texts of a window (its title, captions, labels, menus, tooltips, accessible names),
// written in Japanese where the window is built, each marked with PlayerText::ja. The window
// shows them in the language spoken, and again in the other one as soon as the player switches.
#pragma once

class QWidget;

namespace zupel {

// Takes the texts that `window` and everything in it show now as their Japanese, and from now
// on shows them in the language spoken. Call it once the window is built; texts the window sets
// later are its own to say (and to say again when it hears QEvent::LanguageChange, which reaches
// its changeEvent after these are said).
void sayFixedTexts(QWidget* window);

}  // namespace zupel
