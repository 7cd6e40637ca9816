// Showing the slime in its room at start-up: settings, labels, fresh meters, slider, timers.
#include "game_fixture.h"

namespace zupel::testing {
namespace {

using Portrayal = GameTest;

TEST_F(Portrayal, WithoutSettingsTheRoomIsLightCyanWithoutAPicture) {
    startWith(livingSlime());
    EXPECT_EQ(controls().roomColor, 0xFFFFC0u);
    EXPECT_EQ(controls().roomPicture, "");
    EXPECT_EQ(world().bmpdir, "");
}

TEST_F(Portrayal, EachBadSettingIsSkippedOnItsOwn) {
    shell.settings["bgcolor"] = "blue";
    shell.settings["bmpdir"] = "/gone/room.bmp";
    shell.brokenPictures = {"/gone/room.bmp"};
    startWith(livingSlime());
    EXPECT_EQ(controls().roomColor, 0xFFFFC0u);
    EXPECT_EQ(controls().roomPicture, "");
    EXPECT_EQ(world().bmpdir, "/gone/room.bmp");
    EXPECT_TRUE(controls().slimeVisible);
    EXPECT_TRUE(on(TimerId::movetimer) && on(TimerId::modetimer) && on(TimerId::foodtimer));

    for (const char* bad : {"", "12x", "-5", "16777216", "99999999999999999999"}) {
        game.reset();
        shell.settings["bgcolor"] = bad;
        startWith(livingSlime());
        EXPECT_EQ(controls().roomColor, 0xFFFFC0u) << bad;
    }
}

TEST_F(Portrayal, GoodSettingsColourAndDecorateTheRoom) {
    shell.settings["bgcolor"] = "255";
    shell.settings["bmpdir"] = "/home/p/room.jpg";
    startWith(livingSlime());
    EXPECT_EQ(controls().roomColor, 255u);
    EXPECT_EQ(controls().roomPicture, "/home/p/room.jpg");
}

TEST_F(Portrayal, LabelsSliderAndFreshMeters) {
    PetRecord stored = livingSlime(17);
    stored.ondo = 70;
    stored.esa = 4;
    stored.asobi = 3;
    shell.randoms = {0.0, 0.999999};
    startWith(stored);
    EXPECT_EQ(controls().namebox, "すらいむ      ");
    EXPECT_EQ(controls().agebox, "17");
    EXPECT_EQ(controls().ondobox, "70");
    EXPECT_EQ(controls().slider1Position, 7);
    EXPECT_EQ(pet().esa, 21);
    EXPECT_EQ(pet().asobi, 120);
}

}  // namespace
}  // namespace zupel::testing
