#include "naming_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialog_frame.h"
#include "fixed_texts.h"
#include "kept_letters.h"
#include "language.h"
#include "pet_record.h"
#include "player_text.h"
#include "twips.h"

namespace zupel {

NamingDialog::NamingDialog(QWidget* parent) : QDialog(parent) {
    setUpFixedDialog(this, "", QSize(px(4230), px(855)));
    auto* Label1 =
        new QLabel(PlayerText::ja("これから育てるスライムに名前をつけてあげて下さい"), this);
    Label1->setGeometry(pxRect(120, 120, 3975, 255));
    // The title bar is blank; a screen reader names the dialog and reads out its question.
    setAccessibleName(PlayerText::ja("名前をつける"));
    setAccessibleDescription(Label1->text());
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(pxRect(120, 480, 1815, 270));
    Text1->setAccessibleName(PlayerText::ja("スライムの名前"));
    button1 = new QPushButton("OK", this);
    button1->setObjectName("button1");
    button1->setGeometry(pxRect(2040, 480, 975, 255));
    button1->setEnabled(false);
    button2 = new QPushButton("CANCEL", this);
    button2->setObjectName("button2");
    button2->setGeometry(pxRect(3120, 480, 975, 255));
    setTabOrder(Text1, button1);
    setTabOrder(button1, button2);
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textEdited, this, &NamingDialog::keepToRecordWidth);
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& text) { button1->setEnabled(!text.isEmpty()); });
    connect(button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(button2, &QPushButton::clicked, this, &QDialog::reject);
    refuseUnkeptLetters(Text1);
    sayFixedTexts(this);
}

void NamingDialog::keepToRecordWidth(const QString& typed) {
    int cursor = Text1->cursorPosition();
    // Control characters, tabs and line breaks are no part of a name; blanks are.
    QString name;
    name.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed.at(i);
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            if (i < cursor) --cursor;
        } else {
            name += c;
        }
    }
    // What was just typed, pasted or committed by the input method ends before the cursor: keep
    // as much of it as fits, so the box shows the name the slime will have. Keeping less never
    // makes a name longer, so halving finds the most that fits, however long the paste.
    if (!recordKeepsWhole(name, kNameChars)) {
        const QString tail = name.mid(cursor);
        int kept = 0;          // fits
        int tooMany = cursor;  // does not
        while (tooMany - kept > 1) {
            const int half = (kept + tooMany) / 2;
            if (recordKeepsWhole(name.left(half) + tail, kNameChars)) {
                kept = half;
            } else {
                tooMany = half;
            }
        }
        if (kept > 0 && name.at(kept - 1).isHighSurrogate()) --kept;
        name = name.left(kept) + tail;
        cursor = kept;
    }
    if (name == typed) return;
    Text1->setText(name);
    Text1->setCursorPosition(cursor);
    tellAtBox(Text1, translated(PlayerText::ja("名前は全角5文字、半角10文字までです")));
}

bool NamingDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter never names the slime by itself: it only moves on to OK.
            if (!Text1->text().isEmpty()) button1->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<std::string> NamingDialog::ask() {
    centreDialogOnScreen(this);
    Text1->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Text1->text().toStdString();
}

}  // namespace zupel
