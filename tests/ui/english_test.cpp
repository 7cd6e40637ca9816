// The game in English: every text of every window and dialog, the slime's own words, the letters
// a save file cannot hold, and the switch back to the exact Japanese.
#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolButton>
#include <QToolTip>
#include <functional>

#include "end_dialog.h"
#include "freeze_dialog.h"
#include "help_window.h"
#include "language.h"
#include "naming_dialog.h"
#include "options_dialog.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

// Every text a window shows or tells a screen reader, but the slime's passing news and the
// language menu's 日本語; and those that are still Japanese, joined.
std::pair<QStringList, QString> textsOf(QWidget* window) {
    static const QRegularExpression japanese(
        "[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]");
    QStringList texts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        texts << (w->isWindow() ? w->windowTitle() : "") << w->toolTip() << w->accessibleName()
              << (w->objectName() != "announcer" ? w->accessibleDescription() : "");
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    }
    for (QAction* action : window->findChildren<QAction*>()) texts << action->text();
    texts.removeAll("");
    texts.removeAll("日本語");
    return {texts,
            (texts.isEmpty() ? QStringList{"(no texts)"} : texts.filter(japanese)).join('|')};
}

class English : public UiTest {
protected:
    void SetUp() override {
        store().clear();
        PetRecord pet = slimeSavedToday();
        pet.name = "Puyo      ";  // the one Japanese left would be the slime's name
        storeSlime(pet);
        startUp();
    }
    void TearDown() override {
        speak(Language::japanese);
        UiTest::TearDown();
        store().clear();
    }
};

TEST_F(English, TheMenuSwitchesEveryTextAtOnceAndBackToTheSameJapanese) {
    game->world().controls.button3Caption = "やめる";  // a caption and a status line of the game
    game->world().controls.infobox = "元気です";
    driver->sync();
    const QStringList japanese = textsOf(form.get()).first;
    ASSERT_TRUE(japanese.contains("餌をやる") && japanese.contains("元気です"));

    form->english->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(store().value("setting/language").toString(), "en");
    EXPECT_TRUE(form->english->isChecked());
    const auto [english, left] = textsOf(form.get());
    EXPECT_EQ(left.toStdString(), "");
    EXPECT_TRUE(english.contains("Feed") && english.contains("It is well") &&
                english.contains("Stop") && english.contains("&File"));

    form->japanese->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(store().value("setting/language").toString(), "ja");
    EXPECT_EQ(textsOf(form.get()).first, japanese);  // byte for byte as before

    // A choice the settings cannot keep is spoken all the same, and the player is told.
    QFile::remove(store().fileName());
    QDir().mkpath(store().fileName());
    QString report;
    whenDialogOpens([&report](QWidget* box) {
        report = textsOf(box).first.join('\n');
        box->close();
    });
    form->english->trigger();
    QDir().rmdir(store().fileName());
    EXPECT_TRUE(report.contains("The language could not be written")) << report.toStdString();
    EXPECT_EQ(spokenLanguage(), Language::english);
}

// The slime's own words and every window (the message boxes have a test of their own); a letter
// code page 932 lacks never enters a box whose text the slime keeps, and the box says so.
TEST_F(English, EveryWindowAndTheSlimeSpeakEnglish) {
    speak(Language::english);
    QCoreApplication::processEvents();  // the windows hear of it as an event
    game->world().controls.wordbox = asHeld("ぷよ  ") + own("は") + asHeld("  もち") + own("？");
    driver->sync();
    EXPECT_EQ(form->wordbox->text(), "ぷよ  is  もち?");  // the words it learned as typed
    game->world().controls.wordbox = own("あそんで あそんで");
    driver->sync();
    EXPECT_EQ(form->wordbox->text(), "Pway! Pway!");

    form->button3->click();   // talk
    QInputMethodEvent typed;  // as an input method or a compose key hands them over
    typed.setCommitString("na\u00efve\U0001F600");
    QApplication::sendEvent(form->wordinbox, &typed);
    EXPECT_EQ(form->wordinbox->text(), "nave");
    EXPECT_EQ(game->world().controls.wordinboxText, "nave");  // the game never saw the letters
    EXPECT_TRUE(QToolTip::text().contains("\u00ef") && QToolTip::text().contains("left out"))
        << QToolTip::text().toStdString();

    const std::function<QWidget*()> windows[] = {
        [] { return new NamingDialog; },
        [this] { return new FreezeDialog(QIcon(), form.get()); },
        [] { return new EndDialogWindow(EndDialog::starved); },
        [] { return new EndDialogWindow(EndDialog::badEnvironment); },
        [] { return new EndDialogWindow(EndDialog::died); },
        [this] { return new OptionsDialog(game->world().optionform, {}, {}, form.get()); },
        [] { return new HelpWindow; },
    };
    for (const auto& make : windows) {
        std::unique_ptr<QWidget> window(make());
        EXPECT_EQ(textsOf(window.get()).second.toStdString(), "")
            << window->metaObject()->className();
    }
}

}  // namespace
}  // namespace zupel::testing
