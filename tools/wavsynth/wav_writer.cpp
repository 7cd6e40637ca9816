#include "wav_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "sound_recipe.h"

namespace zupel::wavsynth {
namespace {

constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kBytesPerFrame = kChannels * kBitsPerSample / 8;

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xff));
}

// Byte by byte: g++ 12 raises a false overflow warning on vector::insert here.
void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

std::string errnoText(int code) {
    return std::generic_category().message(code);
}

}  // namespace

std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerFrame);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, kPcmFormat);
    put16(out, kChannels);
    put32(out, kSampleRate);
    put32(out, kSampleRate * kBytesPerFrame);
    put16(out, kBytesPerFrame);
    put16(out, kBitsPerSample);
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
    return out;
}

std::optional<std::string> writeWavFile(const std::filesystem::path& path,
                                        std::span<const std::int16_t> samples) {
    const std::vector<std::uint8_t> bytes = encodeWav(samples);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return errnoText(errno);

    std::optional<std::string> failure;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        failure = errnoText(errno);
    if (std::fclose(file) != 0 && !failure) failure = errnoText(errno);
    if (failure) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    return failure;
}

}  // namespace zupel::wavsynth
