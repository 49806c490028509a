#include "win32/whole_file.h"

#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace pixlin {
namespace {

using testing::ScratchDir;

// Two writers (two copies of the program saving at once) and a reader: every read finds one of the two files whole,
// never a part or a mix, and no file is left beside it. The reader pauses a millisecond between reads: a file held
// open all the time cannot be renamed over (Windows and Wine refuse it), and a write gives up after a quarter of a
// second.
TEST(WholeFile, TwoWritersAtOnceLeaveAWholeFileForEveryReader) {
    const ScratchDir folder;
    const std::wstring path = folder.Path(L"colours.json");
    // Large enough that a write is many system calls.
    const std::string first(200000, 'a');
    const std::string second(150000, 'b');
    ASSERT_TRUE(WriteWholeFile(path, first));
    std::atomic<bool> done{false};
    std::atomic<int> failed{0};
    auto writer = [&](const std::string& bytes) {
        for (int i = 0; i < 150; ++i) {
            failed += WriteWholeFile(path, bytes) ? 0 : 1;
        }
    };
    std::thread one(writer, first);
    std::thread two(writer, second);
    std::thread watch([&] {
        while (!done) {
            const SmallFile read = ReadSmallFile(path, 1 << 20);
            if (read.state == SmallFile::State::Read) {
                EXPECT_TRUE(read.bytes == first || read.bytes == second) << read.bytes.size() << " bytes";
            } else {
                ADD_FAILURE() << "the file was missing or unreadable, error " << read.error;
            }
            Sleep(1);
        }
    });
    one.join();
    two.join();
    done = true;
    watch.join();
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(folder.Files(), std::vector<std::wstring>{L"colours.json"});
}

// A write that cannot finish leaves the file as it was and nothing beside it; a small file is read up to one byte past
// the limit, so that the reader can tell it is too large.
TEST(WholeFile, AFailedWriteLeavesTheFileAsItWas) {
    const ScratchDir folder;
    const std::wstring path = folder.Path(L"kept");
    ASSERT_TRUE(WriteWholeFile(path, "before"));
    // A folder of that name is not replaced by a file.
    ASSERT_TRUE(CreateDirectoryW(folder.Path(L"folder").c_str(), nullptr));
    EXPECT_FALSE(WriteWholeFile(folder.Path(L"folder"), "after"));
    EXPECT_FALSE(WriteWholeFile(folder.Path(L"no folder\\kept"), "after"));
    EXPECT_EQ(ReadSmallFile(path, 100).bytes, "before");
    EXPECT_EQ(folder.Files(), std::vector<std::wstring>{L"kept"}) << "nothing left beside them";

    const struct {
        std::size_t size;
        std::size_t limit;
        std::size_t read;
    } rows[] = {{0, 10, 0}, {10, 10, 10}, {11, 10, 11}, {5000, 10, 11}, {70000, 1 << 20, 70000}};
    for (const auto& row : rows) {
        ASSERT_TRUE(WriteWholeFile(path, std::string(row.size, 'x')));
        const SmallFile read = ReadSmallFile(path, row.limit);
        EXPECT_EQ(read.state, SmallFile::State::Read);
        EXPECT_EQ(read.bytes.size(), row.read) << row.size << " bytes, limit " << row.limit;
    }
    EXPECT_EQ(ReadSmallFile(folder.Path(L"missing"), 10).state, SmallFile::State::Missing);

    // Moved aside under a name of its own, never over another.
    EXPECT_EQ(MoveAside(path, L".damaged-1"), path + L".damaged-1");
    ASSERT_TRUE(WriteWholeFile(path, "again"));
    EXPECT_EQ(MoveAside(path, L".damaged-1"), path + L".damaged-1-2");
    EXPECT_EQ(ReadSmallFile(path + L".damaged-1", 1 << 20).bytes.size(), 70000u);
    EXPECT_EQ(ReadSmallFile(path + L".damaged-1-2", 100).bytes, "again");
}

}  // namespace
}  // namespace pixlin
