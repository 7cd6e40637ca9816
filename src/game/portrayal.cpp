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
    // Moving the slider runs its change rule, at start-up as at any other time: the room's
    // temperature judges the slime and sets its pace before the first tick.
    const int position = toInt16(static_cast<double>(pet.ondo) / kDegreesPerStep);
    if (position >= 0 && position <= kSliderLast && position != c.slider1Position) {
        Slider1_Change(position);
    }
    timerOn(TimerId::movetimer);
    timerOn(TimerId::modetimer);
    timerOn(TimerId::foodtimer);
}

}  // namespace zupel
