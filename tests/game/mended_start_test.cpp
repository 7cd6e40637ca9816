// What start-up mends on its own: damaged record values, the name a record can keep, the slider
// that judges the room from the first moment, and growth that waits for a slime in the room.
#include "game_fixture.h"

namespace zupel::testing {
namespace {

using MendedStart = GameTest;

struct DamageCase {
    const char* what;
    int16_t ondo, wordcount, age;
    int storedWords;
    int16_t ondoAfter, wordcountAfter, ageAfter;
    std::size_t warnings;
};

TEST_F(MendedStart, ValuesTheGameCouldNeverHaveWrittenAreBroughtToTheNearestItCould) {
    const DamageCase cases[] = {
        {"sound", 70, 2, 12, 2, 70, 2, 12, 0},
        {"far too hot", 32767, 2, 12, 2, 100, 2, 12, 1},
        {"below freezing", -40, 2, 12, 2, 0, 2, 12, 1},
        {"between two positions", 44, 2, 12, 2, 40, 2, 12, 1},
        {"more words than the file holds", 50, 9, 12, 3, 50, 3, 12, 1},
        {"a negative word count", 50, -7, 12, 3, 50, 0, 12, 1},
        {"a negative age", 50, 0, -3, 0, 50, 0, 0, 1},
        {"everything at once", -32768, 32767, -32768, 1, 0, 1, 0, 3},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.what);
        game.reset();
        shell = FakeShell{};
        folder.files.clear();
        PetRecord stored = livingSlime(c.age);
        stored.ondo = c.ondo;
        stored.wordcount = c.wordcount;
        storeWords(std::vector<std::string>(c.storedWords, "ことば"));
        startWith(stored);
        EXPECT_EQ(pet().ondo, c.ondoAfter);
        EXPECT_EQ(controls().ondobox, std::to_string(c.ondoAfter));
        EXPECT_EQ(controls().slider1Position, c.ondoAfter / 10);
        EXPECT_EQ(pet().wordcount, c.wordcountAfter);
        EXPECT_EQ(pet().age, c.ageAfter);
        EXPECT_EQ(shell.warnings.size(), c.warnings);
        game->Form_Unload();
        EXPECT_EQ(storedPet().ondo, c.ondoAfter) << "the mended record is what is saved";
    }
}

TEST_F(MendedStart, ATornLastWordDoesNotCount) {
    PetRecord stored = livingSlime();
    stored.wordcount = 2;
    storeWords({"いち", "に"});
    folder.files["word.sura"].resize(30);  // the second word was cut off half-written
    startWith(stored);
    EXPECT_EQ(pet().wordcount, 1);
    ASSERT_EQ(shell.warnings.size(), 1u);
    EXPECT_NE(shell.warnings[0].find("word count 2"), std::string::npos) << shell.warnings[0];
}

TEST_F(MendedStart, TheNameShownIsTheNameTheRecordKeeps) {
    shell.nameToType = "あいうえおかきく";  // eight double-byte characters; ten bytes hold five
    start();
    EXPECT_EQ(pet().name, "あいうえお     ");
    EXPECT_EQ(controls().namebox, pet().name);
    game->endgame1_Click();
    EXPECT_EQ(storedPet().name, pet().name);
    // A character the file cannot hold is shown as the "?" it is stored as.
    game.reset();
    folder.files.clear();
    shell = FakeShell{};
    shell.nameToType = "ぷ😀よ";
    start();
    EXPECT_EQ(controls().namebox, "ぷ?よ       ");
}

TEST_F(MendedStart, TheStartingSliderJudgesTheRoomAndSetsThePaceAtOnce) {
    PetRecord overfedInTheHeat = livingSlime();
    overfedInTheHeat.condition = Condition::kOverfed;
    overfedInTheHeat.ondo = 90;
    startWith(overfedInTheHeat);
    EXPECT_EQ(pet().condition, Condition::kBadTemperature);
    advance(1000);
    EXPECT_EQ(controls().infobox, "弱っています");
    EXPECT_FALSE(controls().button1Enabled);

    game.reset();
    PetRecord warm = livingSlime();
    warm.ondo = 80;
    startWith(warm);
    EXPECT_EQ(interval(TimerId::movetimer), 100) << "the warm room's pace from the first tick";
    EXPECT_EQ(interval(TimerId::foodtimer), 700);

    // At the slider's top the position does not change, so its rule does not run.
    game.reset();
    PetRecord cold = livingSlime();
    cold.ondo = 0;
    cold.condition = Condition::kOverfed;
    startWith(cold);
    EXPECT_EQ(pet().condition, Condition::kOverfed);
    EXPECT_EQ(interval(TimerId::movetimer), 500);
}

TEST_F(MendedStart, GrowthWaitsForASlimeInTheRoom) {
    // The naming dialog left open for six minutes: the growing tick finds no slime.
    shell.whileNaming = [&] { clock().advanceBy(360000); };
    shell.nameToType = std::nullopt;
    start();
    EXPECT_EQ(shell.soundCount("big.wav"), 0);
    EXPECT_EQ(folder.writes, 0) << "CANCEL writes nothing";

    game.reset();
    folder.files.clear();
    shell = FakeShell{};
    shell.whileNaming = [&] { clock().advanceBy(360000); };
    start();
    clock().advanceBy(600000);
    EXPECT_EQ(shell.soundCount("big.wav"), 0);
    EXPECT_EQ(controls().slime.width, 10);
    EXPECT_EQ(storedSize(), 10);
}

}  // namespace
}  // namespace zupel::testing
