// The slime keeps names and words in its save files in the record's Japanese character set
// (code page 932), whatever language the window speaks. A letter that character set cannot hold
// (é, ß, an emoji) never enters a box whose text the slime keeps: the player is told so at the
// box as they type, in their language, rather than finding a "?" in its place later.
#pragma once

#include <QString>

class QLineEdit;

namespace zupel {

// From now on `box` leaves out every letter code page 932 cannot hold, and says so.
void refuseUnkeptLetters(QLineEdit* box);
// Whether a field of `width` characters in the record (kNameChars, kWordChars) keeps all of
// `text`: a Japanese character takes the room of two letters.
bool recordKeepsWhole(const QString& text, std::size_t width);
// Tells the player `text` at `box`, just below it, for a few seconds.
void tellAtBox(QLineEdit* box, const QString& text);

}  // namespace zupel
