#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "skintool/finding.h"

namespace pixlin::skintool {

struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t bitsPerSample = 0;
    bool pcm = false;
    std::uint64_t dataBytes = 0;
    bool hasData = false;
};

// The wave format of a RIFF/WAVE file from its first bytes; `fileSize` bounds a data chunk that claims more.
std::optional<WaveFormat> ReadWaveFormat(std::string_view head, std::uint64_t fileSize);

// What the picker's click sound will be. `head` is the file's first bytes (nothing when there is no file).
Findings SoundFindings(std::optional<std::string_view> head, std::uint64_t fileSize);

}  // namespace pixlin::skintool
