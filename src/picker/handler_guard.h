#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <new>
#include <string>
#include <utility>

#include "core/base/run_error.h"

namespace pixlin {

// The program-wide rule for a failing handler: the error's number and description in a message box, then the
// program ends. Every entry from a Windows callback into the window's handlers goes through Run, so that no
// exception ever unwinds through the system.
class HandlerGuard {
public:
    using Reporter = std::function<void(HWND owner, int number, const std::string& description)>;

    // The default reporter shows the message box and ends the process.
    HandlerGuard();
    explicit HandlerGuard(Reporter reporter) : reporter_(std::move(reporter)) {}

    template <typename Handler>
    void Run(HWND owner, Handler&& handler) noexcept {
        // A message box keeps dispatching messages; once a handler has failed, nothing else runs before the end.
        if (failed_) {
            return;
        }
        try {
            std::forward<Handler>(handler)();
        } catch (const RunError& error) {
            Fail(owner, error.number(), error.what());
        } catch (const std::bad_alloc&) {
            Fail(owner, kOutOfMemoryErrorNumber, "Out of memory");
        } catch (const std::exception& error) {
            Fail(owner, kInternalErrorNumber, error.what());
        } catch (...) {
            Fail(owner, kInternalErrorNumber, "Internal error");
        }
    }

    bool Failed() const noexcept { return failed_; }

    static constexpr int kOutOfMemoryErrorNumber = pixlin::kOutOfMemoryErrorNumber;
    static constexpr int kInternalErrorNumber = 51;

private:
    void Fail(HWND owner, int number, const char* description) noexcept;

    Reporter reporter_;
    bool failed_ = false;
};

}  // namespace pixlin
