// A game on a virtual clock with a fake shell and its save files in memory.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string_view>

#include "cp932_codec.h"
#include "fake_shell.h"
#include "game.h"
#include "memory_save_folder.h"
#include "save_files.h"

namespace zupel {

// What the slime says equals the Japanese line it makes; its own words are shown in brackets.
inline bool operator==(const SpokenLine& line, std::string_view japanese) {
    return line.japanese() == japanese;
}
inline void PrintTo(const SpokenLine& line, std::ostream* out) {
    for (const SpokenPiece& piece : line.pieces)
        *out << (piece.own ? "[" : "") << piece.text << (piece.own ? "]" : "");
}

}  // namespace zupel

namespace zupel::testing {

constexpr int kDay = 36135;  // 6 December 1998

class GameTest : public ::testing::Test {
protected:
    MemorySaveFolder folder;
    FakeShell shell;
    Cp932Codec codec;
    std::unique_ptr<Game> game;

    // A living slime as a save file would hold it.
    static PetRecord livingSlime(int16_t age = 5, double lastdate = kDay) {
        PetRecord pet;
        pet.name = "すらいむ      ";
        pet.age = age;
        pet.condition = Condition::kFine;
        pet.asobi = 50;
        pet.esa = 60;
        pet.ondo = 50;
        pet.wordcount = 0;
        pet.state = PetState::kLiving;
        pet.lastdate = lastdate;
        return pet;
    }

    void storePet(const PetRecord& pet) { folder.files["data.sura"] = encodePet(pet, codec); }
    void storeSize(int16_t size) {
        folder.files["big.sura"] = {static_cast<uint8_t>(size & 0xFF),
                                    static_cast<uint8_t>((size >> 8) & 0xFF)};
    }
    void storeWords(const std::vector<std::string>& words) {
        Bytes& bytes = folder.files["word.sura"];
        bytes.clear();
        for (const auto& w : words) {
            Bytes record = encodeWord(w, codec);
            bytes.insert(bytes.end(), record.begin(), record.end());
        }
    }
    PetRecord storedPet() { return decodePet(folder.files["data.sura"], codec); }
    int16_t storedSize() {
        const Bytes& b = folder.files["big.sura"];
        if (b.size() < 2) return 0;
        return static_cast<int16_t>(b[0] | (b[1] << 8));
    }

    // Creates the main window's game and runs its start-up.
    void start() {
        game = std::make_unique<Game>(shell, folder, codec);
        game->Form_Load();
    }
    // Starts a living slime saved today (so it does not grow this run unless told otherwise).
    void startWith(const PetRecord& pet, int16_t size = 10) {
        storePet(pet);
        storeSize(size);
        start();
    }

    World& world() { return game->world(); }
    PetRecord& pet() { return game->world().pet; }
    Controls& controls() { return game->world().controls; }
    Scheduler& clock() { return game->scheduler(); }
    bool on(TimerId id) { return game->scheduler().enabled(id); }
    int interval(TimerId id) { return game->scheduler().interval(id); }
    void advance(Millis ms) { game->scheduler().advanceBy(ms); }
};

}  // namespace zupel::testing
