// The player's side through the real widgets: the word entry and its Enter key, the pointer
// over the slime and the room, a click on the slime, and the game's texts shown as typed.
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

class PlayerControls : public UiTest {
protected:
    // A slime that says nothing on its own (it counts no words), with "ことば" waiting in the
    // word file's first record.
    void startWithASlime(int16_t age = 3) {
        storeSlime(slimeSavedToday(age));
        startUp();
    }
    QPointF slimeCentre() {
        const SlimeRect& s = game->world().controls.slime;
        return {s.left + s.width / 2, s.top + s.height / 2};
    }
    static void moveOver(QWidget* widget, QPointF at = {1, 1}) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    // Japanese arrives as the input method's committed text.
    void typeThroughInputMethod(const QString& text) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(form->wordinbox, &commit);
    }
    bool showsArrow() { return form->cursor().shape() == Qt::ArrowCursor; }
};

TEST_F(PlayerControls, EnterInTheEntryPressesOkOnlyWhileItCanBePressed) {
    startWithASlime();
    QSignalSpy presses(form->wordbutton, &QPushButton::clicked);
    form->button3->click();
    ASSERT_TRUE(form->wordinbox->isEnabled());
    EXPECT_EQ(form->focusWidget(), form->wordinbox);  // ready to type into

    QTest::keyClick(form->wordinbox, Qt::Key_Return);  // nothing typed: OK is disabled
    EXPECT_EQ(presses.count(), 0);

    typeThroughInputMethod("ことば");
    EXPECT_TRUE(form->wordbutton->isEnabled());
    QTest::keyClick(form->wordinbox, Qt::Key_Return);
    EXPECT_EQ(presses.count(), 1);
    EXPECT_EQ(form->wordbox->text(), "ことば");  // known: repeated
    EXPECT_EQ(form->wordinbox->text(), "");
    EXPECT_FALSE(form->wordbutton->isEnabled());
    EXPECT_EQ(form->focusWidget(), form->wordinbox);

    QTest::keyClicks(form->wordinbox, "x");
    QTest::keyClick(form->wordinbox, Qt::Key_Backspace);  // emptied by hand
    QTest::keyClick(form->wordinbox, Qt::Key_Enter);
    EXPECT_EQ(presses.count(), 1);
}

TEST_F(PlayerControls, ThePointerIsAHandOverTheSlimeAndTheToyWhilePlaying) {
    startWithASlime();
    moveOver(form->Picture1, slimeCentre());
    EXPECT_EQ(form->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(form->cursor().hotSpot(), QPoint(2, 2));  // the fingertip
    moveOver(form->Picture1, {150.5, 3.5});
    EXPECT_TRUE(showsArrow());
    EXPECT_EQ(game->world().mousex, 150);
    EXPECT_EQ(game->world().mousey, 24);

    for (QWidget* off : {static_cast<QWidget*>(form->wordbox), form->centralWidget()}) {
        moveOver(form->Picture1, slimeCentre());
        ASSERT_FALSE(showsArrow());
        moveOver(off);
        EXPECT_TRUE(showsArrow()) << off->objectName().toStdString();
    }

    form->button2->click();
    const QCursor toy = form->cursor();
    EXPECT_EQ(toy.shape(), Qt::BitmapCursor);
    EXPECT_EQ(toy.hotSpot(), QPoint(9, 2));
    moveOver(form->Picture1, slimeCentre());
    moveOver(form->wordbox);
    EXPECT_EQ(form->cursor().pixmap().toImage(), toy.pixmap().toImage());
}

TEST_F(PlayerControls, ClickingTheSlimeGetsAnAnswer) {
    startWithASlime();
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, QPoint(2, 2));  // the bare room
    EXPECT_EQ(form->wordbox->text(), "");
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, slimeCentre().toPoint());
    EXPECT_EQ(form->wordbox->text(), "くすぐったい");
}

TEST_F(PlayerControls, TheGamesTextsAreShownAsTyped) {
    PetRecord pet = slimeSavedToday();
    pet.name = "<b>ab</b> ";
    storeSlime(pet);
    startUp();
    for (QLabel* label :
         {form->namebox, form->agebox, form->ondobox, form->infobox, form->wordbox}) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
    EXPECT_EQ(form->namebox->text(), "<b>ab</b> ");

    const auto widthOf = [&](const char* said) {
        game->world().controls.wordbox = said;
        driver->sync();
        return form->wordbox->sizeHint().width();
    };
    // Neither markup nor its collapsing of blanks.
    EXPECT_GT(widthOf("<i>a     b</i>"), widthOf("<i>a b</i>"));
}

}  // namespace
}  // namespace zupel::testing
