// The game's message boxes. What they name (files, paths, machines, the system's reasons) comes
// from outside the game, so their text is always shown as written, never read as markup, and
// always whole: a long path breaks anywhere rather than run off the box, the box stays on the
// screen, the text can be selected and copied, and the title bar has room for the whole title.
#pragma once

#include <QMessageBox>

namespace zupel {

// A modal message box with one OK button; returns when it is closed.
void showMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                    QWidget* parent = nullptr);

}  // namespace zupel
