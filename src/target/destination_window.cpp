#include "target/destination_window.h"

namespace keystrip {

std::string DestinationPattern;
TRegexp DestinationRegexp;
WindowHandle FoundWindow = 0;

WindowHandle FindDestinationWindow(const std::string& pattern) {
    DestinationPattern = pattern;
    DestinationRegexp = DestinationPattern;
    FoundWindow = 0;
    ThePlatform().windows->EnumerateTopLevelWindows(
        [](WindowHandle hwnd) { return DestinationEnumProc(hwnd, 0) != 0; });
    return FoundWindow;
}

int DestinationEnumProc(WindowHandle hwnd, std::intptr_t /*value*/) {
    if (!DestinationRegexp.Search(GetWindowTitle(hwnd))) return 1;
    FoundWindow = hwnd;
    return 0;
}

std::string GetWindowTitle(WindowHandle hwnd) {
    WindowService& windows = *ThePlatform().windows;
    if (hwnd == 0 || !windows.IsWindow(hwnd)) return {};
    const int length = windows.TitleLength(hwnd);
    if (length <= 0) return {};
    // Whatever the window delivers, up to its first zero byte.
    std::string title = windows.Title(hwnd, length);
    title.resize(UpToZeroByte(title).size());
    return title;
}

}  // namespace keystrip
