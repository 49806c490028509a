#include "win32/play_wav.h"

#include "support/scratch_dir.h"

#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace pixlin {
namespace {

using testing::ScratchDir;

struct PlayCall {
    std::wstring path;
    uint32_t flags;
};

std::vector<PlayCall>& Calls() {
    static std::vector<PlayCall> calls;
    return calls;
}

void RecordPlay(const std::wstring& path, uint32_t flags) {
    Calls().push_back({path, flags});
}

// A valid wave file: 8-bit mono, 8000 Hz, a tenth of a second of silence.
std::string SilentWave() {
    const uint32_t samples = 800;
    std::string wave = "RIFF";
    auto put32 = [&wave](uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            wave += static_cast<char>((value >> shift) & 0xFF);
        }
    };
    auto put16 = [&wave](uint16_t value) {
        wave += static_cast<char>(value & 0xFF);
        wave += static_cast<char>(value >> 8);
    };
    put32(36 + samples);
    wave += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(8000);
    put32(8000);
    put16(1);
    put16(8);
    wave += "data";
    put32(samples);
    wave.append(samples, static_cast<char>(0x80));
    return wave;
}

TEST(PlayWave, PlaysOrdinaryFilesOnlyWithTheWaitFlagsSound) {
    const ScratchDir dir;
    const std::wstring ordinary = dir.Write(L"click.wav", SilentWave());
    const std::wstring readOnly = dir.Write(L"read-only.wav", SilentWave());
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::wstring hidden = dir.Write(L"hidden.wav", SilentWave());
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    const std::wstring system = dir.Write(L"system.wav", SilentWave());
    SetFileAttributesW(system.c_str(), FILE_ATTRIBUTE_SYSTEM);
    const std::wstring directory = dir.Path(L"folder.wav");
    CreateDirectoryW(directory.c_str(), nullptr);
    const std::wstring unicode = dir.Write(L"Klick \u00df\u753b.wav", SilentWave());

    const struct {
        std::wstring path;
        int16_t wait;
        bool played;
        uint32_t flags;
    } rows[] = {
        {ordinary, 0, true, SND_ASYNC},
        {ordinary, 1, true, SND_SYNC},
        {ordinary, -1, true, SND_SYNC},
        {ordinary, 32767, true, SND_SYNC},
        {readOnly, 0, true, SND_ASYNC},
        {unicode, 0, true, SND_ASYNC},
        {hidden, 0, false, 0},
        {system, 0, false, 0},
        {directory, 0, false, 0},
        {dir.Path(L"missing.wav"), 0, false, 0},
        {L"", 0, false, 0},
        {ordinary + std::wstring(1, L'\0') + L"x", 0, false, 0},
    };
    for (const auto& row : rows) {
        Calls().clear();
        PlayWave(row.path, row.wait, RecordPlay);
        if (!row.played) {
            EXPECT_TRUE(Calls().empty()) << row.path.c_str();
            continue;
        }
        ASSERT_EQ(Calls().size(), 1u) << row.path.c_str();
        EXPECT_EQ(Calls()[0].path, row.path);
        EXPECT_EQ(Calls()[0].flags, row.flags) << row.path.c_str() << " wait " << row.wait;
    }
}

TEST(PlayWave, ReturnsAtOnceThroughTheSystemsSoundCall) {
    const ScratchDir dir;
    const std::wstring click = dir.Write(L"click.wav", SilentWave());
    const auto start = std::chrono::steady_clock::now();
    PlayWave(dir.Path(L"missing.wav"), 0);
    PlayWave(click, 0);
    PlayWave(click, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    sndPlaySoundW(nullptr, 0);
}

}  // namespace
}  // namespace pixlin
