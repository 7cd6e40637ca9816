// Plain 44-byte-header PCM wave files, the form every player (and Qt's sound
// effect class) reads without fuss: mono, 16-bit, kSampleRate.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zupel::wavsynth {

// The complete file contents, little-endian whatever the host is.
std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> samples);

// Writes the file; returns why it failed, or nothing on success. A failed
// write leaves no half-written file behind.
std::optional<std::string> writeWavFile(const std::filesystem::path& path,
                                        std::span<const std::int16_t> samples);

}  // namespace zupel::wavsynth
