// Keysyms of Windows virtual-key codes and of code page 1252 characters.
#pragma once

#include <X11/X.h>

#include <cstdint>
#include <vector>

namespace keystrip::x11 {

// VK_PACKET: the virtual-key code reported for a character on a key bound on demand.
constexpr std::uint8_t kVirtualKeyPacket = 0xe7;
// VK_OEM_8: a character key that has no virtual-key code of its own.
constexpr std::uint8_t kVirtualKeyOther = 0xdf;

// The keysym of a named key's virtual-key code; NoSymbol when none is known.
KeySym KeysymOfVirtualKey(std::uint8_t virtualKey);

// The virtual-key code of the key whose unshifted keysym is given.
std::uint8_t VirtualKeyOfKeysym(KeySym keysym);

// The keysyms that type a code page 1252 character, the preferred one first;
// empty when no key types it.
std::vector<KeySym> KeysymsOfChar(unsigned char ch);

}  // namespace keystrip::x11
