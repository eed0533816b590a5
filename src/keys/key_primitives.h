// The lowest layer of the keystroke engine: one key or one character turned
// into key events. None of these pauses; pacing belongs to the driver.
#pragma once

#include <cstdint>
#include <string_view>

namespace keystrip {

constexpr std::uint8_t kVirtualKeyShift = 0x10;
constexpr std::uint8_t kVirtualKeyControl = 0x11;
constexpr std::uint8_t kVirtualKeyAlt = 0x12;

// The characters typed with Shift added, whatever the active layout: those the
// German layout types with Shift, less "%" (the Alt prefix), the dead grave
// accent and the upper-case umlauts. 0xA7 and 0xB0 are "§" and "°" in code page 1252.
inline constexpr std::string_view ShiftedChars =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "!\"$&'()*/:;=>?_\xA7\xB0";

bool IsShiftedChar(char ch);

// The press or the release of a modifier key, its scan code looked up anew each time.
void PressModifierKey(std::uint8_t virtualKey);
void ReleaseModifierKey(std::uint8_t virtualKey);

// Press and release of one key; only the low byte of each code reaches the events.
void TapKey(std::uint32_t virtualKey, std::uint32_t scanCode);

// The key that produces ch on the active layout, pressed and released, with
// whatever modifiers are down at the moment.
void TypeChar(char ch);

// ch with Shift pressed around it, unless a modifier group already holds Shift (ShiftLatched).
void TypeShiftedChar(char ch);

// ch with a latched Shift lifted around it; Shift is down again afterwards.
void TypeUnshiftedChar(char ch);

}  // namespace keystrip
