#include "skintool/sound_findings.h"

#include <gtest/gtest.h>

#include <string>

namespace pixlin::skintool {
namespace {

std::string Little(std::uint32_t value, int bytes) {
    std::string text;
    for (int i = 0; i < bytes; ++i) {
        text += static_cast<char>(value >> (8 * i) & 0xFF);
    }
    return text;
}

std::string Wave(std::uint16_t tag,
                 std::uint16_t channels,
                 std::uint32_t rate,
                 std::uint16_t bits,
                 std::uint32_t dataBytes,
                 std::string_view extra = {}) {
    const std::uint32_t blockAlign = channels * bits / 8u;
    std::string format = Little(tag, 2) + Little(channels, 2) + Little(rate, 4) + Little(rate * blockAlign, 4) +
                         Little(blockAlign, 2) + Little(bits, 2) + std::string(extra);
    std::string body = "WAVE" + std::string("fmt ") + Little(static_cast<std::uint32_t>(format.size()), 4) + format +
                       "LIST" + Little(4, 4) + "INFO" + "data" + Little(dataBytes, 4) + std::string(dataBytes, '\0');
    return "RIFF" + Little(static_cast<std::uint32_t>(body.size()), 4) + body;
}

// WAVE_FORMAT_EXTENSIBLE with the PCM subformat.
std::string ExtensiblePcm() {
    return Little(22, 2) + Little(16, 2) + Little(3, 4) + Little(1, 2) +
           std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
}

TEST(SoundFindings, WhatTheClickSoundWillBe) {
    struct SoundCase {
        std::string name;
        std::optional<std::string> file;
        std::string kind;
        Severity severity;
        std::string text;
    };
    const SoundCase cases[] = {
        {"mono 16-bit", Wave(1, 1, 44100, 16, 3970), "sound", Severity::Info, "44100 Hz, 16-bit mono, 45 ms"},
        {"stereo 8-bit", Wave(1, 2, 8000, 8, 16000), "sound", Severity::Info, "8000 Hz, 8-bit stereo, 1000 ms"},
        {"extensible PCM", Wave(0xFFFE, 2, 48000, 16, 19200, ExtensiblePcm()), "sound", Severity::Info, "100 ms"},
        {"ADPCM", Wave(2, 1, 22050, 4, 100), "not-pcm", Severity::Warning, "format tag 2"},
        {"no samples", Wave(1, 1, 44100, 16, 0), "empty-sound", Severity::Warning, "no sound data"},
        {"missing", std::nullopt, "no-sound", Severity::Info, "no click sound"},
        {"an MP3", std::string("ID3\x03\0\0\0\0\0\0", 10), "not-wave", Severity::Warning, "not a RIFF/WAVE"},
        {"cut short", Wave(1, 1, 44100, 16, 3970).substr(0, 20), "not-wave", Severity::Warning, "RIFF/WAVE"},
    };
    for (const SoundCase& c : cases) {
        const std::uint64_t size = c.file ? c.file->size() : 0;
        const Findings findings = SoundFindings(c.file ? std::optional<std::string_view>(*c.file) : std::nullopt, size);
        ASSERT_EQ(findings.size(), 1u) << c.name;
        EXPECT_EQ(findings[0].kind, c.kind) << c.name;
        EXPECT_EQ(findings[0].severity, c.severity) << c.name;
        EXPECT_NE(findings[0].message.find(c.text), std::string::npos) << c.name << ": " << findings[0].message;
    }
}

TEST(ReadWaveFormat, ADataChunkLongerThanTheFileCountsOnlyWhatIsThere) {
    std::string wave = Wave(1, 1, 1000, 8, 500);
    wave.resize(wave.size() - 400);
    const std::optional<WaveFormat> format = ReadWaveFormat(wave, wave.size());
    ASSERT_TRUE(format);
    EXPECT_EQ(format->dataBytes, 100u);
}

}  // namespace
}  // namespace pixlin::skintool
