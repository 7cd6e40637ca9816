#include "save_run.h"

#include <algorithm>

#include "cp932_codec.h"
#include "fake_shell.h"
#include "game.h"
#include "memory_save_folder.h"
#include "save_files.h"
#include "slime_size.h"

namespace zupel::testing {
namespace {

constexpr std::size_t kHeader = 6;
constexpr Millis kSecond = 1000;
constexpr int kLongestRunMinutes = 6;
constexpr Millis kStepMs = 10 * kSecond;

Bytes take(const uint8_t*& at, const uint8_t* end, std::size_t wanted) {
    const std::size_t n = std::min<std::size_t>(wanted, static_cast<std::size_t>(end - at));
    Bytes out(at, at + n);
    at += n;
    return out;
}

// A small generator of its own, so a run depends on nothing but its input.
class Dice {
public:
    explicit Dice(uint8_t seed) : state_(0x9E3779B97F4A7C15ull ^ seed) {}
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0;  // [0, 1)
    }

private:
    uint64_t state_;
};

bool definedCondition(int16_t c) {
    return c >= Condition::kFine && c <= Condition::kOverfed;
}

// What must hold at every moment the game is running.
std::optional<std::string> brokenWhileRunning(const World& w) {
    if (!definedCondition(w.pet.condition)) {
        return "condition " + std::to_string(w.pet.condition) + " is no code the game knows";
    }
    if (w.movemode < 0 || w.movemode > 10) {
        return "movemode " + std::to_string(w.movemode) + " is out of range";
    }
    if (w.movestep < 0) return "movestep " + std::to_string(w.movestep) + " is negative";
    if (w.pet.age < 0) return "age " + std::to_string(w.pet.age) + " is negative";
    return std::nullopt;
}

// What start-up leaves of any record it lets play: a living slime, today's date, and a size
// that growth could have made.
std::optional<std::string> brokenAfterStart(const World& w, int today) {
    if (w.pet.state != PetState::kLiving)
        return "the slime plays in state " + std::to_string(w.pet.state);
    if (w.pet.lastdate != today) return "the slime plays with a date other than today";
    const float width = w.controls.slime.width;
    if (width < kNewbornSize || width > kLargestSize) {
        return "the slime is drawn " + std::to_string(width) + " pixels wide";
    }
    return std::nullopt;
}

// Only an empty data.sura means no slime; one of any length but a whole record is damaged.
bool tornRecord(const Bytes& data) {
    return !data.empty() && data.size() != static_cast<std::size_t>(kDataLen);
}

// An end dialog deletes the save files it names and nothing else; quitting saves the slime
// exactly as it was.
std::optional<std::string> brokenAfterEnd(const Game& game, const FakeShell& shell,
                                          MemorySaveFolder& folder, const TextCodec& codec) {
    if (!shell.ended) return "the game did not end when the player quit";
    if (!shell.endDialogs.empty()) {
        const bool keepsSize = shell.endDialogs.back().which == EndDialog::died;
        if (folder.exists(kDataFile) || folder.exists(kWordFile)) {
            return "an end dialog left the slime's record or words behind";
        }
        if (folder.exists(kBigFile) != keepsSize) return "an end dialog got big.sura wrong";
        return std::nullopt;
    }
    if (!folder.exists(kDataFile)) return std::nullopt;  // cancelled the naming: nothing written
    const Bytes saved(folder.files[kDataFile].begin(),
                      folder.files[kDataFile].begin() +
                          std::min<std::size_t>(kDataLen, folder.files[kDataFile].size()));
    if (saved != encodePet(game.world().pet, codec)) {
        return "the record saved on quitting is not the slime that was playing";
    }
    return std::nullopt;
}

}  // namespace

SaveSet SaveSet::unpack(const uint8_t* bytes, std::size_t size) {
    SaveSet set;
    if (size < kHeader) return set;
    set.dayShift = static_cast<int8_t>(bytes[0]);
    set.diceSeed = bytes[1];
    set.minutes = static_cast<uint8_t>(1 + bytes[2] % kLongestRunMinutes);
    const std::size_t dataLength = bytes[3];
    const std::size_t wordLength = bytes[4] | (bytes[5] << 8);
    const uint8_t* at = bytes + kHeader;
    const uint8_t* end = bytes + size;
    set.data = take(at, end, dataLength);
    set.word = take(at, end, wordLength);
    set.big = take(at, end, static_cast<std::size_t>(end - at));
    return set;
}

Bytes SaveSet::pack() const {
    const std::size_t dataLength = std::min<std::size_t>(data.size(), 0xFF);
    const std::size_t wordLength = std::min<std::size_t>(word.size(), 0xFFFF);
    Bytes out;
    out.reserve(kHeader + dataLength + wordLength + big.size());
    out = {static_cast<uint8_t>(static_cast<int8_t>(dayShift)),
           diceSeed,
           static_cast<uint8_t>(minutes - 1),
           static_cast<uint8_t>(dataLength),
           static_cast<uint8_t>(wordLength & 0xFF),
           static_cast<uint8_t>(wordLength >> 8)};
    out.insert(out.end(), data.begin(), data.begin() + dataLength);
    out.insert(out.end(), word.begin(), word.begin() + wordLength);
    out.insert(out.end(), big.begin(), big.end());
    return out;
}

std::optional<std::string> runOnSaves(const SaveSet& saves) {
    MemorySaveFolder folder;
    folder.files[kDataFile] = saves.data;
    folder.files[kWordFile] = saves.word;
    folder.files[kBigFile] = saves.big;
    FakeShell shell;
    shell.todayValue = kSeedDay + saves.dayShift;
    Dice dice(saves.diceSeed);
    shell.fallbackRandom = [&dice] { return dice.next(); };
    shell.hourValue = saves.diceSeed % 24;
    static const Cp932Codec codec;  // opened once: the conversions carry no state between runs

    const auto given = folder.files;
    Game game(shell, folder, codec);
    try {
        game.Form_Load();
        if (tornRecord(saves.data)) return std::string("a torn data.sura was played");
        if (!game.ended()) {
            if (auto fault = brokenAfterStart(game.world(), shell.todayValue)) return fault;
        }
        const Millis runMs = saves.minutes * 60 * kSecond;
        for (Millis t = 0; t < runMs && !game.ended(); t += kStepMs) {
            if (auto fault = brokenWhileRunning(game.world())) return fault;
            game.scheduler().advanceBy(kStepMs);
        }
        if (!game.ended()) game.Command2_Click();
    } catch (const SaveFileError& error) {
        // Files in memory never fail to read or write; only a torn data.sura is refused, and it
        // must be left exactly as it was, for the player to restore.
        if (error.operation() == "use") return std::string("after the end: ") + error.what();
        if (!tornRecord(saves.data)) return std::string("a sound save refused: ") + error.what();
        if (folder.files != given) return std::string("a torn data.sura was not left alone");
        return std::nullopt;  // the program reports it and stops
    }
    return brokenAfterEnd(game, shell, folder, codec);
}

}  // namespace zupel::testing
