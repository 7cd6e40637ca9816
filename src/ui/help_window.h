// The game's own help window: the help document in a browser of its own, opened at its
// contents. It stands beside the game and does not stop it.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace zupel {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Loads the document (it may have changed since), shows its contents and brings it forward.
    void showContents(const QString& path);
    // Puts the window beside the game, so the slime stays in view while the player reads: to
    // its right where the screen has room, else to its left, else as far aside as it goes.
    void placeBeside(const QWidget& game);

    QTextBrowser* browser = nullptr;
};

}  // namespace zupel
