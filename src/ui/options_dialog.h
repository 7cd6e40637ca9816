// The redecorating dialog "模様替え": a colour button with its swatch, the picture path with a
// browse button, and OK, CANCEL and RESET. It decides nothing: each control runs the game's
// handler, then the dialog shows the game's view of it again and closes when the game says so.
#pragma once

#include <QDialog>
#include <functional>

#include "option_form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zupel {

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Runs a handler of the game the way every other player action runs.
    using Runner = std::function<void(const std::function<void()>&)>;

    OptionsDialog(const OptionForm& form, OptionformEvents events, Runner run,
                  QWidget* parent = nullptr);
    // Shows it modally, centred on the screen, until the game hides it or the player closes it.
    void showAndWait();

    QLabel* Label2 = nullptr;
    QPushButton* Command5 = nullptr;  // choose a colour
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;  // browse
    QLabel* Label3 = nullptr;
    QLabel* Picture1 = nullptr;       // the colour swatch
    QPushButton* Command3 = nullptr;  // OK
    QPushButton* Command2 = nullptr;  // CANCEL
    QPushButton* Command4 = nullptr;  // RESET
    QFrame* Line1 = nullptr;

private:
    QPushButton* button(const char* name, const QString& caption, QRect where,
                        const std::function<void()>& handler);
    void press(const std::function<void()>& handler);
    void showForm();

    const OptionForm& form_;
    OptionformEvents events_;
    Runner run_;
};

}  // namespace zupel
