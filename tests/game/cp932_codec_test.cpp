// Japanese text in and out of the save files' fixed-width fields.
#include "cp932_codec.h"

#include <gtest/gtest.h>

namespace zupel {
namespace {

TEST(Cp932Codec, ConvertsKanaKanjiAndHalfWidthKatakana) {
    Cp932Codec codec;
    EXPECT_EQ(codec.toFileField("すらいむ", 10), "\x82\xB7\x82\xE7\x82\xA2\x82\xDE  ");
    EXPECT_EQ(codec.toFileField("ｽﾗｲﾑ", 6), "\xBD\xD7\xB2\xD1  ");  // one byte each
    EXPECT_EQ(codec.toFileField("～", 2), "\x81\x60");  // the Windows mapping of the wave dash
    EXPECT_EQ(codec.fromFileField("\x8A\xBF\x8E\x9A"), "漢字");
}

TEST(Cp932Codec, CutsAtTheWidthWithoutSplittingACharacter) {
    Cp932Codec codec;
    EXPECT_EQ(codec.toFileField("abcdefghijkl", 10), "abcdefghij");
    EXPECT_EQ(codec.toFileField("aあい", 4), "a\x82\xA0 ");
    EXPECT_EQ(codec.toFileField("", 3), "   ");
}

TEST(Cp932Codec, CharactersItCannotHoldBecomeQuestionMarks) {
    Cp932Codec codec;
    EXPECT_EQ(codec.toFileField("a😀b", 4), "a?b ");
    EXPECT_EQ(codec.toFileField("한", 2), "? ");
    EXPECT_EQ(codec.toFileField(std::string("x\xFFy"), 3), "x?y");  // broken UTF-8
    EXPECT_EQ(codec.fromFileField("a\x82"), "a?");                  // half a character at the end
    EXPECT_EQ(codec.fromFileField("\xA0z"), "?z");
}

// One codec converts field after field with the same converters: what a broken field leaves
// behind (half a character, a character it could not hold) must not spill into the next.
TEST(Cp932Codec, EachFieldStartsAfresh) {
    Cp932Codec codec;
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(codec.fromFileField("\x82\xB7\x82"), "す?");
        EXPECT_EQ(codec.fromFileField("\x82\xA2"), "い");
        EXPECT_EQ(codec.fromFileField("\x8A\xBF\x8E\x9A"), "漢字");
        EXPECT_EQ(codec.toFileField("😀", 2), "? ");
        EXPECT_EQ(codec.toFileField(std::string("\xE3\x81"), 2), "? ");  // cut UTF-8
        EXPECT_EQ(codec.toFileField("すらいむ", 10), "\x82\xB7\x82\xE7\x82\xA2\x82\xDE  ");
    }
}

}  // namespace
}  // namespace zupel
