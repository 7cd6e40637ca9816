// Preparing the main window for a slime: the room from the settings, the slime made visible,
// its labels, fresh meters, the slider, and the three timers of a living slime.
#include "game.h"
#include "numbers.h"
#include "room_settings.h"

namespace zupel {

void Game::showsuraim() {
    Controls& c = world_.controls;
    PetRecord& pet = world_.pet;

    if (auto text = shell_.readSetting(kBgcolorKey)) {
        if (auto colour = parseColour(*text)) c.roomColor = *colour;
    }
    world_.bmpdir = shell_.readSetting(kBmpdirKey).value_or("");
    showRoomPicture(world_.bmpdir);
    c.slimeVisible = true;
    c.namebox = pet.name;
    c.agebox = std::to_string(pet.age);
    c.ondobox = std::to_string(pet.ondo);
    pet.esa = static_cast<int16_t>(21 + draw(100) - 1);
    pet.asobi = static_cast<int16_t>(21 + draw(100) - 1);
    // A temperature no slider position stands for leaves the slider where it is.
    const int position = toInt16(pet.ondo / 10.0);
    if (position >= 0 && position <= 10) c.slider1Position = position;
    timerOn(TimerId::movetimer);
    timerOn(TimerId::modetimer);
    timerOn(TimerId::foodtimer);
}

}  // namespace zupel
