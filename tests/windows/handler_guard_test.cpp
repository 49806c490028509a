#include "picker/handler_guard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace pixlin {
namespace {

struct Report {
    int number;
    std::string description;
};

TEST(HandlerGuard, ReportsWhatAHandlerThrowsAsNumberAndDescription) {
    const struct {
        void (*handler)();
        int number;
        const char* description;
    } rows[] = {
        {[] { ThrowOverflow(); }, 6, "Overflow"},
        {[] { throw RunError(53, "File not found"); }, 53, "File not found"},
        {[] { throw std::bad_alloc(); }, 7, "Out of memory"},
        {[] { throw std::runtime_error("vector too long"); }, 51, "vector too long"},
        {[] { throw 42; }, 51, "Internal error"},
    };
    for (const auto& row : rows) {
        std::vector<Report> reports;
        HandlerGuard guard([&reports](HWND, int number, const std::string& description) {
            reports.push_back({number, description});
        });
        guard.Run(nullptr, row.handler);
        ASSERT_EQ(reports.size(), 1u) << row.description;
        EXPECT_EQ(reports[0].number, row.number);
        EXPECT_EQ(reports[0].description, row.description);
        EXPECT_TRUE(guard.Failed());
    }
}

TEST(HandlerGuard, RunsNothingMoreOnceAHandlerHasFailed) {
    int reports = 0;
    int runs = 0;
    HandlerGuard guard([&reports](HWND, int, const std::string&) { ++reports; });
    guard.Run(nullptr, [&runs] { ++runs; });
    EXPECT_FALSE(guard.Failed());
    guard.Run(nullptr, [] { ThrowOverflow(); });
    guard.Run(nullptr, [&runs] { ++runs; });
    guard.Run(nullptr, [] { ThrowOverflow(); });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(reports, 1);
}

}  // namespace
}  // namespace pixlin
