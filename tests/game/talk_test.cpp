// Talking to the slime: the talk button, the entry and its OK button, and how a word is looked
// up, learned and stored.
#include "draws.h"
#include "life_fixture.h"
#include "utf8_text.h"

namespace zupel::testing {
namespace {

constexpr double kHit = pick(1, 10);   // the draw that learns the word
constexpr double kMiss = pick(2, 10);  // the draw that passes on

class Talk : public LifeTest {
protected:
    // A slime that knows `words` (the file may hold more than it counts), in talk mode.
    void startTalking(const std::vector<std::string>& words, int16_t counted) {
        storeWords(words);
        PetRecord stored = livingSlime();
        stored.wordcount = counted;
        startStill(stored);
        game->button3_Click();
    }
    // Types `text` and presses OK with these draws; any further draw fails the test.
    void say(const std::string& text, std::vector<double> draws) {
        controls().wordbox = "まえ";
        game->wordinbox_Change(text);
        shell.randoms = {draws.begin(), draws.end()};
        shell.fallbackRandom = [] {
            ADD_FAILURE() << "unexpected draw";
            return 0.0;
        };
        game->wordbutton_Click();
        EXPECT_TRUE(shell.randoms.empty()) << shell.randoms.size() << " draws left";
    }
    Bytes wordFile() { return folder.files["word.sura"]; }
    Bytes record(int n) {
        const Bytes& all = folder.files["word.sura"];
        return Bytes(all.begin() + (n - 1) * kWordLen, all.begin() + n * kWordLen);
    }
};

TEST_F(Talk, TheTalkButtonOpensAndClosesTheEntry) {
    startStill();
    game->button2_Click();  // playing: talking ends it
    clock().setEnabled(TimerId::deadtimer, true);
    game->button3_Click();
    const Controls& c = controls();
    EXPECT_EQ(world().asobimode, 0);
    EXPECT_EQ(c.button2Caption, "");
    EXPECT_EQ(c.pointer, (Pointer{false, PointerIcon::furi}));
    EXPECT_TRUE(c.wordinboxEnabled);
    EXPECT_EQ(c.wordinboxColor, kWhite);
    EXPECT_FALSE(c.wordbuttonEnabled);
    EXPECT_FALSE(c.slider1Enabled);
    EXPECT_EQ(world().talkmode, 1);
    EXPECT_EQ(c.button3Caption, "やめる");
    EXPECT_TRUE(on(TimerId::wordtimer) && on(TimerId::foodtimer));
    EXPECT_FALSE(on(TimerId::movetimer) || on(TimerId::deadtimer) || on(TimerId::asobitimer));

    game->wordinbox_Change("あ");
    EXPECT_TRUE(c.wordbuttonEnabled);
    game->wordinbox_Change("");  // cleared by hand: nothing to send
    EXPECT_FALSE(c.wordbuttonEnabled);

    game->wordinbox_Change("まだ");
    controls().wordbox = "なに？";
    game->button3_Click();
    EXPECT_EQ(world().talkmode, 0);
    EXPECT_EQ(c.button3Caption, "");
    EXPECT_EQ(c.wordbox, "");
    EXPECT_EQ(c.wordinboxText, "");
    EXPECT_EQ(c.wordinboxColor, kLightGrey);
    EXPECT_FALSE(c.wordinboxEnabled || c.wordbuttonEnabled);
    EXPECT_TRUE(c.slider1Enabled);
    EXPECT_TRUE(on(TimerId::movetimer));
    EXPECT_FALSE(on(TimerId::wordtimer));
    EXPECT_TRUE(on(TimerId::foodtimer));  // left as it was
}

struct SubmitCase {
    const char* what;
    std::string typed;
    std::vector<double> draws;  // one per record looked at, in record order
    bool learned;
    bool said;
};

void PrintTo(const SubmitCase& c, std::ostream* os) {
    *os << c.what;
}

class Submit : public Talk, public ::testing::WithParamInterface<SubmitCase> {};

// The slime knows あめ, いぬ and うみ; a fourth word waits uncounted in the file.
TEST_P(Submit, LooksAtEachRecordInTurnAndDrawsForEachMiss) {
    const SubmitCase& c = GetParam();
    startTalking({"あめ", "いぬ", "うみ", "みなしご"}, 3);
    say(c.typed, c.draws);
    EXPECT_EQ(controls().wordbox, c.said ? c.typed : "まえ");
    EXPECT_EQ(pet().wordcount, c.learned ? 4 : 3);
    EXPECT_EQ(shell.sounds,
              c.learned ? std::vector<std::string>{"oboe.wav"} : std::vector<std::string>{});
    EXPECT_EQ(record(4), encodeWord(c.learned ? c.typed : "みなしご", codec));
    EXPECT_EQ(wordFile().size(), 4u * kWordLen);
    // Ready for the next word.
    EXPECT_EQ(controls().wordinboxText, "");
    EXPECT_FALSE(controls().wordbuttonEnabled);
    EXPECT_TRUE(controls().wordinboxEnabled);
    EXPECT_EQ(world().talkmode, 1);
}

using S = SubmitCase;
INSTANTIATE_TEST_SUITE_P(
    Words, Submit,
    ::testing::Values(
        S{"firstRecordRepeatedWithoutADraw", "あめ", {}, false, true},
        S{"thirdRecordAfterTwoMisses", "うみ", {kMiss, kMiss}, false, true},
        S{"knownWordLearnedAgain", "うみ", {kMiss, kHit}, true, true},
        S{"newWordMissesEveryRecord", "そら", {kMiss, kMiss, kMiss, kMiss}, false, false},
        S{"newWordOnTheLastChance", "そら", {kMiss, kMiss, kMiss, kHit}, true, true},
        S{"orphanWordRepeated", "みなしご", {kMiss, kMiss, kMiss}, false, true},
        S{"trailingBlankNeverKnown", "あめ ", {kHit}, true, true}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Talk, AWordIsStoredInTwentyBytesAndSaidAsTyped) {
    const struct {
        std::string typed;
        std::string stored;  // as the word file gives it back
    } kCases[] = {
        {"abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrst"},
        {"あいうえおかきくけこさ", "あいうえおかきくけこ"},
        {"aあいうえおかきくけこ", "aあいうえおかきくけ"},  // never half a character
        {"🍙おにぎり", "?おにぎり"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.typed);
        folder.files.clear();
        game.reset();
        shell = FakeShell{};
        startTalking({}, 0);
        say(c.typed, {kHit});
        EXPECT_EQ(controls().wordbox, c.typed);
        EXPECT_EQ(wordFile().size(), static_cast<std::size_t>(kWordLen));
        EXPECT_EQ(game->saves().readWord(1), fitToWidth(c.stored, kWordChars));
        if (c.stored != c.typed) {
            say(c.typed, {kMiss, kMiss});  // the cut word is never the one typed
            EXPECT_EQ(pet().wordcount, 1);
        }
    }
}

TEST_F(Talk, TheCountReachesTheRecordWhenTheGameIsSaved) {
    startTalking({"あめ", "いぬ"}, 1);  // いぬ was learned in a run that was never saved
    say("そら", {kMiss, kHit});
    EXPECT_EQ(record(2), encodeWord("そら", codec));  // over the orphan
    EXPECT_EQ(storedPet().wordcount, 1);
    game->endgame1_Click();
    EXPECT_EQ(storedPet().wordcount, 2);
}

TEST_F(Talk, AFullVocabularyLearnsNoMore) {
    startTalking({"あめ"}, 32766);
    say("そら", std::vector<double>(1, kHit));
    EXPECT_EQ(pet().wordcount, 32767);
    EXPECT_EQ(game->saves().readWord(32767), fitToWidth("そら", kWordChars));

    const Bytes before = wordFile();
    say("ほし", {});  // no draw: nothing could be learned
    EXPECT_EQ(controls().wordbox, "まえ");
    say("あめ", {});  // the words it knows are still repeated
    EXPECT_EQ(controls().wordbox, "あめ");
    game->oboe();
    EXPECT_EQ(pet().wordcount, 32767);
    EXPECT_EQ(wordFile(), before);
    EXPECT_EQ(shell.soundCount("oboe.wav"), 1);
}

}  // namespace
}  // namespace zupel::testing
