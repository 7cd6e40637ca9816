// The room temperature: the slider sets the temperature, the pace of life and, for codes it
// may overwrite, the slime's condition.
#include <string>

#include "life_fixture.h"

namespace zupel::testing {
namespace {

using Temperature = LifeTest;

constexpr int kUnchanged = 0;

struct SliderCase {
    int position;
    int moveMs;  // kUnchanged: the interval the timer had
    int foodMs;
    bool tooColdOrHot;
};

TEST_F(Temperature, SliderSetsTheTemperatureAndThePaceEvenWhileTheTimersAreOff) {
    constexpr SliderCase kCases[] = {
        {0, kUnchanged, kUnchanged, true},
        {1, kUnchanged, kUnchanged, true},
        {2, 1500, 1300, false},
        {3, 1200, 1200, false},
        {4, 900, 1100, false},
        {5, 700, 1000, false},
        {6, 500, 900, false},
        {7, 300, 800, false},
        {8, 100, 700, false},
        {9, kUnchanged, kUnchanged, true},
        {10, kUnchanged, kUnchanged, true},
    };
    startStill();
    clock().setEnabled(TimerId::foodtimer, false);
    for (const SliderCase& c : kCases) {
        SCOPED_TRACE(c.position);
        clock().setInterval(TimerId::movetimer, 3000);
        clock().setInterval(TimerId::foodtimer, 1234);
        game->Slider1_Change(c.position);
        EXPECT_EQ(pet().ondo, c.position * 10);
        EXPECT_EQ(controls().ondobox, std::to_string(c.position * 10));
        EXPECT_EQ(controls().slider1Position, c.position);
        EXPECT_EQ(interval(TimerId::movetimer), c.moveMs == kUnchanged ? 3000 : c.moveMs);
        EXPECT_EQ(interval(TimerId::foodtimer), c.foodMs == kUnchanged ? 1234 : c.foodMs);
        EXPECT_EQ(pet().condition, c.tooColdOrHot ? Condition::kBadTemperature : Condition::kFine);
        EXPECT_FALSE(on(TimerId::movetimer) || on(TimerId::foodtimer));
    }
}

struct CodeCase {
    int16_t before;
    int16_t afterBadRoom;
    int16_t afterGoodRoom;  // feeding comes back exactly when the slider sets fine
};

TEST_F(Temperature, SliderOverwritesOnlyTheCodesItMay) {
    constexpr CodeCase kCases[] = {
        {Condition::kFine, Condition::kBadTemperature, Condition::kFine},
        {Condition::kWeak, Condition::kWeak, Condition::kWeak},
        {Condition::kDead, Condition::kDead, Condition::kDead},
        {Condition::kHungry, Condition::kHungry, Condition::kHungry},
        {Condition::kJustFed, Condition::kBadTemperature, Condition::kFine},
        {Condition::kFineStored, Condition::kBadTemperature, Condition::kFine},
        {Condition::kStressed, Condition::kStressed, Condition::kStressed},
        {Condition::kBadTemperature, Condition::kBadTemperature, Condition::kFine},
        {Condition::kOverfed, Condition::kBadTemperature, Condition::kFine},
    };
    startStill();
    for (const CodeCase& c : kCases) {
        for (int badPosition : {0, 1, 9, 10}) {
            SCOPED_TRACE(::testing::Message() << "code " << c.before << " to " << badPosition);
            pet().condition = c.before;
            controls().button1Enabled = false;
            game->Slider1_Change(badPosition);
            EXPECT_EQ(pet().condition, c.afterBadRoom);
            EXPECT_FALSE(controls().button1Enabled);
        }
        SCOPED_TRACE(::testing::Message() << "code " << c.before << " to a good room");
        pet().condition = c.before;
        controls().button1Enabled = false;
        game->Slider1_Change(6);
        EXPECT_EQ(pet().condition, c.afterGoodRoom);
        EXPECT_EQ(controls().button1Enabled, c.afterGoodRoom == Condition::kFine);
    }
}

TEST_F(Temperature, MovingBackToAGoodRoomEndsTheDangerOfABadOne) {
    startStill(withMeters(livingSlime(), 400, 400));
    game->Slider1_Change(9);
    advance(1000);
    EXPECT_EQ(controls().infobox, "弱っています");
    EXPECT_FALSE(controls().button1Enabled || controls().button2Enabled ||
                 controls().button3Enabled);
    EXPECT_TRUE(on(TimerId::deadtimer));
    EXPECT_EQ(interval(TimerId::movetimer), 3000);

    advance(5000);
    game->Slider1_Change(5);
    EXPECT_EQ(pet().condition, Condition::kFine);
    EXPECT_TRUE(controls().button1Enabled);
    EXPECT_FALSE(controls().button2Enabled || controls().button3Enabled);  // the next tick
    EXPECT_EQ(interval(TimerId::movetimer), 700);

    advance(1000);
    EXPECT_EQ(controls().infobox, "元気です");
    EXPECT_TRUE(controls().button2Enabled && controls().button3Enabled);
    EXPECT_FALSE(on(TimerId::deadtimer));
    advance(120000);
    EXPECT_TRUE(shell.endDialogs.empty());
}

TEST_F(Temperature, AnOverfedSlimeMovedBetweenGoodRoomsIsOverfedAgainAtTheMeterTick) {
    PetRecord stored = withMeters(livingSlime(5), 600, 400);
    stored.condition = Condition::kOverfed;
    startStill(stored);
    game->Slider1_Change(6);
    EXPECT_EQ(pet().condition, Condition::kFine);
    advance(900);  // the meter tick at 60 degrees
    EXPECT_EQ(pet().esa, 599);
    EXPECT_EQ(pet().condition, Condition::kOverfed);
}

}  // namespace
}  // namespace zupel::testing
