#include "help_window.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

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
