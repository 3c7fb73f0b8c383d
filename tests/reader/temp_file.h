// A file with given bytes in the test's temporary folder, removed when it goes out of scope.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

class TTempFile {
  public:
    explicit TTempFile(std::string_view bytes) {
        static std::atomic<int> counter{0};
        FPath = ::testing::TempDir() + "reader_test_" + std::to_string(::getpid()) + "_" +
                std::to_string(counter++) + ".txt";
        std::ofstream out(FPath, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~TTempFile() { std::remove(FPath.c_str()); }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    const std::string& Path() const { return FPath; }

  private:
    std::string FPath;
};
