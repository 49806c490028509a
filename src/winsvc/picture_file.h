#pragma once

#include "winsvc/win_handles.h"

#include <string>

namespace pixlin {

// Loads a picture file (BMP, PNG, JPEG, GIF, ... through the Windows Imaging
// Component) as a top-down 32-bit DIB section. An empty Bitmap when the file is
// missing, unreadable or no picture.
Bitmap LoadPictureFile(const std::wstring& path);

}  // namespace pixlin
