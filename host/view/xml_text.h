// Texts made safe for XML and HTML output.
#pragma once

#include <string>
#include <string_view>

namespace view {

// `utf8` escaped for element content and quoted attribute values: & < > " ' become entities,
// and every character that XML 1.0 does not allow (control characters other than tab, line
// feed and carriage return, U+FFFE, U+FFFF, malformed bytes) becomes U+FFFD, so whatever a
// file held, the drawing stays well-formed.
std::string XmlEscape(std::string_view utf8);

}  // namespace view
