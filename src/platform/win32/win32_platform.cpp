#include "platform/win32/win32_platform.h"

#include "platform/win32/application_window.h"
#include "platform/win32/bar_window.h"
#include "platform/win32/win32_services.h"

namespace keystrip::win32 {

void InstallWin32Platform() {
    static Win32Keyboard keyboard;
    static Win32System system;
    static Win32Windows windows;
    static Win32Files files;
    static Win32Dialogs dialogs;
    static Win32Bar bar;
    CreateApplicationWindow();
    Platform platform;
    platform.keyboard = &keyboard;
    platform.system = &system;
    platform.windows = &windows;
    platform.files = &files;
    platform.dialogs = &dialogs;
    platform.bar = &bar;
    InstallPlatform(platform);
}

}  // namespace keystrip::win32
