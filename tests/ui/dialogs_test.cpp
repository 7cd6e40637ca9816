// Freezing, redecorating, help and the version through the real main window and dialogs,
// with the player's settings in the test's own settings folder.
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "freeze_dialog.h"
#include "help_window.h"
#include "options_dialog.h"
#include "room_view.h"
#include "save_files.h"
#include "twips.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

class Dialogs : public UiTest {
protected:
    void SetUp() override { clearSettings(); }
    void TearDown() override {
        UiTest::TearDown();
        QDir().rmdir(settingsFile());  // a test may have blocked the file with a folder
        clearSettings();
    }
    static QString settingsFile() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "zupel", "zupel")
            .fileName();
    }
    static void clearSettings() {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "zupel", "zupel").clear();
    }
    static QString setting(const char* key) {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "zupel", "zupel")
            .value(QString("setting/") + key, "<absent>")
            .toString();
    }
    void startWithASlime() {
        storeSlime(slimeSavedToday(25, 50));
        startUp();
    }
    QColor roomCorner() { return form->Picture1->grab().toImage().pixelColor(199, 199); }
    QString picture(const char* name, QColor colour) {
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(colour);
        const QString where = path(name);
        EXPECT_TRUE(image.save(where));
        return where;
    }
    static void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
};

void expectPlaces(const std::vector<std::pair<QWidget*, QRect>>& places) {
    for (const auto& [widget, rect] : places) {
        EXPECT_EQ(widget->geometry(), rect) << widget->objectName().toStdString();
    }
}

TEST_F(Dialogs, FreezeAsksWithCancelFocusedAndEnterGoesBackToTheGame) {
    startWithASlime();
    bool checked = false;
    whenDialogOpens([&](QWidget* modal) {
        auto* d = qobject_cast<FreezeDialog*>(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), "FREEZE");
        EXPECT_FALSE(d->windowIcon().isNull());
        EXPECT_EQ(d->size(), QSize(px(3615), px(1335)));
        EXPECT_EQ(d->Label1->text(), "スライムを冷凍して保存し、終了します");
        EXPECT_EQ(d->Label2->text(), "次回立ち上げ時には自動的に解凍されます");
        EXPECT_EQ(d->Command1->text(), "OK");
        EXPECT_EQ(d->Command2->text(), "CANCEL");
        expectPlaces({{d->Label1, pxRect(360, 120, 3015, 255)},
                      {d->Label2, pxRect(120, 480, 3375, 255)},
                      {d->Command1, pxRect(600, 960, 1095, 255)},
                      {d->Command2, pxRect(1920, 960, 1095, 255)}});
        EXPECT_FALSE(game->scheduler().enabled(TimerId::movetimer));
        EXPECT_TRUE(d->Command2->hasFocus());
        QTest::keyClick(d->Command2, Qt::Key_Tab);
        EXPECT_TRUE(d->Command1->hasFocus()) << "OK comes second";
        QTest::keyClick(d->Command1, Qt::Key_Backtab);
        checked = true;
        pressEnter();
    });
    form->button4->click();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(ended);
    EXPECT_TRUE(game->scheduler().enabled(TimerId::movetimer));
    EXPECT_TRUE(game->scheduler().enabled(TimerId::foodtimer));
    EXPECT_FALSE(form->wordinbox->isEnabled());
}

TEST_F(Dialogs, FreezeOkFromTheMenuStoresTheSlimeFrozen) {
    startWithASlime();
    whenDialogOpens([](QWidget* modal) { qobject_cast<FreezeDialog*>(modal)->Command1->click(); });
    form->endgame2->trigger();
    EXPECT_TRUE(ended);
    const PetRecord saved = decodePet(readFile("data.sura"), codec);
    EXPECT_EQ(saved.state, PetState::kFrozen);
    EXPECT_EQ(readFile("big.sura"), (Bytes{32, 0}));
}

