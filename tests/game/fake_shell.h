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

    // Freezing, redecorating, help and the version.
    bool freezeAnswer = false;  // true presses OK; false stands for CANCEL or any other close
    std::function<void()> whileFreezing;
    // Plays the player's part in the redecorating dialog through its events; the dialog
    // closes when the script returns (if no button closed it, by its title bar).
    std::function<void(const OptionformEvents&)> whileOptionsOpen;
    std::optional<uint32_t> colourToChoose;  // nullopt cancels the colour chooser
    std::vector<uint32_t> colourChooserStarts;
    std::string fileToChoose;  // "" cancels the file chooser
    std::string fileFilter, fileTitle, fileChooserStart;
    bool settingsWritable = true;
    std::vector<std::string> settingWrites;  // "key=value", in order
    int settingsReports = 0;
    // The files of the game folder as the disk spells them; a look-up ignores letter case,
    // as some file systems do.
    std::vector<std::string> gameFiles = {"zupelhelp.hlp"};
    std::vector<std::string> helpShown;
    struct Message {
        std::string text, title;
    };
    std::vector<Message> messages;

    bool askFreeze() override;
    void showOptionform(const OptionForm& form, const OptionformEvents& events) override;
    std::optional<uint32_t> chooseColour(uint32_t current) override;
    std::string chooseFile(const std::string& filter, const std::string& title,
                           const std::string& current) override;
    bool writeSetting(const std::string& key, const std::string& value) override;
    void reportSettingsNotSaved() override;
    std::string findGameFile(const std::string& name) override;
    void showHelp(const std::string& fileName) override;
    void showMessage(const std::string& text, const std::string& title) override;
};

}  // namespace zupel::testing
