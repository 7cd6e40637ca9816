#include "help_window.h"

#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <memory>

#include "fixed_texts.h"
#include "help_document.h"
#include "help_reading.h"
#include "language.h"
#include "player_text.h"

namespace zupel {
namespace {

constexpr QSize kHelpSize(560, 600);  // as the help opens where the screen has room

}  // namespace

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    // The help shows the game's buttons from the pictures built into the game. Anything else
    // gets an empty answer that is not null: on a null one Qt would read the file itself.
    if (type != QTextDocument::ImageResource) return QByteArray("");
    if (name.scheme() == "qrc" && name.path().startsWith("/pictures/") &&
        !name.path().contains("..")) {
        if (QPixmap picture(":" + name.path()); !picture.isNull()) return picture;
    }
    QPixmap nothing(1, 1);
    nothing.fill(Qt::transparent);
    return nothing;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    exposeHelpToScreenReaders();
    setWindowTitle(PlayerText::ja("ZUPEL ヘルプ"));
    resize(kHelpSize);
    browser = new HelpBrowser(this);
    browser->setObjectName("helpBrowser");
    browser->setAccessibleName(windowTitle());
    // A caret the keyboard moves, which a screen reader follows line by line.
    browser->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    browser->setOpenLinks(false);
    connect(browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    sayFixedTexts(this);
}

QRect HelpWindow::placeFor(const QRect& screen, const QRect& game, QSize frame) const {
    // Reads well down to lines of about 16 Japanese characters, and about ten of them.
    const QFontMetrics metrics(browser->font());
    const int margins = 2 * int(browser->document()->documentMargin()) + 2 * browser->frameWidth();
    const QSize wanted = (kHelpSize + frame).boundedTo(screen.size());
    const QSize least = (QSize(metrics.horizontalAdvance(QChar(0x3042)) * 16 + margins +
                                   style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                               metrics.lineSpacing() * 10 + margins) +
                         frame)
                            .boundedTo(wanted);
    const struct Side {
        int room;     // between the game and the screen's edge
        bool beside;  // left or right of the game, rather than above or below it
        bool after;   // right of it or below it
    } sides[] = {
        {screen.right() - game.right(), true, true},
        {game.left() - screen.left(), true, false},
        {screen.bottom() - game.bottom(), false, true},
        {game.top() - screen.top(), false, false},
    };
    // Narrowed (or shortened) to `span`, flush against the game, or against the screen's edge
    // where the room is smaller.
    auto placeIn = [&](const Side& side, int span) {
        QRect place(QPoint(),
                    side.beside ? QSize(span, wanted.height()) : QSize(wanted.width(), span));
        if (side.beside) {
            place.moveLeft(side.after ? std::min(game.right() + 1, screen.right() + 1 - span)
                                      : std::max(game.left() - span, screen.left()));
            place.moveTop(
                std::clamp(game.top(), screen.top(), screen.bottom() + 1 - place.height()));
        } else {
            place.moveTop(side.after ? std::min(game.bottom() + 1, screen.bottom() + 1 - span)
                                     : std::max(game.top() - span, screen.top()));
            place.moveLeft(
                std::clamp(game.left(), screen.left(), screen.right() + 1 - place.width()));
        }
        return place;
    };
    auto most = [&](const Side& side) { return side.beside ? wanted.width() : wanted.height(); };
    auto fewest = [&](const Side& side) { return side.beside ? least.width() : least.height(); };
    // Left or right, the roomier first; then above or below likewise.
    for (int pair : {0, 2}) {
        const Side& roomier =
            sides[pair].room >= sides[pair + 1].room ? sides[pair] : sides[pair + 1];
        const int span = std::min(most(roomier), roomier.room);
        if (span >= fewest(roomier)) return placeIn(roomier, span);
    }
    // Nothing fits: as narrow or as short as it still reads well, where it covers the least.
    QRect best;
    qint64 covered = -1;
    for (const Side& side : sides) {
        const QRect place = placeIn(side, fewest(side));
        const QRect over = place.intersected(game);
        const qint64 area = qint64(over.width()) * over.height();
        if (covered < 0 || area < covered) {
            best = place;
            covered = area;
        }
    }
    return best;
}

void HelpWindow::placeBeside(const QWidget& game) {
    // Until the window manager has framed this window, its frame is taken to be the game's.
    const QSize frame =
        (frameGeometry().size() - size()).expandedTo(game.frameGeometry().size() - game.size());
    const QRect place = placeFor(game.screen()->availableGeometry(), game.frameGeometry(), frame);
    resize(place.size() - frame);
    create();
    windowHandle()->setFramePosition(place.topLeft());  // where the frame goes, once it comes
}

void HelpWindow::showContents(const QString& path) {
    // Read on a thread of its own: a slow disk keeps the slime moving all the same.
    const int reading = ++reading_;
    auto document = std::make_shared<HelpDocument>();
    QThread* reader = QThread::create([path, document] { *document = loadHelpDocument(path); });
    connect(reader, &QThread::finished, this, [this, reading, path, document] {
        if (reading == reading_) showDocument(path, *document);
    });
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    reader->start();
}

void HelpWindow::showDocument(const QString& path, const HelpDocument& document) {
    if (document.refusal.isEmpty()) {
        // The document is HTML whatever its file name says; its contents page is at the top.
        browser->setHtml(document.html);
    } else {
        browser->setPlainText(
            translated(PlayerText::ja("ヘルプを表示できません。\n\nファイル: %1\n理由: %2"))
                .arg(path, document.refusal));
    }
    browser->verticalScrollBar()->setValue(0);
    show();
    raise();
    activateWindow();
    emit shown();
}

void HelpWindow::followLink(const QUrl& link) {
    // Only a place within the document itself is followed; every other link is left alone.
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment())
        browser->scrollToAnchor(link.fragment());
}

}  // namespace zupel
