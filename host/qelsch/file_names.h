// Safe, unique file names for saved documents: a name from the imported file never leaves the
// workspace folder or overwrites another document's file.
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace qelsch {

// A file name stem made from a document name (already UTF-8): leading dots and blanks go; path
// separators, characters that file systems reject ( : * ? " < > | ) and control characters
// become "_", and so does a dot that follows a dot; at most 120 bytes (cut on a character
// boundary); trailing dots and blanks go; "document" when nothing is left. The result never
// contains a slash, a backslash or "..", and never starts with a dot.
std::string SafeFileStem(std::string_view name);

// Hands out file names unique in one folder, without regard to letter case: the first request
// for a stem gets "stem.ext", the next ones "stem-2.ext", "stem-3.ext" and so on.
class UniqueFileNames {
  public:
    std::string Claim(const std::string& stem, std::string_view extension);

  private:
    std::set<std::string> FTaken;  // lower-cased names
};

}  // namespace qelsch
