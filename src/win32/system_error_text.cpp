#include "win32/system_error_text.h"

namespace pixlin {
namespace {

// For codes the system may have no text for (Wine has none for a file too large): a message that only shows a
// number explains nothing.
std::wstring OwnErrorText(DWORD code) {
    switch (code) {
        case ERROR_FILE_TOO_LARGE:
            return L"The file is too large.";
        case ERROR_FILE_NOT_FOUND:
            return L"The file was not found.";
        case ERROR_ACCESS_DENIED:
            return L"Access to the file was denied.";
        case ERROR_SHARING_VIOLATION:
            return L"Another program holds the file.";
        case ERROR_READ_FAULT:
            return L"The file could not be read.";
        default:
            return L"System error " + std::to_wstring(code) + L".";
    }
}

}  // namespace

std::wstring SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text;
    if (length > 0 && buffer != nullptr) {
        text.assign(buffer, length);
    }
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    if (text.empty()) {
        text = OwnErrorText(code);
    }
    return text;
}

}  // namespace pixlin
