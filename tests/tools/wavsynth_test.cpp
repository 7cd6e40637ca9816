#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double kRate = 22050.0;
const std::vector<std::string> kSoundNames = {"esa",   "big",  "yobu", "move1",
                                              "move6", "bell", "oboe"};

std::vector<std::uint8_t> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
    return v;
}

std::string tag(const std::vector<std::uint8_t>& b, std::size_t at) {
    return {b.begin() + at, b.begin() + at + 4};
}

// Checks the header field by field, the way a simple player reads it.
void expectPlayableHeader(const std::vector<std::uint8_t>& b) {
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(tag(b, 0), "RIFF");
    EXPECT_EQ(le(b, 4, 4), b.size() - 8);
    EXPECT_EQ(tag(b, 8), "WAVE");
    EXPECT_EQ(tag(b, 12), "fmt ");
    EXPECT_EQ(le(b, 16, 4), 16u);
    EXPECT_EQ(le(b, 20, 2), 1u) << "PCM";
    EXPECT_EQ(le(b, 22, 2), 1u) << "mono";
    EXPECT_EQ(le(b, 24, 4), 22050u);
    EXPECT_EQ(le(b, 28, 4), 44100u) << "byte rate";
    EXPECT_EQ(le(b, 32, 2), 2u) << "block align";
    EXPECT_EQ(le(b, 34, 2), 16u);
    EXPECT_EQ(tag(b, 36), "data");
    EXPECT_EQ(le(b, 40, 4), b.size() - 44);
}

// Samples scaled to [-1, 1); the header is checked by its own test.
std::vector<double> samplesOf(const std::vector<std::uint8_t>& b) {
    std::vector<double> samples;
    for (std::size_t i = 44; i + 1 < b.size(); i += 2) {
        samples.push_back(static_cast<std::int16_t>(le(b, i, 2)) / 32768.0);
    }
    return samples;
}

// Power per DFT bin (Hann window) of up to 8192 samples from `first`.
std::vector<double> binPowers(const std::vector<double>& s, std::size_t first, std::size_t count) {
    count = std::min({count, s.size() - first, std::size_t{8192}});
    std::vector<double> windowed(count), cosines(count), sines(count);
    for (std::size_t n = 0; n < count; ++n) {
        const double angle = 2 * std::numbers::pi * static_cast<double>(n) / count;
        windowed[n] = (0.5 - 0.5 * std::cos(angle)) * s[first + n];
        cosines[n] = std::cos(angle);
        sines[n] = std::sin(angle);
    }
    std::vector<double> power(count / 2, 0.0);
    for (std::size_t k = 1; k < power.size(); ++k) {
        double re = 0.0, im = 0.0;
        for (std::size_t n = 0; n < count; ++n) {
            re += windowed[n] * cosines[k * n % count];
            im -= windowed[n] * sines[k * n % count];
        }
        power[k] = re * re + im * im;
    }
    return power;
}

double dominantHz(const std::vector<double>& s, std::size_t first, std::size_t count) {
    const std::vector<double> p = binPowers(s, first, count);
    const auto peak = std::max_element(p.begin(), p.end()) - p.begin();
    return peak * kRate / (2.0 * p.size());
}

double peakOf(const std::vector<double>& s, std::size_t first, std::size_t count) {
    double peak = 0.0;
    for (std::size_t i = first; i < first + count && i < s.size(); ++i)
        peak = std::max(peak, std::abs(s[i]));
    return peak;
}

int runTool(const fs::path& outDir, const fs::path& errFile) {
    const std::string command = std::string("'") + ZUPEL_WAVSYNTH_EXE + "' '" + outDir.string() +
                                "' 2> '" + errFile.string() + "'";
    return std::system(command.c_str());
}

