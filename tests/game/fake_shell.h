// A shell for the rules under test: the calendar, the hour and chance are set by the test,
// sounds and other effects are recorded, and dialogs are answered by scripts.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shell.h"

namespace zupel::testing {

class FakeShell final : public Shell {
public:
    int todayValue = 36135;  // 6 December 1998
    int hourValue = 12;
    // Chance: values handed out in order; when they run out, `fallbackRandom` answers.
    std::deque<double> randoms;
    std::function<double()> fallbackRandom = [] { return 0.0; };

    std::map<std::string, std::string> settings;
    std::vector<std::string> brokenPictures;  // paths that fail to load

    std::vector<std::string> warnings;
    std::vector<std::string> sounds;
    int beeps = 0;
    int raises = 0;
    bool ended = false;
    std::vector<std::string> log;  // effects in order: "sound:x", "beep", "raise", "end", ...

    // The naming dialog's answer; nullopt cancels it. `whileNaming` runs while it is open.
    std::optional<std::string> nameToType = "すらいむ";
    std::function<void()> whileNaming;
    struct EndDialogShown {
        EndDialog which;
        std::optional<TwipsPoint> at;
    };
    std::vector<EndDialogShown> endDialogs;
    std::function<void(EndDialog)> whileEndDialogOpen;
    TwipsPoint windowPosition{1500, 1200};

    int today() override { return todayValue; }
    int hour() override { return hourValue; }
    double random() override;
    void warn(const std::string& message) override;
    void playSound(const std::string& name) override;
    void beep() override;
    void raiseMainWindow() override;
    std::optional<std::string> readSetting(const std::string& key) override;
    bool setRoomPicture(const std::string& path) override;
    std::optional<std::string> askName() override;
    void showEndDialog(EndDialog which, std::optional<TwipsPoint> at) override;
    TwipsPoint mainWindowPosition() override { return windowPosition; }
    void endProgram() override;

    int soundCount(const std::string& name) const;
};

}  // namespace zupel::testing
