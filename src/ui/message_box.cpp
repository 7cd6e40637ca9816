#include "message_box.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

namespace zupel {
namespace {

// Room kept between a box and the screen's edges for its frame.
constexpr int kScreenMargin = 24;
// A longer line of the text wraps: about this many Japanese characters.
constexpr int kWidestLine = 36;

// Qt's message box cuts a word wider than it allows (a path with no space, a Windows path, whose
// backslashes are no places to break) at the box's edge. This one shows its text in a read-only
// text view of its own in place of Qt's label, where every word may break anywhere, and sizes
// itself to the whole text whenever Qt has sized it.
class WholeTextBox : public QMessageBox {
public:
    WholeTextBox(Icon icon, const QString& title, const QString& text, QWidget* parent);

protected:
    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest) fitText();
        return handled;
    }
    // Ctrl+C copies what is selected of the text, or else all of it, on every system.
    void keyPressEvent(QKeyEvent* event) override {
        if (!text_ || !event->matches(QKeySequence::Copy)) return QMessageBox::keyPressEvent(event);
        if (text_->textCursor().hasSelection()) {
            text_->copy();
        } else {
            QGuiApplication::clipboard()->setText(text());
        }
    }

private:
    void fitText();
    int titleRoom() const;

    QTextEdit* text_ = nullptr;
};

WholeTextBox::WholeTextBox(Icon icon, const QString& title, const QString& text, QWidget* parent)
    : QMessageBox(icon, title, text, QMessageBox::Ok, parent) {
    setTextFormat(Qt::PlainText);
    setAccessibleDescription(text);  // what a screen reader reads out when the box opens
    auto* label = findChild<QLabel*>("qt_msgbox_label");
    auto* grid = qobject_cast<QGridLayout*>(layout());
    const int at = label && grid ? grid->indexOf(label) : -1;
    if (at < 0) return;  // Qt's own label shows the text as well as it can
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(at, &row, &column, &rows, &columns);
    label->hide();

    text_ = new QTextEdit(this);
    text_->setObjectName("messageText");
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setFocusPolicy(Qt::NoFocus);  // Enter stays OK's; Ctrl+C copies the whole box
    text_->setFrameShape(QFrame::NoFrame);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text_->document()->setDocumentMargin(0);
    // Drawn on the box's own background (white on Windows, the window's colour elsewhere), not
    // like an entry field.
    QPalette palette = text_->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, palette.color(QPalette::WindowText));
    text_->setPalette(palette);
    text_->setPlainText(text);
    grid->addWidget(text_, row, column, rows, columns);
}

// Title bars draw in a bold face, often larger than the window's own; the icon and the buttons
// beside the title take about as much again.
int WholeTextBox::titleRoom() const {
    QFont titleFont = font();
    titleFont.setBold(true);
    if (titleFont.pointSizeF() > 0) {
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    } else {
        titleFont.setPixelSize(titleFont.pixelSize() * 5 / 4);
    }
    constexpr int kIconAndButtons = 96;
    return QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kIconAndButtons;
}

void WholeTextBox::fitText() {
    if (!text_ || !isVisible()) return;
    if (text_->toPlainText() != text()) text_->setPlainText(text());
    const QRect screen = this->screen()->availableGeometry();
    const QSize room = screen.size() - 2 * QSize(kScreenMargin, kScreenMargin);
    auto boxAround = [this](QSize text) {
        text_->setFixedSize(text);
        layout()->activate();
        return layout()->totalMinimumSize();
    };
    // The icon, the buttons and the margins round a text that outgrows them all.
    const QSize large(4000, 4000);
    const QSize beside = boxAround(large) - large;

    // Lines as long as written, up to a comfortable length, then as tall as the whole text.
    QTextDocument* document = text_->document();
    document->setTextWidth(-1);
    const int widest = std::min(text_->fontMetrics().horizontalAdvance(QChar(0x3042)) * kWidestLine,
                                room.width() - beside.width());
    const int width = std::min(static_cast<int>(std::ceil(document->idealWidth())), widest);
    document->setTextWidth(width);
    const int whole = static_cast<int>(std::ceil(document->size().height()));
    // A text taller than the screen scrolls rather than push the box off it.
    const int height = std::min(whole, room.height() - beside.height());
    text_->setVerticalScrollBarPolicy(height < whole ? Qt::ScrollBarAsNeeded
                                                     : Qt::ScrollBarAlwaysOff);
    QSize box = boxAround({width, height});
    box.setWidth(std::max(box.width(), std::min(titleRoom(), room.width())));

    QRect placed(QPoint(), box);
    placed.moveCenter(geometry().center());
    setFixedSize(placed.size());
    const QRect allowed =
        screen.adjusted(kScreenMargin, kScreenMargin, -kScreenMargin, -kScreenMargin);
    move(std::clamp(placed.left(), allowed.left(),
                    std::max(allowed.left(), allowed.right() + 1 - placed.width())),
         std::clamp(placed.top(), allowed.top(),
                    std::max(allowed.top(), allowed.bottom() + 1 - placed.height())));
    // Sized for good: what the changes above asked of the layout is done.
    QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
}

}  // namespace

void showMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                    QWidget* parent) {
    WholeTextBox box(icon, title, text, parent);
    box.exec();
}

}  // namespace zupel
