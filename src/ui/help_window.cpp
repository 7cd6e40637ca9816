#include "help_window.h"

#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace zupel {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("ZUPEL ヘルプ");
    resize(560, 600);
    browser = new QTextBrowser(this);
    browser->setObjectName("helpBrowser");
    browser->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
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
    browser->clearHistory();
    // The document is HTML whatever its file name says; its contents page is at the top.
    browser->setSource(QUrl(), QTextDocument::HtmlResource);
    browser->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    browser->verticalScrollBar()->setValue(0);
    show();
    raise();
    activateWindow();
}

}  // namespace zupel
