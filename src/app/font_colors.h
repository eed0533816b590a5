// Font colours and their names in a font specification.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace keystrip {

// A colour: Blue * 65536 + Green * 256 + Red for an explicit colour, or the top
// bit plus the index of one of the system's user-configurable colours.
using TColor = std::uint32_t;

constexpr TColor kSystemColorBit = 0x80000000u;
constexpr TColor clWindowText = kSystemColorBit | 8u;
constexpr TColor clNone = 0x1fffffffu;

struct NamedColor {
    const char* name;
    TColor color;
};

// The named colours, in table order; names are matched without regard to case.
constexpr std::size_t kColorTableSize = 42;
extern const NamedColor kColorTable[kColorTableSize];

// The name of the first row with that colour, otherwise "0x" and eight
// upper-case hexadecimal digits.
std::string ColorToText(TColor color);

// The colour of the first name equal to the text without regard to case,
// otherwise the text as an integer of the configuration syntax. Throws
// KeystripError when it is neither.
TColor TextToColor(std::string_view text);

}  // namespace keystrip
