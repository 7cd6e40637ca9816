// The language the window speaks: Japanese, as the game was written, or English for a player
// whose desktop speaks anything else. The player may choose either from the menu; the choice is
// kept in the settings (key "language": "ja" or "en"), and a setting the game does not know
// leaves the desktop's language.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "spoken_line.h"

namespace zupel {

enum class Language { japanese, english };

inline constexpr const char* kLanguageKey = "language";

// The desktop's first user-interface language (on Linux the locale and LANGUAGE, on Windows the
// display language): Japanese, or English for any other.
Language desktopLanguage();
// The language a setting names; the desktop's for no setting or one the game does not know.
Language languageOf(const std::optional<std::string>& setting);
// The setting's value that names `language`.
std::string settingOf(Language language);

// Speaks `language` from now on, the game's own texts and Qt's (its choosers and buttons).
// Every window hears of it (QEvent::LanguageChange) and says its texts again. False when Qt's
// Japanese is not to be found: Qt's choosers then stay in English.
bool speak(Language language);
Language spokenLanguage();

// A text of the game, written in Japanese (PlayerText::ja), in the language spoken now.
QString translated(const char* japanese);
QString translated(const std::string& japanese);
// What the slime says: its own words in the language spoken now, the rest as it is held.
QString translated(const SpokenLine& line);

}  // namespace zupel
