#include "soak.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "cp932_codec.h"
#include "game.h"
#include "memory_save_folder.h"
#include "save_files.h"
#include "utf8_text.h"

namespace zupel::soak {
namespace {

constexpr int kFirstDay = 46000;          // 9 December 2025
constexpr std::size_t kActionsKept = 80;  // the tail of the story a failure prints
constexpr Millis kSecond = 1000;
constexpr Millis kMinute = 60 * kSecond;
constexpr Millis kHour = 60 * kMinute;

// How far the slime may stray: the walls turn its walks back a step late, a touch's side hops
// and the chase after a pointer at the room's edge carry it a little further.
constexpr float kFarLeft = -48, kFarRight = 248, kFarTop = -48, kFarBottom = 268;

struct Broken : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The largest a slime of this age can be: it grows by its age plus one at most once a day
// while it is younger than 21 (past 32, and past the room, if it is shown every day), and is
// set to 32 from then on.
float largestSize(int age) {
    if (age >= 22) return 32;
    float size = 10;
    for (int a = 1; a <= std::min(age, 20); ++a) size += static_cast<float>(a + 1);
    return size;
}

// The world outside the game as the soak plays it: a calendar the soak moves, chance from the
// seed, sounds counted rather than kept (a year of them would fill the memory), and dialogs
// answered by the soak's player.
class SoakShell final : public Shell {
public:
    int todayValue = kFirstDay;
    int hourValue = 12;
    std::mt19937_64 dice;
    std::function<std::optional<std::string>()> answerName;
    std::function<void(EndDialog)> answerEnd;
    std::function<bool()> answerFreeze;
    std::function<void(const OptionformEvents&)> useOptionform;
    std::map<std::string, std::string> settings;
    std::vector<std::string> warnings;
    int64_t sounds = 0;

    int today() override { return todayValue; }
    int hour() override { return hourValue; }
    double random() override { return std::uniform_real_distribution<double>(0, 1)(dice); }
    void warn(const std::string& message) override { warnings.push_back(message); }
    void playSound(const std::string&) override { ++sounds; }
    void beep() override {}
    void raiseMainWindow() override {}
    std::optional<std::string> readSetting(const std::string& key) override {
        auto it = settings.find(key);
        if (it == settings.end()) return std::nullopt;
        return it->second;
    }
    // A picture whose path says so is missing; every other one loads.
    bool setRoomPicture(const std::string& path) override {
        return path.find("missing") == std::string::npos;
    }
    std::optional<std::string> askName() override { return answerName(); }
    void showEndDialog(EndDialog which, std::optional<TwipsPoint>) override { answerEnd(which); }
    TwipsPoint mainWindowPosition() override { return {}; }
    void endProgram() override {}
    // The soak's player never freezes, redecorates or asks for help: every dialog is closed.
    bool askFreeze() override { return answerFreeze(); }
    void showOptionform(const OptionForm&, const OptionformEvents& events) override {
        useOptionform(events);
    }
    std::optional<uint32_t> chooseColour(uint32_t) override {
        if (std::uniform_int_distribution<int>(0, 3)(dice) == 0) return std::nullopt;
        return std::uniform_int_distribution<uint32_t>(0, 0xFFFFFF)(dice);
    }
    std::string chooseFile(const std::string&, const std::string&, const std::string&) override {
        static const char* const kFiles[] = {"", "/rooms/sea.png", "/rooms/missing.bmp"};
        return kFiles[std::uniform_int_distribution<int>(0, 2)(dice)];
    }
    bool writeSetting(const std::string& key, const std::string& value) override {
        settings[key] = value;
        return true;
    }
    void reportSettingsNotSaved() override {}
    std::string findGameFile(const std::string& name) override { return name; }
    void showHelp(const std::string&) override {}
    void showMessage(const std::string&, const std::string&) override {}
};

class Soak {
public:
    Soak(uint64_t seed, int days) : seed_(seed), days_(days), player_(seed) {
        shell_.dice.seed(seed ^ 0x9E3779B97F4A7C15ull);
        shell_.answerName = [this] { return answerNamingDialog(); };
        shell_.answerEnd = [this](EndDialog which) { answerEndDialog(which); };
        shell_.answerFreeze = [this] { return answerFreezeDialog(); };
        shell_.useOptionform = [this](const OptionformEvents& events) { redecorate(events); };
    }

