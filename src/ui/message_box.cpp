#include "message_box.h"

namespace zupel {

void showMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                    QWidget* parent) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace zupel
