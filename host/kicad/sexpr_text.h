// Texts inside KiCad's s-expression files.
#pragma once

#include <string>
#include <string_view>

namespace kicad {

// `utf8` as a quoted string: backslash and double quote escaped, every line end (CR LF, CR, LF)
// written as the two characters \n, other control characters dropped.
std::string Quoted(std::string_view utf8);

// A name usable as a symbol or library name: characters that a library id cannot hold (blanks,
// control characters, ':' '/' '\\' '"' '{' '}') become '_'; "_" for an empty name.
std::string SafeSymbolName(std::string_view utf8);

}  // namespace kicad
