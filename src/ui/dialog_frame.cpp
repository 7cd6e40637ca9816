#include "dialog_frame.h"

#include <QGuiApplication>
#include <QLabel>
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

void makeRoomForTitle(QMessageBox* box) {
    // Title bars draw in a bold face, often larger than the window's own; the icon and the
    // buttons take about as much again.
    QFont titleFont = box->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    constexpr int kIconAndButtons = 96;
    const int needed =
        QFontMetrics(titleFont).horizontalAdvance(box->windowTitle()) + kIconAndButtons;
    // The box sizes itself to its text when it is shown: a text this wide makes it wide enough.
    if (auto* text = box->findChild<QLabel*>("qt_msgbox_label")) text->setMinimumWidth(needed);
}

void centreDialogOnScreen(QDialog* dialog) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    dialog->move(screen.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
}

}  // namespace zupel
