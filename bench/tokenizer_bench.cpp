// Throughput of the tokenizer against a plain buffered read of the same bytes.
//
//   bench_tokenizer <file to generate> [size in MB]
//
// Generates the file, then reads it several times each way (the file stays in the page cache)
// and reports the best run of each (the three alternate):
// - plain read: the file in 256 KiB blocks with fread, every byte folded into a checksum;
// - stream bytes: every byte through the tokenizer's own buffered stream, one call each;
// - tokenizer: NextToken over the whole file with the keyword table, as the import reads it.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_file_generator.h"
#include "platform/file_stream.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"

namespace {

using TClock = std::chrono::steady_clock;

struct TResult {
    double Seconds = 1e30;
    uint64_t Check = 0;  // keeps the work observable
};

template <typename Work>
void Measure(TResult& best, Work work) {
    const auto start = TClock::now();
    const uint64_t check = work();
    const double seconds = std::chrono::duration<double>(TClock::now() - start).count();
    if (seconds < best.Seconds) best = TResult{seconds, check};
}

uint64_t PlainRead(const std::string& path) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) std::exit(1);
    std::vector<unsigned char> block(256 * 1024);
    uint64_t sum = 0;
    size_t got;
    while ((got = std::fread(block.data(), 1, block.size(), in)) > 0) {
        for (size_t i = 0; i < got; ++i) sum = sum * 31 + block[i];
    }
    std::fclose(in);
    return sum;
}

uint64_t StreamBytes(const std::string& path) {
    platform::TFileStream stream(path);
    uint64_t sum = 0;
    uint8_t byte;
    while (stream.ReadByte(byte)) sum = sum * 31 + byte;
    return sum;
}

uint64_t Tokenize(const std::string& path) {
    TNimboParser parser(path);
    RegisterKeywords(parser);
    uint64_t tokens = 0;
    uint64_t keywords = 0;
    while (!parser.Eof()) {
        if (parser.NextToken() > 0) ++keywords;
        ++tokens;
    }
    return tokens * 1000003 + keywords;
}

void Report(const char* name, double megabytes, const TResult& result, double plainSeconds) {
    std::printf("%-14s %8.1f MB/s  %7.3f s  %5.2fx the plain read's time\n", name,
                megabytes / result.Seconds, result.Seconds, result.Seconds / plainSeconds);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <file to generate> [size in MB]\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    const int64_t wanted = (argc > 2 ? std::atoll(argv[2]) : 40) * 1000 * 1000;
    const int64_t size = WriteBenchFile(path, wanted);
    const double megabytes = static_cast<double>(size) / 1e6;

    // Rounds of one run each, so that a busy machine slows all three alike.
    constexpr int kRuns = 7;
    TResult plain;
    TResult stream;
    TResult tokens;
    for (int i = 0; i < kRuns; ++i) {
        Measure(plain, [&] { return PlainRead(path); });
        Measure(stream, [&] { return StreamBytes(path); });
        Measure(tokens, [&] { return Tokenize(path); });
    }

    std::printf("file: %s, %.1f MB, %llu tokens (best of %d runs each)\n", path.c_str(), megabytes,
                static_cast<unsigned long long>(tokens.Check / 1000003), kRuns);
    Report("plain read", megabytes, plain, plain.Seconds);
    Report("stream bytes", megabytes, stream, plain.Seconds);
    Report("tokenizer", megabytes, tokens, plain.Seconds);
    std::printf("tokenizer / plain read time ratio: %.2f (target: at most 4)\n",
                tokens.Seconds / plain.Seconds);
    return plain.Check == stream.Check ? 0 : 1;
}
