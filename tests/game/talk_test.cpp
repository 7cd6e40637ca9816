// Talking: the talk button, and how a typed word is looked up, learned and stored.
#include "draws.h"
#include "life_fixture.h"
#include "utf8_text.h"

namespace zupel::testing {
namespace {

constexpr double kHit = pick(1, 10);   // the draw that learns the word
constexpr double kMiss = pick(2, 10);  // the draw that passes on

class Talk : public LifeTest {
protected:
    // Talking to a slime that counts `counted` of the words in its file.
    void startTalking(const std::vector<std::string>& words, int16_t counted) {
        storeWords(words);
        PetRecord stored = livingSlime();
        stored.wordcount = counted;
        startStill(stored);
        game->button3_Click();
    }
    // Types `text` and presses OK with exactly these draws.
    void say(const std::string& text, std::vector<double> draws) {
        controls().wordbox = asHeld("まえ");
        game->wordinbox_Change(text);
        shell.randoms = {draws.begin(), draws.end()};
        shell.fallbackRandom = [] {
            ADD_FAILURE() << "unexpected draw";
            return 0.0;
        };
        game->wordbutton_Click();
        EXPECT_TRUE(shell.randoms.empty()) << shell.randoms.size() << " draws left";
    }
};

TEST_F(Talk, TheTalkButtonOpensAndClosesTheEntry) {
    startStill();
    game->button3_Click();
    const Controls& c = controls();
    EXPECT_TRUE(c.wordinboxEnabled && !c.wordbuttonEnabled && !c.slider1Enabled);
    EXPECT_TRUE(on(TimerId::wordtimer) && !on(TimerId::movetimer));
    game->wordinbox_Change("まだ");
    EXPECT_TRUE(c.wordbuttonEnabled);
    game->button3_Click();
    EXPECT_EQ(c.wordinboxText, "");
    EXPECT_FALSE(c.wordinboxEnabled || c.wordbuttonEnabled);
    EXPECT_TRUE(on(TimerId::movetimer) && !on(TimerId::wordtimer));
}

struct SubmitCase {
    const char* what;
    std::string typed;
    std::vector<double> draws;  // one per record looked at, in record order
    bool learned, said;
};

class Submit : public Talk, public ::testing::WithParamInterface<SubmitCase> {};

// The slime knows あめ, いぬ and うみ; a fourth word waits uncounted in the file.
TEST_P(Submit, LooksAtEachRecordInTurnAndDrawsForEachMiss) {
    const SubmitCase& c = GetParam();
    startTalking({"あめ", "いぬ", "うみ", "みなしご"}, 3);
    say(c.typed, c.draws);
    EXPECT_EQ(controls().wordbox, c.said ? c.typed : "まえ");
    EXPECT_EQ(pet().wordcount, c.learned ? 4 : 3);
    EXPECT_EQ(shell.soundCount("oboe.wav"), c.learned ? 1 : 0);
    EXPECT_EQ(game->saves().readWord(4), fitToWidth(c.learned ? c.typed : "みなしご", 20));
    EXPECT_TRUE(controls().wordinboxText.empty() && !controls().wordbuttonEnabled);
}

using S = SubmitCase;
INSTANTIATE_TEST_SUITE_P(
    Words, Submit,
    ::testing::Values(S{"firstRecordWithoutADraw", "あめ", {}, false, true},
                      S{"thirdRecordAfterTwoMisses", "うみ", {kMiss, kMiss}, false, true},
                      S{"knownWordLearnedAgain", "うみ", {kMiss, kHit}, true, true},
                      S{"missesEveryRecord", "そら", {kMiss, kMiss, kMiss, kMiss}, false, false},
                      S{"learnedOnTheLastChance", "そら", {kMiss, kMiss, kMiss, kHit}, true, true},
                      S{"orphanRepeated", "みなしご", {kMiss, kMiss, kMiss}, false, true},
                      S{"trailingBlankNeverKnown", "あめ ", {kHit}, true, true}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Talk, AFullVocabularyLearnsNoMore) {
    startTalking(std::vector<std::string>(32766, "あめ"), 32766);
    say("そら", {kHit});
    EXPECT_EQ(pet().wordcount, 32767);
    const Bytes before = folder.files["word.sura"];
    say("ほし", {});  // no draw, no sound, nothing stored
    EXPECT_EQ(controls().wordbox, "まえ");
    say("あめ", {});  // but the words it knows are still repeated
    EXPECT_EQ(controls().wordbox, "あめ");
    game->oboe();
    EXPECT_EQ(pet().wordcount, 32767);
    EXPECT_EQ(folder.files["word.sura"], before);
    EXPECT_EQ(shell.soundCount("oboe.wav"), 1);
}

}  // namespace
}  // namespace zupel::testing
