#include "picker/handler_guard.h"

#include "picker/resource.h"
#include "win32/message_box.h"
#include "win32/wide_text.h"

namespace pixlin {
namespace {

void ShowErrorAndEnd(HWND owner, int number, const std::string& description) {
    const std::wstring text = L"Run-time error " + std::to_wstring(number) + L":\r\n" + Widen(description);
    ShowMessageBox(IsWindow(owner) ? owner : nullptr, text, L"Pixlin", MB_OK | MB_ICONERROR, IDR_THEMED_DIALOGS);
    ExitProcess(static_cast<UINT>(number));
}

}  // namespace

HandlerGuard::HandlerGuard() : reporter_(ShowErrorAndEnd) {}

void HandlerGuard::Fail(HWND owner, int number, const char* description) noexcept {
    failed_ = true;
    try {
        reporter_(owner, number, description);
    } catch (...) {
        ExitProcess(static_cast<UINT>(number));
    }
}

}  // namespace pixlin
