// The reference keyboard layout (a fixed model of the Windows US layout), generated
// at build time from data/reference-layout.tsv.
#pragma once

#include <cstddef>
#include <cstdint>

namespace keystrip::recording {

struct LayoutCharRow {
    unsigned char ch;
    std::uint16_t virtualKeyOfChar;   // VkKeyScanA result
    std::uint32_t scanCodeOfOemChar;  // OemKeyScan(CharToOemA(ch)) result
};

struct LayoutVirtualKeyRow {
    std::uint32_t virtualKey;
    std::uint32_t scanCode;  // MapVirtualKeyA(vk, 0) result
};

extern const LayoutCharRow kLayoutCharRows[];
extern const std::size_t kLayoutCharRowCount;
extern const LayoutVirtualKeyRow kLayoutVirtualKeyRows[];
extern const std::size_t kLayoutVirtualKeyRowCount;

}  // namespace keystrip::recording
