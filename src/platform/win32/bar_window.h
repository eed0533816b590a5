// The bar's main form as a native window: class "TKeystripMainForm", a sizeable
// tool window owned by the application window, with flat owner-drawn buttons.
#pragma once

#include "platform/win32/windows_api.h"

#include <map>

#include "platform/platform.h"

namespace keystrip::win32 {

class Win32Bar final : public BarWindowService {
public:
    ~Win32Bar() override;

    void RunApplication(BarEvents& events) override;
    void SetApplicationTitle(const std::string& title) override;
    void SetCaption(const std::string& caption) override;
    void SetShowHints(bool on) override;
    void SetStayOnTop(bool on) override;
    void HideTaskbarEntry() override;

    void AddButton(int tag, const std::string& caption, const BarFont& font,
                   const std::string& hint) override;
    void SetButtonBounds(int tag, int left, int top, int width, int height) override;
    void RemoveButton(int tag) override;
    PixelSize MeasureCaption(const std::string& caption, const BarFont& font) override;

    int OuterWidth() override;
    WindowPlacement GetPlacement() override;
    void SetPlacement(const WindowPlacement& placement) override;
    bool IsVisible() override;
    bool IsApplicationMinimized() override;
    void Repaint() override;
    void Close() override;

    PixelSize ScreenSize() override;
    PixelSize SizingFrame() override;
    int PixelsPerInch() override;

private:
    struct Button {
        HWND window = nullptr;
        HFONT font = nullptr;
        COLORREF textColor = 0;
        bool hot = false;
    };

    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleFormMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void DrawButton(const DRAWITEMSTRUCT& item);
    Button* FindButton(HWND window);
    void CloseForm();
    void MessageLoop();

    BarEvents* events_ = nullptr;
    HWND form_ = nullptr;
    HWND tooltip_ = nullptr;
    bool showHints_ = false;
    bool creating_ = false;
    bool closeRequestedWhileCreating_ = false;
    bool closed_ = false;
    bool taskbarHidden_ = false;
    std::map<int, Button> buttons_;
    WNDPROC buttonClassProc_ = nullptr;
};

}  // namespace keystrip::win32
