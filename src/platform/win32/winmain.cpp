// The Windows entry of the bar.
#include "platform/win32/windows_api.h"

#include "app/startup.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    keystrip::win32::InstallWin32Platform();
    return keystrip::KeystripMain(keystrip::SplitCommandLineArguments(GetCommandLineA()));
}
