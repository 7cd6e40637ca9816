// The window on today's desktops: a dark theme, Qt's own Japanese, what a screen reader hears,
// and the name box that stops where the record does.
#include <QAccessible>
#include <QColorDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "naming_dialog.h"
#include "options_dialog.h"
#include "qt_translations.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

using Desktop = UiTest;

// The darkest pixel of a widget's picture: its text, if it shows any.
int darkestLightness(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, image.pixelColor(x, y).lightness());
    return darkest;
}

TEST_F(Desktop, UnderADarkThemeTheTextOnTheGamesOwnBackgroundsStaysDark) {
    const QPalette light = QApplication::palette();
    QPalette dark = light;  // near-white text on near-black, as Adwaita dark or Breeze Dark
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(0x35, 0x35, 0x35)},
                                {QPalette::Base, QColor(0x2a, 0x2a, 0x2a)},
                                {QPalette::Button, QColor(0x45, 0x45, 0x45)},
                                {QPalette::WindowText, QColor(0xee, 0xee, 0xee)},
                                {QPalette::Text, QColor(0xee, 0xee, 0xee)},
                                {QPalette::ButtonText, QColor(0xee, 0xee, 0xee)}})
        dark.setColor(role, colour);
    QApplication::setPalette(dark);
    storeSlime(slimeSavedToday(25, 50));
    startUp();
    form->button3->click();
    QTest::keyClicks(form->wordinbox, "Hello");
    form->wordbox->setText("こんにちは");
    // Kept for a look: build-test/tests/ui/dark_theme.png.
    form->grab().save("dark_theme.png");

    QLabel* mark50 = nullptr;
    for (QLabel* label : form->centralWidget()->findChildren<QLabel*>())
        if (label->text() == "50" && label != form->ondobox) mark50 = label;
    ASSERT_NE(mark50, nullptr);
    for (QWidget* text : {static_cast<QWidget*>(mark50), static_cast<QWidget*>(form->wordinbox),
                          static_cast<QWidget*>(form->wordbox)}) {
        EXPECT_LT(darkestLightness(text), 100) << text->objectName().toStdString();
    }
    // The menus and buttons are the theme's, not ours.
    EXPECT_EQ(form->menuBar()->palette().color(QPalette::Window), dark.color(QPalette::Window));
    EXPECT_EQ(form->button1->palette().color(QPalette::Button), dark.color(QPalette::Button));
    QApplication::setPalette(light);
}

TEST_F(Desktop, QtsOwnChoosersSpeakJapanese) {
    ASSERT_TRUE(installQtTranslations()) << "Debian's qt6-translations-l10n has qtbase_ja.qm";
    QColorDialog chooser;
    QStringList texts;
    for (QLabel* label : chooser.findChildren<QLabel*>()) texts << label->text();
    for (QPushButton* button : chooser.findChildren<QPushButton*>()) texts << button->text();
    const QString all = texts.join('|');
    EXPECT_FALSE(all.contains("Basic colors")) << all.toStdString();
    EXPECT_FALSE(all.contains("Cancel")) << all.toStdString();
    EXPECT_TRUE(all.contains("キャンセル")) << all.toStdString();
}

// Every control the player can reach, and every text the window shows, has a name.
void expectNamed(QAccessibleInterface* node, QStringList& nameless) {
    const QAccessible::Role role = node->role();
    // A bare client area with nothing inside is the room; one with children only holds them.
    const bool control = role == QAccessible::PushButton || role == QAccessible::Slider ||
                         role == QAccessible::EditableText || role == QAccessible::MenuItem ||
                         role == QAccessible::StaticText ||
                         (role == QAccessible::Client && node->childCount() == 0);
    QWidget* widget = qobject_cast<QWidget*>(node->object());
    const bool blankText =
        role == QAccessible::StaticText && node->text(QAccessible::Name).isEmpty() && widget &&
        qobject_cast<QLabel*>(widget) && qobject_cast<QLabel*>(widget)->text().isEmpty() &&
        widget->accessibleName().isEmpty() &&
        widget->objectName().isEmpty();  // a frame with nothing to say
    if (control && !blankText && node->text(QAccessible::Name).trimmed().isEmpty())
        nameless << QString("%1 %2").arg(node->object()->metaObject()->className()).arg(role);
    for (int i = 0; i < node->childCount(); ++i) expectNamed(node->child(i), nameless);
}

