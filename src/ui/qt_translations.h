// Qt's own words (the colour and file choosers, the message boxes' buttons) in the language the
// game speaks, so every window of the game speaks the player's language.
#pragma once

namespace zupel {

enum class Language;

// Japanese: loads Qt's Japanese catalogue from Qt's translations folder, or from "translations"
// beside the program where it travels with it; false when it is in neither, and the choosers
// stay in English. English: Qt's own words as they are written.
bool installQtTranslations(Language language);

}  // namespace zupel
