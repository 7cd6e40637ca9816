#include "help_reading.h"

#include <QAccessibleWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <algorithm>

#include "help_window.h"

namespace zupel {
namespace {

class HelpText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit HelpText(HelpBrowser* browser)
        : QAccessibleWidget(browser, QAccessible::Document), browser_(browser) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override {
        const QTextCursor cursor = browser_->textCursor();
        const bool selected = index == 0 && cursor.hasSelection();
        *start = selected ? cursor.selectionStart() : 0;
        *end = selected ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return browser_->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int start, int end) override {
        browser_->setTextCursor(span(start, end));
    }
    int cursorPosition() const override { return browser_->textCursor().position(); }
    void setCursorPosition(int position) override { browser_->setTextCursor(span(position)); }

    QString text(int start, int end) const override {
        QString text = span(start, end).selectedText();
        text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
        return text.replace(QChar::ObjectReplacementCharacter, u' ');
    }
    int characterCount() const override { return browser_->document()->characterCount() - 1; }
    // A line is a line as laid out on the screen, as the caret moves by.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        const QTextBlock block = browser_->document()->findBlock(offset);
        const QTextLine line = block.isValid() && block.layout()
                                   ? block.layout()->lineForTextPosition(offset - block.position())
                                   : QTextLine();
        if (type != QAccessible::LineBoundary || !line.isValid())
            return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
        *start = block.position() + line.textStart();
        *end = *start + line.textLength();
        return text(*start, *end);
    }

    QRect characterRect(int offset) const override {
        const QRect on = browser_->cursorRect(span(offset));
        return {browser_->viewport()->mapToGlobal(on.topLeft()), on.size()};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return browser_->cursorForPosition(browser_->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int) override {
        setCursorPosition(start);
        browser_->ensureCursorVisible();
    }
    // One run without attributes: a reader splits the text by its runs.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    // The text from `start` to `end`, each kept within the document.
    QTextCursor span(int start, int end = -1) const {
        QTextCursor cursor(browser_->document());
        cursor.setPosition(std::clamp(start, 0, characterCount()));
        if (end >= 0)
            cursor.setPosition(std::clamp(end, 0, characterCount()), QTextCursor::KeepAnchor);
        return cursor;
    }

    HelpBrowser* browser_;
};

QAccessibleInterface* helpFor(const QString& className, QObject* object) {
    if (className == QLatin1String(HelpBrowser::staticMetaObject.className()))
        return new HelpText(static_cast<HelpBrowser*>(object));
    if (className == QLatin1String(HelpWindow::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

void exposeHelpToScreenReaders() {
    [[maybe_unused]] static const bool exposed = (QAccessible::installFactory(helpFor), true);
}

}  // namespace zupel
