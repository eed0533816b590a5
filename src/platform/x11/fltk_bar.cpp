#include "platform/x11/fltk_bar.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Tooltip.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/posix/cp1252.h"
#include "platform/x11/bar_fonts.h"
#include "platform/x11/fltk_display.h"
#include "platform/x11/x11_display.h"
#include "platform/x11/x11_keyboard.h"
#include "platform/x11/x11_windows.h"

namespace keystrip::x11 {
namespace {

using Clock = std::chrono::steady_clock;

// After a click, the spare keys the typing used keep their meaning this long, so
// that the receiving clients translate every event before the map changes back.
constexpr double kSpareKeyRelease = 1.0;

// The frame a window manager gives a window with no frame yet, asked for with
// _NET_REQUEST_FRAME_EXTENTS on a window that is never shown.
FrameExtents RequestedFrameExtents() {
    FrameExtents extents;
    Display* display = TheDisplay();
    if (!HasWindowManager()) return extents;
    const Window probe = XCreateSimpleWindow(display, RootOfScreen(), 0, 0, 100, 100, 0, 0, 0);
    SendRootMessage(probe, AtomOf("_NET_REQUEST_FRAME_EXTENTS"), 0);
    const auto deadline = Clock::now() + std::chrono::milliseconds(300);
    std::vector<unsigned long> values;
    while (Clock::now() < deadline) {
        values = CardinalProperty(probe, AtomOf("_NET_FRAME_EXTENTS"), XA_CARDINAL);
        if (values.size() == 4) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    XDestroyWindow(display, probe);
    XFlush(display);
    if (values.size() == 4) {
        extents = {static_cast<int>(values[0]), static_cast<int>(values[1]), static_cast<int>(values[2]),
                   static_cast<int>(values[3])};
    }
    return extents;
}

}  // namespace

// The form: children stay where the core puts them when the window is resized.
class FormWindow : public Fl_Double_Window {
public:
    FormWindow(FltkBar& bar, int x, int y, int w, int h) : Fl_Double_Window(x, y, w, h), bar_(bar) {
        callback(CloseRequested, this);
    }

    void resize(int X, int Y, int W, int H) override {
        const bool sized = W != w() || H != h();
        std::vector<int> bounds;
        for (int i = 0; i < children(); ++i) {
            Fl_Widget* c = child(i);
            bounds.insert(bounds.end(), {c->x(), c->y(), c->w(), c->h()});
        }
        Fl_Double_Window::resize(X, Y, W, H);
        for (int i = 0; i < children(); ++i) {
            child(i)->resize(bounds[4 * i], bounds[4 * i + 1], bounds[4 * i + 2], bounds[4 * i + 3]);
        }
        if (sized) bar_.FormResized();
    }

private:
    static void CloseRequested(Fl_Widget*, void* data) {
        // Escape closes FLTK windows by default; the bar closes only as windows do.
        if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
        static_cast<FormWindow*>(data)->bar_.FormCloseRequested();
    }

    FltkBar& bar_;
};

// A flat push button: no border until the pointer is over it, sunken while pressed.
class FlatButton : public Fl_Button {
public:
    FlatButton(FltkBar& bar, int tag, const std::string& caption, const FltkFont& font,
               const std::string& hint)
        : Fl_Button(0, 0, 0, 0), bar_(bar), tag_(tag), caption_(caption), hint_(hint), font_(font) {
        box(FL_FLAT_BOX);
        down_box(FL_FLAT_BOX);
        visible_focus(0);
        if (!hint_.empty()) tooltip(hint_.c_str());
        callback(Clicked, this);
    }

    int handle(int event) override {
        if (event == FL_ENTER || event == FL_LEAVE) {
            hot_ = event == FL_ENTER;
            redraw();
        }
        return Fl_Button::handle(event);
    }

    void draw() override {
        draw_box(FL_FLAT_BOX, color());
        int offset = 0;
        if (value()) {
            fl_draw_box(FL_THIN_DOWN_FRAME, x(), y(), w(), h(), color());
            offset = 1;
        } else if (hot_) {
            fl_draw_box(FL_THIN_UP_FRAME, x(), y(), w(), h(), color());
        }
        fl_push_clip(x(), y(), w(), h());
        fl_font(font_.face, font_.size);
        fl_color(font_.color);
        const int textWidth = static_cast<int>(fl_width(caption_.c_str()));
        const int tx = x() + (w() - textWidth) / 2 + offset;
        const int baseline = y() + (h() - fl_height()) / 2 + fl_height() - fl_descent() + offset;
        fl_draw(caption_.c_str(), tx, baseline);
        if (font_.underline) fl_line(tx, baseline + 1, tx + textWidth, baseline + 1);
        if (font_.strikeOut) {
            const int middle = baseline - (fl_height() - fl_descent()) / 3;
            fl_line(tx, middle, tx + textWidth, middle);
        }
        fl_pop_clip();
    }

private:
    static void Clicked(Fl_Widget*, void* data) {
        auto* button = static_cast<FlatButton*>(data);
        button->bar_.ButtonClicked(button->tag_);
    }

