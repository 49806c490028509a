#include "picker/colour_keeping.h"

#include <windows.h>

#include <cwchar>

#include "win32/user_setting.h"
#include "win32/whole_file.h"

namespace pixlin {
namespace {

constexpr wchar_t kFileName[] = L"colours.json";
constexpr wchar_t kSwitchValue[] = L"KeepColours";

std::optional<KeptNotice> NoticeOf(StoreState state) {
    switch (state) {
        case StoreState::Fine:
            return std::nullopt;
        case StoreState::Damaged:
            return KeptNotice::Damaged;
        case StoreState::Foreign:
            return KeptNotice::Foreign;
        case StoreState::TooLarge:
            return KeptNotice::TooLarge;
        case StoreState::Newer:
            return KeptNotice::Newer;
    }
    return KeptNotice::Damaged;
}

const wchar_t* SuffixWord(StoreState state) {
    switch (state) {
        case StoreState::Foreign:
            return L"foreign";
        case StoreState::TooLarge:
            return L"too-large";
        case StoreState::Newer:
            return L"newer";
        default:
            return L"damaged";
    }
}

// ".damaged-20261209-101500": what was wrong and when it was moved, local time, so that names sort by date.
std::wstring AsideSuffix(StoreState state) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t stamp[32] = {};
    std::swprintf(stamp, 32, L"-%04u%02u%02u-%02u%02u%02u", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
                  now.wSecond);
    return std::wstring(L".") + SuffixWord(state) + stamp;
}

}  // namespace

KeepingPlace DefaultKeepingPlace() {
    KeepingPlace place{{}, L"Software\\Pixlin"};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (length > 1) {
        std::wstring folder(length, L'\0');
        const DWORD written = GetEnvironmentVariableW(L"APPDATA", folder.data(), length);
        if (written > 0 && written < length) {
            folder.resize(written);
            place.folder = folder + L"\\Pixlin";
        }
    }
    return place;
}

std::wstring ColourKeeping::FilePath() const {
    return place_.folder + L"\\" + kFileName;
}

std::optional<KeptNotice> ColourKeeping::Check(std::optional<KeptColours>* colours) {
    mayWrite_ = false;
    if (place_.folder.empty()) {
        return KeptNotice::NotSaved;
    }
    const std::wstring path = FilePath();
    SmallFile file = ReadSmallFile(path, kMaxStoreBytes);
    if (file.state == SmallFile::State::Missing) {
        mayWrite_ = true;
        return std::nullopt;
    }
    if (file.state == SmallFile::State::Failed) {
        return KeptNotice::NotSaved;
    }
    StoreRead read = ReadColourStore(file.bytes);
    if (read.state == StoreState::Fine) {
        mayWrite_ = true;
        if (colours != nullptr) {
            *colours = std::move(read.colours);
        }
        return std::nullopt;
    }
    if (MoveAside(path, AsideSuffix(read.state)).empty()) {
        return KeptNotice::NotSaved;
    }
    mayWrite_ = true;
    return NoticeOf(read.state);
}

ColourKeeping::Start ColourKeeping::Load() {
    Start start;
    on_ = ReadUserFlag(place_.settingsKey, kSwitchValue);
    if (on_) {
        start.notice = Check(&start.colours);
        failing_ = start.notice == KeptNotice::NotSaved;
    }
    return start;
}

ColourKeeping::TurnedOn ColourKeeping::TurnOn(const KeptColours& now) {
    if (!WriteUserFlag(place_.settingsKey, kSwitchValue, true)) {
        return {};
    }
    on_ = true;
    failing_ = false;
    const std::optional<KeptNotice> checked = Check(nullptr);
    const std::optional<KeptNotice> saved = Save(now);
    return {true, checked && checked != KeptNotice::NotSaved ? checked : saved};
}

bool ColourKeeping::TurnOff() {
    if (!WriteUserFlag(place_.settingsKey, kSwitchValue, false)) {
        return false;
    }
    on_ = false;
    return true;
}

std::optional<KeptNotice> ColourKeeping::Save(const KeptColours& now) {
    if (!on_) {
        return std::nullopt;
    }
    if (!mayWrite_) {
        Check(nullptr);
    }
    bool saved = false;
    if (mayWrite_) {
        CreateDirectoryW(place_.folder.c_str(), nullptr);
        saved = WriteWholeFile(FilePath(), WriteColourStore(now));
    }
    const bool firstFailure = !saved && !failing_;
    failing_ = !saved;
    return firstFailure ? std::optional(KeptNotice::NotSaved) : std::nullopt;
}

}  // namespace pixlin
