// Freezing, redecorating, help and the version through the real main window and dialogs,
// with the player's settings in the test's own settings folder.
#include <sys/stat.h>

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "freeze_dialog.h"
#include "help_window.h"
#include "options_dialog.h"
#include "room_view.h"
#include "twips.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

class Dialogs : public UiTest {
protected:
    void SetUp() override {
        store().clear();
        storeSlime(slimeSavedToday(25, 50));
        startUp();
    }
    void TearDown() override {
        UiTest::TearDown();
        QDir().rmdir(store().fileName());  // a test may have blocked the file with a folder
        store().clear();
    }
    static QString setting(const char* key) {
        return store().value(QString("setting/") + key, "<absent>").toString();
    }
    // Opens the redecorating dialog with the button and lets `player` act in it.
    void redecorate(std::function<void(OptionsDialog*)> player) {
        whenDialogOpens([player](QWidget* w) { player(qobject_cast<OptionsDialog*>(w)); });
        form->Command1->click();
    }
};

void expectPlaces(const std::vector<std::pair<QWidget*, QRect>>& places) {
    for (const auto& [widget, rect] : places) EXPECT_EQ(widget->geometry(), rect);
}

TEST_F(Dialogs, FreezeAsksWithCancelFocusedSoEnterGoesBackToTheGame) {
    whenDialogOpens([&](QWidget* modal) {
        auto* d = qobject_cast<FreezeDialog*>(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), "FREEZE");
        EXPECT_EQ(d->size(), QSize(px(3615), px(1335)));
        EXPECT_EQ(d->Label1->text(), "スライムを冷凍して保存し、終了します");
        EXPECT_EQ(d->Label2->text(), "次回立ち上げ時には自動的に解凍されます");
        EXPECT_EQ(d->Command1->text() + d->Command2->text(), "OKCANCEL");
        expectPlaces({{d->Label1, pxRect(360, 120, 3015, 255)},
                      {d->Label2, pxRect(120, 480, 3375, 255)},
                      {d->Command1, pxRect(600, 960, 1095, 255)},
                      {d->Command2, pxRect(1920, 960, 1095, 255)}});
        EXPECT_TRUE(d->Command2->hasFocus());
        QTest::keyClick(d->Command2, Qt::Key_Tab);
        EXPECT_TRUE(d->Command1->hasFocus()) << "OK comes second";
        QTest::keyClick(d->Command1, Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    form->button4->click();
    EXPECT_FALSE(ended);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(game->scheduler().enabled(TimerId::movetimer));
}

TEST_F(Dialogs, RedecoratingShowsItsControlsAndOkKeepsTheTypedPicture) {
    QImage green(20, 20, QImage::Format_RGB32);
    green.fill(QColor(0, 128, 0));
    ASSERT_TRUE(green.save(path("green.png")));
    redecorate([&](OptionsDialog* d) {
        EXPECT_EQ(d->windowTitle(), "模様替え");
        EXPECT_EQ(d->size(), QSize(px(6375), px(1215)));
        EXPECT_EQ(d->Label2->text(), "部屋の色を変えるか、好きな画像をはりつけることが出来ます");
        const QStringList captions = {d->Command5->text(), d->Label1->text(),   d->Command1->text(),
                                      d->Label3->text(),   d->Command3->text(), d->Command2->text(),
                                      d->Command4->text()};
        EXPECT_EQ(captions.join('|'), "背景色変更|画像|参照|選択色|OK|CANCEL|RESET");
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
        QTest::keyClicks(d->Text1, path("green.png"));
        d->Command3->click();
    });
    EXPECT_EQ(setting("bgcolor"), "16777152");
    EXPECT_EQ(setting("bmpdir"), path("green.png"));
    EXPECT_EQ(form->Picture1->grab().toImage().pixelColor(10, 10), QColor(0, 128, 0));

    // The menu opens it again from the saved settings; Escape changes nothing.
    QString shown;
    whenDialogOpens([&](QWidget* modal) {
        shown = qobject_cast<OptionsDialog*>(modal)->Text1->text();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    form->option->trigger();
    EXPECT_EQ(shown, path("green.png"));
    EXPECT_FALSE(game->world().optionform.visible);
}

TEST_F(Dialogs, TheChoosersFillTheSwatchAndThePathAndACancelledColourChangesNothing) {
    // The player's pictures folder, as the desktop names it: where the chooser opens first.
    ASSERT_TRUE(QDir().mkpath(path("pictures")));
    QFile dirs(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write(QString("XDG_PICTURES_DIR=\"%1\"\n").arg(path("pictures")).toUtf8());
    dirs.close();
    redecorate([&](OptionsDialog* d) {
        whenDialogOpens([](QWidget* w) {
            qobject_cast<QColorDialog*>(w)->setCurrentColor(QColor(0, 0, 255));
            qobject_cast<QDialog*>(w)->accept();
        });
        d->Command5->click();
        whenDialogOpens([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        d->Command5->click();
        whenDialogOpens([&](QWidget* w) {
            auto* files = qobject_cast<QFileDialog*>(w);
            EXPECT_EQ(files->windowTitle(), "ﾌｧｲﾙを開く");
            EXPECT_EQ(files->directory().absolutePath(), path("pictures"));
            EXPECT_EQ(files->nameFilters(),
                      QStringList{"画像ﾌｧｲﾙ (*.bmp *.gif *.jpg *.ico *.png *.jpeg)"});
            files->selectFile(path("data.sura"));
            static_cast<QDialog*>(files)->accept();
        });
        d->Command1->click();
        EXPECT_EQ(d->Picture1->palette().color(QPalette::Window), QColor(0, 0, 255));
        EXPECT_EQ(d->Text1->text(), path("data.sura"));
        d->Command2->click();
    });
    EXPECT_EQ(setting("bgcolor"), "<absent>");  // CANCEL wrote nothing
    dirs.remove();
}

TEST_F(Dialogs, OnlySettingsThatDidNotReachTheFileAreReportedAndTheRoomChangesAnyway) {
    const struct {
        const char* what;
        std::function<bool(const QString&)> make;  // puts it where the settings file goes
        bool reported;
    } cases[] = {
        {"a folder", [](const QString& file) { return QDir().mkpath(file); }, true},
        {"a FIFO", [](const QString& file) { return ::mkfifo(QFile::encodeName(file), 0600) == 0; },
         true},
        {"5 KB of garbage",
         [](const QString& file) {
             QFile garbage(file);
             QByteArray bytes(5000, '\0');
             for (int i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7919 % 251);
             return garbage.open(QIODevice::WriteOnly) && garbage.write(bytes) == bytes.size();
         },
         false},
    };
    const QString file = store().fileName();  // named before a FIFO could stop the store
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(file);
        QDir().rmdir(file);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        ASSERT_TRUE(c.make(file));
        game->world().controls.roomColor = 255;  // a red room
        driver->sync();
        QString report;
        QTimer answer;  // the report, if any, is answered as soon as it opens
        answer.setInterval(5);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                report = box->text();
                box->accept();
            }
        });
        answer.start();
        redecorate([&](OptionsDialog* d) { d->Command4->click(); });
        answer.stop();
        EXPECT_EQ(report.contains(file), c.reported) << report.toStdString();
        EXPECT_EQ(form->Picture1->grab().toImage().pixelColor(199, 199), QColor(0xC0, 0xFF, 0xFF));
        if (!c.reported) {
            EXPECT_EQ(setting("bgcolor"), QString::number(0xFFFFC0));
        }
        QFile::remove(file);
    }
}

TEST_F(Dialogs, F1OpensTheHelpDocumentAtItsContents) {
    form->help1->trigger();  // no document: nothing happens
    EXPECT_EQ(form->findChild<HelpWindow*>(), nullptr);
    ASSERT_TRUE(QDir().mkdir(path("zupelhelp.hlp")));  // a folder is no document: it says so
    form->help1->trigger();
    ASSERT_NE(form->findChild<HelpWindow*>(), nullptr);
    ASSERT_TRUE(QSignalSpy(form->findChild<HelpWindow*>(), &HelpWindow::shown).wait(20000));
    EXPECT_TRUE(form->findChild<HelpWindow*>()->browser->toPlainText().contains("it is a folder"));
    QDir().rmdir(path("zupelhelp.hlp"));

    // Closed, and the game moved to where the help stood: opened again, it goes beside the game.
    ASSERT_TRUE(QFile::copy(ZUPEL_HELP_SOURCE, path("zupelhelp.hlp")));
    auto* help = form->findChild<HelpWindow*>();
    help->close();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()) &&
                QTest::qWaitForWindowActive(form.get()));
    form->move(help->pos());
    QTest::keyClick(form.get(), Qt::Key_F1);
    ASSERT_TRUE(QSignalSpy(help, &HelpWindow::shown).wait(20000));  // read beside the game
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // the game goes on beside it
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_FALSE(help->frameGeometry().intersects(form->frameGeometry()))
        << "the slime stays in view while the player reads";
    EXPECT_TRUE(screen.contains(help->frameGeometry()));
    EXPECT_TRUE(help->browser->toPlainText().contains("冷凍して終了"));
    help->browser->scrollToAnchor("files");
    QSignalSpy again(help, &HelpWindow::shown);
    form->help1->trigger();  // again: back at the contents
    ASSERT_TRUE(again.wait(20000));
    EXPECT_EQ(help->browser->verticalScrollBar()->value(), 0);
}

TEST_F(Dialogs, TheVersionBoxHasOneOkAndNoIcon) {
    QString seen;
    whenDialogOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen = box->windowTitle() + "|" + box->text();
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->buttons().size(), 1);
        // Room for the whole title beside a title bar's icon and buttons, not "ﾊﾞ...".
        QFont bold = box->font();
        bold.setBold(true);
        EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 90);
        box->buttons().first()->click();
    });
    form->aboutgame->trigger();
    EXPECT_EQ(seen, "ﾊﾞｰｼﾞｮﾝ情報|ZUPEL Ver.2.51");
}

}  // namespace
}  // namespace zupel::testing
