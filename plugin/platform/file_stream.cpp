#include "platform/file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace platform {

EFOpenError::EFOpenError(const std::string& fileName, int errorNumber)
    : std::runtime_error("Cannot open file \"" + fileName + "\". " + std::strerror(errorNumber)),
      FFileName(fileName) {}

TFileStream::TFileStream(const std::string& fileName, size_t blockSize)
    : FFileName(fileName), FBlock(std::max<size_t>(blockSize, 1)) {
    FHandle = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (FHandle < 0) throw EFOpenError(fileName, errno);
    struct stat info {};
    if (::fstat(FHandle, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(FHandle);
        throw EFOpenError(fileName, error);
    }
    FSize = static_cast<int64_t>(info.st_size);
}

TFileStream::~TFileStream() {
    if (FHandle >= 0) ::close(FHandle);
}

void TFileStream::Seek(int64_t position) {
    position = std::clamp<int64_t>(position, 0, FSize);
    const int64_t blockEnd = FBlockStart + static_cast<int64_t>(FBlockLen);
    if (position >= FBlockStart && position <= blockEnd) {
        FBlockPos = static_cast<size_t>(position - FBlockStart);
        return;
    }
    // Outside the block in hand: the next read fills a block from here.
    FBlockStart = position;
    FBlockLen = 0;
    FBlockPos = 0;
}

bool TFileStream::FillBlock() {
    const int64_t start = FBlockStart + static_cast<int64_t>(FBlockLen);
    if (start >= FSize) return false;
    ssize_t got;
    do {
        got = ::pread(FHandle, FBlock.data(), FBlock.size(), start);
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
        // The file got shorter since it was opened, or cannot be read any more: it ends here,
        // so that readers waiting for the end see it.
        FSize = start;
        return false;
    }
    FBlockStart = start;
    FBlockLen = static_cast<size_t>(got);
    FBlockPos = 0;
    return true;
}

size_t TFileStream::Read(void* out, size_t count) {
    auto* dest = static_cast<uint8_t*>(out);
    size_t done = 0;
    while (done < count) {
        if (FBlockPos == FBlockLen && !FillBlock()) break;
        const size_t n = std::min(count - done, FBlockLen - FBlockPos);
        std::memcpy(dest + done, FBlock.data() + FBlockPos, n);
        FBlockPos += n;
        done += n;
    }
    return done;
}

}  // namespace platform
