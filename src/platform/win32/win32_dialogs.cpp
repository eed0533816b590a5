#include "platform/win32/windows_api.h"

#include "platform/win32/application_window.h"
#include "platform/win32/win32_services.h"

namespace keystrip::win32 {

void Win32Dialogs::ShowMessageBox(const std::string& caption, const std::string& text) {
    MessageBoxA(ApplicationWindow(), text.c_str(), caption.c_str(), MB_OK);
}

void Win32Dialogs::ShowException(const std::string& caption, const std::string& message) {
    const std::string text = message + ".";
    MessageBoxA(ApplicationWindow(), text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace keystrip::win32
