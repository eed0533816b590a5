#include "keys/key_primitives.h"

#include <array>

#include "keys/push_keys.h"
#include "platform/platform.h"

namespace keystrip {
namespace {

constexpr std::array<bool, 256> kIsShifted = [] {
    std::array<bool, 256> table{};
    for (char ch : ShiftedChars) table[static_cast<unsigned char>(ch)] = true;
    return table;
}();

void SendModifierEvent(std::uint8_t virtualKey, bool pressed) {
    KeyboardService& keyboard = *ThePlatform().keyboard;
    keyboard.SendKeyEvent(virtualKey, static_cast<std::uint8_t>(keyboard.ScanCodeOfVirtualKey(virtualKey)),
                          pressed);
}

}  // namespace

bool IsShiftedChar(char ch) { return kIsShifted[static_cast<unsigned char>(ch)]; }

void PressModifierKey(std::uint8_t virtualKey) { SendModifierEvent(virtualKey, true); }

void ReleaseModifierKey(std::uint8_t virtualKey) { SendModifierEvent(virtualKey, false); }

void TapKey(std::uint32_t virtualKey, std::uint32_t scanCode) {
    KeyboardService& keyboard = *ThePlatform().keyboard;
    const auto vk = static_cast<std::uint8_t>(virtualKey);
    const auto scan = static_cast<std::uint8_t>(scanCode);
    keyboard.SendKeyEvent(vk, scan, true);
    keyboard.SendKeyEvent(vk, scan, false);
}

void TypeChar(char ch) {
    KeyboardService& keyboard = *ThePlatform().keyboard;
    const auto c = static_cast<unsigned char>(ch);
    // The shift state in the high byte and word is ignored; a failed lookup
    // (all ones) leaves 0xff in the low byte, which is sent as it is.
    const std::uint16_t key = keyboard.VirtualKeyOfChar(c);
    const unsigned char oem = keyboard.AnsiToOem(c);
    const std::uint32_t scan = keyboard.ScanCodeOfOemChar(oem);
    TapKey(key & 0xffu, scan & 0xffu);
}

void TypeShiftedChar(char ch) {
    const bool pressShift = ShiftLatched == 0;
    if (pressShift) PressModifierKey(kVirtualKeyShift);
    TypeChar(ch);
    if (pressShift) ReleaseModifierKey(kVirtualKeyShift);
}

void TypeUnshiftedChar(char ch) {
    const bool liftShift = ShiftLatched != 0;
    if (liftShift) ReleaseModifierKey(kVirtualKeyShift);
    TypeChar(ch);
    if (liftShift) PressModifierKey(kVirtualKeyShift);
}

}  // namespace keystrip
