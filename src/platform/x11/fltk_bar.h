// The bar's main form drawn with FLTK: a resizable window of class
// "TKeystripMainForm" holding flat buttons. Positions and sizes that the core
// sees are those of the outer window, frame included (_NET_FRAME_EXTENTS).
#pragma once

#include <map>
#include <string>

#include "platform/platform.h"

namespace keystrip::x11 {

class X11Keyboard;
class FormWindow;
class FlatButton;

struct FrameExtents {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

class FltkBar final : public BarWindowService {
public:
    // The keyboard's spare keys are released once a click's typing has had time to arrive.
    explicit FltkBar(X11Keyboard& keyboard) : keyboard_(keyboard) {}

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

    // From the form window.
    void FormResized();
    void FormCloseRequested();
    void ButtonClicked(int tag);

private:
    bool Mapped() const;
    FrameExtents Extents();
    void ShowForm();
    void ApplyOuterRect();
    void SendState(const char* state, bool on);
    void CloseForm();

    X11Keyboard& keyboard_;
    BarEvents* events_ = nullptr;
    FormWindow* form_ = nullptr;
    std::map<int, FlatButton*> buttons_;
    std::string caption_ = "Keystrip";
    std::string applicationTitle_ = "Keystrip";
    bool showHints_ = false;
    bool stayOnTop_ = true;
    bool taskbarHidden_ = false;
    bool creating_ = false;
    bool closeRequested_ = false;
    bool closed_ = false;
    // The outer rectangle the form is given or last had, and the placement
    // fields that have no meaning here, kept as last set.
    PixelRect outer_ = kDesignedFormRect;
    WindowPlacement kept_;
    FrameExtents extents_;
};

}  // namespace keystrip::x11
