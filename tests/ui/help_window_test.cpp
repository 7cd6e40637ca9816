// The help window shows the game's own help document and nothing else: no other file through
// a link, a picture or a file put in the document's place, and nothing it waits on for ever.
#include "help_window.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
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
    bool write(const QByteArray& bytes) {
        QFile file(document);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    // Opens the document; false when the window did not show it within the time given.
    bool open(int ms = 20000) {
        QSignalSpy shown(&help, &HelpWindow::shown);
        help.showContents(document);
        return shown.wait(ms);
    }
    QString shownText() const { return help.browser->toPlainText(); }
    QPixmap picture(const QUrl& name) const {
        return help.browser->document()
            ->resource(QTextDocument::ImageResource, name)
            .value<QPixmap>();
    }
};

TEST_F(Help, NoDocumentCrashesFreezesOrLeadsTheWindowOutside) {
    const QString fifo = folder.filePath("fifo.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo), 0600), 0);
    QLocalServer socket;
    auto text = [this](const QByteArray& bytes) { return [this, bytes] { return write(bytes); }; };
    auto times = [](const char* part, int n) { return QByteArray(part).repeated(n); };
    const struct {
        const char* what;
        std::function<bool()> make;  // puts it in the document's place
        QString seen;                // on the page, or in the reason it is not shown
        bool refused = false;
        int pictures = 0;  // on the page at least, all of them the game's own
    } cases[] = {
        {"the game's own help", [this] { return QFile::copy(ZUPEL_HELP_SOURCE, document); },
         "冷凍して終了", false, 6},
        {"3000 tables closed as they open", text(times("<table border=1/><tr/><td/>", 3000)),
         "more than 1000 table cells", true},
        {"99 nested tables", text(times("<table border=1><tr><td>", 99) + "deep"), "deep"},
        {"2000 tables with stray ends", text(times("<table border=1></i><tr></i><td>", 2000)),
         "more than 1000 table cells", true},
        {"20,000 divs with stray ends", text(times("<div></i>", 20000) + "deep"), "deep"},
        {"80,000 nested divs", text(times("<div>", 80000) + "deep"), "deep"},
        {"300,000 words that may not break", text("<nobr>" + times("ab ", 300000)),
         "more than 200000 letters", true},
        {"one word of almost a megabyte", text(QByteArray(kLargestHelpDocument - 10, 'w')),
         "more than 200000 letters", true},
        {"words joined by no-break spaces", text(times("ab&nbsp;", 50000)), "ab"},
        {"150,000 bytes that are no UTF-8, a word", text(QByteArray(150000, '\x80')), "\uFFFD"},
        {"pictures and stylesheets from anywhere",
         text(QString("<img src='/dev/zero'><img src='%1'><img src='fifo.png'><img src='%2'>"
                      "<img src='qrc:/pictures/../x.xpm'><img src='qrc:/qt-project.org/styles/"
                      "commonstyle/images/file-16.png'><link rel=stylesheet href='/dev/zero'>"
                      "<style>@import url(%1); p {background: url(/dev/zero)}</style><table "
                      "background='/dev/zero'><tr><td style='background-image: url(%2)'>cell")
                  .arg(secret, fifo)
                  .toUtf8()),
         "cell"},
        {"markup written as text, scripts and comments",
         text(QByteArray("&lt;b&gt;x&lt;/b&gt; &amp; I <3 slimes > 2 <script>let s = '") + kSecret +
              "';</script><!-- " + kSecret + " --><title>" + kSecret + "</title>"),
         "<b>x</b> & I <3 slimes > 2"},
        {"an empty file", text({}), "nothing in it to show", true},
        {"a FIFO", [this] { return ::mkfifo(QFile::encodeName(document), 0600) == 0; },
         "it is a FIFO", true},
        {"a folder", [this] { return QDir().mkdir(document); }, "it is a folder", true},
        {"a socket", [&] { return socket.listen(document); }, "it is a socket", true},
        {"a link to a private file", [this] { return QFile::link(secret, document); },
         "symbolic link", true},
        {"a link to /dev/zero", [this] { return QFile::link("/dev/zero", document); },
         "symbolic link", true},
        {"a 1 GB sparse file",
         [this] {
             QFile file(document);
             return file.open(QIODevice::WriteOnly) && file.resize(qint64{1} << 30);
         },
         "more than the 1048576 the game reads", true},
        {"one byte over a megabyte", text(QByteArray(kLargestHelpDocument + 1, 'a')),
         "more than the 1048576 the game reads", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        socket.close();
        QFile::remove(document);
        QDir().rmdir(document);
        ASSERT_TRUE(c.make());
        ASSERT_TRUE(open());
        // Laid out and drawn in full: what froze the game happened here.
        EXPECT_GT(help.browser->document()->size().height(), 0);
        help.browser->viewport()->grab();
        const QString page = shownText();
        EXPECT_EQ(page.startsWith("ヘルプを表示できません"), c.refused)
            << page.left(200).toStdString();
        EXPECT_TRUE(page.contains(c.seen)) << page.left(300).toStdString();
        EXPECT_EQ(page.contains(document), c.refused);
        EXPECT_FALSE(page.contains(kSecret));
        const QString html = help.browser->document()->toHtml();
        const qsizetype own = html.count("<img src=\"qrc:/pictures/button_");
        EXPECT_GE(own, c.pictures);
        EXPECT_EQ(html.count("<img "), own) << "only the game's own pictures";
    }
}

TEST_F(Help, LinksAndPicturesReachOnlyTheDocumentAndTheGamesOwnPictures) {
    write(QString("<p><a href=\"#end\">end</a> <a href=\"file://%1\">a</a> "
                  "<a href=\"private.txt\">b</a> <a href=\"../../../../etc/hostname\">c</a> "
                  "<img src=\"%1\"><img src=\"qrc:/pictures/button_feed.xpm\"></p>"
                  "%2<p><a name=\"end\">the end</a></p>")
              .arg(secret, QString("<p>more</p>").repeated(200))
              .toUtf8());
    help.resize(300, 200);
    ASSERT_TRUE(open());
    const QString page = shownText();
    for (const char* link : {"private.txt", "../../../../etc/hostname"})
        emit help.browser->anchorClicked(QUrl(link));
    emit help.browser->anchorClicked(QUrl::fromLocalFile(secret));
    EXPECT_EQ(shownText(), page);
    // Whatever the layout asks for, Qt never falls back on reading a file.
    EXPECT_EQ(picture(QUrl::fromLocalFile(secret)).size(), QSize(1, 1));
    EXPECT_GT(picture(QUrl("qrc:/pictures/button_feed.xpm")).width(), 1);
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

}  // namespace
}  // namespace zupel::testing
