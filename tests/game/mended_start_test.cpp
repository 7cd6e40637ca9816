// What start-up mends on its own: damaged record values, the name a record can keep, the slider
// that judges the room from the first moment, and growth that waits for a slime in the room.
#include <limits>

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

// A young slime saved today with one damaged field: before, each of these ended it.
struct DamagedFieldCase {
    const char* what;
    int16_t condition = Condition::kFine;
    int16_t state = PetState::kLiving;
    double lastdate = kDay;
    int16_t size = 14;
    int16_t ageAfter = 10;
    float widthAfter = 14;
};

TEST_F(MendedStart, ACodeDateOrSizeTheGameNeverWritesIsMendedAndTheSlimeLivesOn) {
    const double inf = std::numeric_limits<double>::infinity();
    const DamagedFieldCase cases[] = {
        {.what = "condition -1", .condition = -1},
        {.what = "condition 9", .condition = 9},
        {.what = "condition 32767", .condition = 32767},
        {.what = "date -inf", .lastdate = -inf},
        {.what = "date 5e-324", .lastdate = 5e-324},
        {.what = "date half a day past today", .lastdate = kDay + 0.5},
        // Away ten days with its state damaged: it thaws as a frozen slime, ten days older.
        {.what = "state 3", .state = 3, .lastdate = kDay - 10, .ageAfter = 20},
        {.what = "state 255", .state = 255, .lastdate = kDay - 10, .ageAfter = 20},
        {.what = "state -1", .state = -1, .lastdate = kDay - 10, .ageAfter = 20},
        // Only an empty file means "no slime yet": a whole record is never named over.
        {.what = "state 0, no slime", .state = 0, .lastdate = kDay - 10, .ageAfter = 20},
        {.what = "size 0", .size = 0, .widthAfter = 10},
        {.what = "size -5", .size = -5, .widthAfter = 10},
        {.what = "size 1000", .size = 1000, .widthAfter = 240},
    };
    for (const DamagedFieldCase& c : cases) {
        SCOPED_TRACE(c.what);
        game.reset();
        shell = FakeShell{};
        folder.files.clear();
        PetRecord stored = livingSlime(10, c.lastdate);
        stored.condition = c.condition;
        stored.state = c.state;
        startWith(stored, c.size);
        EXPECT_TRUE(shell.endDialogs.empty());
        ASSERT_FALSE(shell.ended);
        EXPECT_EQ(shell.warnings.size(), 1u) << "one line on standard error";
        EXPECT_EQ(pet().condition, Condition::kFine);
        EXPECT_EQ(pet().age, c.ageAfter);
        EXPECT_EQ(pet().lastdate, kDay);
        EXPECT_EQ(controls().slime.width, c.widthAfter);
        EXPECT_TRUE(controls().slimeVisible);
        game->Form_Unload();
        EXPECT_EQ(storedPet().state, PetState::kLiving);
        EXPECT_EQ(storedPet().lastdate, kDay);
        EXPECT_EQ(storedSize(), c.widthAfter) << "the mended size is what is saved";
    }
}

// Only an empty data.sura means "no slime yet"; a torn one stops the game with the file's name
// and length, and nothing is created, written or deleted, so the player can restore it.
TEST_F(MendedStart, ADataFileOfAnyOtherLengthThanOneRecordIsReportedAndLeftAlone) {
    const Bytes record = encodePet(livingSlime(), codec);
    for (std::size_t length : {1, 22, 23, 31, 33, 64, 1000}) {
        SCOPED_TRACE(length);
        game.reset();
        shell = FakeShell{};
        folder.files.clear();
        Bytes data = record;
        data.resize(length, 0x41);
        folder.files["data.sura"] = data;
        folder.files["word.sura"] = encodeWord("ぷよ", codec);
        const auto before = folder.files;
        try {
            start();
            ADD_FAILURE() << "a torn data.sura must be reported";
        } catch (const SaveFileError& error) {
            EXPECT_EQ(error.file(), "data.sura");
            EXPECT_NE(error.reason().find(std::to_string(length) + " bytes"), std::string::npos)
                << error.reason();
        }
        EXPECT_EQ(folder.files, before) << "big.sura is not even created";
        EXPECT_EQ(folder.writes, 0);
        EXPECT_TRUE(shell.log.empty()) << "no dialog, no sound";
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
