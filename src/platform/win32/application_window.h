// The application window: the hidden owner of the bar and of every message box.
// It carries the application's title and the taskbar entry (window class
// "TApplication"), so the bar itself, a tool window, has none of its own.
#pragma once

#include "platform/win32/windows_api.h"

#include <string>

namespace keystrip::win32 {

// Creates the application window, titled "Keystrip", never shown yet.
void CreateApplicationWindow();
// The application window; null before it was created.
HWND ApplicationWindow();
// The application's title, the caption of its exception display.
std::string ApplicationTitle();
// The window that a close of the application window is passed on to.
void SetApplicationMainForm(HWND form);

}  // namespace keystrip::win32
