// libFuzzer target: arbitrary bytes taken the whole road of an import in one process (the
// tokenizer, Parse, Translate into the reference editor, the report, saving the workspace).
//
//   fuzz_import [libFuzzer options] [corpus folders or files]
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "whole_road.h"

namespace {
std::filesystem::path gFolder;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = (std::filesystem::temp_directory_path() / "zorvan-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) abort();
    gFolder = pattern;
    robust::PrepareWholeRoad();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    robust::RunWholeRoadOnBytes(data, size, gFolder);
    return 0;
}
