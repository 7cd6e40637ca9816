#include "freeze_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "dialog_frame.h"
#include "fixed_texts.h"
#include "player_text.h"
#include "twips.h"

namespace zupel {

FreezeDialog::FreezeDialog(const QIcon& icon, QWidget* parent) : QDialog(parent) {
    setUpFixedDialog(this, "FREEZE", QSize(px(3615), px(1335)));
    setWindowIcon(icon);
    Label1 = new QLabel(PlayerText::ja("スライムを冷凍して保存し、終了します"), this);
    Label1->setGeometry(pxRect(360, 120, 3015, 255));
    Label2 = new QLabel(PlayerText::ja("次回立ち上げ時には自動的に解凍されます"), this);
    Label2->setGeometry(pxRect(120, 480, 3375, 255));
    // A screen reader reads out the dialog's description, not the labels of a Japanese text.
    setAccessibleDescription(PlayerText::ja(
        "スライムを冷凍して保存し、終了します。次回立ち上げ時には自動的に解凍されます"));
    Command1 = new QPushButton("OK", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(pxRect(600, 960, 1095, 255));
    Command2 = new QPushButton("CANCEL", this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(pxRect(1920, 960, 1095, 255));
    setTabOrder(Command2, Command1);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    sayFixedTexts(this);
}

bool FreezeDialog::ask() {
    centreDialogOnScreen(this);
    Command2->setFocus();
    return exec() == QDialog::Accepted;
}

}  // namespace zupel
