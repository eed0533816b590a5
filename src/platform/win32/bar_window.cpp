#include "platform/win32/bar_window.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>

#include "platform/win32/application_window.h"
#include "platform/win32/bar_fonts.h"
#include "platform/win32/win32_services.h"

namespace keystrip::win32 {
namespace {

constexpr const char* kFormClass = kMainFormClassName;

// One bar per process; the button subclass reaches it through this.
Win32Bar* runningBar = nullptr;

// The core shows its own exceptions; this only keeps one that slipped through
// from unwinding across the window system.
template <typename Event>
void Deliver(Event event) {
    try {
        event();
    } catch (const std::exception& error) {
        Win32Dialogs().ShowException(ApplicationTitle(), error.what());
    }
}

void RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClass;
    RegisterClassA(&windowClass);
}

}  // namespace

Win32Bar::~Win32Bar() {
    for (auto& entry : buttons_)
        if (entry.second.font != nullptr) DeleteObject(entry.second.font);
}

void Win32Bar::RunApplication(BarEvents& events) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterFormClass(instance, FormProc);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    runningBar = this;
    events_ = &events;
    closed_ = false;
    closeRequestedWhileCreating_ = false;
    creating_ = true;
    form_ = CreateWindowExA(
        WS_EX_TOOLWINDOW, kFormClass, "Keystrip", WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
        kDesignedFormRect.left, kDesignedFormRect.top, kDesignedFormRect.right - kDesignedFormRect.left,
        kDesignedFormRect.bottom - kDesignedFormRect.top, ApplicationWindow(), nullptr, instance, this);
    SetApplicationMainForm(form_);
    Deliver([&] { events.OnCreate(); });
    creating_ = false;

    if (closeRequestedWhileCreating_) {
        CloseForm();
    } else {
        Deliver([&] { events.OnShow(); });
        ShowWindow(form_, SW_SHOW);
        if (!taskbarHidden_ && ApplicationWindow() != nullptr)
            ShowWindow(ApplicationWindow(), SW_SHOWNOACTIVATE);
        Deliver([&] { events.OnResize(); });
        MessageLoop();
    }

    Deliver([&] { events.OnDestroy(); });
    SetApplicationMainForm(nullptr);
    if (tooltip_ != nullptr) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    DestroyWindow(form_);
    form_ = nullptr;
    events_ = nullptr;
    runningBar = nullptr;
}

void Win32Bar::MessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void Win32Bar::CloseForm() {
    if (closed_) return;
    closed_ = true;
    Deliver([&] { events_->OnCloseQuery(); });
    Deliver([&] { events_->OnClose(); });
    PostQuitMessage(0);
}

LRESULT CALLBACK Win32Bar::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* bar = reinterpret_cast<Win32Bar*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (bar == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return bar->HandleFormMessage(window, message, wParam, lParam);
}

LRESULT Win32Bar::HandleFormMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            CloseForm();
            return 0;
        case WM_SIZE:
            if (events_ != nullptr) Deliver([&] { events_->OnResize(); });
            return 0;
        case WM_COMMAND: {
            const WORD code = HIWORD(wParam);
            if (code != BN_CLICKED && code != BN_DOUBLECLICKED) break;
            const HWND source = reinterpret_cast<HWND>(lParam);
            for (const auto& [tag, button] : buttons_) {
                if (button.window != source) continue;
                const int clicked = tag;
                if (events_ != nullptr) Deliver([&] { events_->OnButtonClick(clicked); });
                return 0;
            }
            break;
        }
        case WM_DRAWITEM:
            DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

Win32Bar::Button* Win32Bar::FindButton(HWND window) {
    for (auto& entry : buttons_)
        if (entry.second.window == window) return &entry.second;
    return nullptr;
}

// A flat button: no border until the mouse is over it, sunken while pressed.
LRESULT CALLBACK Win32Bar::ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32Bar* bar = runningBar;
    if (bar == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    Button* button = bar->FindButton(window);
    // Buttons answer the mouse only. A focused push button clicks on Space,
    // and a sequence typed into the bar itself would click it again.
    if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR) return 0;
    if (button != nullptr && message == WM_MOUSEMOVE && !button->hot) {
        button->hot = true;
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        InvalidateRect(window, nullptr, TRUE);
    } else if (button != nullptr && message == WM_MOUSELEAVE) {
        button->hot = false;
        InvalidateRect(window, nullptr, TRUE);
    }
    return CallWindowProcA(bar->buttonClassProc_, window, message, wParam, lParam);
}

void Win32Bar::DrawButton(const DRAWITEMSTRUCT& item) {
    Button* button = FindButton(item.hwndItem);
    if (button == nullptr) return;
    RECT bounds = item.rcItem;
    FillRect(item.hDC, &bounds, GetSysColorBrush(COLOR_BTNFACE));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    if (pressed) {
        DrawEdge(item.hDC, &bounds, BDR_SUNKENOUTER, BF_RECT);
        OffsetRect(&bounds, 1, 1);
    } else if (button->hot) {
        DrawEdge(item.hDC, &bounds, BDR_RAISEDINNER, BF_RECT);
    }
    const int length = GetWindowTextLengthA(item.hwndItem);
    std::string caption(static_cast<std::size_t>(length) + 1, '\0');
    caption.resize(
        static_cast<std::size_t>(std::max(0, GetWindowTextA(item.hwndItem, caption.data(), length + 1))));
    const HGDIOBJ previousFont = SelectObject(item.hDC, button->font);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, button->textColor);
    DrawTextA(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &bounds,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, previousFont);
}

