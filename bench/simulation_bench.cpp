// One simulated day of a grown slime left alone in a room at 80 degrees: the busiest pace
// there is (it moves every 100 ms), and old enough that it neither starves nor dies. The
// figure is simulated seconds per second of wall clock.
#include <benchmark/benchmark.h>

#include <memory>

#include "cp932_codec.h"
#include "game.h"
#include "memory_save_folder.h"
#include "quiet_shell.h"
#include "save_files.h"

namespace zupel::bench {
namespace {

constexpr int kToday = 36135;
constexpr Millis kDayMs = 86'400'000;
constexpr double kDaySeconds = 86'400;

PetRecord grownSlimeAt80() {
    PetRecord pet;
    pet.name = "すらいむ      ";
    pet.age = 40;
    pet.condition = Condition::kFine;
    pet.ondo = 80;
    pet.wordcount = 0;
    pet.state = PetState::kLiving;
    pet.lastdate = kToday - 1;  // yesterday: it also grows five minutes in
    return pet;
}

void oneDayAlone(benchmark::State& state) {
    const Cp932Codec codec;
    for (auto _ : state) {
        state.PauseTiming();
        MemorySaveFolder folder;
        folder.files[kDataFile] = encodePet(grownSlimeAt80(), codec);
        folder.files[kBigFile] = {32, 0};
        QuietShell shell(kToday);
        auto game = std::make_unique<Game>(shell, folder, codec);
        game->Form_Load();
        state.ResumeTiming();

        game->scheduler().advanceBy(kDayMs);

        state.PauseTiming();
        const PetRecord& pet = game->world().pet;
        benchmark::DoNotOptimize(shell.sounds);
        if (game->ended() || pet.condition != Condition::kFine || pet.ondo != 80) {
            state.SkipWithError("the slime did not spend the day quietly at 80 degrees");
        }
        game.reset();
        state.ResumeTiming();
    }
    state.counters["sim_s_per_wall_s"] =
        benchmark::Counter(kDaySeconds, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(oneDayAlone)->Name("OneDayAloneAt80")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zupel::bench

BENCHMARK_MAIN();