TEST_F(Desktop, AScreenReaderHearsEveryControlTheTemperatureInDegreesAndEachChange) {
    storeSlime(slimeSavedToday(25, 50));
    startUp();
    QStringList nameless;
    expectNamed(QAccessible::queryAccessibleInterface(form.get()), nameless);
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(", ").toStdString();

    QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(form->Slider1);
    ASSERT_NE(slider->valueInterface(), nullptr);
    EXPECT_EQ(slider->text(QAccessible::Name), "温度");
    EXPECT_EQ(slider->valueInterface()->currentValue().toInt(), 50);
    EXPECT_EQ(slider->valueInterface()->maximumValue().toInt(), 100);
    EXPECT_EQ(slider->valueInterface()->minimumStepSize().toInt(), 10);
    slider->valueInterface()->setCurrentValue(30);  // as the player's screen reader sets it
    EXPECT_EQ(game->world().pet.ondo, 30);
    EXPECT_EQ(slider->text(QAccessible::Value), "30℃");

    // What the slime says and how it is doing reach the reader as the descriptions of the
    // speech line, the status line and the whole panel (each change is an accessible event).
    Controls next = game->world().controls;
    next.wordbox = "おなかすいた";
    next.infobox = "餌が必要です";
    form->render(next);
    EXPECT_EQ(form->wordbox->accessibleDescription(), "おなかすいた");
    EXPECT_EQ(form->infobox->accessibleDescription(), "餌が必要です");
    EXPECT_TRUE(form->statusPanel->accessibleDescription().contains("餌が必要です"));
    EXPECT_TRUE(form->statusPanel->accessibleDescription().contains("温度：30℃"));
}

TEST_F(Desktop, TheNameBoxTakesNoMoreThanTheRecordKeeps) {
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"ぷるるちゃん", "ぷるるちゃ"},  // five Japanese characters fill the ten bytes
        {"abcdefghijkl", "abcdefghij"},
        {"abあいうえお", "abあいうえ"},
        {"abcdefghiあ", "abcdefghi"},  // the last character would need two bytes, one is left
        {"ぷよ", "ぷよ"},
    };
    for (const auto& c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        NamingDialog keys;  // typed character by character
        for (const QChar ch : typed) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(keys.Text1, &key);
        }
        EXPECT_EQ(keys.Text1->text(), QString::fromUtf8(c.kept)) << c.typed;
        NamingDialog composed;  // committed at once by the input method
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QApplication::sendEvent(composed.Text1, &commit);
        EXPECT_EQ(composed.Text1->text(), QString::fromUtf8(c.kept)) << c.typed;
    }
    // Typing into the middle of a full name changes nothing.
    NamingDialog full;
    full.Text1->setText("ぷるるちゃ");
    full.Text1->setCursorPosition(2);
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, "x");
    QApplication::sendEvent(full.Text1, &key);
    EXPECT_EQ(full.Text1->text(), "ぷるるちゃ");
    EXPECT_EQ(full.Text1->cursorPosition(), 2);
}

TEST_F(Desktop, EnterInThePicturePathPressesOk) {
    storeSlime(slimeSavedToday(25, 50));
    startUp();
    bool chooserOpened = false;
    whenDialogOpens([&](QWidget* modal) {
        auto* d = qobject_cast<OptionsDialog*>(modal);
        ASSERT_NE(d, nullptr);
        d->Command1->setFocus();  // the browse button had the keyboard once
        d->Text1->setFocus();
        QTest::keyClicks(d->Text1, "/no/such/picture.png");
        // A file chooser opened by the key is turned away at once.
        QTimer::singleShot(50, form.get(), [&chooserOpened, d] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == d) return;
            chooserOpened = true;
            qobject_cast<QDialog*>(modal)->reject();
        });
        QTest::keyClick(d->Text1, Qt::Key_Return);
        if (d->isVisible()) d->Command2->click();
    });
    form->Command1->click();
    wait(100);
    EXPECT_FALSE(chooserOpened);
    EXPECT_FALSE(game->world().optionform.visible) << "OK closed the dialog";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace zupel::testing
