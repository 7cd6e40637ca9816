// The window on today's desktops: a dark theme, Qt's own Japanese, what a screen reader hears,
// and the name box that stops where the record does.
#include <QAccessible>
#include <QColorDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "language.h"
#include "naming_dialog.h"
#include "qt_translations.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

class Desktop : public UiTest {
protected:
    void SetUp() override {
        storeSlime(slimeSavedToday(25, 50));
        startUp();
    }
};

int darkestLightness(QWidget* widget) {  // of its text, if it shows any
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
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(0x35, 0x35, 0x35));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    QApplication::setPalette(dark);
    QApplication::processEvents();  // the theme reaches every widget
    form->button3->click();
    QTest::keyClicks(form->wordinbox, "Hello");
    form->grab().save("dark_theme.png");  // build-test/tests/ui/, for a look
    QLabel* mark50 = nullptr;             // the slider's middle scale number
    for (QLabel* label : form->centralWidget()->findChildren<QLabel*>())
        if (label->text() == "50" && label != form->ondobox) mark50 = label;
    EXPECT_LT(darkestLightness(mark50), 100);
    EXPECT_LT(darkestLightness(form->wordinbox), 100);
    EXPECT_EQ(form->button1->palette().color(QPalette::Button), QColor(0x35, 0x35, 0x35))
        << "the buttons follow the theme";
    QApplication::setPalette(light);
}

TEST_F(Desktop, QtsOwnChoosersSpeakTheGamesLanguage) {
    for (const auto& [language, cancel] :
         {std::pair{Language::english, "Cancel"}, std::pair{Language::japanese, "キャンセル"}}) {
        ASSERT_TRUE(installQtTranslations(language))
            << "Debian's qt6-translations-l10n has qtbase_ja.qm";
        QColorDialog chooser;
        QStringList texts;
        for (QPushButton* button : chooser.findChildren<QPushButton*>()) texts << button->text();
        EXPECT_TRUE(texts.contains(cancel)) << texts.join('|').toStdString();
    }
}

// The controls, and the texts the window shows, that have no name for a screen reader.
void collectNameless(QAccessibleInterface* node, QStringList& nameless) {
    const QAccessible::Role role = node->role();
    auto* label = qobject_cast<QLabel*>(node->object());
    const bool blank = label && label->text().isEmpty() && label->objectName().isEmpty();
    const bool shown = role == QAccessible::PushButton || role == QAccessible::Slider ||
                       role == QAccessible::EditableText || role == QAccessible::MenuItem ||
                       (role == QAccessible::StaticText && !blank) ||
                       (role == QAccessible::Client && node->childCount() == 0);  // the room
    if (shown && node->text(QAccessible::Name).trimmed().isEmpty())
        nameless << node->object()->metaObject()->className();
    for (int i = 0; i < node->childCount(); ++i) collectNameless(node->child(i), nameless);
}

TEST_F(Desktop, AScreenReaderHearsEveryControlTheTemperatureInDegreesAndEachChange) {
    QStringList nameless;
    collectNameless(QAccessible::queryAccessibleInterface(form.get()), nameless);
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(", ").toStdString();

    QAccessibleValueInterface* slider =
        QAccessible::queryAccessibleInterface(form->Slider1)->valueInterface();
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->currentValue().toInt(), 50);
    slider->setCurrentValue(30);  // as the player's screen reader sets it
    EXPECT_EQ(game->world().pet.ondo, 30);

    // What the slime says and how it is doing reach the reader as descriptions, each change
    // an accessible event.
    Controls next = game->world().controls;
    next.wordbox = own("おなかすいた");
    next.infobox = "餌が必要です";
    form->render(next);
    EXPECT_EQ(form->wordbox->accessibleDescription(), "おなかすいた");
    EXPECT_EQ(form->infobox->accessibleDescription(), "餌が必要です");
    EXPECT_EQ(form->statusPanel->accessibleDescription(),
              "名前：ぷよ、年齢：25日、温度：30℃、餌が必要です");
}

TEST_F(Desktop, TheNameBoxTakesNoMoreThanTheRecordKeeps) {
    const std::pair<QString, QString> typedAndKept[] = {
        {"ぷるるちゃん", "ぷるるちゃ"},
        {"abcdefghijkl", "abcdefghij"},
        {"abcdefghiあ", "abcdefghi"},  // one byte left; the character needs two
        {"ぷよ", "ぷよ"},
        {"café", "caf"},                         // a letter the record's character set cannot hold
        {"ぷ\tよ\r\n\x01\x7f\u2028!", "ぷよ!"},  // no control characters, tabs or line breaks
        {"   ", "   "},                          // a name of blanks is a name
        {QString(32767, 'x'), "xxxxxxxxxx"},     // a whole page pasted answers at once
        {QString("ぷ").repeated(32767), "ぷぷぷぷぷ"},
    };
    for (const auto& [typed, kept] : typedAndKept) {
        NamingDialog dialog;
        QInputMethodEvent commit;  // the input method hands over the whole word at once
        commit.setCommitString(typed);
        QApplication::sendEvent(dialog.Text1, &commit);
        EXPECT_EQ(dialog.Text1->text(), kept) << typed.toStdString();
    }
}

}  // namespace
}  // namespace zupel::testing
