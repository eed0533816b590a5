#include "platform/win32/application_window.h"

namespace keystrip::win32 {
namespace {

HWND applicationWindow = nullptr;
HWND mainForm = nullptr;

LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Closing the taskbar entry closes the bar as its user would.
    if (message == WM_CLOSE && mainForm != nullptr) {
        PostMessageA(mainForm, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void CreateApplicationWindow() {
    if (applicationWindow != nullptr) return;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ApplicationWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = "TApplication";
    RegisterClassA(&windowClass);
    // Zero-sized in the middle of the screen: only its taskbar entry is ever seen.
    applicationWindow = CreateWindowExA(0, "TApplication", "Keystrip",
                                        WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                        GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                                        0, 0, nullptr, nullptr, instance, nullptr);
}

HWND ApplicationWindow() { return applicationWindow; }

std::string ApplicationTitle() {
    if (applicationWindow == nullptr) return "Keystrip";
    const int length = GetWindowTextLengthA(applicationWindow);
    std::string title(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(applicationWindow, title.data(), length + 1);
    title.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return title;
}

void SetApplicationMainForm(HWND form) { mainForm = form; }

}  // namespace keystrip::win32
