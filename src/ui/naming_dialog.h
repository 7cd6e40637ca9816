// The naming dialog of a new slime: a text box, OK (usable once something is typed) and
// CANCEL. Enter in the text box moves the focus to OK; a second Enter presses it. The box takes
// no more of a name than the slime's record keeps, and no control characters.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace zupel {

class NamingDialog : public QDialog {
    Q_OBJECT
public:
    explicit NamingDialog(QWidget* parent = nullptr);
    // Shows the dialog modally; the typed name, or nullopt when it was closed without OK.
    std::optional<std::string> ask();

    QLineEdit* Text1 = nullptr;
    QPushButton* button1 = nullptr;  // OK
    QPushButton* button2 = nullptr;  // CANCEL

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepToRecordWidth(const QString& typed);
};

}  // namespace zupel
