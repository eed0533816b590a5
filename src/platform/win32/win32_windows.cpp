#include "platform/win32/windows_api.h"

#include <cstring>

#include "platform/win32/win32_services.h"

namespace keystrip::win32 {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

BOOL CALLBACK VisitWindow(HWND window, LPARAM visitor) {
    const auto& visit = *reinterpret_cast<const std::function<bool(WindowHandle)>*>(visitor);
    return visit(reinterpret_cast<WindowHandle>(window)) ? TRUE : FALSE;
}

bool HasClass(HWND window, const char* windowClass) {
    char name[256];
    return GetClassNameA(window, name, sizeof name) > 0 && std::strcmp(name, windowClass) == 0;
}

}  // namespace

void Win32Windows::EnumerateTopLevelWindows(const std::function<bool(WindowHandle)>& visit) {
    EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

bool Win32Windows::IsWindow(WindowHandle window) { return ::IsWindow(ToHwnd(window)) != 0; }

int Win32Windows::TitleLength(WindowHandle window) { return GetWindowTextLengthA(ToHwnd(window)); }

std::string Win32Windows::Title(WindowHandle window, int maxLength) {
    if (maxLength < 0) return {};
    std::string buffer(static_cast<std::size_t>(maxLength) + 1, '\0');
    GetWindowTextA(ToHwnd(window), buffer.data(), maxLength + 1);
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

void Win32Windows::Activate(WindowHandle window) {
    SetForegroundWindow(ToHwnd(window));
    // The window's thread takes the activation, and with it the keyboard focus,
    // when it next handles its messages; Wine routes a key event to the focus at
    // the moment it is sent. A round trip through that thread makes the
    // activation complete before the caller types, as on Windows, where key
    // events find their window only when they are read.
    SendMessageTimeoutA(ToHwnd(window), WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, 1000, nullptr);
}

bool Win32Windows::ActivateRunningInstance(const std::string& windowClass, const std::string& title) {
    HWND running = FindWindowA(windowClass.c_str(), title.empty() ? nullptr : title.c_str());
    if (running == nullptr) return false;

    HWND owner = running;
    for (HWND next = GetWindow(owner, GW_OWNER); next != nullptr; next = GetWindow(owner, GW_OWNER))
        owner = next;

    if (HasClass(owner, "TApplication")) {
        if (IsIconic(owner)) {
            SendMessageA(owner, WM_SYSCOMMAND, SC_RESTORE, 0);
            return true;
        }
        ShowWindow(owner, SW_SHOWNOACTIVATE);
    } else {
        ShowWindow(owner, SW_SHOW);
        SetForegroundWindow(owner);
    }

    HWND popup = GetLastActivePopup(owner);
    if (popup == nullptr) popup = owner;
    if (popup != owner && IsWindowVisible(popup) && IsWindowEnabled(popup)) {
        SetForegroundWindow(popup);
    } else {
        ShowWindow(popup, SW_SHOW);
        SetForegroundWindow(popup);
    }
    return true;
}

WindowHandle Win32Windows::FindWindow(const std::string& windowClass, const std::string& title) {
    return reinterpret_cast<WindowHandle>(FindWindowA(windowClass.c_str(), title.c_str()));
}

void Win32Windows::RequestClose(WindowHandle window) { SendMessageA(ToHwnd(window), WM_CLOSE, 0, 0); }

std::vector<LeadByteRange> Win32Windows::LeadByteRanges() {
    std::vector<LeadByteRange> ranges;
    CPINFO info;
    if (!GetCPInfo(GetACP(), &info)) return ranges;
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
        ranges.push_back({info.LeadByte[i], info.LeadByte[i + 1]});
    return ranges;
}

}  // namespace keystrip::win32