    SoakResult run() {
        try {
            while (shell_.todayValue - kFirstDay < days_) {
                startSession();
                if (!game_->ended()) playSession();
                if (!game_->ended()) fail("the session did not end");
                checkFilesAfterTheEnd();
                moveCalendar();
            }
        } catch (const std::exception& broken) {
            result_.passed = false;
            std::ostringstream out;
            out << broken.what() << "\n  seed " << seed_ << ", " << days_ << " days: `bench/soak "
                << days_ << " " << seed_ << "` plays the same life again. The last actions:\n";
            for (const std::string& action : recent_) out << "    " << action << "\n";
            result_.failure = out.str();
        }
        result_.calendarDays = shell_.todayValue - kFirstDay;
        return result_;
    }

private:
    // The player's own dice, apart from the game's, so a change in how often the game draws
    // does not change what the player does.
    int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(player_); }
    Millis between(Millis low, Millis high) {
        return std::uniform_int_distribution<Millis>(low, high)(player_);
    }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(player_) < p; }

    void note(const std::string& what) {
        std::ostringstream line;
        line << "day " << shell_.todayValue - kFirstDay;
        if (game_) line << " at " << game_->scheduler().now() << " ms";
        line << ": " << what;
        recent_.push_back(line.str());
        if (recent_.size() > kActionsKept) recent_.pop_front();
    }
    [[noreturn]] void fail(const std::string& what) { throw Broken(what); }
    void expect(bool ok, const std::string& what) {
        if (!ok) fail(what);
    }

    World& world() { return game_->world(); }
    Controls& controls() { return game_->world().controls; }
    bool on(TimerId id) { return game_->scheduler().enabled(id); }

    // --- Sessions ------------------------------------------------------------------------

    void startSession() {
        game_.reset();
        ended_ = std::nullopt;
        saved_ = false;
        shell_.hourValue = roll(24);
        if (!folder_.exists(kDataFile) || chance(0.3)) maybeLeaveASlimeOfAnyAge();
        note("the game starts");
        game_ = std::make_unique<Game>(shell_, folder_, codec_);
        ++result_.starts;
        game_->Form_Load();
        // Every file here was written by the game itself: start-up has nothing to mend.
        expect(shell_.warnings.empty(), "start-up mended a record the game wrote: " +
                                            (shell_.warnings.empty() ? "" : shell_.warnings[0]));
        if (!game_->ended()) checkInvariants();
    }

    // Half of the lives begin as a slime already some days old, so that every age gets its
    // share of the year; the files are the ones the game itself would have written.
    void maybeLeaveASlimeOfAnyAge() {
        if (chance(0.5)) return;
        folder_.files.clear();
        const auto age = static_cast<int16_t>(1 + roll(60));
        PetRecord pet;
        pet.name = fitToWidth("soak" + std::to_string(age), kNameChars);
        pet.age = age;
        pet.condition = Condition::kFine;
        pet.ondo = static_cast<int16_t>(10 * (2 + roll(7)));
        pet.state = chance(0.2) ? PetState::kFrozen : PetState::kLiving;
        pet.lastdate = shell_.todayValue - roll(2);
        std::vector<std::string> words;
        for (int i = roll(25); i > 0; --i) words.push_back(randomText());
        pet.wordcount = static_cast<int16_t>(words.size());
        folder_.files[kDataFile] = encodePet(pet, codec_);
        Bytes& wordBytes = folder_.files[kWordFile];
        for (const std::string& word : words) {
            const Bytes record = encodeWord(fitToWidth(word, kWordChars), codec_);
            wordBytes.insert(wordBytes.end(), record.begin(), record.end());
        }
        const auto size = static_cast<int16_t>(
            age >= 22 ? 32 : 10 + roll(static_cast<int>(largestSize(age)) - 9));
        folder_.files[kBigFile] = {static_cast<uint8_t>(size & 0xFF),
                                   static_cast<uint8_t>((size >> 8) & 0xFF)};
        note("a slime of " + std::to_string(age) + " days waits in the folder");
    }

