// zupel_wavsynth OUTDIR: renders the game's sound effects into OUTDIR.
#include <filesystem>
#include <iostream>
#include <system_error>

#include "game_sounds.h"
#include "wav_writer.h"

namespace fs = std::filesystem;
using namespace zupel::wavsynth;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zupel_wavsynth OUTDIR\n";
        return 2;
    }
    const fs::path outDir = argv[1];
    std::error_code error;
    fs::create_directories(outDir, error);
    if (error) {
        std::cerr << "zupel_wavsynth: cannot create directory " << outDir << ": " << error.message()
                  << '\n';
        return 1;
    }

    for (const SoundRecipe& recipe : gameSounds()) {
        const fs::path path = outDir / recipe.fileName;
        if (const auto failure = writeWavFile(path, renderRecipe(recipe))) {
            std::cerr << "zupel_wavsynth: cannot write " << path << ": " << *failure << '\n';
            return 1;
        }
    }
    return 0;
}
