#include "platform/win32/windows_api.h"

#include "platform/win32/win32_services.h"

namespace keystrip::win32 {

void Win32System::Pause(std::uint32_t milliseconds) { Sleep(milliseconds); }

bool Win32System::OpenClipboard() { return ::OpenClipboard(nullptr) != 0; }

void Win32System::EmptyClipboard() { ::EmptyClipboard(); }

void Win32System::CloseClipboard() { ::CloseClipboard(); }

bool Win32System::LaunchCommand(const std::string& commandLine) {
    return WinExec(commandLine.c_str(), SW_SHOWNORMAL) >= 32;
}

void Win32System::BeepExclamation() { MessageBeep(MB_ICONEXCLAMATION); }

}  // namespace keystrip::win32
