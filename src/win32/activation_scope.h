#pragma once

#include <windows.h>

namespace pixlin {

// Makes the activation context of one of the program's manifest resources the current one until it goes. Without
// such a resource, or where the system refuses it, nothing changes.
class ActivationScope {
public:
    explicit ActivationScope(int manifestResource) noexcept {
        ACTCTXW description{};
        description.cbSize = sizeof(description);
        description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        description.hModule = GetModuleHandleW(nullptr);
        description.lpResourceName = MAKEINTRESOURCEW(manifestResource);
        context_ = CreateActCtxW(&description);
        if (context_ != INVALID_HANDLE_VALUE && !ActivateActCtx(context_, &cookie_)) {
            cookie_ = 0;
        }
    }
    ActivationScope(const ActivationScope&) = delete;
    ActivationScope& operator=(const ActivationScope&) = delete;
    ~ActivationScope() {
        if (cookie_ != 0) {
            DeactivateActCtx(0, cookie_);
        }
        if (context_ != INVALID_HANDLE_VALUE) {
            ReleaseActCtx(context_);
        }
    }

    bool Active() const noexcept { return cookie_ != 0; }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

}  // namespace pixlin
