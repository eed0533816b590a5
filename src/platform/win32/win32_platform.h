// Installs the Windows services as the process-wide platform.
#pragma once

namespace keystrip::win32 {

// Creates the application window and installs every Win32 service.
void InstallWin32Platform();

}  // namespace keystrip::win32
