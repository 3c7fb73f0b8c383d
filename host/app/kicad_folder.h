// The workspace's kicad/ folder: the KiCad 6 project of what the import left in the editor.
#pragma once

#include <filesystem>
#include <ostream>

#include "editor.h"
#include "host_netlist.h"
#include "options.h"

namespace app {

// Exports the editor's documents into `workspace`/kicad, named after `file`'s stem, and prints
// one summary line; kExitOk, or kExitHostFailure when a file could not be written.
// `editorNets`, when given, are the editor's nets already extracted for the connectivity check.
int WriteKicadFolder(const qelsch::SchEditor& editor, const std::filesystem::path& file,
                     const std::filesystem::path& workspace, const TOptions& options,
                     const connectivity::THostNetlist* editorNets, std::ostream& out,
                     std::ostream& err);

}  // namespace app
