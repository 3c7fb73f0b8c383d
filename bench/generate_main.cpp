// Writes one synthetic file of the format, for profiling and for seeding the fuzzer.
//
//   bench_generate design|design-one-sheet|library SIZE_MB PATH
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "synthetic_files.h"

int main(int argc, char** argv) {
    const std::string kind = argc == 4 ? argv[1] : "";
    if (kind != "design" && kind != "design-one-sheet" && kind != "library") {
        std::fprintf(stderr, "usage: %s design|design-one-sheet|library SIZE_MB PATH\n", argv[0]);
        return 2;
    }
    const long long bytes = static_cast<long long>(std::atof(argv[2]) * 1e6);
    try {
        const long long written =
            kind == "library" ? bench::WriteSyntheticLibrary(argv[3], bytes)
                              : bench::WriteSyntheticDesign(argv[3], bytes, kind != "design");
        std::printf("%s: %lld bytes\n", argv[3], written);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
