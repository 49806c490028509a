#include "core/base/skip_on_failure.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace pixlin {
namespace {

// A step that fails with a run-time error is skipped; the program running out of memory or a fault of its own is
// not a failed step and must reach the handler's guard.
TEST(SkipOnFailure, SkipsRunErrorsOnly) {
    bool ranOn = false;
    SkipOnFailure([] { ThrowOverflow(); });
    SkipOnFailure([] { ThrowOutOfResources(); });
    SkipOnFailure([&ranOn] { ranOn = true; });
    EXPECT_TRUE(ranOn);
    EXPECT_THROW(SkipOnFailure([] { throw std::bad_alloc(); }), std::bad_alloc);
    EXPECT_THROW(SkipOnFailure([] { throw std::length_error("too long"); }), std::length_error);
}

}  // namespace
}  // namespace pixlin
