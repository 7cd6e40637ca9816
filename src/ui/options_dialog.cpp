#include "options_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialog_frame.h"
#include "fixed_texts.h"
#include "player_text.h"
#include "room_view.h"
#include "twips.h"

namespace zupel {

OptionsDialog::OptionsDialog(const OptionForm& form, OptionformEvents events, Runner run,
                             QWidget* parent)
    : QDialog(parent), form_(form), events_(std::move(events)), run_(std::move(run)) {
    setUpFixedDialog(this, PlayerText::ja("模様替え"), QSize(px(6375), px(1215)));

    Label2 = new QLabel(PlayerText::ja("部屋の色を変えるか、好きな画像をはりつけることが出来ます"),
                        this);
    Label2->setGeometry(pxRect(120, 120, 6135, 255));
    setAccessibleDescription(Label2->text());  // what a screen reader reads out of the dialog
    Command5 = button("Command5", PlayerText::ja("背景色変更"), pxRect(120, 480, 1095, 255),
                      events_.Command5_Click);
    Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(px(1320) - 1, px(480), 3, px(1080 - 480));
    Label1 = new QLabel(PlayerText::ja("画像"), this);
    Label1->setGeometry(pxRect(1440, 480, 360, 180));
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(pxRect(1920, 480, 3375, 270));
    Command1 = button("Command1", PlayerText::ja("参照"), pxRect(5400, 480, 855, 255),
                      events_.Command1_Click);
    Label3 = new QLabel(PlayerText::ja("選択色"), this);
    Label3->setGeometry(pxRect(120, 840, 615, 255));
    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(pxRect(840, 840, 255, 255));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setAutoFillBackground(true);
    Command3 = button("Command3", "OK", pxRect(2760, 840, 1095, 255), events_.Command3_Click);
    Command2 = button("Command2", "CANCEL", pxRect(3960, 840, 1095, 255), events_.Command2_Click);
    Command4 = button("Command4", "RESET", pxRect(5160, 840, 1095, 255), events_.Command4_Click);
    Command4->setToolTip(PlayerText::ja("部屋を元に戻します"));
    // Enter in the picture path keeps the path, as OK does; Qt would otherwise make the button
    // that last had the keyboard the default, and open the file chooser again.
    Command3->setDefault(true);
    Text1->setAccessibleName(PlayerText::ja("画像のパス"));
    Picture1->setAccessibleName(PlayerText::ja("選択色"));

    setTabOrder(Command5, Text1);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command2);
    setTabOrder(Command2, Command4);
    connect(Text1, &QLineEdit::textEdited, this, [this](const QString& text) {
        press([this, path = text.toStdString()] { events_.Text1_Change(path); });
    });
    sayFixedTexts(this);
    showForm();
}

QPushButton* OptionsDialog::button(const char* name, const QString& caption, QRect where,
                                   const std::function<void()>& handler) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(where);
    connect(b, &QPushButton::clicked, this, [this, handler] { press(handler); });
    return b;
}

void OptionsDialog::press(const std::function<void()>& handler) {
    run_(handler);
    showForm();
}

void OptionsDialog::showForm() {
    QPalette palette = Picture1->palette();
    palette.setColor(QPalette::Window, fromBgr(form_.swatch));
    Picture1->setPalette(palette);
    const QString path = QString::fromStdString(form_.Text1);
    if (Text1->text() != path) Text1->setText(path);  // keeps the cursor while typing
    if (!form_.visible && isVisible()) accept();
}

void OptionsDialog::showAndWait() {
    centreDialogOnScreen(this);
    Command5->setFocus();
    exec();
}

}  // namespace zupel