TEST_F(Dialogs, RedecoratingShowsTheSavedRoomAndOkKeepsTheNewOne) {
    startWithASlime();
    const QString green = picture("green.png", QColor(0, 128, 0));
    whenDialogOpens([&](QWidget* modal) {
        auto* d = qobject_cast<OptionsDialog*>(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), "模様替え");
        EXPECT_EQ(d->size(), QSize(px(6375), px(1215)));
        EXPECT_EQ(d->Label2->text(), "部屋の色を変えるか、好きな画像をはりつけることが出来ます");
        EXPECT_EQ(d->Command5->text(), "背景色変更");
        EXPECT_EQ(d->Label1->text(), "画像");
        EXPECT_EQ(d->Command1->text(), "参照");
        EXPECT_EQ(d->Label3->text(), "選択色");
        EXPECT_EQ(d->Command3->text(), "OK");
        EXPECT_EQ(d->Command2->text(), "CANCEL");
        EXPECT_EQ(d->Command4->text(), "RESET");
        EXPECT_EQ(d->Command4->toolTip(), "部屋を元に戻します");
        expectPlaces({{d->Label2, pxRect(120, 120, 6135, 255)},
                      {d->Command5, pxRect(120, 480, 1095, 255)},
                      {d->Label1, pxRect(1440, 480, 360, 180)},
                      {d->Text1, pxRect(1920, 480, 3375, 270)},
                      {d->Command1, pxRect(5400, 480, 855, 255)},
                      {d->Label3, pxRect(120, 840, 615, 255)},
                      {d->Picture1, pxRect(840, 840, 255, 255)},
                      {d->Command3, pxRect(2760, 840, 1095, 255)},
                      {d->Command2, pxRect(3960, 840, 1095, 255)},
                      {d->Command4, pxRect(5160, 840, 1095, 255)}});
        EXPECT_EQ(d->Line1->geometry().center().x(), px(1320));
        EXPECT_EQ(d->Picture1->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xFF));
        EXPECT_EQ(d->Text1->text(), "");
        QTest::keyClicks(d->Text1, green);
        d->Command3->click();
    });
    form->Command1->click();
    EXPECT_EQ(setting("bgcolor"), "16777152");
    EXPECT_EQ(setting("bmpdir"), green);
    EXPECT_EQ(form->Picture1->grab().toImage().pixelColor(10, 10), QColor(0, 128, 0));
    EXPECT_EQ(roomCorner(), QColor(0xC0, 0xFF, 0xFF));  // beyond the picture, the colour

    // The menu opens the same dialog, from the saved settings; Escape changes nothing.
    QString shown;
    whenDialogOpens([&](QWidget* modal) {
        shown = qobject_cast<OptionsDialog*>(modal)->Text1->text();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    form->option->trigger();
    EXPECT_EQ(shown, green);
    EXPECT_FALSE(game->world().optionform.visible);
    EXPECT_EQ(setting("bmpdir"), green);
}

TEST_F(Dialogs, TheChoosersFillTheSwatchAndThePathAndCancellingThemChangesNothing) {
    startWithASlime();
    const QString red = picture("red.bmp", Qt::red);
    whenDialogOpens([&](QWidget* modal) {
        auto* d = qobject_cast<OptionsDialog*>(modal);
        auto chooseIn = [&](QPushButton* button, std::function<void(QWidget*)> answer) {
            whenDialogOpens(std::move(answer));
            button->click();
        };
        chooseIn(d->Command5, [](QWidget* w) {
            auto* colours = qobject_cast<QColorDialog*>(w);
            ASSERT_NE(colours, nullptr);
            colours->setCurrentColor(QColor(0, 0, 255));
            colours->accept();
        });
        chooseIn(d->Command5, [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        EXPECT_EQ(d->Picture1->palette().color(QPalette::Window), QColor(0, 0, 255));
        chooseIn(d->Command1, [&](QWidget* w) {
            auto* files = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(files, nullptr);
            EXPECT_EQ(files->windowTitle(), "ﾌｧｲﾙを開く");
            EXPECT_EQ(QDir(files->directory()), QDir(folder.path()));
            EXPECT_EQ(files->nameFilters(),
                      QStringList{"画像ﾌｧｲﾙ (*.bmp *.gif *.jpg *.ico *.png *.jpeg)"});
            files->selectFile(red);
            static_cast<QDialog*>(files)->accept();
        });
        chooseIn(d->Command1, [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        EXPECT_EQ(d->Text1->text(), red);
        d->Command3->click();
    });
    form->Command1->click();
    EXPECT_EQ(setting("bgcolor"), QString::number(0xFF0000));
    EXPECT_EQ(setting("bmpdir"), red);
}

TEST_F(Dialogs, AMissingPictureFallsBackSilentlyAndResetRestoresTheRoom) {
    startWithASlime();
    whenDialogOpens([&](QWidget* modal) {
        auto* d = qobject_cast<OptionsDialog*>(modal);
        d->Text1->setText(path("gone.bmp"));
        QTest::keyClick(d->Text1, Qt::Key_End);  // an edit the game hears of
        QTest::keyClicks(d->Text1, " ");
        d->Command3->click();
    });
    form->Command1->click();
    EXPECT_EQ(setting("bmpdir"), "");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // no message

    QSettings(QSettings::NativeFormat, QSettings::UserScope, "zupel", "zupel")
        .setValue("setting/bgcolor", "255");
    whenDialogOpens([](QWidget* modal) { qobject_cast<OptionsDialog*>(modal)->Command4->click(); });
    form->option->trigger();
    EXPECT_EQ(setting("bgcolor"), "16777152");
    EXPECT_EQ(setting("bmpdir"), "");
    EXPECT_EQ(roomCorner(), QColor(0xC0, 0xFF, 0xFF));
}

TEST_F(Dialogs, SettingsThatCannotBeWrittenAreReportedAndTheRoomStillChanges) {
    startWithASlime();
    QFile::remove(settingsFile());
    ASSERT_TRUE(QDir().mkpath(settingsFile()));  // a folder where the file should be
    QString report;
    whenDialogOpens([&](QWidget* modal) {
        auto* d = qobject_cast<OptionsDialog*>(modal);
        whenDialogOpens([&](QWidget* box) {
            report = qobject_cast<QMessageBox*>(box)->text();
            qobject_cast<QDialog*>(box)->accept();
        });
        d->Command4->click();
    });
    form->Command1->click();
    EXPECT_TRUE(report.contains(settingsFile())) << report.toStdString();
    EXPECT_EQ(roomCorner(), QColor(0xC0, 0xFF, 0xFF));
    EXPECT_FALSE(ended);
}

TEST_F(Dialogs, F1OpensTheHelpAtItsContentsBesideTheRunningGame) {
    QFile::copy(QString(ZUPEL_HELP_SOURCE), path("zupelhelp.hlp"));
    startWithASlime();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F1);
    auto* help = form->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(help->browser->toPlainText().contains("目次"));
    EXPECT_EQ(help->browser->verticalScrollBar()->value(), 0);
    help->browser->scrollToAnchor("files");
    EXPECT_GT(help->browser->verticalScrollBar()->value(), 0);
    form->help1->trigger();  // again: back at the contents
    EXPECT_EQ(help->browser->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(game->scheduler().enabled(TimerId::movetimer));
}

TEST_F(Dialogs, WithoutTheHelpDocumentUnderItsExactNameNothingOpens) {
    QFile::copy(QString(ZUPEL_HELP_SOURCE), path("ZupelHelp.hlp"));
    startWithASlime();
    form->help1->trigger();
    ASSERT_TRUE(QDir().mkdir(path("zupelhelp.hlp")));  // a folder is no document either
    form->help1->trigger();
    EXPECT_EQ(form->findChild<HelpWindow*>(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Dialogs, TheVersionBoxHasOneOkAndNoIcon) {
    startWithASlime();
    QMessageBox* box = nullptr;
    whenDialogOpens([&](QWidget* modal) {
        box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "ZUPEL Ver.2.51");
        EXPECT_EQ(box->windowTitle(), "ﾊﾞｰｼﾞｮﾝ情報");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->buttons().first()->click();
    });
    form->aboutgame->trigger();
    EXPECT_NE(box, nullptr);
    EXPECT_FALSE(ended);
}

}  // namespace
}  // namespace zupel::testing
