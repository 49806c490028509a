#pragma once

// Owners for the Win32 handles the program holds, and scopes for what it borrows. Destructors never throw.

#include <windows.h>

#include <utility>

namespace pixlin {

// Owns one handle: moves, never copies. Traits name the handle type, the value that stands for no handle, and
// how a handle is given back.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::kNone; }

    // Hands the handle to an owner that gives it back itself (SetWindowRgn, SetClipboardData).
    Handle release() noexcept { return std::exchange(handle_, Traits::kNone); }

    void reset(Handle handle = Traits::kNone) noexcept {
        if (handle_ != Traits::kNone) {
            Traits::Close(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::kNone;
};

// Any GDI object given back with DeleteObject: bitmaps, brushes, fonts, regions.
template <typename GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static constexpr Handle kNone = nullptr;
    static void Close(Handle handle) noexcept { DeleteObject(handle); }
};

// A device context from CreateCompatibleDC.
struct MemoryDcTraits {
    using Handle = HDC;
    static constexpr Handle kNone = nullptr;
    static void Close(Handle handle) noexcept { DeleteDC(handle); }
};

// A block from GlobalAlloc.
struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static constexpr Handle kNone = nullptr;
    static void Close(Handle handle) noexcept { GlobalFree(handle); }
};

// A file from CreateFileW, which reports failure as INVALID_HANDLE_VALUE, not as null.
struct FileTraits {
    using Handle = HANDLE;
    static inline const Handle kNone = INVALID_HANDLE_VALUE;
    static void Close(Handle handle) noexcept { CloseHandle(handle); }
};

using Bitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using Brush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using Font = UniqueHandle<GdiObjectTraits<HFONT>>;
using Region = UniqueHandle<GdiObjectTraits<HRGN>>;
using MemoryDc = UniqueHandle<MemoryDcTraits>;
using GlobalMemory = UniqueHandle<GlobalMemoryTraits>;
using FileHandle = UniqueHandle<FileTraits>;

// A DC from GetDC, given back with ReleaseDC at the end of the scope. A null window means the whole screen.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC for one scope and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (dc_ != nullptr && previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A bitmap owned together with its selection into a DC that outlives it: the previous object goes back into the DC
// before the bitmap is deleted, as Windows does not delete a bitmap that is still selected.
class SelectedBitmap {
public:
    // Check with operator bool: selecting fails for a bitmap that does not suit the DC.
    SelectedBitmap(HDC dc, Bitmap bitmap) noexcept
        : dc_(dc), bitmap_(std::move(bitmap)), previous_(bitmap_ ? SelectObject(dc, bitmap_.get()) : nullptr) {}
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;
    ~SelectedBitmap() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
    }

    HBITMAP get() const noexcept { return bitmap_.get(); }
    explicit operator bool() const noexcept { return previous_ != nullptr; }

private:
    HDC dc_;
    Bitmap bitmap_;
    HGDIOBJ previous_;
};

// The clipboard, open for one scope. Another program may hold it: check before use.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner) noexcept : open_(OpenClipboard(owner) != FALSE) {}
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    ~ClipboardScope() {
        if (open_) {
            CloseClipboard();
        }
    }

    explicit operator bool() const noexcept { return open_; }

private:
    bool open_;
};

}  // namespace pixlin
