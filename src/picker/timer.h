#pragma once

#include <windows.h>

namespace pixlin {

// A window timer with an interval and an enabled switch; WM_TIMER with this
// timer's id reaches the owner's window procedure while it is enabled.
class Timer {
public:
    Timer(HWND owner, UINT_PTR id) noexcept : owner_(owner), id_(id) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer() {
        if (enabled_) {
            KillTimer(owner_, id_);
        }
    }

    UINT_PTR id() const noexcept { return id_; }
    UINT Interval() const noexcept { return interval_; }
    bool Enabled() const noexcept { return enabled_; }

    void SetInterval(UINT milliseconds) noexcept {
        interval_ = milliseconds;
        if (enabled_) {
            SetTimer(owner_, id_, interval_, nullptr);
        }
    }

    // False when the system refused the timer: it then stays off and says so.
    bool SetEnabled(bool enabled) noexcept {
        if (enabled && !enabled_) {
            enabled_ = SetTimer(owner_, id_, interval_, nullptr) != 0;
            return enabled_;
        }
        if (!enabled && enabled_) {
            KillTimer(owner_, id_);
        }
        enabled_ = enabled;
        return true;
    }

private:
    HWND owner_;
    UINT_PTR id_;
    UINT interval_ = 0;
    bool enabled_ = false;
};

}  // namespace pixlin
