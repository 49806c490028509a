#pragma once

#include <string>

namespace pixlin {

// A yes-or-no setting of the current user's: a DWORD value under HKEY_CURRENT_USER\<key>, 1 for yes.

// False when the key or the value is not there, or is no DWORD. Reading creates nothing.
bool ReadUserFlag(const std::wstring& key, const std::wstring& value);

// Creates the key when it is not there. False when the registry refuses.
bool WriteUserFlag(const std::wstring& key, const std::wstring& value, bool on);

}  // namespace pixlin
