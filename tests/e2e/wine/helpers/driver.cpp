// Drives and inspects windows for the end-to-end tests. Prints results on
// standard output; exits 0 on success, 1 when a wait timed out or nothing was
// found, 64 on a wrong command line. CLASS or TITLE "*" matches any; of several
// matching top-level windows the first visible one, front to back, counts.
//
//   find CLASS TITLE MS           wait for the window to be visible; print "left top right bottom"
//   gone CLASS TITLE MS           wait until no such window exists
//   state CLASS TITLE             print "visible=0|1 iconic=0|1 topmost=0|1 toolwindow=0|1 sizeable=0|1
//   owner=CLASS" text CLASS TITLE              print the text the window answers to WM_GETTEXT buttons CLASS
//   TITLE           one line per child button: "left top right bottom caption" (screen pixels) click-button
//   CLASS TITLE CAPTION   click the child button with that caption (BM_CLICK) messagebox TITLE MS wait for a
//   message box captioned TITLE; print "icon=error|none",
//                                 then its text; press its OK button and wait until it is gone
//   move CLASS TITLE LEFT TOP WIDTH HEIGHT
//   minimize CLASS TITLE          minimise the window
//   close CLASS TITLE             ask the window to close, as its user would
//   raise CLASS TITLE             put the window in front of the other ordinary windows
//   foreground                    print the title of the foreground window
//   click X Y                     a left click at a screen point (SendInput)
//   metrics                       print "screen WxH frame CXxCY ppi N"
//   extent FACE POINTS BOLD TEXT  print "width height" of TEXT in that font (BOLD 0 or 1) at
//                                 the screen's pixels per inch
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string TextOf(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct Wanted {
    const char* windowClass;
    const char* title;
    HWND visible = nullptr;
    HWND any = nullptr;
};

BOOL CALLBACK Match(HWND window, LPARAM wanted) {
    auto& w = *reinterpret_cast<Wanted*>(wanted);
    if (std::strcmp(w.windowClass, "*") != 0 && ClassOf(window) != w.windowClass) return TRUE;
    if (std::strcmp(w.title, "*") != 0 && TextOf(window) != w.title) return TRUE;
    if (w.any == nullptr) w.any = window;
    if (!IsWindowVisible(window)) return TRUE;
    w.visible = window;
    return FALSE;
}

// The first visible top-level window of that class and title, front to back,
// or else the first hidden one.
HWND Lookup(const char* windowClass, const char* title) {
    Wanted wanted{windowClass, title};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&wanted));
    return wanted.visible != nullptr ? wanted.visible : wanted.any;
}

HWND WaitFor(const char* windowClass, const char* title, int milliseconds) {
    for (int waited = 0;; waited += 50) {
        HWND window = Lookup(windowClass, title);
        if (window != nullptr && IsWindowVisible(window)) return window;
        if (waited >= milliseconds) return nullptr;
        Sleep(50);
    }
}

