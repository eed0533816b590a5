#include "platform/win32/windows_api.h"

#include "platform/win32/win32_services.h"

namespace keystrip::win32 {

void Win32Keyboard::SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, bool pressed) {
    keybd_event(virtualKey, scanCode, pressed ? 0 : KEYEVENTF_KEYUP, 0);
}

std::uint16_t Win32Keyboard::VirtualKeyOfChar(unsigned char ch) {
    return static_cast<std::uint16_t>(VkKeyScanA(static_cast<CHAR>(ch)));
}

unsigned char Win32Keyboard::AnsiToOem(unsigned char ch) {
    const char ansi[2] = {static_cast<char>(ch), '\0'};
    char oem[2] = {'\0', '\0'};
    CharToOemA(ansi, oem);
    return static_cast<unsigned char>(oem[0]);
}

std::uint32_t Win32Keyboard::ScanCodeOfOemChar(unsigned char oem) { return OemKeyScan(oem); }

std::uint32_t Win32Keyboard::ScanCodeOfVirtualKey(std::uint32_t virtualKey) {
    return MapVirtualKeyA(virtualKey, 0);
}

}  // namespace keystrip::win32
