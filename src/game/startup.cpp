// Start-up, the catch-up for the days that passed while the game was closed, the days that pass
// while it is open, and quitting.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "game.h"
#include "numbers.h"
#include "slime_size.h"
#include "utf8_text.h"

namespace zupel {
namespace {

// From this age the slime is shown at its full size as soon as its age is brought up to date.
constexpr int16_t kShownFullAge = 22;

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
    mendRecord();

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
    // The new slime is on the disk from the moment it has a name, so a crash or a power cut
    // before the first quit cannot lose it. Its size goes first: the pet record is what makes
    // the slime exist, so a crash between the two writes leaves either no slime (the next
    // start asks for a name again) or a whole one, never a slime with no size to be drawn at.
    world_.bigstop = kNewbornSize;
    saves_.writeSize(world_.bigstop);
    saves_.writePet(world_.pet);
}

// A value the game itself could never have written (a damaged or hand-edited file) becomes the
// nearest one it could have, with a line on standard error, so that the damage neither ends
// the slime nor shows it at 32767 degrees or saying words it never learned.
void Game::mendRecord() {
    PetRecord& pet = world_.pet;
    auto mend = [this](const char* file, int16_t& field, int16_t mended, const char* what) {
        if (field == mended) return;
        shell_.warn(std::string(file) + ": " + what + " " + std::to_string(field) +
                    " cannot be right; the game uses " + std::to_string(mended));
        field = mended;
    };
    const bool knownCondition =
        pet.condition >= Condition::kFine && pet.condition <= Condition::kOverfed;
    mend(kDataFile, pet.condition, knownCondition ? pet.condition : Condition::kFine,
         "the condition");
    const int64_t words = saves_.wordRecords();
    mend(kDataFile, pet.wordcount,
         static_cast<int16_t>(std::clamp<int64_t>(pet.wordcount, 0, words)), "the word count");
    if (!saves_.holdsPet()) return;  // no slime yet: naming fills in the rest

    // Which state was damaged is unknown; a frozen slime thaws however long it was away, so
    // the damage cannot starve it. A record marked "no slime" is damage too: the game never
    // writes one, and taking it at its word would name a new slime over the one it holds.
    const bool knownState = pet.state == PetState::kLiving || pet.state == PetState::kFrozen;
    mend(kDataFile, pet.state, knownState ? pet.state : PetState::kFrozen, "the state");
    const int position =
        std::clamp<int>(toInt16(static_cast<double>(pet.ondo) / kDegreesPerStep), 0, kSliderLast);
    mend(kDataFile, pet.ondo, static_cast<int16_t>(position * kDegreesPerStep), "the temperature");
    mend(kDataFile, pet.age, std::max<int16_t>(pet.age, 0), "the age");
    mend(kBigFile, world_.bigsize, std::clamp(world_.bigsize, kNewbornSize, kLargestSize),
         "the size");
    // The game only ever saves a whole calendar day. When the date is anything else, how long
    // the slime was away is unknown, so it counts as saved today: nothing is charged for it.
    if (!isSaneDate(pet.lastdate) || std::floor(pet.lastdate) != pet.lastdate) {
        char shown[32];
        std::snprintf(shown, sizeof shown, "%.17g", pet.lastdate);
        shell_.warn(std::string(kDataFile) + ": the date " + shown +
                    " cannot be right; the game uses today, " + std::to_string(today()));
        pet.lastdate = today();
    }
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
    const double elapsed = now - pet.lastdate;  // a whole number of days: the record is mended
    // A clock or time zone moved back takes days away, but never more than the slime has lived.
    auto agedBy = [](int16_t age, double days) {
        return std::max<int16_t>(clampedSum(age, days), 0);
    };

    if (pet.state != PetState::kFrozen) {  // living: the record holds no other state now
        const bool stale = pet.lastdate < now - 3 || now < pet.lastdate;
        if (stale && pet.age < 30) {
            endThroughDialog(EndDialog::starved);
            return;
        }
        if (stale) {  // grown up: it cannot starve, it only ages
            pet.age = agedBy(pet.age, elapsed);
            pet.lastdate = now;
            slime.width = kFullSize;
            slime.height = kFullSize;
            return;
        }
    }

    // Frozen at any distance, or living and back within three days.
    if (elapsed == 0) world_.bigstop = 1;  // same day: no growth this run
    pet.age = agedBy(pet.age, elapsed);
    pet.lastdate = now;
    slime.width = world_.bigsize;
    if (pet.age >= kShownFullAge) {
        slime.width = kFullSize;
        slime.height = kFullSize;
    } else {
        slime.height = slime.width;
    }
}

// A day the game is open is a day the slime lived and was looked after (a long weekend with the
// game open, a laptop suspended with it): when the calendar moves on, the days are added to its
// age and its record is dated with them, so the next start does not count them as days left
// alone, and nothing is charged for them. The new day may bring growth, as a start on it would.
// A clock moved back takes no days away; the record follows it, so the next start on the
// earlier date finds the slime saved that day rather than in the future.
void Game::followCalendar() {
    PetRecord& pet = world_.pet;
    if (pet.state == PetState::kNone || ending_ || ended_) return;  // no slime in the room
    const double now = today();
    if (now > pet.lastdate) {
        pet.age = clampedSum(pet.age, now - pet.lastdate);
        world_.controls.agebox = std::to_string(pet.age);
        if (pet.age >= kShownFullAge) {
            world_.controls.slime.width = kFullSize;
            world_.controls.slime.height = kFullSize;
        }
        world_.bigstop = 0;
        world_.bigcount = 0;
        timerOn(TimerId::bigtimer);
    }
    pet.lastdate = now;
}

void Game::endgame1_Click() {
    followCalendar();
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
    followCalendar();
    world_.pet.state = state;
    saves_.writePet(world_.pet);
    world_.bigsize = toInt16(world_.controls.slime.width);
    saves_.writeSize(world_.bigsize);
}

}  // namespace zupel
