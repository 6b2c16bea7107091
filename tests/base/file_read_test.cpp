// Reading a whole file whatever its size: a file past the caller's limit is
// refused unread, and one the process cannot hold is a failed read, not an
// exception that ends the program.
#include <gtest/gtest.h>

#include <string>

#include "base/file.h"
#include "tests/support/seams.h"

namespace {

struct FileReadTest : ::testing::Test {
    ScratchFolder m_folder{"file_read_test"};
};

const unsigned long long kMegabyte = 1ull << 20;

}  // namespace

TEST_F(FileReadTest, EveryOutcomeIsTold) {
    ASSERT_TRUE(WriteFileBytes("small.bin", "0123456789"));
    ASSERT_TRUE(MakeSparseFile("big.bin", 256 * kMegabyte));
    // Past what 32 bits count: the size is not cut to its low word.
    ASSERT_TRUE(MakeSparseFile("huge.bin", (5ull << 30) + 10));
    const struct {
        const char* what;
        const char* path;
        unsigned long long limit;
        int read;
        int failure;  // when not read
        size_t size;  // when read
    } cases[] = {
        {"a file at the limit", "small.bin", 10, 1, 0, 10},
        {"a file one byte past it", "small.bin", 9, 0, FILE_READ_TOO_LARGE, 0},
        {"an empty limit", "small.bin", 0, 0, FILE_READ_TOO_LARGE, 0},
        {"a large file", "big.bin", kMegabyte, 0, FILE_READ_TOO_LARGE, 0},
        {"a file past 4 GB", "huge.bin", 4 * kMegabyte, 0, FILE_READ_TOO_LARGE, 0},
        {"no file", "missing.bin", kMegabyte, 0, FILE_READ_UNREADABLE, 0},
    };
    for (const auto& c : cases) {
        std::string bytes = "left over";
        int failure = -1;
        EXPECT_EQ(c.read, FileReadAll(c.path, &bytes, c.limit, &failure)) << c.what;
        EXPECT_EQ(c.read ? -1 : c.failure, failure) << c.what;
        EXPECT_EQ(c.size, bytes.size()) << c.what;
    }
}

// The process's memory spent while the block for the bytes is taken.
TEST_F(FileReadTest, NoMemoryForTheBytesFailsTheRead) {
    ASSERT_TRUE(WriteFileBytes("small.bin", "0123456789"));
    const FileFaultHook old = SetFileFaultHook([](int step) { return step == FILE_FAULT_MEMORY ? 1 : 0; });
    std::string bytes;
    int failure = -1;
    const int read = FileReadAll("small.bin", &bytes, kMegabyte, &failure);
    SetFileFaultHook(old);
    EXPECT_EQ(0, read);
    EXPECT_EQ(FILE_READ_NO_MEMORY, failure);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(1, FileReadAll("small.bin", &bytes)) << "and once there is memory, it reads";
    EXPECT_EQ("0123456789", bytes);
}

// A 32-bit process cannot hold a file of 3 GB in one block: no limit is
// needed for that to fail gracefully.
TEST_F(FileReadTest, AFileNoBlockCanHoldFailsUnlimited) {
    if (sizeof(size_t) > 4) GTEST_SKIP() << "a 64-bit process would read it";
    ASSERT_TRUE(MakeSparseFile("huge.bin", 3ull << 30));
    std::string bytes;
    int failure = -1;
    EXPECT_EQ(0, FileReadAll("huge.bin", &bytes, ~0ull, &failure));
    EXPECT_EQ(FILE_READ_NO_MEMORY, failure);
}
