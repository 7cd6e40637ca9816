// The look shared by the game's small dialogs: a fixed frame without minimise or maximise
// buttons, a given client size, and a place on the screen.
#pragma once

#include <QDialog>

namespace zupel {

void setUpFixedDialog(QDialog* dialog, const QString& title, QSize clientSize);
void centreDialogOnScreen(QDialog* dialog);

}  // namespace zupel
