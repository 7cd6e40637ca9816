#include "end_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "dialog_frame.h"
#include "fixed_texts.h"
#include "player_text.h"
#include "twips.h"

namespace zupel {
namespace {

struct EndDialogLayout {
    QSize client;
    QRect label;
    const char* text;
    QRect button;
};

EndDialogLayout layoutOf(EndDialog which) {
    switch (which) {
        case EndDialog::starved:
            return {QSize(px(3255), px(1110)), pxRect(120, 120, 3015, 375),
                    PlayerText::ja(
                        "何日もほったらかしにしていたので､あなたのスライムは餓死してしまいました"),
                    pxRect(1080, 720, 1095, 255)};
        case EndDialog::badEnvironment:
            return {QSize(px(3255), px(1095)), pxRect(120, 120, 3015, 375),
                    PlayerText::ja(
                        "劣悪な環境下においていたので、あなたのスライムは死んでしまいました"),
                    pxRect(1080, 720, 1095, 255)};
        case EndDialog::died:
            break;
    }
    return {QSize(px(3285), px(975)), pxRect(120, 120, 3015, 255),
            PlayerText::ja("あなたのスライムは死んでしまいました"), pxRect(1080, 600, 1095, 255)};
}

}  // namespace

EndDialogWindow::EndDialogWindow(EndDialog which, QWidget* parent) : QDialog(parent) {
    const EndDialogLayout layout = layoutOf(which);
    setUpFixedDialog(this, "", layout.client);
    Label1 = new QLabel(QString::fromUtf8(layout.text), this);
    // The long messages wrap onto a third line; let the label use the room above the button
    // rather than cut them off.
    Label1->setGeometry(
        layout.label.adjusted(0, 0, 0, layout.button.top() - 4 - layout.label.bottom()));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The title bar is blank; a screen reader names the dialog and reads out what happened.
    setAccessibleName(PlayerText::ja("お別れ"));
    setAccessibleDescription(Label1->text());
    Command1 = new QPushButton("END", this);
    Command1->setGeometry(layout.button);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    sayFixedTexts(this);
}

void EndDialogWindow::showAndWait(std::optional<QPoint> topLeft) {
    if (topLeft) {
        move(*topLeft);
    } else {
        centreDialogOnScreen(this);
    }
    Command1->setFocus();
    exec();
}

}  // namespace zupel
