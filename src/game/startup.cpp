// Start-up, the catch-up for the days that passed while the game was closed, and quitting.
#include <cmath>

#include "game.h"
#include "numbers.h"
#include "utf8_text.h"

namespace zupel {
namespace {

// The codes a slime may be saved with and still be alive at the next start.
bool livesOn(int16_t condition) {
    return condition == Condition::kFine || condition == Condition::kJustFed ||
           condition == Condition::kFineStored || condition == Condition::kOverfed;
}

}  // namespace

// The single-instance check, seeding the dice and centring the window happen in the program
// before the game is created; everything from opening the save files on is here.
void Game::Form_Load() {
    saves_.open();
    world_.pet = saves_.readPet();
    world_.bigsize = saves_.readSize();

    if (!livesOn(world_.pet.condition)) {
        endThroughDialog(EndDialog::badEnvironment);
        return;
    }
    if (world_.pet.state != PetState::kNone) {
        lastcheck();
        if (ended_) return;
        showsuraim();
        world_.pet.state = PetState::kLiving;  // a frozen slime thaws
        return;
    }
    const std::optional<std::string> name = shell_.askName();
    if (ended_) return;
    if (!name) {  // CANCEL, or the dialog closed any other way: nothing is written
        endProgram();
        return;
    }
    openingform_OK(*name);
    world_.bigstop = 10;
    saves_.writeSize(world_.bigstop);
}

void Game::openingform_OK(const std::string& typedName) {
    PetRecord& pet = world_.pet;
    pet.name = fitToWidth(typedName, kNameChars);
    pet.age = 1;
    pet.ondo = 50;
    pet.esa = 30;
    pet.asobi = 20;
    pet.state = PetState::kLiving;
    pet.lastdate = today();
    showsuraim();
}

void Game::lastcheck() {
    PetRecord& pet = world_.pet;
    SlimeRect& slime = world_.controls.slime;
    const double now = today();
    // A date no calendar can hold counts as a date in the future; how far away it lies is
    // unknown, so it adds nothing to the age.
    const bool sane = isSaneDate(pet.lastdate);
    const double elapsed = sane ? now - pet.lastdate : 0;

    if (pet.state == PetState::kLiving) {
        const bool stale = !sane || pet.lastdate < now - 3 || now < pet.lastdate;
        if (stale && pet.age < 30) {
            endThroughDialog(EndDialog::starved);
            return;
        }
        if (stale) {  // grown up: it cannot starve, it only ages
            pet.age = clampedSum(pet.age, elapsed);
            pet.lastdate = now;
            slime.width = 32;
            slime.height = 32;
            return;
        }
    } else if (pet.state != PetState::kFrozen) {
        return;
    }

    // Frozen at any distance, or living and back within three days.
    if (sane && elapsed == 0) world_.bigstop = 1;  // same day: no growth this run
    pet.age = clampedSum(pet.age, elapsed);
    pet.lastdate = now;
    slime.width = world_.bigsize;
    if (pet.age >= 22) {
        slime.width = 32;
        slime.height = 32;
    } else {
        slime.height = slime.width;
    }
}

void Game::endgame1_Click() {
    world_.pet.lastdate = today();
    world_.pet.state = PetState::kLiving;
    saves_.writePet(world_.pet);
    Form_Unload();
}

void Game::Form_Unload() {
    if (ended_) return;
    saveSlime(PetState::kLiving);
    endProgram();
}

void Game::saveSlime(int16_t state) {
    world_.pet.state = state;
    saves_.writePet(world_.pet);
    world_.bigsize = toInt16(world_.controls.slime.width);
    saves_.writeSize(world_.bigsize);
}

}  // namespace zupel
