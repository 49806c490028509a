#include "win32/message_box.h"

#include "win32/activation_scope.h"

namespace pixlin {

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT flags, int stylesResource) {
    const ActivationScope styles(stylesResource);
    return MessageBoxW(owner, text.c_str(), title.c_str(), flags);
}

}  // namespace pixlin
