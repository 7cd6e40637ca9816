// The slime's life through the real widgets: a feeding, and a room left too cold.
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "end_dialog.h"
#include "room_view.h"
#include "save_files.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

class LifeInWindow : public UiTest {
protected:
    void startWithASlime(int16_t age, int16_t ondo) {
        storeSlime(slimeSavedToday(age, ondo));
        startUp();
    }
    // Lets game time pass as the program's timer would, without waiting for it.
    void play(Millis ms) {
        driver->call([&] { game->scheduler().advanceBy(ms); });
    }
    QImage room() { return form->Picture1->grab().toImage(); }
};

TEST_F(LifeInWindow, FeedingShowsJoyHopsThreeTimesAndSettles) {
    startWithASlime(2, 50);
    play(1000);
    ASSERT_EQ(form->infobox->text(), "元気です");
    // Feed it between two of its own animations, so the hop starts from the ground.
    for (int i = 0; i < 100 && game->world().movestep != 0; ++i) play(50);
    ASSERT_EQ(game->world().movestep, 0);

    form->button1->click();
    EXPECT_EQ(form->infobox->text(), "喜んでいます");
    EXPECT_TRUE(form->button2->isEnabled() && form->button3->isEnabled());
    EXPECT_FALSE(game->scheduler().enabled(TimerId::movetimer));

    // The hop: in the air, then back on the ground, on successive half seconds.
    std::vector<int> frames;
    std::vector<QImage> pictures;
    for (int i = 0; i < 3; ++i) {
        play(500);
        frames.push_back(game->world().controls.slimeFrame);
        pictures.push_back(room());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 1}));
    EXPECT_NE(pictures[1], pictures[2]) << "the window must show the slime in the air";
    EXPECT_TRUE(game->scheduler().enabled(TimerId::movetimer));
    play(2000);
    EXPECT_EQ(form->infobox->text(), "元気です");
}

TEST_F(LifeInWindow, ARoomLeftAtZeroDegreesKillsTheSlimeAboutAMinuteLater) {
    startWithASlime(2, 50);  // too young for the animations that pause the status tick
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->move(100, 80);         // the player moves the window once it is on the screen
    form->Slider1->setValue(0);  // as the player drags it to the top
    EXPECT_EQ(form->ondobox->text(), "0");
    play(1000);
    EXPECT_EQ(form->infobox->text(), "弱っています");
    EXPECT_FALSE(form->button1->isEnabled());

    struct Seen {
        bool opened = false;
        QPoint at;
        QString message;
        bool buttonsDisabled = false;
        int frame = 0;
    } seen;
    whenDialogOpens([&](QWidget* dialog) {
        auto* end = qobject_cast<EndDialogWindow*>(dialog);
        ASSERT_NE(end, nullptr);
        seen.opened = true;
        seen.at = end->pos();
        seen.message = end->Label1->text();
        seen.buttonsDisabled = !form->button1->isEnabled() && !form->button2->isEnabled() &&
                               !form->button3->isEnabled() && !form->button4->isEnabled();
        seen.frame = game->world().controls.slimeFrame;
        end->Command1->click();
    });
    // The countdown's five ticks of ten seconds, started by the first status tick.
    Millis waited = 0;
    for (; waited < 120000 && !seen.opened; waited += 1000) play(1000);
    ASSERT_TRUE(seen.opened);
    EXPECT_GE(waited, 50000);
    EXPECT_LE(waited, 52000);
    EXPECT_EQ(seen.message, "あなたのスライムは死んでしまいました");
    EXPECT_EQ(seen.at, form->frameGeometry().topLeft() + QPoint(227, 145));  // 3405, 2175 twips
    EXPECT_TRUE(seen.buttonsDisabled);
    EXPECT_EQ(seen.frame, 11);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(exists("data.sura"));
    EXPECT_FALSE(exists("word.sura"));
    EXPECT_EQ(readFile("big.sura"), (Bytes{32, 0}));
}

}  // namespace
}  // namespace zupel::testing
