// The game's own help window: the help document in a browser of its own, opened at its
// contents. It stands beside the game and does not stop it: the document is read away from the
// game's thread, and the browser shows that document only, with links within it and the game's
// own pictures; it never opens another file.
#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace zupel {

// The browser of the help window: resources come from the game's own pictures or not at all.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

struct HelpDocument;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Reads the document again (it may have changed since), then shows its contents and brings
    // the window forward. A file that cannot be the game's help is named with the reason.
    void showContents(const QString& path);
    // Puts the window beside the game, so the room, the buttons and the panel stay in view
    // while the player reads.
    void placeBeside(const QWidget& game);
    // Where the window goes in a frame that adds `frame` to its size, on `screen` beside the
    // frame of `game`: on the roomier side, narrowed to the room there as long as it still
    // reads well; else above or below, shortened likewise; else where it covers the least.
    QRect placeFor(const QRect& screen, const QRect& game, QSize frame) const;

    HelpBrowser* browser = nullptr;

signals:
    void shown();  // the document, or the reason it cannot be shown, is in the browser

private:
    void showDocument(const QString& path, const HelpDocument& document);
    void followLink(const QUrl& link);

    int reading_ = 0;  // the latest read asked for; an older one that ends later is dropped
};

}  // namespace zupel
