#include "window_shell.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <type_traits>

#include "calendar.h"
#include "end_dialog.h"
#include "naming_dialog.h"
#include "twips.h"

namespace zupel {

WindowShell::WindowShell(MainForm& form, const QString& gameFolder)
    : form_(form),
      sounds_(gameFolder),
      // Seeded once from the clock at start-up, so every run plays out differently.
      dice_(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
            std::random_device{}()) {}

int WindowShell::today() {
    return todayAsDayNumber();
}
int WindowShell::hour() {
    return currentHour();
}
double WindowShell::random() {
    return uniform_(dice_);
}

void WindowShell::warn(const std::string& message) {
    std::fprintf(stderr, "zupel: %s\n", message.c_str());
    std::fflush(stderr);
}

void WindowShell::playSound(const std::string& fileName) {
    sounds_.play(QString::fromStdString(fileName));
}

void WindowShell::beep() {
    QApplication::beep();
}

void WindowShell::raiseMainWindow() {
    form_.raise();
    form_.activateWindow();
    // A dialog the game is waiting on belongs to the window: it stays in front of it.
    if (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog != &form_) {
        dialog->raise();
        dialog->activateWindow();
    }
}

std::optional<std::string> WindowShell::readSetting(const std::string& key) {
    return settings_.read(key);
}

bool WindowShell::setRoomPicture(const std::string& path) {
    return form_.loadRoomPicture(QString::fromStdString(path));
}

template <typename Show>
auto WindowShell::modal(Show show) {
    if (beforeModal_) beforeModal_();
    if constexpr (std::is_void_v<decltype(show())>) {
        show();
        if (afterModal_) afterModal_();
    } else {
        auto answer = show();
        if (afterModal_) afterModal_();
        return answer;
    }
}

std::optional<std::string> WindowShell::askName() {
    return modal([] {
        NamingDialog dialog;
        return dialog.ask();
    });
}

void WindowShell::showEndDialog(EndDialog which, std::optional<TwipsPoint> at) {
    modal([&] {
        EndDialogWindow dialog(which, form_.isVisible() ? &form_ : nullptr);
        std::optional<QPoint> topLeft;
        if (at) topLeft = QPoint(px(at->x), px(at->y));
        dialog.showAndWait(topLeft);
    });
}

TwipsPoint WindowShell::mainWindowPosition() {
    const QPoint p = form_.frameGeometry().topLeft();
    return {twips(p.x()), twips(p.y())};
}

void WindowShell::endProgram() {
    if (onEnd_) onEnd_();
}

}  // namespace zupel
