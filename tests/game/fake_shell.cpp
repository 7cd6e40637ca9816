#include "fake_shell.h"

#include <algorithm>

namespace zupel::testing {

double FakeShell::random() {
    if (randoms.empty()) return fallbackRandom();
    const double r = randoms.front();
    randoms.pop_front();
    return r;
}

void FakeShell::warn(const std::string& message) {
    warnings.push_back(message);
}

void FakeShell::playSound(const std::string& name) {
    sounds.push_back(name);
    log.push_back("sound:" + name);
}

void FakeShell::beep() {
    ++beeps;
    log.push_back("beep");
}

void FakeShell::raiseMainWindow() {
    ++raises;
    log.push_back("raise");
}

std::optional<std::string> FakeShell::readSetting(const std::string& key) {
    auto it = settings.find(key);
    if (it == settings.end()) return std::nullopt;
    return it->second;
}

bool FakeShell::setRoomPicture(const std::string& path) {
    return std::find(brokenPictures.begin(), brokenPictures.end(), path) == brokenPictures.end();
}

std::optional<std::string> FakeShell::askName() {
    log.push_back("dialog:name");
    if (whileNaming) whileNaming();
    return nameToType;
}

void FakeShell::showEndDialog(EndDialog which, std::optional<TwipsPoint> at) {
    endDialogs.push_back({which, at});
    log.push_back("dialog:end");
    if (whileEndDialogOpen) whileEndDialogOpen(which);
}

void FakeShell::endProgram() {
    ended = true;
    log.push_back("end");
}

int FakeShell::soundCount(const std::string& name) const {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), name));
}

}  // namespace zupel::testing
