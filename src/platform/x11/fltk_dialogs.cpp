#include "platform/x11/fltk_dialogs.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/posix/cp1252.h"
#include "platform/x11/fltk_display.h"

namespace keystrip::x11 {
namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;

class MessageWindow : public Fl_Window {
public:
    MessageWindow(int w, int h, const std::string& caption, std::string copyText)
        : Fl_Window(w, h), title_(caption), copyText_(std::move(copyText)) {
        label(title_.c_str());
    }

    int handle(int event) override {
        if ((event == FL_KEYBOARD || event == FL_SHORTCUT) && (Fl::event_state() & FL_CTRL) &&
            (Fl::event_key() == 'c' || Fl::event_key() == FL_Insert)) {
            Fl::copy(copyText_.c_str(), static_cast<int>(copyText_.size()), 1);
            return 1;
        }
        return Fl_Window::handle(event);
    }

private:
    std::string title_;
    std::string copyText_;
};

void CloseOnOk(Fl_Widget* widget, void*) { widget->window()->hide(); }

void ShowBox(const std::string& caption, const std::string& text, bool errorIcon) {
    if (!UseFltk()) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return;
    }
    const std::string utf8Caption = cp1252::ToUtf8(caption);
    const std::string utf8Text = cp1252::ToUtf8(text);
    const std::string rule = "---------------------------\n";
    const std::string copyText = rule + utf8Caption + "\n" + rule + utf8Text + "\n" + rule + "OK\n" + rule;

    fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
    int textWidth = 0, textHeight = 0;
    fl_measure(utf8Text.c_str(), textWidth, textHeight, 0);
    const int iconSpace = errorIcon ? kIconSize + kMargin : 0;
    const int contentHeight = std::max(textHeight, errorIcon ? kIconSize : 0);
    const int width = std::max(kMargin * 2 + iconSpace + textWidth, kButtonWidth + 2 * kMargin);
    const int height = kMargin * 3 + contentHeight + kButtonHeight;

    MessageWindow window(std::max(width, 200), height, utf8Caption, copyText);
    window.xclass("KeystripMessage");
    if (errorIcon) {
        auto* icon = new Fl_Box(FL_OVAL_BOX, kMargin, kMargin, kIconSize, kIconSize, "X");
        icon->color(FL_RED);
        icon->labelcolor(FL_WHITE);
        icon->labelfont(FL_HELVETICA_BOLD);
        icon->labelsize(18);
    }
    auto* message = new Fl_Box(kMargin + iconSpace, kMargin, textWidth, contentHeight);
    std::string label;  // "@" starts a symbol in FLTK labels
    for (char c : utf8Text) label += c == '@' ? std::string("@@") : std::string(1, c);
    message->copy_label(label.c_str());
    message->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    auto* ok = new Fl_Return_Button((window.w() - kButtonWidth) / 2, height - kMargin - kButtonHeight,
                                    kButtonWidth, kButtonHeight, "OK");
    ok->callback(CloseOnOk);
    window.end();
    window.set_modal();
    window.hotspot(ok);
    window.show();
    while (window.shown()) Fl::wait();
}

}  // namespace

void FltkDialogs::ShowMessageBox(const std::string& caption, const std::string& text) {
    ShowBox(caption, text, false);
}

void FltkDialogs::ShowException(const std::string& caption, const std::string& message) {
    ShowBox(caption, message + ".", true);
}

}  // namespace keystrip::x11
