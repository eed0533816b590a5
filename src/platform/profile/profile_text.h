// Reading and editing the text of a private-profile (INI) file, with the
// Windows rules where they make sense: section and key names compared without
// regard to case, blanks around names and values ignored, ";" starts a comment
// line, the first matching section and key win, a value in a pair of double or
// single quotes loses them, CRLF, LF and a lone CR all end a line.
//
// A "[name]" line opens a section, its name running to the last "]"; a line
// that begins with "[" but has no "]" is no section header. Blanks are spaces,
// tabs, vertical tabs and form feeds. Keys before the first header belong to the section
// named "". A value ends at its first NUL byte, as a C string would.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace keystrip::profile {

// The value of key in section, or nullopt when the section or key is missing.
std::optional<std::string> FindValue(std::string_view text, std::string_view section, std::string_view key);

// The text with key in section set to value. An existing key's value is replaced
// in place, a missing key is added at the end of its section and a missing section
// at the end of the text; every other byte stays as it was. Added lines end with
// the line break that the text already uses (LF for a text without any).
std::string WithValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value);

}  // namespace keystrip::profile
