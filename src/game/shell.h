// Everything the rules need from the world outside the game: the calendar, the clock's hour,
// chance, sounds, settings, pictures and the modal dialogs. The program implements it with Qt;
// tests implement it with a fake that records what happened and answers dialogs from a script.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "option_form.h"

namespace zupel {

// The modal dialogs the rules open. Each returns when the player has closed it.
enum class EndDialog {
    starved /* overform */,
    badEnvironment /* overform2 */,
    died /* deadform */
};

struct TwipsPoint {
    int x = 0;
    int y = 0;
};

class Shell {
public:
    virtual ~Shell() = default;

    // Calendar and chance.
    virtual int today() = 0;      // whole days since 30 December 1899
    virtual int hour() = 0;       // local hour, 0 to 23
    virtual double random() = 0;  // uniform in [0, 1)

    // Tells whoever started the game (its standard error) about something it mended on its
    // own, such as a save file value it could never have written.
    virtual void warn(const std::string& message) = 0;

    // Sound and attention. Best effort: a missing file or device costs nothing.
    virtual void playSound(const std::string& fileName) = 0;  // e.g. "esa.wav"
    virtual void beep() = 0;
    virtual void raiseMainWindow() = 0;

    // Per-user settings (application "zupel", group "setting"); nullopt when absent or unreadable.
    virtual std::optional<std::string> readSetting(const std::string& key) = 0;
    // Shows the picture file as the room's background; false when it cannot be loaded.
    // An empty path clears the picture.
    virtual bool setRoomPicture(const std::string& path) = 0;

    // Modal dialogs. Timers keep ticking while they are open.
    // The name typed into the naming dialog, or nullopt when the player cancelled it.
    virtual std::optional<std::string> askName() = 0;
    // `at` is where the dialog's top-left corner goes; nullopt centres it on the screen.
    virtual void showEndDialog(EndDialog which, std::optional<TwipsPoint> at) = 0;
    virtual TwipsPoint mainWindowPosition() = 0;

    // Ends the program at once: no handler runs after it and nothing more is saved.
    virtual void endProgram() = 0;

    // Freezing, redecorating, help and the version.
    // The freeze confirmation: true for OK; CANCEL or any other way of closing it gives false.
    virtual bool askFreeze() = 0;
    // Shows the redecorating dialog as `form` describes it until the game hides it or the
    // player closes it. Its controls run `events`; after each one the dialog shows `form` again.
    virtual void showOptionform(const OptionForm& form, const OptionformEvents& events) = 0;
    // The colour chooser, starting at `current`; nullopt when the player cancelled it.
    virtual std::optional<uint32_t> chooseColour(uint32_t current) = 0;
    // The open-file chooser, starting at the picture `current` names (its folder, when the file
    // is gone) or else in the player's pictures folder. `filter` is a description and its
    // patterns, "description|*.a;*.b". The chosen file's full path, or "" when cancelled.
    virtual std::string chooseFile(const std::string& filter, const std::string& title,
                                   const std::string& current) = 0;
    // Writes a per-user setting through to its store; false when it could not be written.
    virtual bool writeSetting(const std::string& key, const std::string& value) = 0;
    // Tells the player that the room's settings could not be kept for the next start.
    virtual void reportSettingsNotSaved() = 0;
    // The name on disk of what stands in the game folder under `name` (a file, or anything in
    // its place), or "" when nothing does.
    virtual std::string findGameFile(const std::string& name) = 0;
    // Opens the help document of the game folder at its contents, beside the game; what cannot
    // be one is named there with the reason.
    virtual void showHelp(const std::string& fileName) = 0;
    // A modal message box with one OK button and no icon.
    virtual void showMessage(const std::string& text, const std::string& title) = 0;
};

}  // namespace zupel