    void playSession() {
        const Millis length = chance(0.6)   ? between(kMinute, 20 * kMinute)
                              : chance(0.8) ? between(20 * kMinute, 3 * kHour)
                                            : between(3 * kHour, 16 * kHour);
        const Millis end = game_->scheduler().now() + length;
        careful_ = chance(0.8);
        while (!game_->ended() && game_->scheduler().now() < end) {
            passTime(gap());
            if (!game_->ended()) act();
        }
        if (game_->ended()) return;
        if (chance(0.5)) {
            note("quit from the menu");
            game_->endgame1_Click();
        } else {
            note("close the window");
            game_->Form_Unload();
        }
        saved_ = true;
    }

    // Between two actions: mostly seconds, sometimes minutes, now and then a long while.
    Millis gap() {
        const int kind = roll(100);
        if (kind < 85) return between(50, 10 * kSecond);
        if (kind < 98) return between(10 * kSecond, 3 * kMinute);
        return between(3 * kMinute, 30 * kMinute);
    }

    void passTime(Millis ms) {
        game_->scheduler().advanceBy(ms);
        result_.hoursOpen += static_cast<double>(ms) / kHour;
        if (!game_->ended()) checkInvariants();
    }

    // Mostly the next day or the same day; now and then days later, and sometimes the clock
    // was set back.
    void moveCalendar() {
        const int kind = roll(100);
        int days = 0;
        if (kind < 45) {
            days = 0;
        } else if (kind < 80) {
            days = 1;
        } else if (kind < 92) {
            days = 2 + roll(2);
        } else if (kind < 97) {
            days = 4 + roll(37);
        } else {
            days = -1 - roll(3);
        }
        shell_.todayValue += days;
        note("the calendar moves " + std::to_string(days) + " days");
    }

    // --- The player's actions --------------------------------------------------------------

    void act() {
        ++result_.actions;
        if (careful_ && chance(0.7) && lookAfterTheSlime()) return;
        const int kind = roll(100);
        const Controls& c = controls();
        if (kind < 15 && c.button1Enabled) {
            note("feed");
            game_->button1_Click();
        } else if (kind < 25 && c.slider1Enabled) {
            const int position = careful_ ? 2 + roll(7) : roll(11);
            note("slider to " + std::to_string(position));
            game_->Slider1_Change(position);
        } else if (kind < 35 && c.button2Enabled) {
            pressPlay();
        } else if (kind < 45 && c.button3Enabled) {
            note(world().talkmode ? "stop talking" : "start talking");
            game_->button3_Click();
        } else if (kind < 60 && c.wordinboxEnabled) {
            teachAWord();
        } else if (kind < 68) {
            note("click the slime");
            game_->sura_Click();
        } else if (kind < 85) {
            movePointer();
        } else if (kind < 86 && chance(0.2)) {
            note("close the window mid-session");
            game_->Form_Unload();
            saved_ = true;
        } else if (kind < 89 && c.button4Enabled) {
            note("freeze");
            game_->button4_Click();
        } else if (kind < 91) {
            note("redecorate");
            game_->option_Click();
        } else if (kind < 92) {
            note("open the help and the version box");
            game_->help1_Click();
            game_->aboutgame_Click();
        } else {
            note("watch");
        }
    }

    void pressPlay() {
        const bool starting = world().asobimode == 0;
        note(starting ? "start playing" : "stop playing");
        game_->button2_Click();
        if (starting) playStartedAt_ = game_->scheduler().now();
        movePointer();
    }

    void teachAWord() {
        const std::string word = randomText();
        note("type \"" + word + "\"");
        game_->wordinbox_Change(word);
        if (!controls().wordbuttonEnabled) return;
        note("press OK");
        game_->wordbutton_Click();
    }

    // Over the room (where the toy leads the chase), the slime, the window or the speech line.
    void movePointer() {
        switch (roll(4)) {
            case 0:
            case 1: {
                const double x = roll(2000) / 10.0;
                const double y = roll(2000) / 10.0;
                note("pointer over the room at " + std::to_string(x) + ", " + std::to_string(y));
                game_->Picture1_MouseMove(x, y);
                break;
            }
            case 2:
                note("pointer over the slime");
                game_->sura_MouseMove();
                break;
            default:
                note("pointer over the window and the speech line");
                game_->Form_MouseMove();
                game_->wordbox_MouseMove();
                break;
        }
    }

