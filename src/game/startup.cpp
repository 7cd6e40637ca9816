// Start-up, the catch-up for the days that passed while the game was closed, and quitting.
#include <algorithm>
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
    mendRecord();
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
    // The new slime is on the disk from the moment it has a name, so a crash or a power cut
    // before the first quit cannot lose it. Its size goes first: the pet record is what makes
    // the slime exist, so a crash between the two writes leaves either no slime (the next
    // start asks for a name again) or a whole one, never a slime with no size to be drawn at.
    world_.bigstop = 10;
    saves_.writeSize(world_.bigstop);
    saves_.writePet(world_.pet);
}

// A value the game itself could never have written (a damaged or hand-edited file) becomes the
// nearest one it could have, so the slime plays on instead of showing 32767 degrees or saying
// words it never learned.
void Game::mendRecord() {
    PetRecord& pet = world_.pet;
    auto mend = [this](int16_t& field, int16_t mended, const char* what) {
        if (field == mended) return;
        shell_.warn(std::string(kDataFile) + ": " + what + " " + std::to_string(field) +
                    " cannot be right; the game uses " + std::to_string(mended));
        field = mended;
    };
    const int position =
        std::clamp<int>(toInt16(static_cast<double>(pet.ondo) / kDegreesPerStep), 0, kSliderLast);
    mend(pet.ondo, static_cast<int16_t>(position * kDegreesPerStep), "the temperature");
    const int64_t words = saves_.wordRecords();
    mend(pet.wordcount, static_cast<int16_t>(std::clamp<int64_t>(pet.wordcount, 0, words)),
         "the word count");
    mend(pet.age, std::max<int16_t>(pet.age, 0), "the age");
}

void Game::openingform_OK(const std::string& typedName) {
    PetRecord& pet = world_.pet;
    // The name shown from now on is the one the record keeps: a long name loses its tail.
    pet.name = fitToWidth(typedName, kNameChars);
    pet.name = saves_.asStored(pet).name;
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
    // The window can also go while a handler still waits on a dialog (the display died): that
    // dialog counts as closed by its title bar. An end dialog then ends as END does, and a
    // naming that was never finished leaves no slime. The freeze question, redecorating, its
    // choosers and the message boxes all cancel to nothing that is saved, so the slime is
    // saved living as at any other close.
    if (ending_) {
        finishEnding();
        return;
    }
    if (world_.pet.state != PetState::kNone) saveSlime(PetState::kLiving);
    endProgram();
}

void Game::saveSlime(int16_t state) {
    world_.pet.state = state;
    saves_.writePet(world_.pet);
    world_.bigsize = toInt16(world_.controls.slime.width);
    saves_.writeSize(world_.bigsize);
}

}  // namespace zupel
