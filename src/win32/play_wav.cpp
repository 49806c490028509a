#include "win32/play_wav.h"

#include <windows.h>

#include <mmsystem.h>

namespace pixlin {
namespace {

// Only ordinary files are played: hidden and system files and directories count as missing.
bool IsOrdinaryFile(const std::wstring& path) {
    if (path.empty() || path.find(L'\0') != std::wstring::npos) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

void SystemPlaySound(const std::wstring& path, uint32_t flags) {
    sndPlaySoundW(path.c_str(), flags);
}

}  // namespace

void PlayWave(const std::wstring& path, int16_t wait) {
    PlayWave(path, wait, SystemPlaySound);
}

void PlayWave(const std::wstring& path, int16_t wait, PlaySoundCall playSound) {
    if (!IsOrdinaryFile(path)) {
        return;
    }
    playSound(path, wait == 0 ? SND_ASYNC : SND_SYNC);
}

}  // namespace pixlin
