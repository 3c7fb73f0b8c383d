#include "platform/file_stream.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "temp_file.h"

namespace {

// Every byte, read one at a time with a step back and a peek at each position, in blocks
// smaller than, equal to and larger than the file.
TEST(FileStream, StepBackAndPeekAcrossBlockBoundaries) {
    std::string bytes;
    for (int i = 0; i < 300; ++i) bytes.push_back(static_cast<char>(i * 7));
    TTempFile file(bytes);
    for (size_t blockSize : {1, 2, 3, 16, 300, 4096}) {
        platform::TFileStream stream(file.Path(), blockSize);
        ASSERT_EQ(stream.Size(), 300);
        std::string read;
        uint8_t byte = 0;
        while (stream.ReadByte(byte)) {
            read.push_back(static_cast<char>(byte));
            stream.SeekRelative(-1);
            uint8_t again = 0;
            ASSERT_TRUE(stream.ReadByte(again));
            ASSERT_EQ(again, byte) << "block size " << blockSize;
            uint8_t peeked = 0;
            if (stream.PeekByte(peeked)) {
                ASSERT_EQ(static_cast<char>(peeked), bytes[read.size()]);
            }
        }
        EXPECT_EQ(read, bytes) << "block size " << blockSize;
        EXPECT_EQ(stream.Position(), 300);
        EXPECT_FALSE(stream.PeekByte(byte));
    }
}

TEST(FileStream, SeekAndBlockRead) {
    TTempFile file("0123456789");
    platform::TFileStream stream(file.Path(), 4);
    char out[16] = {};
    stream.Seek(3);
    EXPECT_EQ(stream.Read(out, 5), 5u);
    EXPECT_EQ(std::string(out, 5), "34567");
    EXPECT_EQ(stream.Read(out, 16), 2u);
    EXPECT_EQ(stream.Read(out, 16), 0u);
    stream.Seek(-5);  // clamped to the start
    EXPECT_EQ(stream.Position(), 0);
    stream.Seek(100);  // clamped to the end
    EXPECT_EQ(stream.Position(), 10);
}

// A file cut short by another writer while it is read ends where its bytes end.
TEST(FileStream, FileTruncatedWhileReadEndsThere) {
    TTempFile file(std::string(100, 'x'));
    platform::TFileStream stream(file.Path(), 16);
    uint8_t byte = 0;
    ASSERT_TRUE(stream.ReadByte(byte));
    ASSERT_EQ(::truncate(file.Path().c_str(), 40), 0);
    int read = 1;
    while (stream.ReadByte(byte)) ++read;
    EXPECT_EQ(read, 40);
    EXPECT_EQ(stream.Size(), 40);
    EXPECT_EQ(stream.Position(), stream.Size());
}

TEST(FileStream, OpenErrors) {
    EXPECT_THROW(platform::TFileStream("/nonexistent/x"), platform::EFOpenError);
    EXPECT_THROW(platform::TFileStream(::testing::TempDir()), platform::EFOpenError);
}

}  // namespace