void Win32Bar::SetApplicationTitle(const std::string& title) {
    if (ApplicationWindow() != nullptr) SetWindowTextA(ApplicationWindow(), title.c_str());
}

void Win32Bar::SetCaption(const std::string& caption) { SetWindowTextA(form_, caption.c_str()); }

void Win32Bar::SetShowHints(bool on) {
    showHints_ = on;
    if (tooltip_ != nullptr) SendMessageA(tooltip_, TTM_ACTIVATE, on ? TRUE : FALSE, 0);
}

void Win32Bar::SetStayOnTop(bool on) {
    SetWindowPos(form_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Bar::HideTaskbarEntry() {
    taskbarHidden_ = true;
    if (ApplicationWindow() != nullptr) ShowWindowAsync(ApplicationWindow(), SW_HIDE);
}

void Win32Bar::AddButton(int tag, const std::string& caption, const BarFont& font, const std::string& hint) {
    RemoveButton(tag);
    Button button;
    button.window = CreateWindowExA(0, "BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0,
                                    0, 0, form_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (button.window == nullptr) return;
    button.font = CreateBarFont(font, ScreenPixelsPerInch());
    button.textColor = ColorOf(font.color);
    const auto classProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ButtonProc)));
    if (buttonClassProc_ == nullptr) buttonClassProc_ = classProc;
    buttons_[tag] = button;

    if (hint.empty()) return;
    if (tooltip_ == nullptr) {
        tooltip_ = CreateWindowExA(
            WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_, nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(tooltip_, TTM_ACTIVATE, showHints_ ? TRUE : FALSE, 0);
    }
    std::string text = hint;
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form_;
    tool.uId = reinterpret_cast<UINT_PTR>(button.window);
    tool.lpszText = text.data();
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32Bar::SetButtonBounds(int tag, int left, int top, int width, int height) {
    const auto found = buttons_.find(tag);
    if (found == buttons_.end()) return;
    MoveWindow(found->second.window, left, top, width, height, TRUE);
}

void Win32Bar::RemoveButton(int tag) {
    const auto found = buttons_.find(tag);
    if (found == buttons_.end()) return;
    if (tooltip_ != nullptr) {
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = form_;
        tool.uId = reinterpret_cast<UINT_PTR>(found->second.window);
        SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    DestroyWindow(found->second.window);
    if (found->second.font != nullptr) DeleteObject(found->second.font);
    buttons_.erase(found);
}

PixelSize Win32Bar::MeasureCaption(const std::string& caption, const BarFont& font) {
    PixelSize extent;
    const HDC canvas = GetDC(form_);
    if (canvas == nullptr) return extent;
    const HFONT measured = CreateBarFont(font, ScreenPixelsPerInch());
    const HGDIOBJ previous = SelectObject(canvas, measured);
    SIZE size;
    if (GetTextExtentPointA(canvas, caption.c_str(), static_cast<int>(caption.size()), &size)) {
        extent.width = size.cx;
        extent.height = size.cy;
    }
    SelectObject(canvas, previous);
    DeleteObject(measured);
    ReleaseDC(form_, canvas);
    return extent;
}

int Win32Bar::OuterWidth() {
    RECT bounds;
    if (!GetWindowRect(form_, &bounds)) return 0;
    return bounds.right - bounds.left;
}

WindowPlacement Win32Bar::GetPlacement() {
    WindowPlacement placement;
    WINDOWPLACEMENT record = {};
    record.length = sizeof record;
    if (!GetWindowPlacement(form_, &record)) return placement;
    placement.flags = static_cast<std::int32_t>(record.flags);
    placement.showCommand = static_cast<std::int32_t>(record.showCmd);
    placement.minPosition = {record.ptMinPosition.x, record.ptMinPosition.y};
    placement.maxPosition = {record.ptMaxPosition.x, record.ptMaxPosition.y};
    placement.normalRect = {record.rcNormalPosition.left, record.rcNormalPosition.top,
                            record.rcNormalPosition.right, record.rcNormalPosition.bottom};
    return placement;
}

void Win32Bar::SetPlacement(const WindowPlacement& placement) {
    WINDOWPLACEMENT record = {};
    record.length = sizeof record;
    record.flags = static_cast<UINT>(placement.flags);
    record.showCmd = static_cast<UINT>(placement.showCommand);
    record.ptMinPosition = {placement.minPosition.x, placement.minPosition.y};
    record.ptMaxPosition = {placement.maxPosition.x, placement.maxPosition.y};
    record.rcNormalPosition = {placement.normalRect.left, placement.normalRect.top,
                               placement.normalRect.right, placement.normalRect.bottom};
    SetWindowPlacement(form_, &record);
}

bool Win32Bar::IsVisible() { return IsWindowVisible(form_) != 0; }

bool Win32Bar::IsApplicationMinimized() {
    return ApplicationWindow() != nullptr && IsIconic(ApplicationWindow()) != 0;
}

void Win32Bar::Repaint() {
    RedrawWindow(form_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win32Bar::Close() {
    if (creating_) {
        closeRequestedWhileCreating_ = true;
        return;
    }
    PostMessageA(form_, WM_CLOSE, 0, 0);
}

PixelSize Win32Bar::ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

PixelSize Win32Bar::SizingFrame() { return {GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME)}; }

int Win32Bar::PixelsPerInch() { return ScreenPixelsPerInch(); }

}  // namespace keystrip::win32
