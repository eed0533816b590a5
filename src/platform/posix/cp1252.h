// Conversion between UTF-8, the text of the Linux desktop, and code page 1252,
// the 8-bit text of the core.
#pragma once

#include <string>
#include <string_view>

namespace keystrip::cp1252 {

// True when text is well-formed UTF-8: no overlong forms, surrogates or code
// points above U+10FFFF. Plain ASCII is well-formed.
bool IsValidUtf8(std::string_view text);

// UTF-8 to code page 1252. A character that 1252 lacks becomes "?", and so does
// each byte of a malformed sequence.
std::string FromUtf8(std::string_view utf8);

// Code page 1252 to UTF-8. The five bytes that 1252 leaves unassigned (0x81,
// 0x8d, 0x8f, 0x90, 0x9d) become U+0081 and so on, so that every byte survives
// the way there and back.
std::string ToUtf8(std::string_view text);

}  // namespace keystrip::cp1252
