#include "win32/user_setting.h"

#include <windows.h>

namespace pixlin {

bool ReadUserFlag(const std::wstring& key, const std::wstring& value) {
    DWORD data = 0;
    DWORD size = sizeof(data);
    return RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_REG_DWORD, nullptr, &data, &size) ==
               ERROR_SUCCESS &&
           data == 1;
}

bool WriteUserFlag(const std::wstring& key, const std::wstring& value, bool on) {
    const DWORD data = on ? 1 : 0;
    return RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), REG_DWORD, &data, sizeof(data)) ==
           ERROR_SUCCESS;
}

}  // namespace pixlin
