#include "dialog_frame.h"

#include <QGuiApplication>
#include <QScreen>

namespace zupel {

void setUpFixedDialog(QDialog* dialog, const QString& title, QSize clientSize) {
    // The window system shows the program's name in place of an empty title; a blank shows
    // nothing at all, as these dialogs' title bars should.
    dialog->setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFixedSize(clientSize);
    dialog->setModal(true);
}

void centreDialogOnScreen(QDialog* dialog) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    dialog->move(screen.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
}

}  // namespace zupel
