// The fuzzer's seed corpus, replayed in the everyday build: real saves of slimes in every walk
// of life start, live their minutes and quit without a fault, and so does every file the
// fuzzer once broke the game with (kept beside the seeds).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "save_run.h"

namespace zupel::testing {
namespace {

namespace fs = std::filesystem;

Bytes readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(SaveCorpus, EverySeedStartsLivesAndQuitsCleanly) {
    int seeds = 0;
    for (const auto& entry : fs::directory_iterator(ZUPEL_FUZZ_CORPUS)) {
        SCOPED_TRACE(entry.path().filename().string());
        const Bytes bytes = readAll(entry.path());
        const SaveSet saves = SaveSet::unpack(bytes.data(), bytes.size());
        EXPECT_EQ(saves.pack(), bytes) << "the seed is not in the packed form";
        EXPECT_EQ(runOnSaves(saves), std::nullopt);
        ++seeds;
    }
    EXPECT_GE(seeds, 10);
}

}  // namespace
}  // namespace zupel::testing
