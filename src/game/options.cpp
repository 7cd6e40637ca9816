// Redecorating: the room's colour and picture, chosen in a dialog and kept in the player's
// settings, so that every start shows the same room.
#include <initializer_list>
#include <utility>

#include "game.h"
#include "room_settings.h"

namespace zupel {
namespace {

// Every picture format the room can show; the chooser offers no others.
constexpr const char* kPictureFilter =
    PlayerText::ja("画像ﾌｧｲﾙ|*.bmp;*.gif;*.jpg;*.ico;*.png;*.jpeg");
constexpr const char* kChooserTitle = PlayerText::ja("ﾌｧｲﾙを開く");

// Writes each setting in turn; false when any of them could not be kept.
bool writeSettings(Shell& shell,
                   std::initializer_list<std::pair<const char*, std::string>> settings) {
    bool kept = true;
    for (const auto& [key, value] : settings) kept = shell.writeSetting(key, value) && kept;
    return kept;
}

}  // namespace

void Game::option_Click() {
    OptionForm& form = world_.optionform;
    if (form.visible) return;  // already open
    intoform();
    form.visible = true;
    const OptionformEvents events{
        [this] { optionform_Command5_Click(); },
        [this] { optionform_Command1_Click(); },
        [this] { optionform_Command3_Click(); },
        [this] { optionform_Command2_Click(); },
        [this] { optionform_Command4_Click(); },
        [this](const std::string& text) { optionform_Text1_Change(text); },
    };
    form.settingsLost = false;
    shell_.showOptionform(form, events);
    if (ended_) return;
    if (form.visible) optionform_Command2_Click();  // closed without a button: CANCEL
    // Told once the dialog has closed, so the message is not hidden behind it.
    if (form.settingsLost) shell_.reportSettingsNotSaved();
}

void Game::intoform() {
    OptionForm& form = world_.optionform;
    world_.bmpdir = shell_.readSetting(kBmpdirKey).value_or("");
    form.Text1 = world_.bmpdir;
    // A colour setting that is no colour shows the room's own light cyan.
    form.swatch = parseColour(shell_.readSetting(kBgcolorKey).value_or("")).value_or(kRoomCyan);
}

void Game::optionform_Command5_Click() {
    // A cancelled chooser leaves the swatch as it was, rather than painting the room black.
    if (auto colour = shell_.chooseColour(world_.optionform.swatch))
        world_.optionform.swatch = *colour;
}

void Game::optionform_Command1_Click() {
    const std::string path =
        shell_.chooseFile(kPictureFilter, kChooserTitle, world_.optionform.Text1);
    if (!path.empty()) world_.optionform.Text1 = path;
}

void Game::optionform_Command3_Click() {
    OptionForm& form = world_.optionform;
    world_.bmpdir = form.Text1;
    bool kept = writeSettings(
        shell_, {{kBgcolorKey, std::to_string(form.swatch)}, {kBmpdirKey, world_.bmpdir}});
    world_.controls.roomColor = form.swatch;
    if (!showRoomPicture(form.Text1)) {
        // A file that is gone or is no picture: the new colour stays, without a picture, in
        // this run and the next.
        world_.bmpdir.clear();
        kept = writeSettings(shell_, {{kBmpdirKey, ""}}) && kept;
        showRoomPicture("");
    }
    form.visible = false;
    form.settingsLost = !kept;
}

void Game::optionform_Command2_Click() {
    world_.optionform.visible = false;
}

void Game::optionform_Command4_Click() {
    world_.bmpdir.clear();
    const bool kept =
        writeSettings(shell_, {{kBgcolorKey, std::to_string(kRoomCyan)}, {kBmpdirKey, ""}});
    showRoomPicture("");
    world_.controls.roomColor = kRoomCyan;
    world_.optionform.visible = false;
    world_.optionform.settingsLost = !kept;
}

void Game::optionform_Text1_Change(const std::string& text) {
    world_.optionform.Text1 = text;
}

bool Game::showRoomPicture(const std::string& path) {
    if (!shell_.setRoomPicture(path)) return false;
    world_.controls.roomPicture = path;
    return true;
}

}  // namespace zupel