BOOL CALLBACK CollectChild(HWND child, LPARAM children) {
    reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

int Find(const char* windowClass, const char* title, int milliseconds) {
    HWND window = WaitFor(windowClass, title, milliseconds);
    if (window == nullptr) return 1;
    RECT bounds;
    GetWindowRect(window, &bounds);
    std::printf("%ld %ld %ld %ld\n", bounds.left, bounds.top, bounds.right, bounds.bottom);
    return 0;
}

int Gone(const char* windowClass, const char* title, int milliseconds) {
    for (int waited = 0;; waited += 50) {
        if (Lookup(windowClass, title) == nullptr) return 0;
        if (waited >= milliseconds) return 1;
        Sleep(50);
    }
}

int State(const char* windowClass, const char* title) {
    HWND window = Lookup(windowClass, title);
    if (window == nullptr) return 1;
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const LONG extended = GetWindowLongA(window, GWL_EXSTYLE);
    HWND owner = GetWindow(window, GW_OWNER);
    std::printf("visible=%d iconic=%d topmost=%d toolwindow=%d sizeable=%d owner=%s\n",
                IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0, (extended & WS_EX_TOPMOST) ? 1 : 0,
                (extended & WS_EX_TOOLWINDOW) ? 1 : 0, (style & WS_THICKFRAME) ? 1 : 0,
                owner != nullptr ? ClassOf(owner).c_str() : "-");
    return 0;
}

int Text(const char* windowClass, const char* title, const char* childClass) {
    HWND window = Lookup(windowClass, title);
    if (window != nullptr && childClass != nullptr)
        window = FindWindowExA(window, nullptr, childClass, nullptr);
    if (window == nullptr) return 1;
    char text[1024] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    std::printf("%s\n", text);
    return 0;
}

int Minimize(const char* windowClass, const char* title) {
    HWND window = Lookup(windowClass, title);
    if (window == nullptr) return 1;
    ShowWindow(window, SW_MINIMIZE);
    return 0;
}

int Buttons(const char* windowClass, const char* title) {
    HWND window = Lookup(windowClass, title);
    if (window == nullptr) return 1;
    for (HWND child : ChildrenOf(window)) {
        if (ClassOf(child) != "Button") continue;
        RECT bounds;
        GetWindowRect(child, &bounds);
        std::printf("%ld %ld %ld %ld %s\n", bounds.left, bounds.top, bounds.right, bounds.bottom,
                    TextOf(child).c_str());
    }
    return 0;
}

int ClickButton(const char* windowClass, const char* title, const char* caption) {
    HWND window = Lookup(windowClass, title);
    if (window == nullptr) return 1;
    for (HWND child : ChildrenOf(window)) {
        if (ClassOf(child) != "Button" || TextOf(child) != caption) continue;
        PostMessageA(child, BM_CLICK, 0, 0);
        return 0;
    }
    return 1;
}

int MessageBoxText(const char* title, int milliseconds) {
    HWND box = WaitFor("#32770", title, milliseconds);
    if (box == nullptr) return 1;
    bool icon = false;
    std::string text;
    HWND ok = nullptr;
    for (HWND child : ChildrenOf(box)) {
        const std::string childClass = ClassOf(child);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (childClass == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
            icon = icon || (IsWindowVisible(child) && SendMessageA(child, STM_GETICON, 0, 0) != 0);
        } else if (childClass == "Static" && !TextOf(child).empty()) {
            text += TextOf(child);
        } else if (childClass == "Button" && ok == nullptr) {
            ok = child;
        }
    }
    std::printf("icon=%s\n%s\n", icon ? "error" : "none", text.c_str());
    std::fflush(stdout);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(ok != nullptr ? GetDlgCtrlID(ok) : IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(ok));
    for (int waited = 0; IsWindow(box); waited += 50) {
        if (waited >= milliseconds) return 1;
        Sleep(50);
    }
    return 0;
}

int Move(const char* windowClass, const char* title, int left, int top, int width, int height) {
    HWND window = Lookup(windowClass, title);
    if (window == nullptr) return 1;
    return SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
}

int Close(const char* windowClass, const char* title) {
    HWND window = Lookup(windowClass, title);
    if (window == nullptr) return 1;
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

int Raise(const char* windowClass, const char* title) {
    HWND window = Lookup(windowClass, title);
    if (window == nullptr) return 1;
    return SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) ? 0 : 1;
}

// Moves the pointer as a mouse does, so that the window below sees the move.
int MoveMouse(int x, int y) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return SendInput(1, &input, sizeof input) == 1 ? 0 : 1;
}

int Click(int x, int y) {
    MoveMouse(x, y);
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(2, inputs, sizeof inputs[0]) == 2 ? 0 : 1;
}

int Metrics() {
    const HDC screen = GetDC(nullptr);
    std::printf("screen %dx%d frame %dx%d ppi %d\n", GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN), GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return 0;
}

int Extent(const char* face, int points, bool bold, const char* text) {
    const HDC screen = GetDC(nullptr);
    LOGFONTA logFont = {};
    logFont.lfHeight = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
    const HFONT font = CreateFontIndirectA(&logFont);
    const HGDIOBJ previous = SelectObject(screen, font);
    SIZE size = {};
    GetTextExtentPoint32A(screen, text, lstrlenA(text), &size);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    std::printf("%ld %ld\n", size.cx, size.cy);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    auto number = [&](int i) { return std::atoi(argv[i]); };
    if (command == "find" && argc == 5) return Find(argv[2], argv[3], number(4));
    if (command == "gone" && argc == 5) return Gone(argv[2], argv[3], number(4));
    if (command == "state" && argc == 4) return State(argv[2], argv[3]);
    if (command == "text" && (argc == 4 || argc == 5))
        return Text(argv[2], argv[3], argc == 5 ? argv[4] : nullptr);
    if (command == "minimize" && argc == 4) return Minimize(argv[2], argv[3]);
    if (command == "buttons" && argc == 4) return Buttons(argv[2], argv[3]);
    if (command == "click-button" && argc == 5) return ClickButton(argv[2], argv[3], argv[4]);
    if (command == "messagebox" && argc == 4) return MessageBoxText(argv[2], number(3));
    if (command == "move" && argc == 8)
        return Move(argv[2], argv[3], number(4), number(5), number(6), number(7));
    if (command == "close" && argc == 4) return Close(argv[2], argv[3]);
    if (command == "raise" && argc == 4) return Raise(argv[2], argv[3]);
    if (command == "foreground" && argc == 2) {
        std::printf("%s\n", TextOf(GetForegroundWindow()).c_str());
        return 0;
    }
    if (command == "click" && argc == 4) return Click(number(2), number(3));
    if (command == "metrics" && argc == 2) return Metrics();
    if (command == "extent" && argc == 6) return Extent(argv[2], number(3), number(4) != 0, argv[5]);
    std::fputs(
        "usage: keystrip-driver "
        "find|gone|state|text|minimize|buttons|click-button|messagebox|move|close|raise|"
        "foreground|click|metrics|extent ...\n",
        stderr);
    return 64;
}
