#include "platform/x11/x11_windows.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/posix/cp1252.h"
#include "platform/x11/x11_display.h"

namespace keystrip::x11 {
namespace {

using Clock = std::chrono::steady_clock;

// How long a close request may take to end the window.
constexpr auto kCloseWait = std::chrono::seconds(4);

bool Exists(Window window) {
    XWindowAttributes attributes;
    ErrorTrap trap;
    const Status status = XGetWindowAttributes(TheDisplay(), window, &attributes);
    return !trap.Failed() && status != 0;
}

// True when focus is the window or lies inside it.
bool FocusIsIn(Window window) {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(TheDisplay(), &focus, &revert);
    ErrorTrap trap;
    while (focus != None && focus != PointerRoot) {
        if (focus == window) return true;
        Window root = None, parent = None, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(TheDisplay(), focus, &root, &parent, &children, &count)) return false;
        if (children) XFree(children);
        if (parent == root) return false;
        focus = parent;
    }
    return false;
}

// ICCCM WM_STATE: 0 withdrawn, 1 normal, 3 iconic.
long WmState(Window window) {
    const Atom wmState = AtomOf("WM_STATE");
    std::vector<unsigned long> state = CardinalProperty(window, wmState, wmState);
    return state.empty() ? 0 : static_cast<long>(state[0]);
}

}  // namespace

bool HasWindowManager() {
    std::vector<unsigned long> check =
        CardinalProperty(RootOfScreen(), AtomOf("_NET_SUPPORTING_WM_CHECK"), XA_WINDOW);
    return !check.empty() && check[0] != None && Exists(check[0]);
}

std::vector<Window> ClientWindowsFrontToBack() {
    std::vector<Window> windows;
    Display* display = TheDisplay();
    if (!display) return windows;
    if (HasWindowManager()) {
        for (unsigned long window :
             CardinalProperty(RootOfScreen(), AtomOf("_NET_CLIENT_LIST_STACKING"), XA_WINDOW)) {
            windows.push_back(window);
        }
        std::reverse(windows.begin(), windows.end());
        return windows;
    }
    Window root = None, parent = None, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, RootOfScreen(), &root, &parent, &children, &count)) {
        for (unsigned int i = count; i > 0; --i) windows.push_back(children[i - 1]);
        if (children) XFree(children);
    }
    return windows;
}

std::string WindowTitle(Window window) {
    Display* display = TheDisplay();
    if (!display || window == None) return {};
    std::string utf8 = TextProperty(window, AtomOf("_NET_WM_NAME"), AtomOf("UTF8_STRING"));
    if (utf8.empty()) {
        XTextProperty property{};
        ErrorTrap trap;
        if (XGetWMName(display, window, &property) && property.value) {
            char** list = nullptr;
            int count = 0;
            if (Xutf8TextPropertyToTextList(display, &property, &list, &count) >= Success && list) {
                if (count > 0 && list[0]) utf8 = list[0];
                XFreeStringList(list);
            }
            XFree(property.value);
        }
    }
    return cp1252::FromUtf8(utf8);
}

std::string WindowClass(Window window) {
    XClassHint hint{};
    std::string result;
    ErrorTrap trap;
    if (XGetClassHint(TheDisplay(), window, &hint)) {
        if (hint.res_class) result = hint.res_class;
        if (hint.res_name) XFree(hint.res_name);
        if (hint.res_class) XFree(hint.res_class);
    }
    return result;
}

void X11Windows::EnumerateTopLevelWindows(const std::function<bool(WindowHandle)>& visit) {
    for (Window window : ClientWindowsFrontToBack()) {
        if (!visit(window)) return;
    }
}

bool X11Windows::IsWindow(WindowHandle window) { return window != 0 && TheDisplay() && Exists(window); }

int X11Windows::TitleLength(WindowHandle window) {
    return IsWindow(window) ? static_cast<int>(WindowTitle(window).size()) : 0;
}

std::string X11Windows::Title(WindowHandle window, int maxLength) {
    if (maxLength <= 0 || !IsWindow(window)) return {};
    std::string title = WindowTitle(window);
    if (static_cast<int>(title.size()) > maxLength) title.resize(maxLength);
    return title;
}

void X11Windows::Activate(WindowHandle handle) {
    Display* display = TheDisplay();
    if (!display || !IsWindow(handle)) return;
    const Window window = handle;
    const bool managed = HasWindowManager();
    if (managed) {
        // Source indication 2: a pager, whose requests window managers carry out.
        SendRootMessage(window, AtomOf("_NET_ACTIVE_WINDOW"), 2, CurrentTime, 0);
    } else {
        ErrorTrap trap;
        XMapRaised(display, window);
        XSync(display, False);
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
    }
    XSync(display, False);
    // The keys typed next must reach this window: wait for the focus to arrive,
    // unless the window is withdrawn and never will take it.
    if (managed && WmState(window) == 0) return;
    const auto deadline = Clock::now() + kWindowManagerWait;
    while (!FocusIsIn(window) && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

Window X11Windows::FindByClassAndTitle(const std::string& windowClass, const std::string& title,
                                       bool anyTitle) {
    if (!TheDisplay()) return None;
    for (Window window : ClientWindowsFrontToBack()) {
        if (WindowClass(window) != windowClass) continue;
        if (anyTitle || WindowTitle(window) == title) return window;
    }
    return None;
}

bool X11Windows::ActivateRunningInstance(const std::string& windowClass, const std::string& title) {
    const Window window = FindByClassAndTitle(windowClass, title, title.empty());
    if (window == None) return false;
    Activate(window);
    return true;
}

WindowHandle X11Windows::FindWindow(const std::string& windowClass, const std::string& title) {
    return FindByClassAndTitle(windowClass, title, false);
}

void X11Windows::RequestClose(WindowHandle handle) {
    Display* display = TheDisplay();
    if (!display || !IsWindow(handle)) return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = handle;
    event.xclient.message_type = AtomOf("WM_PROTOCOLS");
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(AtomOf("WM_DELETE_WINDOW"));
    event.xclient.data.l[1] = CurrentTime;
    {
        ErrorTrap trap;
        XSendEvent(display, handle, False, NoEventMask, &event);
    }
    const auto deadline = Clock::now() + kCloseWait;
    while (IsWindow(handle) && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

}  // namespace keystrip::x11
