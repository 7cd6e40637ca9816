// The help window shows the game's own help document and nothing else: no other file through
// a link, a picture or a file put in the document's place, and nothing it waits on for ever.
#include "help_window.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "help_document.h"
#include "main_form.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

constexpr const char* kSecret = "secret-4711";

class Help : public ::testing::Test {
protected:
    QTemporaryDir folder;
    HelpWindow help;
    QString document = folder.filePath("zupelhelp.hlp");
    QString secret = folder.filePath("private.txt");

    void SetUp() override {
        QFile file(secret);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kSecret);
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    void write(const QByteArray& bytes) {
        QFile file(document);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Opens the document; false when the window did not show it within the time given.
    bool open(int ms = 20000) {
        QSignalSpy shown(&help, &HelpWindow::shown);
        help.showContents(document);
        return shown.wait(ms);
    }
    QString shownText() const { return help.browser->toPlainText(); }
};

TEST_F(Help, WhatIsNotAnOrdinaryBoundedFileIsRefusedWithoutReadingIt) {
    const struct {
        const char* what;
        std::function<void()> make;
    } cases[] = {
        {"a FIFO", [this] { ASSERT_EQ(::mkfifo(QFile::encodeName(document), 0600), 0); }},
        {"a link to a private file", [this] { ASSERT_TRUE(QFile::link(secret, document)); }},
        {"a link to /dev/zero", [this] { ASSERT_TRUE(QFile::link("/dev/zero", document)); }},
        {"a 1 GB sparse file",
         [this] {
             QFile file(document);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             ASSERT_TRUE(file.resize(qint64{1} << 30));
         }},
        {"one byte over a megabyte", [this] { write(QByteArray(kLargestHelpDocument + 1, 'a')); }},
        {"80,000 nested divs", [this] { write(QByteArray("<div>").repeated(80000) + "deep"); }},
        {"one word of almost a megabyte",
         [this] { write(QByteArray(kLargestHelpDocument - 10, 'w')); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(document);
        c.make();
        ASSERT_TRUE(open());
        EXPECT_TRUE(shownText().startsWith("ヘルプを表示できません"))
            << shownText().left(200).toStdString();
        EXPECT_TRUE(shownText().contains(document));
        EXPECT_FALSE(shownText().contains(kSecret));
    }
}

TEST_F(Help, LinksAndPicturesReachOnlyTheDocumentAndTheGamesOwnPictures) {
    write(QString("<p><a href=\"#end\">end</a> <a href=\"file://%1\">a</a> "
                  "<a href=\"private.txt\">b</a> <a href=\"../../../../etc/hostname\">c</a> "
                  "<img src=\"%1\"><img src=\"qrc:/pictures/button_feed.xpm\"></p>"
                  "<p style=\"margin-top:3000px\"><a name=\"end\">the end</a></p>")
              .arg(secret)
              .toUtf8());
    help.resize(300, 200);
    ASSERT_TRUE(open());
    const QString page = shownText();
    for (const char* link : {"private.txt", "../../../../etc/hostname"})
        emit help.browser->anchorClicked(QUrl(link));
    emit help.browser->anchorClicked(QUrl::fromLocalFile(secret));
    EXPECT_EQ(shownText(), page);
    EXPECT_FALSE(
        help.browser->loadResource(QTextDocument::ImageResource, QUrl::fromLocalFile(secret))
            .isValid());
    EXPECT_TRUE(
        help.browser
            ->loadResource(QTextDocument::ImageResource, QUrl("qrc:/pictures/button_feed.xpm"))
            .isValid());
    emit help.browser->anchorClicked(QUrl("#end"));
    EXPECT_GT(help.browser->verticalScrollBar()->value(), 0) << "a link within it is followed";
}

TEST_F(Help, OpensBesideTheGameFrom1024x768UpAndCoversItLeastOnASmallerScreen) {
    PictureStore pictures;
    const QSize frame(16, 39);  // a Windows 10 frame, the widest seen
    const QSize game = MainForm(pictures).size() + frame;
    const int readable = QFontMetrics(help.browser->font()).horizontalAdvance(QChar(0x3042)) * 16;
    for (const QSize size : {QSize(1024, 768), QSize(1280, 1024), QSize(1366, 768),
                             QSize(1536, 864), QSize(1920, 1080), QSize(800, 600)}) {
        SCOPED_TRACE(size.width());
        const QRect screen(QPoint(0, 30), size - QSize(0, 30));  // a panel along the top
        const QRect around(screen.center() - QPoint(game.width(), game.height()) / 2, game);
        const QRect place = help.placeFor(screen, around, frame);
        EXPECT_TRUE(screen.contains(place));
        EXPECT_GE(place.width(), size.width() < 1920 ? readable : 560 + frame.width());
        const QRect covered = place.intersected(around);
        // On the smallest no more than a readable column beside the game would cover.
        const int lacking =
            size.width() < 1024 ? readable + 40 - (size.width() - game.width()) / 2 : 0;
        EXPECT_LE(covered.width() * covered.height(), lacking * game.height());
    }
}

TEST(HelpDocumentShape, OnlyWhatWouldStallTheLayoutIsRefused) {
    auto repeat = [](std::string_view part, int times) {
        std::string all;
        for (int i = 0; i < times; ++i) all += part;
        return all;
    };
    const struct {
        const char* what;
        std::string html;
        bool refused;
    } cases[] = {
        {"nesting as deep as allowed", repeat("<div>", kDeepestHelpNesting), false},
        {"one level deeper", repeat("<DIV class=a>", kDeepestHelpNesting + 1), true},
        {"deep but closed again", repeat("<div>x</div>", 10 * kDeepestHelpNesting), false},
        {"paragraphs and pictures, which never nest",
         repeat("<p><img src=a><br/>", 10 * kDeepestHelpNesting), false},
        {"a word as long as allowed", std::string(kLongestHelpWord, 'w'), false},
        {"one letter longer, across markup", std::string(kLongestHelpWord, 'w') + "<b>w</b>", true},
        {"long lines of kana, which break anywhere", repeat("あ", 10 * kLongestHelpWord), false},
        {"many letters with spaces", repeat("word ", 10 * kLongestHelpWord), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(!stallingShape(c.html).empty(), c.refused) << stallingShape(c.html);
    }
}

}  // namespace
}  // namespace zupel::testing