    // A caring player answers what the status line says.
    bool lookAfterTheSlime() {
        const PetRecord& pet = world().pet;
        const Controls& c = controls();
        if ((pet.condition == Condition::kHungry || pet.condition == Condition::kWeak) &&
            c.button1Enabled) {
            note("feed the hungry slime");
            game_->button1_Click();
            return true;
        }
        if (pet.condition == Condition::kStressed && c.button2Enabled && !world().asobimode) {
            pressPlay();
            return true;
        }
        if (world().asobimode && chance(0.2) && c.button2Enabled) {
            pressPlay();
            return true;
        }
        if (pet.condition == Condition::kBadTemperature && c.slider1Enabled) {
            note("slider back to 5");
            game_->Slider1_Change(5);
            return true;
        }
        return false;
    }

    // --- Dialogs ---------------------------------------------------------------------------

    // Time goes on while a dialog stays open: a moment, or minutes.
    void keepDialogOpen() {
        const Millis open =
            chance(0.7) ? between(200, 10 * kSecond) : between(kMinute, 8 * kMinute);
        game_->scheduler().advanceBy(open);
    }

    // Mostly the player thinks better of it; now and then the slime goes into the cold.
    bool answerFreezeDialog() {
        for (TimerId id : {TimerId::foodtimer, TimerId::deadtimer, TimerId::movetimer,
                           TimerId::wordtimer, TimerId::asobitimer}) {
            expect(!on(id), "the freeze button left a timer running");
        }
        keepDialogOpen();
        const bool ok = chance(0.15);
        note(ok ? "freeze: OK" : "freeze: CANCEL");
        if (ok) saved_ = true;
        return ok;
    }

    // A few of the dialog's controls in any order, then OK, CANCEL, RESET or the title bar.
    void redecorate(const OptionformEvents& form) {
        for (int steps = roll(4); steps > 0; --steps) {
            switch (roll(3)) {
                case 0:
                    note("choose a colour");
                    form.Command5_Click();
                    break;
                case 1:
                    note("browse for a picture");
                    form.Command1_Click();
                    break;
                default: {
                    const std::string path = chance(0.5) ? "" : "/rooms/" + randomText();
                    note("type the path \"" + path + "\"");
                    form.Text1_Change(path);
                    break;
                }
            }
        }
        switch (roll(4)) {
            case 0:
                note("redecorate: OK");
                form.Command3_Click();
                break;
            case 1:
                note("redecorate: CANCEL");
                form.Command2_Click();
                break;
            case 2:
                note("redecorate: RESET");
                form.Command4_Click();
                break;
            default:
                note("redecorate: closed by its title bar");
                break;
        }
    }

    std::optional<std::string> answerNamingDialog() {
        keepDialogOpen();
        expect(!controls().slimeVisible, "a slime is in the room while the naming dialog is open");
        if (chance(0.08)) {
            note("cancel the naming dialog");
            return std::nullopt;
        }
        std::string name = randomText();
        if (name.empty()) name = "a";  // OK cannot be pressed with an empty name
        note("name the slime \"" + name + "\"");
        return name;
    }

    void answerEndDialog(EndDialog which) {
        if (which == EndDialog::died) {
            for (int i = 0; i < kTimerCount; ++i) {
                const auto id = static_cast<TimerId>(i);
                expect(id == TimerId::modetimer || !on(id),
                       "timer " + std::to_string(i) + " still runs after the slime died");
            }
            expect(world().pet.condition == Condition::kDead, "a dead slime's condition is not 2");
        }
        note("an end dialog (" + std::to_string(static_cast<int>(which)) + ") is closed");
        keepDialogOpen();
        ended_ = which;
        ++result_.endings;
    }

