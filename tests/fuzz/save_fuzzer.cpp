// libFuzzer's entry: every input is a set of save files the game starts on (see SaveSet).
#include <cstdio>
#include <cstdlib>

#include "save_run.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using zupel::testing::SaveSet;
    if (auto fault = zupel::testing::runOnSaves(SaveSet::unpack(data, size))) {
        std::fprintf(stderr, "zupel: %s\n", fault->c_str());
        std::abort();
    }
    return 0;
}
