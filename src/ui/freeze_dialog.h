// The freeze question "FREEZE": OK stores the slime frozen and ends the game, CANCEL goes
// back to it. CANCEL comes first in the tab order and has the focus, so a hasty Enter keeps
// the game running.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zupel {

class FreezeDialog : public QDialog {
    Q_OBJECT
public:
    FreezeDialog(const QIcon& icon, QWidget* parent = nullptr);
    // Shows it modally, centred on the screen; true for OK, false for CANCEL or any other close.
    bool ask();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;  // OK
    QPushButton* Command2 = nullptr;  // CANCEL
};

}  // namespace zupel
