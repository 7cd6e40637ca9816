#include "message_box.h"

#include "dialog_frame.h"

namespace zupel {

void showMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                    QWidget* parent) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    makeRoomForTitle(&box);
    box.exec();
}

}  // namespace zupel
