// The whole road of one import in this process, on arbitrary bytes: the bytes become a file,
// the module validates, reads and translates it into the reference schematic editor through
// the host's client, writes its report (its dialogs answered with their defaults), and the
// workspace is saved. Shared by the fuzzer and the regular robustness tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace robust {

struct TRoadResult {
    bool Valid = false;    // the validator accepted the file as a design or a library
    bool Library = false;  // taken through the library road
    size_t Documents = 0;  // schematic documents the editor holds after the import
    bool Saved = false;    // the workspace was written without an error
    std::string Report;    // the report file's text, empty when none was written
};

// Sets the dialogs to answer by themselves and binds the module to the host in this process.
void PrepareWholeRoad();

// Imports `file` (a design, or a library when its embedded name says so) into a fresh editor
// with `workspace` as the client's workspace folder, and saves the workspace there. Leaves the
// editor empty afterwards.
TRoadResult RunWholeRoad(const std::filesystem::path& file, const std::filesystem::path& workspace);

// The same on bytes: written to `folder`/input.sch, the workspace in `folder`/workspace.
TRoadResult RunWholeRoadOnBytes(const uint8_t* data, size_t size,
                                const std::filesystem::path& folder);

}  // namespace robust