    // Words and names as players type them: ASCII, Japanese, characters the save files cannot
    // hold, nothing at all, and far too long.
    std::string randomText() {
        static const char* const kPieces[] = {"a",
                                              "Z",
                                              "7",
                                              " ",
                                              "す",
                                              "ら",
                                              "い",
                                              "む",
                                              "漢",
                                              "ｶﾅ",
                                              "😀",
                                              "é",
                                              "\xef\xbd\x9e" /* ～ */,
                                              "?"};
        const int kind = roll(10);
        int length = kind == 0 ? 0 : kind == 1 ? 200 : 1 + roll(12);
        std::string text;
        while (length-- > 0) text += kPieces[roll(std::size(kPieces))];
        return text;
    }

    // --- What must always hold ---------------------------------------------------------------

    void checkInvariants() {
        const World& w = world();
        const PetRecord& pet = w.pet;
        const Controls& c = w.controls;
        expect(pet.condition >= 0 && pet.condition <= 8,
               "condition " + std::to_string(pet.condition) + " is no code of the game");
        expect(pet.state == PetState::kLiving, "a running slime is not stored as living");
        expect(w.movemode >= 0 && w.movemode <= 10, "movemode " + std::to_string(w.movemode));
        expect(w.movestep >= 0 && w.movestep <= 7, "movestep " + std::to_string(w.movestep));
        expect(c.slimeVisible, "the slime of a running game is not in the room");
        const SlimeRect& s = c.slime;
        // The chase brings the slime's centre to the toy, so a big slime's corner goes further.
        expect(s.left >= kFarLeft - s.width && s.left <= kFarRight && s.top >= kFarTop - s.height &&
                   s.top <= kFarBottom,
               "the slime strayed to " + std::to_string(s.left) + ", " + std::to_string(s.top));
        expect(s.width == s.height, "the slime is not square");
        if (pet.age > 0) {
            expect(s.width >= 10 && s.width <= largestSize(pet.age),
                   "a slime of " + std::to_string(pet.age) + " days is " + std::to_string(s.width) +
                       " pixels");
        }
        expect(pet.wordcount >= 0, "a negative word count");
        const Bytes& words = folder_.files[kWordFile];
        expect(static_cast<int64_t>(words.size()) / kWordLen >= pet.wordcount,
               "word.sura holds fewer words than the slime counts");
        for (std::size_t at = 0; at + kWordLen <= words.size(); at += kWordLen) {
            const Bytes record(words.begin() + static_cast<std::ptrdiff_t>(at),
                               words.begin() + static_cast<std::ptrdiff_t>(at + kWordLen));
            expect(utf8Length(decodeWord(record, codec_)) == kWordChars,
                   "a word record does not read back as 20 characters");
        }
        // While the slime hops for the player's words, or chases the toy, it does not wander.
        expect(!(on(TimerId::wordtimer) && on(TimerId::movetimer)), "it wanders while talking");
        const bool chased = game_->scheduler().now() - playStartedAt_ >= 500;
        expect(!(on(TimerId::asobitimer) && chased && on(TimerId::movetimer)),
               "it wanders while playing");
    }

    // After the game has ended: a saved record reads back as it was, and an end dialog deleted
    // exactly the files it names.
    void checkFilesAfterTheEnd() {
        if (ended_) {
            const bool keepsSize = *ended_ == EndDialog::died;
            expect(!folder_.exists(kDataFile) && !folder_.exists(kWordFile),
                   "an end dialog left the record or the words behind");
            expect(folder_.exists(kBigFile) == keepsSize, "an end dialog got big.sura wrong");
            return;
        }
        if (!saved_) return;  // the naming dialog was cancelled
        const PetRecord stored = decodePet(folder_.files[kDataFile], codec_);
        expect(stored == world().pet, "the record read back differs from the record saved");
    }

    uint64_t seed_;
    int days_;
    std::mt19937_64 player_;
    MemorySaveFolder folder_;
    Cp932Codec codec_;
    SoakShell shell_;
    std::unique_ptr<Game> game_;
    std::deque<std::string> recent_;
    SoakResult result_;
    std::optional<EndDialog> ended_;
    bool saved_ = false;
    bool careful_ = true;
    Millis playStartedAt_ = 0;
};

}  // namespace

SoakResult runSoak(uint64_t seed, int days) {
    return Soak(seed, days).run();
}

}  // namespace zupel::soak
