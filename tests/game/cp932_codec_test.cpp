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


std::string utf8Of(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// FNV-1a over the whole mapping: one number that any single differing byte changes.
struct Fingerprint {
    uint64_t value = 14695981039346656037u;
    void add(std::string_view bytes) {
        for (const char b : bytes) value = (value ^ static_cast<uint8_t>(b)) * 1099511628211u;
        value = (value ^ 0xFF) * 1099511628211u;  // ends each entry
    }
};

// The Linux build (iconv) and the Windows build (the system's code page 932) store and read
// every character alike: each character of the Basic Multilingual Plane as it goes into a
// field, and each one- and two-byte sequence as it comes out. The number is the one iconv
// gives; both builds run this test.
TEST(Cp932Codec, EveryCharacterMapsAsOnTheOtherSystem) {
    Cp932Codec codec;
    Fingerprint stored, read;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000) continue;  // halves of pairs, not characters
        stored.add(codec.toFileField(utf8Of(c), 2));
    }
    for (int lead = 1; lead < 0x100; ++lead) {
        read.add(codec.fromFileField(std::string(1, static_cast<char>(lead))));
        for (int trail = 0x40; trail < 0x100; ++trail) {
            const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
            read.add(codec.fromFileField(std::string_view(pair, 2)));
        }
    }
    EXPECT_EQ(stored.value, 9528914922535039698u);
    EXPECT_EQ(read.value, 16347205443756549238u);
}

}  // namespace
}  // namespace zupel
