// The game's effects in the real program: Qt windows and dialogs, sounds from the game folder,
// the player's settings, the calendar and a seeded random generator.
#pragma once

#include <QString>
#include <functional>
#include <random>

#include "language.h"
#include "main_form.h"
#include "settings_store.h"
#include "shell.h"
#include "sound_player.h"

namespace zupel {

class HelpWindow;

class WindowShell final : public Shell {
public:
    WindowShell(MainForm& form, const QString& gameFolder);

    // Runs before every modal dialog, so the window shows the latest state behind it and the
    // timers keep ticking while it is open.
    void setBeforeModal(std::function<void()> callback) { beforeModal_ = std::move(callback); }
    // Runs when a modal dialog has closed, before the game acts on its answer, so the timers are
    // up to the clock and what the answer switches on counts from that moment.
    void setAfterModal(std::function<void()> callback) { afterModal_ = std::move(callback); }
    void setOnEnd(std::function<void()> callback) { onEnd_ = std::move(callback); }
    // Runs the handlers of the dialogs' controls as every other player action runs.
    void setRunHandler(std::function<void(const std::function<void()>&)> run) {
        runHandler_ = std::move(run);
    }

    int today() override;
    int hour() override;
    double random() override;
    void warn(const std::string& message) override;
    void playSound(const std::string& fileName) override;
    void beep() override;
    void raiseMainWindow() override;
    std::optional<std::string> readSetting(const std::string& key) override;
    bool setRoomPicture(const std::string& path) override;
    std::optional<std::string> askName() override;
    void showEndDialog(EndDialog which, std::optional<TwipsPoint> at) override;
    TwipsPoint mainWindowPosition() override;
    void endProgram() override;
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

    // The player chose a language from the window's menu: the game speaks it at once and keeps
    // it in the settings for the next start (and says so when it cannot).
    void chooseLanguage(Language language);

private:
    // Shows a modal dialog between the two callbacks above; returns what `show` returns.
    template <typename Show>
    auto modal(Show show);
    // Tells whoever started the game, and the player in a message box over `owner`, that a
    // setting did not reach the settings file; `message` is marked PlayerText and names it as %1.
    void reportUnwrittenSetting(const std::string& consequence, const char* message,
                                QWidget* owner);
    // The help document in the language spoken, where the game folder has it.
    QString helpPath() const;

    MainForm& form_;
    QString folder_;  // the game folder, as Qt reaches it
    SoundPlayer sounds_;
    SettingsStore settings_;
    std::mt19937_64 dice_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    std::function<void()> beforeModal_;
    std::function<void()> afterModal_;
    std::function<void()> onEnd_;
    std::function<void(const std::function<void()>&)> runHandler_;
    HelpWindow* help_ = nullptr;  // made on first use; the main window owns it
    QString helpFile_;            // the help document the game asked for
};

}  // namespace zupel
