#pragma once

#include "win32/win_handles.h"

#include <string>

namespace pixlin {

enum class PictureRefusal { None, CannotOpen, TooLarge, NotAPicture, NoMemory };

struct LoadedPicture {
    // Empty when refused.
    Bitmap bitmap;
    PictureRefusal refusal = PictureRefusal::None;
    // The sides the picture claims, when it got as far as that (a picture too large included).
    UINT width = 0;
    UINT height = 0;
    // The imaging component decoded it: each pixel's top byte is its alpha. The program's own BMP reader leaves
    // that byte 0.
    bool withAlpha = false;
};

// Loads a picture file as a top-down 32-bit DIB section: uncompressed 24- and 32-bit BMPs directly, every other
// BMP and PNG, JPEG, GIF, ... through the Windows Imaging Component. The skin checker takes it the same way, to
// report what the picker will show.
LoadedPicture LoadPicture(const std::wstring& path);

// The bitmap alone: empty when the file is missing, unreadable or no picture.
Bitmap LoadPictureFile(const std::wstring& path);

}  // namespace pixlin
