// The player's side through the real widgets: Enter in the word entry, the pointer over the
// slime and off it, a click on the slime, and the game's texts shown as typed.
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "room_view.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

// A three-day-old slime that counts no words, with "ことば" waiting in its word file.
class PlayerControls : public UiTest {
protected:
    void SetUp() override {
        storeSlime(slimeSavedToday(3));
        startUp();
    }
    QPoint slime() {
        const SlimeRect& s = game->world().controls.slime;
        return QPointF(s.left + s.width / 2, s.top + s.height / 2).toPoint();
    }
    static void moveOver(QWidget* widget, QPoint at = {1, 1}) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
};

TEST_F(PlayerControls, EnterInTheEntryPressesOkOnlyWhileItCanBePressed) {
    QSignalSpy presses(form->wordbutton, &QPushButton::clicked);
    form->button3->click();
    EXPECT_EQ(form->focusWidget(), form->wordinbox);  // ready to type into
    QTest::keyClick(form->wordinbox, Qt::Key_Return);
    EXPECT_EQ(presses.count(), 0);

    QInputMethodEvent typed;  // Japanese arrives as the input method's committed text
    typed.setCommitString("ことば");
    QApplication::sendEvent(form->wordinbox, &typed);
    QTest::keyClick(form->wordinbox, Qt::Key_Return);
    EXPECT_EQ(presses.count(), 1);
    EXPECT_EQ(form->wordbox->text(), "ことば");  // known: repeated
    EXPECT_EQ(form->wordinbox->text(), "");
    EXPECT_FALSE(form->wordbutton->isEnabled());
}

TEST_F(PlayerControls, ThePointerIsAHandOverTheSlimeAndTheToyWhilePlaying) {
    for (QWidget* off :
         std::initializer_list<QWidget*>{form->Picture1, form->wordbox, form->centralWidget()}) {
        moveOver(form->Picture1, slime());
        EXPECT_EQ(form->cursor().hotSpot(), QPoint(2, 2));  // the hand's fingertip
        moveOver(off);
        EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor) << off->objectName().toStdString();
    }
    form->button2->click();
    moveOver(form->Picture1, slime());
    EXPECT_EQ(form->cursor().hotSpot(), QPoint(9, 2));  // the top of the toy's string
}

TEST_F(PlayerControls, ClickingTheSlimeGetsAnAnswer) {
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, QPoint(2, 2));  // the bare room
    EXPECT_EQ(form->wordbox->text(), "");
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, slime());
    EXPECT_EQ(form->wordbox->text(), "くすぐったい");
}

TEST_F(PlayerControls, TheGamesTextsAreShownAsTyped) {
    const auto widthOf = [&](QLabel* label, const char* text) {
        game->world().controls.namebox = text;
        game->world().controls.wordbox = asHeld(text);
        driver->sync();
        return label->sizeHint().width();
    };
    for (QLabel* label : {form->namebox, form->wordbox}) {
        EXPECT_GT(widthOf(label, "<i>a    b</i>"), widthOf(label, "<i>a b</i>"));
    }
}

}  // namespace
}  // namespace zupel::testing
