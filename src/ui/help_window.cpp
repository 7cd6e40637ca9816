#include "help_window.h"

#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "fixed_texts.h"
#include "help_document.h"
#include "language.h"
#include "player_text.h"

namespace zupel {

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
    setWindowTitle(PlayerText::ja("ZUPEL ヘルプ"));
    resize(560, 600);
    browser = new HelpBrowser(this);
    browser->setObjectName("helpBrowser");
    browser->setOpenLinks(false);
    connect(browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    sayFixedTexts(this);
}

void HelpWindow::placeBeside(const QWidget& game) {
    const QRect screen = game.screen()->availableGeometry();
    const QRect beside = game.frameGeometry();
    const QSize outer = frameGeometry().size();
    int x = beside.right() + 1;
    if (x + outer.width() > screen.right() + 1) x = beside.left() - outer.width();
    if (x < screen.left()) x = screen.right() + 1 - outer.width();
    x = std::max(x, screen.left());
    const int y = std::clamp(beside.top(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - outer.height()));
    move(x, y);
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
