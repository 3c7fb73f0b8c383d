// A read-only byte stream over one file, read in large blocks.
//
// The stream fixes the file size when it opens the file. Reading moves forward one byte at a
// time out of an in-memory block; moving the position (back by one after a look-ahead, or
// anywhere with Seek) stays inside the block when it can and otherwise refills the block from
// the new position on the next read, so a step back across a block boundary costs one read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// Raised when a file cannot be opened for reading.
class EFOpenError : public std::runtime_error {
  public:
    explicit EFOpenError(const std::string& fileName, int errorNumber);
    const std::string& FileName() const { return FFileName; }

  private:
    std::string FFileName;
};

class TFileStream {
  public:
    static constexpr size_t kDefaultBlockSize = 256 * 1024;

    // Opens fileName read-only; other readers and writers are not locked out.
    // Throws EFOpenError. blockSize (at least 1) is the size of one block read.
    explicit TFileStream(const std::string& fileName, size_t blockSize = kDefaultBlockSize);
    virtual ~TFileStream();
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    // Size of the file in bytes when it was opened.
    int64_t Size() const { return FSize; }
    // Offset of the next byte to read.
    int64_t Position() const { return FBlockStart + static_cast<int64_t>(FBlockPos); }
    // Moves to an absolute offset (clamped to 0 .. Size()).
    void Seek(int64_t position);
    // Moves by delta bytes from the current position (clamped as Seek).
    void SeekRelative(int64_t delta) { Seek(Position() + delta); }

    // Reads one byte into `byte`; false (and `byte` untouched) at end of file or on a read
    // error.
    bool ReadByte(uint8_t& byte) {
        if (FBlockPos == FBlockLen && !FillBlock()) return false;
        byte = FBlock[FBlockPos++];
        return true;
    }

    // The next byte without consuming it; false at end of file or on a read error.
    bool PeekByte(uint8_t& byte) {
        if (FBlockPos == FBlockLen && !FillBlock()) return false;
        byte = FBlock[FBlockPos];
        return true;
    }

    // The bytes buffered from the position on (a new block is read when none are left); empty
    // at end of file. For scanning in place; Skip() consumes what was used.
    std::span<const uint8_t> Buffered() {
        if (FBlockPos == FBlockLen && !FillBlock()) return {};
        return {FBlock.data() + FBlockPos, FBlockLen - FBlockPos};
    }
    // Consumes n bytes of Buffered() (n at most its size).
    void Skip(size_t n) { FBlockPos += n; }

    // Reads up to `count` bytes into `out`; returns how many were read (0 at end of file).
    size_t Read(void* out, size_t count);

    const std::string& FileName() const { return FFileName; }

  private:
    bool FillBlock();

    std::string FFileName;
    int FHandle = -1;
    int64_t FSize = 0;
    std::vector<uint8_t> FBlock;
    int64_t FBlockStart = 0;  // file offset of FBlock[0]
    size_t FBlockLen = 0;     // valid bytes in FBlock
    size_t FBlockPos = 0;     // next byte to deliver, 0 .. FBlockLen
};

}  // namespace platform
