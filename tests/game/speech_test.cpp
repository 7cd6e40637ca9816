// What the slime says on its own, by kind of utterance and size of its vocabulary.
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "draws.h"
#include "game_fixture.h"
#include "utf8_text.h"

namespace zupel::testing {
namespace {

const std::vector<std::string> kWords{"あめ", "いぬ",   "うみ", "えき",   "おに",
                                      "かさ", "きつね", "くも", "けむり", "こめ",
                                      "さる", "しお",   "すし", "せみ",   "そら"};
const std::string kName = "すらいむ      ";  // the name as it is held: four characters, six blanks
const std::string kBefore = "まえ";

class Speech : public GameTest {
protected:
    void SetUp() override {
        storeWords(kWords);
        startWith(livingSlime(20));
    }
    // Speaks once with `n` words and the given draws; fails on any draw beyond them.
    void speakWith(int n, std::vector<double> draws) {
        pet().wordcount = static_cast<int16_t>(n);
        controls().wordbox = asHeld(kBefore);
        shell.randoms = {draws.begin(), draws.end()};
        shell.fallbackRandom = [] {
            ADD_FAILURE() << "unexpected draw";
            return 0.0;
        };
        game->speak();
        EXPECT_TRUE(shell.randoms.empty()) << shell.randoms.size() << " draws left";
    }
};

double kind(int c) {
    return pick(c, 12);
}

struct SpeechCase {
    const char* what;
    int n;
    std::vector<double> draws;        // as the routine makes them: kind, words, endings
    std::optional<std::string> says;  // nullopt: the line keeps what it showed
};

class Utterances : public Speech, public ::testing::WithParamInterface<SpeechCase> {};

TEST_P(Utterances, AreComposedFromTheDraws) {
    const SpeechCase& c = GetParam();
    speakWith(c.n, c.draws);
    EXPECT_EQ(controls().wordbox, c.says.value_or(kBefore));
}

using S = SpeechCase;
const auto kSilent = std::nullopt;

// Kind 1: one word with an ending the vocabulary has unlocked.
INSTANTIATE_TEST_SUITE_P(
    OneWord, Utterances,
    ::testing::Values(S{"QuestionFromTen", 10, {kind(1), pick(3, 10), pick(1, 5)}, "うみ？"},
                      S{"NoQuestionAtNine", 9, {kind(1), pick(3, 9), pick(1, 5)}, "うみ"},
                      S{"ExclamationFromFive", 5, {kind(1), pick(3, 5), pick(2, 5)}, "うみ！"},
                      S{"NoExclamationAtFour", 4, {kind(1), pick(3, 4), pick(2, 5)}, "うみ"},
                      S{"DrawlFromFifteen", 15, {kind(1), pick(15, 15), pick(3, 5)}, "そらー"},
                      S{"NoDrawlAtFourteen", 14, {kind(1), pick(14, 14), pick(3, 5)}, "せみ"},
                      S{"FourthEndingIsNone", 15, {kind(1), pick(1, 15), pick(4, 5)}, "あめ"},
                      S{"FifthEndingIsNone", 15, {kind(1), pick(2, 15), pick(5, 5)}, "いぬ"}),
    [](const auto& info) { return std::string(info.param.what); });

// Kind 2: two different words side by side.
INSTANTIATE_TEST_SUITE_P(
    TwoWords, Utterances,
    ::testing::Values(
        S{"TheOnlyWordAndTwoBlanks", 1, {kind(2), pick(1, 1), pick(2, 3)}, "あめ  "},
        S{"TheSecondIsDrawnUntilItDiffers",
          2,
          {kind(2), pick(1, 2), pick(1, 2), pick(1, 2), pick(2, 2), pick(1, 3)},
          "あめ  いぬ"},
        S{"ExclamationFromFive", 5, {kind(2), pick(4, 5), pick(5, 5), pick(2, 3)}, "えき  おに！"},
        S{"NoQuestionAtNine", 9, {kind(2), pick(4, 9), pick(5, 9), pick(1, 3)}, "えき  おに"},
        S{"QuestionFromTen", 10, {kind(2), pick(4, 10), pick(5, 10), pick(1, 3)}, "えき  おに？"},
        S{"ThirdEndingIsNone", 15, {kind(2), pick(4, 15), pick(5, 15), pick(3, 3)}, "えき  おに"}),
    [](const auto& info) { return std::string(info.param.what); });

// Kind 3: its name, held with its blanks.
INSTANTIATE_TEST_SUITE_P(
    Name, Utterances,
    ::testing::Values(
        S{"NotBelowThree", 2, {kind(3)}, kSilent}, S{"AloneFromThree", 3, {kind(3)}, kName},
        S{"AloneUpToFive", 5, {kind(3)}, kName},
        S{"WithAWordFromSix", 6, {kind(3), pick(6, 6)}, kName + "  かさ"},
        S{"WithAWordUpToTen", 10, {kind(3), pick(10, 10)}, kName + "  こめ"},
        S{"SentenceAskingFromEleven",
          11,
          {kind(3), pick(7, 11), pick(1, 3)},
          kName + "  は  きつね？"},
        S{"SentenceExclaiming", 12, {kind(3), pick(7, 12), pick(2, 3)}, kName + "  は  きつね！"},
        // Eight blanks in all between the name and は.
        S{"SentencePlain",
          12,
          {kind(3), pick(7, 12), pick(3, 3)},
          "すらいむ" + std::string(8, ' ') + "は  きつね"}),
    [](const auto& info) { return std::string(info.param.what); });

// Kinds 4, 5 and 8: phrases of its own, each from its own vocabulary size.
INSTANTIATE_TEST_SUITE_P(Phrases, Utterances,
                         ::testing::Values(S{"LoveNotAtSix", 6, {kind(4)}, kSilent},
                                           S{"LoveFromSeven", 7, {kind(4)}, "大好き"},
                                           S{"HowAreYouNotAtFourteen", 14, {kind(5)}, kSilent},
                                           S{"HowAreYouFromFifteen", 15, {kind(5)}, "元気？"},
                                           S{"HeyNotAtEight", 8, {kind(8)}, kSilent},
                                           S{"HeyFromNine", 9, {kind(8)}, "ねぇねぇ！"}),
                         [](const auto& info) { return std::string(info.param.what); });

// Kind 6: a sentence of two words, or below ten words just one word as kind 1 says it.
INSTANTIATE_TEST_SUITE_P(
    Sentence, Utterances,
    ::testing::Values(
        S{"OneWordExclaimedAtNine", 9, {kind(6), pick(3, 9), pick(2, 5)}, "うみ！"},
        S{"OneWordNoQuestionAtNine", 9, {kind(6), pick(3, 9), pick(1, 5)}, "うみ"},
        S{"OneWordPlainAtFour", 4, {kind(6), pick(3, 4), pick(2, 5)}, "うみ"},
        S{"WaFromTen", 10, {kind(6), pick(3, 10), pick(5, 10), pick(1, 5)}, "うみ  は  おに"},
        S{"GaFromTen", 10, {kind(6), pick(3, 10), pick(5, 10), pick(2, 5)}, "うみ  が  おに"},
        S{"OtherwiseNothing", 10, {kind(6), pick(3, 10), pick(5, 10), pick(3, 5)}, kSilent},
        S{"NothingOnTheFifthDraw", 15, {kind(6), pick(3, 15), pick(5, 15), pick(5, 5)}, kSilent},
        S{"TheSecondDiffers",
          10,
          {kind(6), pick(3, 10), pick(3, 10), pick(10, 10), pick(2, 5)},
          "うみ  が  こめ"}),
    [](const auto& info) { return std::string(info.param.what); });

// Kinds 9 to 12: it falls silent.
INSTANTIATE_TEST_SUITE_P(Silence, Utterances,
                         ::testing::Values(S{"Nine", 1, {kind(9)}, ""}, S{"Ten", 5, {kind(10)}, ""},
                                           S{"Eleven", 10, {kind(11)}, ""},
                                           S{"Twelve", 15, {kind(12)}, ""}),
                         [](const auto& info) { return std::string(info.param.what); });

struct GreetingCase {
    int hour;
    int n;
    std::optional<std::string> says;
};

class Greetings : public Speech, public ::testing::WithParamInterface<GreetingCase> {};

// Kind 7: a greeting for the hour, once the slime knows enough words for it.
TEST_P(Greetings, FollowTheHour) {
    shell.hourValue = GetParam().hour;
    speakWith(GetParam().n, {kind(7)});
    EXPECT_EQ(controls().wordbox, GetParam().says.value_or(kBefore));
}

INSTANTIATE_TEST_SUITE_P(
    ByHour, Greetings,
    ::testing::Values(GreetingCase{0, 5, "おやすみ"}, GreetingCase{0, 4, kSilent},
                      GreetingCase{5, 5, "おやすみ"}, GreetingCase{6, 5, "おはよう"},
                      GreetingCase{6, 4, kSilent}, GreetingCase{9, 15, "おはよう"},
                      GreetingCase{10, 9, "こんにちは"}, GreetingCase{10, 8, kSilent},
                      GreetingCase{17, 9, "こんにちは"}, GreetingCase{18, 9, "こんばんは"},
                      GreetingCase{18, 8, kSilent}, GreetingCase{22, 15, "こんばんは"},
                      GreetingCase{23, 15, kSilent}, GreetingCase{12, 2, kSilent}),
    [](const auto& info) {
        return "Hour" + std::to_string(info.param.hour) + "Words" + std::to_string(info.param.n);
    });

TEST_F(Speech, SaysOnlyTheFirstTenCharactersOfAWordWithoutTrailingBlanks) {
    // Half-width kana take one byte each in the file, so twelve of them fit a record.
    storeWords({"ｱｲｳｴｵｶｷｸｹｺｻｼ", "abcdefgh  xy", "ab cd   "});
    speakWith(3, {kind(1), pick(1, 3), pick(5, 5)});
    EXPECT_EQ(controls().wordbox, "ｱｲｳｴｵｶｷｸｹｺ");
    // The word passed through the transfer buffer, as the file holds it.
    EXPECT_EQ(world().wordbuf.word, "ｱｲｳｴｵｶｷｸｹｺｻｼ        ");
    speakWith(3, {kind(1), pick(2, 3), pick(5, 5)});
    EXPECT_EQ(controls().wordbox, "abcdefgh");
    speakWith(3, {kind(1), pick(3, 3), pick(5, 5)});
    EXPECT_EQ(controls().wordbox, "ab cd");
}

// Its own words are the pieces the window translates; its name and the words it learned stay
// as they are held, whatever they spell.
TEST_F(Speech, OnlyItsOwnWordsAreMarkedForTranslation) {
    storeWords({"は", "が", "元気？"});
    pet().name = "大好き    ";
    speakWith(12, {kind(3), pick(3, 12), pick(1, 3)});
    EXPECT_EQ(controls().wordbox,
              asHeld("大好き      ") + own("は") + asHeld("  元気？") + own("？"));
    speakWith(12, {kind(6), pick(1, 12), pick(2, 12), pick(2, 5)});
    EXPECT_EQ(controls().wordbox, asHeld("は  ") + own("が") + asHeld("  が"));
    speakWith(12, {kind(4)});
    EXPECT_EQ(controls().wordbox, own("大好き"));
}

// A word count larger than the file: the records beyond its end are empty words.
TEST_F(Speech, ARecordBeyondTheFileIsAnEmptyWord) {
    speakWith(20, {kind(1), pick(20, 20), pick(2, 5)});
    EXPECT_EQ(controls().wordbox, "！");
    speakWith(32767, {kind(1), pick(32767, 32767), pick(4, 5)});
    EXPECT_EQ(controls().wordbox, "");
    speakWith(20, {kind(2), pick(18, 20), pick(3, 20), pick(3, 3)});
    EXPECT_EQ(controls().wordbox, "  うみ");
}

TEST_F(Speech, ASlimeWithoutWordsSaysNothing) {
    for (int n : {0, -1, -32768}) {
        speakWith(n, {});
        EXPECT_EQ(controls().wordbox, kBefore);
    }
}

// When every record sounds the same there is no second word to find: the slime gives up after
// a bounded number of tries and the line keeps what it showed.
TEST_F(Speech, ASecondWordThatCannotDifferEndsInSilence) {
    struct Case {
        std::vector<std::string> words;
        int n;
        int kind;
    };
    const Case cases[] = {
        {{"あめ", "あめ"}, 2, 2},
        {{"あいうえおかきくけこA", "あいうえおかきくけこB"}, 2, 6 /* below ten: one word */},
        {{"あいうえおかきくけこA", "あいうえおかきくけこB"}, 2, 2},
        {{}, 10, 6},  // no file: every record is empty
        {{"あめ"}, 1000, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        storeWords(c.words);
        pet().wordcount = static_cast<int16_t>(c.n);
        controls().wordbox = asHeld(kBefore);
        int draws = 0;
        shell.randoms = {kind(c.kind)};
        shell.fallbackRandom = [&] {
            ++draws;
            return 0.0;  // always the first record
        };
        game->speak();
        const bool onlyOneWord = c.kind == 6 && c.n <= 9;
        EXPECT_EQ(controls().wordbox, onlyOneWord ? "あいうえおかきくけこ" : kBefore);
        EXPECT_LE(draws, 200);
    }
}

// With two different words the bound is never reached in practice.
TEST_F(Speech, TwoDifferentWordsAlwaysMakeAPair) {
    storeWords({"あめ", "いぬ"});
    pet().wordcount = 2;
    std::mt19937 generator(7);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    shell.fallbackRandom = [&] { return uniform(generator); };
    for (int i = 0; i < 2000; ++i) {
        controls().wordbox = asHeld(kBefore);
        shell.randoms = {kind(2)};
        game->speak();
        const std::string said = controls().wordbox.japanese();
        ASSERT_TRUE(said == "あめ  いぬ" || said == "いぬ  あめ") << said;
    }
}

}  // namespace
}  // namespace zupel::testing
