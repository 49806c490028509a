#include "win32/trans.h"

namespace pixlin {

int32_t SetTranslucency(HWND window, int16_t alpha) {
    if (alpha < 0 || alpha > 255) {
        return kTranslucencyOutOfRange;
    }
    bool failed = false;

    // 0 is a valid style as well as the failure result: only the last error tells them apart.
    SetLastError(ERROR_SUCCESS);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (style == 0 && GetLastError() != ERROR_SUCCESS) {
        // Writing the layered bit alone would wipe the window's other extended styles.
        failed = true;
    } else {
        SetLastError(ERROR_SUCCESS);
        if (SetWindowLongPtrW(window, GWL_EXSTYLE, style | WS_EX_LAYERED) == 0 && GetLastError() != ERROR_SUCCESS) {
            failed = true;
        }
    }

    if (!SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA)) {
        failed = true;
    }
    return failed ? kTranslucencyFailed : kTranslucencyApplied;
}

}  // namespace pixlin
