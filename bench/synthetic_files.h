// Realistic synthetic files of the ZORVAN ASCII format for measuring the whole import: designs
// whose sheets are full of placed parts, wires, junctions, ports, buses with their entries and
// texts, with the library and netlist they need; and libraries of many multi-part components.
// Lines end in CR LF, lengths are in mil with one decimal, as the format's own tools write them.
// The same size always gives the same file.
#pragma once

#include <cstdint>
#include <string>

namespace bench {

// Writes a design (embedded name "synthetic.sch") of about `bytes` bytes to `path`; returns the
// size written. Its sheets hold 40 placed components each, or with `oneSheet` one sheet holds
// them all (what grows then is the sheet, not the number of sheets). Throws std::runtime_error
// when the file cannot be written.
int64_t WriteSyntheticDesign(const std::string& path, int64_t bytes, bool oneSheet = false);

// Writes a library (embedded name "synthetic.lia") of about `bytes` bytes to `path`; returns the
// size written. Throws std::runtime_error when the file cannot be written.
int64_t WriteSyntheticLibrary(const std::string& path, int64_t bytes);

}  // namespace bench
