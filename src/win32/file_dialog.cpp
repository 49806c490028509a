#include "win32/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "core/palette/palette_files.h"

namespace pixlin {
namespace {

// Long paths are allowed: the buffer takes the longest path the system has.
constexpr DWORD kPathCharacters = 32768;

// The filters as the dialog takes them: pairs of NUL-ended texts, ending in an empty one. The save dialog's types in
// this order; the first is chosen at first.
constexpr wchar_t kSaveFilter[] =
    L"GIMP palette (*.gpl)\0*.gpl\0"
    L"Adobe swatch exchange (*.ase)\0*.ase\0"
    L"Style sheet (*.css)\0*.css\0"
    L"Pixlin palette (*.json)\0*.json\0";
constexpr std::array<std::wstring_view, 4> kSaveExtensions{L".gpl", L".ase", L".css", L".json"};
constexpr wchar_t kOpenFilter[] =
    L"Palettes (*.gpl; *.ase; *.json)\0*.gpl;*.ase;*.json\0"
    L"GIMP palette (*.gpl)\0*.gpl\0"
    L"Adobe swatch exchange (*.ase)\0*.ase\0"
    L"Pixlin palette (*.json)\0*.json\0"
    L"All files (*.*)\0*.*\0";

OPENFILENAMEW Description(HWND owner, std::vector<wchar_t>& path, const wchar_t* filter, const wchar_t* title) {
    OPENFILENAMEW description{};
    description.lStructSize = sizeof(description);
    description.hwndOwner = owner;
    description.lpstrFilter = filter;
    description.nFilterIndex = 1;
    description.lpstrFile = path.data();
    description.nMaxFile = static_cast<DWORD>(path.size());
    description.lpstrTitle = title;
    return description;
}

}  // namespace

std::optional<std::wstring> AskPaletteFileToSave(HWND owner) {
    std::vector<wchar_t> path(kPathCharacters, L'\0');
    constexpr std::wstring_view kSuggested = L"colours";
    std::copy(kSuggested.begin(), kSuggested.end(), path.begin());
    OPENFILENAMEW description = Description(owner, path, kSaveFilter, L"Export colours");
    description.lpstrDefExt = L"gpl";
    description.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&description)) {
        return std::nullopt;
    }
    std::wstring chosen(path.data());
    if (!PaletteFormatOf(chosen)) {
        const std::size_t type = description.nFilterIndex >= 1 && description.nFilterIndex <= kSaveExtensions.size()
                                     ? description.nFilterIndex - 1
                                     : 0;
        chosen += kSaveExtensions[type];
    }
    return chosen;
}

std::optional<std::wstring> AskPaletteFileToOpen(HWND owner) {
    std::vector<wchar_t> path(kPathCharacters, L'\0');
    OPENFILENAMEW description = Description(owner, path, kOpenFilter, L"Import colours");
    description.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&description)) {
        return std::nullopt;
    }
    return std::wstring(path.data());
}

}  // namespace pixlin
