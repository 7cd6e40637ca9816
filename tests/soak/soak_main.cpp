// Plays a seeded life of DAYS calendar days and prints how fast the rules went.
// usage: zupel_soak_run DAYS SEED
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "soak.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DAYS SEED\n", argv[0]);
        return 2;
    }
    const int days = std::atoi(argv[1]);
    const uint64_t seed = std::strtoull(argv[2], nullptr, 10);
    const auto start = std::chrono::steady_clock::now();
    const zupel::soak::SoakResult r = zupel::soak::runSoak(seed, days);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "seed %llu: %lld calendar days, %.0f hours open, %lld starts, %lld actions, "
        "%lld endings\n",
        static_cast<unsigned long long>(seed), static_cast<long long>(r.calendarDays), r.hoursOpen,
        static_cast<long long>(r.starts), static_cast<long long>(r.actions),
        static_cast<long long>(r.endings));
    std::printf(
        "%.1f s of wall clock: %.1f calendar days per second, %.0f hours of play per "
        "second\n",
        seconds, r.calendarDays / seconds, r.hoursOpen / seconds);
    if (!r.passed) {
        std::fprintf(stderr, "SOAK FAILED: %s", r.failure.c_str());
        return 1;
    }
    return 0;
}
