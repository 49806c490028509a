#include "win32/activation_scope.h"

#include "picker/resource.h"

#include <gtest/gtest.h>

namespace pixlin {
namespace {

// Whether the current activation context sends loads of comctl32.dll to a side-by-side version.
bool CommonControlsRedirected() {
    ACTCTX_SECTION_KEYED_DATA data{};
    data.cbSize = sizeof(data);
    return FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll", &data) !=
           FALSE;
}

// The program's own manifest leaves Common Controls 6 out, to keep its memory small; message boxes bring it in.
TEST(ActivationScope, CommonControls6OnlyWhileTheScopeLasts) {
    EXPECT_FALSE(CommonControlsRedirected());
    {
        const ActivationScope styles(IDR_THEMED_DIALOGS);
        ASSERT_TRUE(styles.Active());
        EXPECT_TRUE(CommonControlsRedirected());
    }
    EXPECT_FALSE(CommonControlsRedirected());
}

TEST(ActivationScope, AMissingManifestActivatesNothing) {
    const ActivationScope none(4711);
    EXPECT_FALSE(none.Active());
    EXPECT_FALSE(CommonControlsRedirected());
}

}  // namespace
}  // namespace pixlin
