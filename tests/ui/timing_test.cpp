// Timers that the player or a dialog switches on count from that moment, on the real clock,
// not from the last tick the program happened to handle.
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include "naming_dialog.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

class Timing : public UiTest {
protected:
    Millis now = 0;

    void SetUp() override {
        clock = [this] { return now; };
    }
    // The real clock reads `t` and the driver's timer runs out.
    void tickAt(Millis t) {
        now = t;
        driver->tick();
    }
    void startWithASlime() {
        storeSlime(slimeSavedToday(2, 50));
        startUp();  // at 0: movetimer falls due every 500 ms, the meter and status ticks at 1000
        tickAt(500);
        tickAt(1000);
    }
};

TEST_F(Timing, TheHopsAfterAFeedingCountFromTheClick) {
    startWithASlime();
    now = 1450;
    form->button1->click();
    tickAt(1949);
    EXPECT_EQ(game->world().urecount, 0) << "the first hop came before 500 ms had passed";
    tickAt(1950);
    EXPECT_EQ(game->world().urecount, 1);
}

TEST_F(Timing, AFasterMeterAfterASlideCountsFromTheSlide) {
    startWithASlime();
    now = 1600;
    form->Slider1->setValue(8);  // 80 degrees: the meter ticks every 700 ms
    ASSERT_EQ(game->scheduler().interval(TimerId::foodtimer), 700);
    const int16_t esa = game->world().pet.esa;
    tickAt(2299);
    EXPECT_EQ(game->world().pet.esa, esa) << "the meter ticked before 700 ms had passed";
    tickAt(2300);
    EXPECT_EQ(game->world().pet.esa, esa - 1);
}

TEST_F(Timing, TheTimersOfANewSlimeCountFromOk) {
    startUp([this](QWidget* dialog) {
        auto* naming = qobject_cast<NamingDialog*>(dialog);
        ASSERT_NE(naming, nullptr);
        naming->Text1->insert("ぷよ");
        now = 3000;  // the player took three seconds to choose
        naming->button1->click();
    });
    ASSERT_TRUE(game->world().controls.slimeVisible);
    // The slime's first move comes 700 ms after OK, its room's pace at 50 degrees; nothing fires
    // at the moment of OK.
    EXPECT_EQ(game->scheduler().nextDue(), std::optional<Millis>(3700));
}

}  // namespace
}  // namespace zupel::testing
