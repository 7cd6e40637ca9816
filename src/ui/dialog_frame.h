// The look shared by the game's small dialogs: a fixed frame without minimise or maximise
// buttons, a given client size, and a place on the screen.
#pragma once

#include <QDialog>
#include <QMessageBox>

namespace zupel {

void setUpFixedDialog(QDialog* dialog, const QString& title, QSize clientSize);
void centreDialogOnScreen(QDialog* dialog);
// Widens a message box that would be narrower than its title bar needs, so the whole title
// shows beside the window manager's icon and buttons.
void makeRoomForTitle(QMessageBox* box);

}  // namespace zupel