// Runs the tool once into a scratch folder; each test looks at what it wrote.
// Failures here would not fail any test, so this only records what happened.
class WavSynthTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        workDir = fs::temp_directory_path() / ("zupel_wavsynth_test_" + std::to_string(getpid()));
        fs::remove_all(workDir);
        fs::create_directories(workDir);
        toolStatus = runTool(workDir / "zupel", workDir / "stderr.txt");
    }
    static void TearDownTestSuite() { fs::remove_all(workDir); }

    void SetUp() override {
        ASSERT_EQ(toolStatus, 0);
        for (const std::string& name : kSoundNames) {
            const fs::path path = workDir / "zupel" / (name + ".wav");
            ASSERT_TRUE(fs::exists(path)) << path;
            files[name] = readBytes(path);
            sounds[name] = samplesOf(files[name]);
        }
    }

    static inline fs::path workDir;
    static inline int toolStatus = -1;

    std::map<std::string, std::vector<std::uint8_t>> files;
    std::map<std::string, std::vector<double>> sounds;
};

TEST_F(WavSynthTest, EveryFileHasAPlayableHeader) {
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        expectPlayableHeader(bytes);
    }
}

TEST_F(WavSynthTest, EverySoundHasASaneLengthAndLevel) {
    const std::map<std::string, double> longest = {{"yobu", 0.6}, {"move1", 0.25}, {"move6", 0.4}};
    for (const auto& [name, s] : sounds) {
        const double seconds = s.size() / kRate;
        EXPECT_GT(seconds, 0.1) << name;
        EXPECT_LT(seconds, longest.contains(name) ? longest.at(name) : 1.3) << name;
        const double peakDb = 20 * std::log10(peakOf(s, 0, s.size()));
        EXPECT_GT(peakDb, -6.0) << name;
        EXPECT_LT(peakDb, -1.0) << name;
    }
}

TEST_F(WavSynthTest, SoundsStartAndEndWithoutAClick) {
    const std::size_t edge = static_cast<std::size_t>(0.0005 * kRate);
    for (const auto& [name, s] : sounds) {
        ASSERT_GT(s.size(), 2 * edge) << name;
        const double peak = peakOf(s, 0, s.size());
        EXPECT_LT(std::abs(s.front()), 0.01) << name;
        EXPECT_LT(std::abs(s.back()), 0.01) << name;
        EXPECT_LT(peakOf(s, 0, edge), 0.2 * peak) << name;
        EXPECT_LT(peakOf(s, s.size() - edge, edge), 0.2 * peak) << name;
    }
}

TEST_F(WavSynthTest, SoundsHaveTheirCharacter) {
    const std::vector<double>& food = sounds["esa"];
    EXPECT_GT(dominantHz(food, 0, food.size()), 500.0) << "the food chime should be bright";

    // Quarter by quarter, not just first against last: the sparkles alone
    // would make the tail high even if the glide went down.
    const std::vector<double>& growth = sounds["big"];
    const std::size_t quarter = growth.size() / 4;
    for (std::size_t q = 1; q < 4; ++q) {
        EXPECT_GT(dominantHz(growth, q * quarter, quarter),
                  dominantHz(growth, (q - 1) * quarter, quarter))
            << "the growth sweep should keep rising, quarter " << q + 1;
    }

    const std::vector<double>& landing = sounds["move1"];
    const std::vector<double> p = binPowers(landing, 0, landing.size());
    double low = 0.0, total = 0.0;
    for (std::size_t k = 0; k < p.size(); ++k) {
        total += p[k];
        if (k * kRate / (2.0 * p.size()) < 300.0) low += p[k];
    }
    EXPECT_GT(low / total, 0.7) << "the landing should be a low thump";
}

TEST_F(WavSynthTest, OutputIsTheSameOnEveryBuild) {
    ASSERT_EQ(runTool(workDir / "again", workDir / "stderr.txt"), 0);
    for (const std::string& name : kSoundNames) {
        const std::string file = name + ".wav";
        EXPECT_EQ(readBytes(workDir / "zupel" / file), readBytes(workDir / "again" / file)) << file;
    }
}

TEST_F(WavSynthTest, NamesTheFileItCannotWrite) {
    const fs::path blocked = workDir / "blocked";
    fs::create_directories(blocked / "esa.wav");  // a directory where the sound should go
    EXPECT_NE(runTool(blocked, workDir / "stderr.txt"), 0);
    const std::vector<std::uint8_t> err = readBytes(workDir / "stderr.txt");
    EXPECT_NE(std::string(err.begin(), err.end()).find("esa.wav"), std::string::npos);
}

}  // namespace
