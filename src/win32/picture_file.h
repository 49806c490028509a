#pragma once

#include "win32/win_handles.h"

#include <string>

namespace pixlin {

// Loads a picture file as a top-down 32-bit DIB section: uncompressed 24- and 32-bit BMPs directly, every other
// BMP and PNG, JPEG, GIF, ... through the Windows Imaging Component. An empty Bitmap when the file is missing,
// unreadable or no picture.
Bitmap LoadPictureFile(const std::wstring& path);

}  // namespace pixlin
