#include "fake_shell.h"

#include <algorithm>
#include <cctype>

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

bool FakeShell::askFreeze() {
    log.push_back("dialog:freeze");
    if (whileFreezing) whileFreezing();
    return freezeAnswer;
}

void FakeShell::showOptionform(const OptionForm&, const OptionformEvents& events) {
    log.push_back("dialog:options");
    if (whileOptionsOpen) whileOptionsOpen(events);
}

std::optional<uint32_t> FakeShell::chooseColour(uint32_t current) {
    colourChooserStarts.push_back(current);
    return colourToChoose;
}

std::string FakeShell::chooseFile(const std::string& filter, const std::string& title,
                                  const std::string& current) {
    fileFilter = filter;
    fileTitle = title;
    fileChooserStart = current;
    return fileToChoose;
}

bool FakeShell::writeSetting(const std::string& key, const std::string& value) {
    settingWrites.push_back(key + "=" + value);
    if (settingsWritable) settings[key] = value;
    return settingsWritable;
}

void FakeShell::reportSettingsNotSaved() {
    ++settingsReports;
    log.push_back("report:settings");
}

std::string FakeShell::findGameFile(const std::string& name) {
    auto sameLetters = [&](const std::string& onDisk) {
        return std::equal(
            onDisk.begin(), onDisk.end(), name.begin(), name.end(),
            [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
    };
    auto it = std::find_if(gameFiles.begin(), gameFiles.end(), sameLetters);
    return it == gameFiles.end() ? "" : *it;
}

void FakeShell::showHelp(const std::string& fileName) {
    helpShown.push_back(fileName);
    log.push_back("help:" + fileName);
}

void FakeShell::showMessage(const std::string& text, const std::string& title) {
    messages.push_back({text, title});
    log.push_back("dialog:message");
}

}  // namespace zupel::testing
