#pragma once

#include <cstdint>
#include <string>

namespace pixlin {

// Plays a wave file if it is an ordinary file; wait 0 returns at once while it plays.
void PlayWave(const std::wstring& path, int16_t wait);

// The system's sound call (sndPlaySoundW and its SND_* flags); tests pass their own.
using PlaySoundCall = void (*)(const std::wstring& path, uint32_t flags);

void PlayWave(const std::wstring& path, int16_t wait, PlaySoundCall playSound);

}  // namespace pixlin
