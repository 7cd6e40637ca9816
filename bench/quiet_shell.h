// A shell for the benchmarks: a fixed calendar, a seeded random source, no sounds, no windows,
// so that only the rules themselves are timed.
#pragma once

#include <random>
#include <string>

#include "shell.h"

namespace zupel::bench {

class QuietShell final : public Shell {
public:
    explicit QuietShell(int today) : today_(today) {}

    int sounds = 0;  // how many sounds the game asked for

    int today() override { return today_; }
    int hour() override { return 12; }
    double random() override { return uniform_(dice_); }
    void warn(const std::string&) override {}
    void playSound(const std::string&) override { ++sounds; }
    void beep() override {}
    void raiseMainWindow() override {}
    std::optional<std::string> readSetting(const std::string&) override { return std::nullopt; }
    bool setRoomPicture(const std::string&) override { return true; }
    std::optional<std::string> askName() override { return std::nullopt; }
    void showEndDialog(EndDialog, std::optional<TwipsPoint>) override {}
    TwipsPoint mainWindowPosition() override { return {}; }
    void endProgram() override {}
    bool askFreeze() override { return false; }
    void showOptionform(const OptionForm&, const OptionformEvents&) override {}
    std::optional<uint32_t> chooseColour(uint32_t) override { return std::nullopt; }
    std::string chooseFile(const std::string&, const std::string&, const std::string&) override {
        return "";
    }
    bool writeSetting(const std::string&, const std::string&) override { return true; }
    void reportSettingsNotSaved() override {}
    std::string findGameFile(const std::string&) override { return ""; }
    void showHelp(const std::string&) override {}
    void showMessage(const std::string&, const std::string&) override {}

private:
    int today_;
    std::mt19937 dice_{20261207};  // the same day every run
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

}  // namespace zupel::bench
