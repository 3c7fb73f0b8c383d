// Writes a file of the ZORVAN ASCII format of a given size for measuring: a header, a library
// of text styles, symbols and components, and a design of sheets with wires, parts, texts and
// ports, with CR LF line ends, quoted strings and numbers as real files write them.
#pragma once

#include <cstdint>
#include <string>

// Writes about `bytes` bytes to `path`; returns the size written.
int64_t WriteBenchFile(const std::string& path, int64_t bytes);
