// SIGTERM, SIGHUP and SIGINT end the game as the window close does, through the event loop;
// dialogs open at that moment close as the player would close them.
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "calendar.h"
#include "end_signals.h"
#include "naming_dialog.h"
#include "save_files.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

class EndingFromOutside : public UiTest {
protected:
    std::unique_ptr<EndSignals> signals_;

    // Wired as the program wires it.
    void listen() {
        signals_ = std::make_unique<EndSignals>([this] { driver->closeFromOutside(); });
    }
    void TearDown() override {
        signals_.reset();
        UiTest::TearDown();
    }
    bool waitForEnd() {
        return QTest::qWaitFor([this] { return ended; }, 5000);
    }
};

TEST_F(EndingFromOutside, EachSignalSavesTheSlimeAsTheWindowCloseDoes) {
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(number);
        PetRecord pet = slimeSavedToday(12);
        pet.lastdate -= 2;  // the catch-up ages it and dates it today; the close keeps that
        storeSlime(pet, 20);
        build();
        listen();
        startUp();
        ::raise(number);
        ASSERT_TRUE(waitForEnd());
        const PetRecord saved = decodePet(readFile("data.sura"), codec);
        EXPECT_EQ(saved.state, PetState::kLiving);
        EXPECT_EQ(saved.age, 14);
        EXPECT_EQ(saved.lastdate, todayAsDayNumber());
        EXPECT_EQ(readFile("big.sura"), (Bytes{20, 0}));
        TearDown();
        ended = false;
    }
}

TEST_F(EndingFromOutside, AHangUpIgnoredAtTheStartStaysIgnored) {
    struct sigaction ignore = {}, before = {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGHUP, &ignore, &before);  // as nohup starts the game
    storeSlime(slimeSavedToday(12), 20);
    build();
    listen();
    startUp();
    ::raise(SIGHUP);
    wait(300);
    EXPECT_FALSE(ended) << "the terminal closed under nohup: the game goes on";
    signals_.reset();
    struct sigaction after = {};
    ::sigaction(SIGHUP, &before, &after);
    EXPECT_EQ(after.sa_handler, SIG_IGN) << "and it stays ignored once the game has gone";
}

TEST_F(EndingFromOutside, ASignalWhileNamingCancelsTheNamingAndWritesNothing) {
    build();
    listen();
    bool closed = false;
    startUp([&](QWidget* dialog) {
        qobject_cast<NamingDialog*>(dialog)->Text1->insert("ぷよ");
        ::raise(SIGTERM);
        closed = QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, 5000);
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(ended);
    EXPECT_EQ(readFile("data.sura").size(), 0u);
    EXPECT_EQ(readFile("big.sura").size(), 0u);
}

TEST_F(EndingFromOutside, AHandlerWaitingOnADialogFinishesBeforeTheSave) {
    storeSlime(slimeSavedToday(12), 20);
    build();
    listen();
    startUp();
    bool endedInsideTheHandler = true;
    driver->call([&] {
        QMessageBox box(QMessageBox::Information, "ZUPEL", "…", QMessageBox::Ok);
        QTimer::singleShot(50, [] { ::raise(SIGTERM); });
        box.exec();
        endedInsideTheHandler = ended || game->ended();
    });
    EXPECT_FALSE(endedInsideTheHandler) << "the save must wait until the handler has returned";
    EXPECT_TRUE(ended);
    EXPECT_EQ(decodePet(readFile("data.sura"), codec).state, PetState::kLiving);
    EXPECT_EQ(readFile("big.sura"), (Bytes{20, 0}));
}

}  // namespace
}  // namespace zupel::testing
