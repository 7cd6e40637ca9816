// Every message box of the game shows its whole text as laid out on the screen, stays on the
// screen, can be copied and has room for its title, in Japanese and in English. Built for Windows
// too, run under Wine.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "failure_report.h"
#include "language.h"
#include "main_form.h"
#include "window_shell.h"

namespace zupel::testing {
namespace {

// Checks the box `open` shows as the player sees it, closes it and returns its title and text.
QString checkBox(const std::function<void()>& open) {
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll.stop();
        box->grab();  // laid out and painted
        auto* text = box->findChild<QTextEdit*>("messageText");
        ASSERT_NE(text, nullptr);
        shown = box->windowTitle() + '\n' + text->toPlainText();
        const QRect room = text->viewport()->rect();
        EXPECT_LE(text->document()->idealWidth(), room.width() + 1) << "a line runs off";
        EXPECT_LE(text->document()->size().height(), room.height() + 1) << "lines are cut off";
        EXPECT_TRUE(box->screen()->availableGeometry().contains(box->frameGeometry()));
        QFont bold = box->font();
        bold.setBold(true);
        EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 90);
        QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
        QApplication::sendEvent(box, &copy);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), box->text());
        box->buttons().first()->click();
    });
    poll.start(5);
    open();
    return shown;
}

TEST(MessageBoxes, EveryBoxShowsItsWholeTextInEitherLanguage) {
    // No place to break for a long way (backslashes are none either), and a name like markup.
    const std::string folder = "/home/p/<b>ゲーム</b>/C:\\Users\\p\\" + std::string(300, 'f');
    const std::string reason =
        "it is 5 bytes long; a slime record is 32 bytes " + std::string(200, 'r');
    PictureStore pictures;
    MainForm form(pictures);
    WindowShell shell(form, "");
    const std::pair<std::function<void()>, std::string> boxes[] = {
        {[&] { reportSaveFileFailure(SaveFileError(folder + "/data.sura", "read", reason)); },
         reason},
        {[&] { reportLockFailure(folder + "/zupel.lock", reason); }, folder},
        {[&] { reportNoGameFolder(reason); }, reason},
        {[&] { reportLockOfOtherMachine(folder, std::string(80, 'h')); }, folder},
        {[&] { reportSaveFolderFailure(folder, reason); }, folder},
        {[&] { shell.reportSettingsNotSaved(); }, "zupel"},
        {[&] { shell.showMessage("ZUPEL Ver.2.51", "ﾊﾞｰｼﾞｮﾝ情報"); }, "ZUPEL Ver.2.51"},
    };
    const QRegularExpression japanese(
        "[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]");
    for (const Language language : {Language::japanese, Language::english}) {
        speak(language);
        for (const auto& [open, mustShow] : boxes) {
            SCOPED_TRACE(mustShow.substr(0, 20));
            const QString shown = checkBox(open);
            EXPECT_TRUE(shown.contains(QString::fromStdString(mustShow)));
            EXPECT_EQ(QString(shown).remove(QString::fromStdString(folder)).contains(japanese),
                      language == Language::japanese)
                << shown.toStdString();
        }
    }
    speak(Language::japanese);
}

}  // namespace
}  // namespace zupel::testing
