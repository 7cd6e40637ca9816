// Start-up through the real dialogs: naming a new slime, the end dialogs, quitting, closing,
// and a save folder the game cannot use.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "calendar.h"
#include "end_dialog.h"
#include "naming_dialog.h"
#include "save_files.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

using StartUpFlow = UiTest;

TEST_F(StartUpFlow, TheNamingDialogWaitsForANameAndEnterOnlyMovesToOk) {
    NamingDialog dialog;
    EXPECT_EQ(dialog.size(), QSize(282, 57));
    EXPECT_TRUE(dialog.windowTitle().trimmed().isEmpty()) << "its title bar shows nothing";
    EXPECT_FALSE(dialog.button1->isEnabled());
    EXPECT_EQ(dialog.button1->text(), "OK");
    EXPECT_EQ(dialog.button2->text(), "CANCEL");
    EXPECT_EQ(dialog.findChild<QLabel*>()->text(),
              "これから育てるスライムに名前をつけてあげて下さい");

    std::optional<std::string> answer = "untouched";
    whenDialogOpens([&](QWidget*) {
        QTest::keyClick(dialog.Text1, Qt::Key_Return);  // empty: nothing happens
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.Text1->hasFocus());
        QTest::keyClicks(dialog.Text1, "a");
        EXPECT_TRUE(dialog.button1->isEnabled());
        QTest::keyClick(dialog.Text1, Qt::Key_Backspace);
        EXPECT_FALSE(dialog.button1->isEnabled());
        dialog.Text1->setText("スライム二号");
        QTest::keyClick(dialog.Text1, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << "Enter in the text box must not name the slime";
        EXPECT_TRUE(dialog.button1->hasFocus());
        QTest::keyClick(dialog.button1, Qt::Key_Return);
    });
    answer = dialog.ask();
    EXPECT_EQ(answer, std::optional<std::string>("スライム二号"));
}

TEST_F(StartUpFlow, ClosingTheNamingDialogAnyOtherWayEndsWithNothingWritten) {
    startUp([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_TRUE(ended);
    EXPECT_EQ(readFile("data.sura").size(), 0u);
    EXPECT_EQ(readFile("big.sura").size(), 0u);
    EXPECT_FALSE(game->world().controls.slimeVisible);
}

TEST_F(StartUpFlow, ANewSlimeIsShownWithItsNameAndQuittingSavesIt) {
    startUp([](QWidget* dialog) {
        auto* naming = qobject_cast<NamingDialog*>(dialog);
        ASSERT_NE(naming, nullptr);
        naming->Text1->insert("すらいむ");  // as an input method would commit it
        naming->button1->click();
    });
    EXPECT_FALSE(ended);
    EXPECT_EQ(form->namebox->text(), "すらいむ      ");
    EXPECT_EQ(form->agebox->text(), "1");
    EXPECT_EQ(form->ondobox->text(), "50");
    EXPECT_EQ(readFile("big.sura"), (Bytes{10, 0}));
    EXPECT_EQ(decodePet(readFile("data.sura"), codec).state, PetState::kLiving);

    form->Command2->click();
    EXPECT_TRUE(ended);
    const Bytes data = readFile("data.sura");
    ASSERT_EQ(data.size(), 32u);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 10),
              (Bytes{0x82, 0xB7, 0x82, 0xE7, 0x82, 0xA2, 0x82, 0xDE, 0x20, 0x20}));
    const PetRecord saved = decodePet(data, codec);
    EXPECT_EQ(saved.state, PetState::kLiving);
    EXPECT_EQ(saved.lastdate, todayAsDayNumber());
}

TEST_F(StartUpFlow, ASavedSlimeComesBackAndTheTitleBarCloseSavesIt) {
    storeSlime(slimeSavedToday(), 20);
    startUp();
    EXPECT_EQ(form->namebox->text(), "ぷよ        ");
    EXPECT_EQ(form->agebox->text(), "12");
    EXPECT_EQ(form->ondobox->text(), "60");
    EXPECT_EQ(form->Slider1->value(), 6);
    EXPECT_EQ(game->world().controls.slime.width, 20);

    form->close();
    EXPECT_TRUE(ended);
    EXPECT_EQ(decodePet(readFile("data.sura"), codec).state, PetState::kLiving);
    EXPECT_EQ(readFile("big.sura"), (Bytes{20, 0}));
}

TEST_F(StartUpFlow, AStarvedSlimeIsAnnouncedAndItsFilesDeleted) {
    PetRecord pet = slimeSavedToday(3);
    pet.lastdate -= 10;
    storeSlime(pet, 12);
    QString message;
    QSize size;
    startUp([&](QWidget* dialog) {
        auto* end = qobject_cast<EndDialogWindow*>(dialog);
        ASSERT_NE(end, nullptr);
        message = end->Label1->text();
        size = end->size();
        EXPECT_EQ(end->Command1->text(), "END");
        QTest::keyClick(end, Qt::Key_Return);  // END is the default button
    });
    EXPECT_EQ(message, "何日もほったらかしにしていたので､あなたのスライムは餓死してしまいました");
    EXPECT_EQ(size, QSize(217, 74));
    EXPECT_TRUE(ended);
    EXPECT_FALSE(exists("data.sura") || exists("word.sura") || exists("big.sura"));
}

TEST_F(StartUpFlow, ASlimeLeftInABadStateEndsTheGameWhicheverWayTheDialogCloses) {
    PetRecord pet = slimeSavedToday();
    pet.condition = Condition::kHungry;
    storeSlime(pet);
    QString message;
    startUp([&](QWidget* dialog) {
        message = qobject_cast<EndDialogWindow*>(dialog)->Label1->text();
        dialog->close();  // not END: the same ending all the same
    });
    EXPECT_EQ(message, "劣悪な環境下においていたので、あなたのスライムは死んでしまいました");
    EXPECT_TRUE(ended);
    EXPECT_FALSE(exists("data.sura") || exists("word.sura") || exists("big.sura"));
}

TEST_F(StartUpFlow, ASaveFolderThatCannotBeUsedIsReportedWithTheFileAndReason) {
    build(folder.filePath("no-such-folder"));
    startUp();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("data.sura"), std::string::npos);
    EXPECT_NE(failures[0].find("open"), std::string::npos);
    EXPECT_NE(failures[0].find("No such file or directory"), std::string::npos);
    // Nothing runs after the failure.
    form->Command2->click();
    EXPECT_FALSE(ended);
}

}  // namespace
}  // namespace zupel::testing
