#include "win32/betriebssystem_version.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace pixlin {
namespace {

TEST(GetOsVersion, IsTheSystemsMajorVersion) {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    ASSERT_TRUE(GetVersionExW(&info));
    EXPECT_EQ(GetOsVersion(), static_cast<int16_t>(info.dwMajorVersion));
    // Every system this program runs on has layered windows, which the layout file checks for with > 4.
    EXPECT_GT(GetOsVersion(), 4);
}

}  // namespace
}  // namespace pixlin
