// The dialogs that tell the player the slime is gone: a message and END. Closing them by any
// means is the same as END; what follows (the files, the end of the game) is the game's.
#pragma once

#include <QDialog>
#include <optional>

#include "shell.h"

class QLabel;
class QPushButton;

namespace zupel {

class EndDialogWindow : public QDialog {
    Q_OBJECT
public:
    EndDialogWindow(EndDialog which, QWidget* parent = nullptr);
    // Shows it modally at `topLeft` (screen pixels), or centred; returns when it is closed.
    void showAndWait(std::optional<QPoint> topLeft);

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;
};

}  // namespace zupel
