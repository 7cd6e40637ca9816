// Every message box of the game shows its whole text, as the player's screen shows it: long
// paths and reasons wrap (a path breaks anywhere), the box stays on the screen, the text can be
// selected and copied, and the title has room. Built for Windows too, where it runs under Wine
// with the native look and fonts.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "failure_report.h"
#include "main_form.h"
#include "picture_store.h"
#include "save_folder.h"
#include "window_shell.h"

namespace zupel::testing {
namespace {

// What the player sees of the box `open` shows, checked before it is closed with OK.
struct SeenBox {
    QString title;
    QString text;
    bool seen = false;
};

SeenBox checkBox(const std::function<void()>& open) {
    SeenBox seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll.stop();
        seen = {box->windowTitle(), box->text(), true};
        box->grab();  // laid out and painted as on the screen
        auto* text = box->findChild<QTextEdit*>("messageText");
        ASSERT_NE(text, nullptr);
        EXPECT_TRUE(text->isVisible());
        EXPECT_EQ(text->toPlainText(), box->text());
        EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByMouse);
        // Every line within the view's width, every line within its height.
        const QTextDocument* document = text->document();
        const QRect room = text->viewport()->rect();
        EXPECT_LE(document->idealWidth(), room.width() + 1) << "a line runs off the box";
        EXPECT_LE(document->size().height(), room.height() + 1) << "lines are cut off below";
        EXPECT_TRUE(box->screen()->availableGeometry().contains(box->frameGeometry()))
            << "the box runs off the screen";
        QFont bold = box->font();
        bold.setBold(true);
        EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 90)
            << "the title bar cuts the title";
        QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
        QApplication::sendEvent(box, &copy);
        EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(box->text()))
            << "Ctrl+C copies the whole box";
        box->buttons().first()->click();
    });
    poll.start();
    open();
    return seen;
}

TEST(MessageBoxes, EveryBoxShowsItsWholeText) {
    // As deep as players' folders get, without a space for a long way (backslashes are no
    // places to break either), and a name written like markup, which must show as written.
    const std::string folder = "/home/player1/<b>ゲーム</b>/C:\\Users\\player1\\" +
                               std::string(300, 'f') + "/" + std::string(40, 'z');
    const std::string reason =
        "it is 5 bytes long; a slime record is 32 bytes (" + std::string(200, 'r') + ")";
    PictureStore pictures;
    MainForm form(pictures);
    WindowShell shell(form, "");
    const struct {
        const char* what;
        std::function<void()> open;
        std::string mustShow;  // the part the player needs whole
    } boxes[] = {
        {"a save file that cannot be used",
         [&] { reportSaveFileFailure(SaveFileError(folder + "/data.sura", "read", reason)); },
         reason},
        {"a lock that cannot be made", [&] { reportLockFailure(folder + "/zupel.lock", reason); },
         folder},
        {"the game folder cannot be named", [&] { reportNoGameFolder(reason); }, reason},
        {"a lock from another machine",
         [&] { reportLockOfOtherMachine(folder + "/zupel.lock", std::string(80, 'h')); },
         folder + "/zupel.lock"},
        {"the player's save folder cannot be made",
         [&] { reportSaveFolderFailure(folder, reason); }, folder},
        {"the settings were not saved", [&] { shell.reportSettingsNotSaved(); }, "設定ファイル"},
        {"the version", [&] { shell.showMessage("ZUPEL Ver.2.51", "ﾊﾞｰｼﾞｮﾝ情報"); },
         "ZUPEL Ver.2.51"},
    };
    for (const auto& box : boxes) {
        SCOPED_TRACE(box.what);
        const SeenBox seen = checkBox(box.open);
        ASSERT_TRUE(seen.seen) << "no message box";
        EXPECT_TRUE(seen.text.contains(QString::fromStdString(box.mustShow)));
    }
}

}  // namespace
}  // namespace zupel::testing
