// Top-level windows through the EWMH hints of the window manager.
#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "platform/platform.h"

namespace keystrip::x11 {

// The top-level client windows, front to back: _NET_CLIENT_LIST_STACKING read
// from the top of the stack down, or the root's children without a window manager.
std::vector<Window> ClientWindowsFrontToBack();
// The title (_NET_WM_NAME, else WM_NAME) in code page 1252.
std::string WindowTitle(Window window);
// The class part of WM_CLASS.
std::string WindowClass(Window window);
// True when a window manager that follows EWMH is running.
bool HasWindowManager();

class X11Windows final : public WindowService {
public:
    void EnumerateTopLevelWindows(const std::function<bool(WindowHandle)>& visit) override;
    bool IsWindow(WindowHandle window) override;
    int TitleLength(WindowHandle window) override;
    std::string Title(WindowHandle window, int maxLength) override;
    // Asks the window manager to activate it (as a pager, so that it obeys) or,
    // without one, raises and focuses it; returns once it has the focus (bounded).
    void Activate(WindowHandle window) override;
    bool ActivateRunningInstance(const std::string& windowClass, const std::string& title) override;
    WindowHandle FindWindow(const std::string& windowClass, const std::string& title) override;
    // Sends WM_DELETE_WINDOW and waits, a few seconds at most, until the window is gone.
    void RequestClose(WindowHandle window) override;
    // Code page 1252 has no lead bytes.
    std::vector<LeadByteRange> LeadByteRanges() override { return {}; }

private:
    Window FindByClassAndTitle(const std::string& windowClass, const std::string& title, bool anyTitle);
};

}  // namespace keystrip::x11
