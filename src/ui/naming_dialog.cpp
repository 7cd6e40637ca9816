#include "naming_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "cp932_codec.h"
#include "dialog_frame.h"
#include "pet_record.h"
#include "twips.h"

namespace zupel {
namespace {

// Typing stops where the record's name field is full, so the player sees the name the slime
// will have: ten bytes of code page 932, five Japanese characters or ten letters.
class NameWidthValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return fitsFileField(codec_, input.toStdString(), kNameChars) ? Acceptable : Invalid;
    }

private:
    Cp932Codec codec_;
};

}  // namespace

NamingDialog::NamingDialog(QWidget* parent) : QDialog(parent) {
    setUpFixedDialog(this, "", QSize(px(4230), px(855)));
    auto* Label1 = new QLabel("これから育てるスライムに名前をつけてあげて下さい", this);
    Label1->setGeometry(pxRect(120, 120, 3975, 255));
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(pxRect(120, 480, 1815, 270));
    Text1->setValidator(new NameWidthValidator(Text1));
    Text1->setAccessibleName("スライムの名前");
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
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& text) { button1->setEnabled(!text.isEmpty()); });
    connect(button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(button2, &QPushButton::clicked, this, &QDialog::reject);
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