    FltkBar& bar_;
    int tag_;
    std::string caption_;
    std::string hint_;
    FltkFont font_;
    bool hot_ = false;
};

namespace {

void ReleaseSpareKeys(void* keyboard) { static_cast<X11Keyboard*>(keyboard)->ReleaseSpareKeys(); }

}  // namespace

void FltkBar::RunApplication(BarEvents& events) {
    if (!UseFltk()) return;
    events_ = &events;
    closed_ = false;
    closeRequested_ = false;
    extents_ = RequestedFrameExtents();
    form_ = new FormWindow(*this, outer_.left + extents_.left, outer_.top + extents_.top,
                           outer_.right - outer_.left - extents_.left - extents_.right,
                           outer_.bottom - outer_.top - extents_.top - extents_.bottom);
    form_->xclass(kMainFormClassName);
    form_->copy_label(cp1252::ToUtf8(caption_).c_str());
    form_->copy_tooltip(nullptr);
    form_->resizable(form_);
    form_->size_range(1, 1);
    form_->end();
    SetApplicationTitle(applicationTitle_);

    creating_ = true;
    events.OnCreate();
    creating_ = false;
    if (closeRequested_) {
        CloseForm();
    } else {
        events.OnShow();
        ShowForm();
        events.OnResize();
        while (!closed_) Fl::wait();
    }
    events.OnDestroy();

    Fl::remove_timeout(ReleaseSpareKeys, &keyboard_);
    keyboard_.ReleaseSpareKeys();
    for (auto& [tag, button] : buttons_) {
        form_->remove(button);
        delete button;
    }
    buttons_.clear();
    form_->hide();
    delete form_;
    form_ = nullptr;
    XSync(TheDisplay(), False);
    events_ = nullptr;
}

bool FltkBar::Mapped() const {
    if (!form_ || !form_->shown()) return false;
    XWindowAttributes attributes;
    ErrorTrap trap;
    return XGetWindowAttributes(TheDisplay(), fl_xid(form_), &attributes) &&
           attributes.map_state == IsViewable;
}

FrameExtents FltkBar::Extents() {
    if (form_ && form_->shown()) {
        std::vector<unsigned long> values =
            CardinalProperty(fl_xid(form_), AtomOf("_NET_FRAME_EXTENTS"), XA_CARDINAL);
        if (values.size() == 4) {
            extents_ = {static_cast<int>(values[0]), static_cast<int>(values[1]), static_cast<int>(values[2]),
                        static_cast<int>(values[3])};
        }
    }
    return extents_;
}

void FltkBar::ShowForm() {
    form_->show();
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    while (!Mapped() && Clock::now() < deadline) Fl::wait(0.01);
    if (stayOnTop_) SendState("_NET_WM_STATE_ABOVE", true);
    if (taskbarHidden_) SendState("_NET_WM_STATE_SKIP_TASKBAR", true);
    // The frame may differ from the one announced: place the outer rectangle again.
    ApplyOuterRect();
}

void FltkBar::ApplyOuterRect() {
    const FrameExtents frame = Extents();
    const int width = std::max(1, outer_.right - outer_.left - frame.left - frame.right);
    const int height = std::max(1, outer_.bottom - outer_.top - frame.top - frame.bottom);
    form_->resize(outer_.left + frame.left, outer_.top + frame.top, width, height);
    if (!Mapped()) return;
    XSync(TheDisplay(), False);
    Fl::wait(0.05);
}

void FltkBar::SendState(const char* state, bool on) {
    if (!form_ || !form_->shown()) return;
    SendRootMessage(fl_xid(form_), AtomOf("_NET_WM_STATE"), on ? 1 : 0, static_cast<long>(AtomOf(state)), 0,
                    1);
}

void FltkBar::SetApplicationTitle(const std::string& title) {
    applicationTitle_ = title;
    if (form_) form_->iconlabel(strdup(cp1252::ToUtf8(title).c_str()));
}

void FltkBar::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (form_) form_->copy_label(cp1252::ToUtf8(caption).c_str());
}

void FltkBar::SetShowHints(bool on) {
    showHints_ = on;
    Fl_Tooltip::enable(on ? 1 : 0);
}

void FltkBar::SetStayOnTop(bool on) {
    stayOnTop_ = on;
    SendState("_NET_WM_STATE_ABOVE", on);
}

void FltkBar::HideTaskbarEntry() {
    taskbarHidden_ = true;
    SendState("_NET_WM_STATE_SKIP_TASKBAR", true);
}

void FltkBar::AddButton(int tag, const std::string& caption, const BarFont& font, const std::string& hint) {
    RemoveButton(tag);
    if (!form_) return;
    auto* button = new FlatButton(*this, tag, cp1252::ToUtf8(caption), FltkFontOf(font, PixelsPerInch()),
                                  cp1252::ToUtf8(hint));
    form_->add(button);
    buttons_[tag] = button;
    button->redraw();
}

void FltkBar::SetButtonBounds(int tag, int left, int top, int width, int height) {
    auto found = buttons_.find(tag);
    if (found == buttons_.end()) return;
    found->second->resize(left, top, width, height);
    form_->redraw();
}

void FltkBar::RemoveButton(int tag) {
    auto found = buttons_.find(tag);
    if (found == buttons_.end()) return;
    form_->remove(found->second);
    Fl::delete_widget(found->second);
    buttons_.erase(found);
    form_->redraw();
}

PixelSize FltkBar::MeasureCaption(const std::string& caption, const BarFont& font) {
    if (!UseFltk()) return {};
    const FltkFont fltkFont = FltkFontOf(font, PixelsPerInch());
    fl_font(fltkFont.face, fltkFont.size);
    const std::string text = cp1252::ToUtf8(caption);
    return {static_cast<int>(std::lround(fl_width(text.c_str()))), fl_height()};
}

int FltkBar::OuterWidth() {
    if (!form_ || !form_->shown()) return outer_.right - outer_.left;
    const FrameExtents frame = Extents();
    return form_->w() + frame.left + frame.right;
}

WindowPlacement FltkBar::GetPlacement() {
    WindowPlacement placement = kept_;
    placement.showCommand = IsApplicationMinimized() ? kShowMinimized : kShowNormal;
    if (Mapped()) {
        const FrameExtents frame = Extents();
        int x = 0, y = 0;
        Window child = None;
        XTranslateCoordinates(TheDisplay(), fl_xid(form_), RootOfScreen(), 0, 0, &x, &y, &child);
        outer_ = {x - frame.left, y - frame.top, x + form_->w() + frame.right, y + form_->h() + frame.bottom};
    }
    placement.normalRect = outer_;
    return placement;
}

void FltkBar::SetPlacement(const WindowPlacement& placement) {
    kept_ = placement;
    outer_ = placement.normalRect;
    if (!form_) return;
    if (!form_->shown()) {
        const FrameExtents frame = extents_;
        form_->resize(outer_.left + frame.left, outer_.top + frame.top,
                      std::max(1, outer_.right - outer_.left - frame.left - frame.right),
                      std::max(1, outer_.bottom - outer_.top - frame.top - frame.bottom));
    } else {
        ApplyOuterRect();
    }
    if (placement.showCommand == kShowMinimized && form_->shown()) {
        form_->iconize();
    } else if (placement.showCommand != kShowHidden && !form_->shown()) {
        ShowForm();
    }
}

bool FltkBar::IsVisible() { return Mapped(); }

bool FltkBar::IsApplicationMinimized() {
    if (!form_ || !form_->shown()) return false;
    const Atom wmState = AtomOf("WM_STATE");
    std::vector<unsigned long> state = CardinalProperty(fl_xid(form_), wmState, wmState);
    return !state.empty() && state[0] == IconicState;
}

void FltkBar::Repaint() {
    if (!form_) return;
    form_->redraw();
    Fl::flush();
}

void FltkBar::Close() {
    if (creating_) {
        closeRequested_ = true;
        return;
    }
    // After the current event returns, as a posted close message would be handled.
    Fl::add_timeout(
        0.0, [](void* bar) { static_cast<FltkBar*>(bar)->FormCloseRequested(); }, this);
}

PixelSize FltkBar::ScreenSize() {
    Display* display = TheDisplay();
    if (!display) return {};
    return {DisplayWidth(display, DefaultScreen(display)), DisplayHeight(display, DefaultScreen(display))};
}

PixelSize FltkBar::SizingFrame() {
    const FrameExtents frame = Extents();
    return {frame.left, frame.bottom};
}

int FltkBar::PixelsPerInch() {
    Display* display = TheDisplay();
    if (!display) return 96;
    // The desktop's logical resolution (Xft.dpi) when it sets one, else the screen's own.
    if (const char* resources = XResourceManagerString(display)) {
        XrmInitialize();
        XrmDatabase database = XrmGetStringDatabase(resources);
        char* type = nullptr;
        XrmValue value{};
        int dpi = 0;
        if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr) {
            dpi = static_cast<int>(std::lround(std::atof(value.addr)));
        }
        XrmDestroyDatabase(database);
        if (dpi > 0) return dpi;
    }
    const int screen = DefaultScreen(display);
    const int millimetres = DisplayWidthMM(display, screen);
    if (millimetres <= 0) return 96;
    return static_cast<int>(std::lround(DisplayWidth(display, screen) * 25.4 / millimetres));
}

void FltkBar::FormResized() {
    if (events_) events_->OnResize();
}

void FltkBar::FormCloseRequested() {
    if (closed_ || !events_) return;
    CloseForm();
}

void FltkBar::CloseForm() {
    if (closed_) return;
    closed_ = true;
    events_->OnCloseQuery();
    events_->OnClose();
}

void FltkBar::ButtonClicked(int tag) {
    if (!events_) return;
    Fl::remove_timeout(ReleaseSpareKeys, &keyboard_);
    keyboard_.ForgetMap();
    events_->OnButtonClick(tag);
    if (keyboard_.HoldsSpareKeys()) Fl::add_timeout(kSpareKeyRelease, ReleaseSpareKeys, &keyboard_);
}

}  // namespace keystrip::x11
