// Qt's own words (the colour and file choosers, the message boxes' buttons) in Japanese, so
// every window of the game speaks the player's language.
#pragma once

namespace zupel {

// Loads Qt's Japanese catalogue from Qt's translations folder, or from "translations" beside the
// program where it travels with it. Without it the choosers stay in English; false then.
bool installQtTranslations();

}  // namespace zupel
