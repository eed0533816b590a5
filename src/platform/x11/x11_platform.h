// The X11 services together, ready to be installed as the process's platform.
#pragma once

#include "platform/platform.h"
#include "platform/posix/posix_file_service.h"
#include "platform/x11/fltk_bar.h"
#include "platform/x11/fltk_dialogs.h"
#include "platform/x11/x11_keyboard.h"
#include "platform/x11/x11_system.h"
#include "platform/x11/x11_windows.h"

namespace keystrip::x11 {

class X11Platform {
public:
    X11Platform() : bar_(keyboard_) {}
    Platform Services() { return Platform{&keyboard_, &system_, &windows_, &files_, &dialogs_, &bar_}; }
    X11Keyboard& Keyboard() { return keyboard_; }

private:
    X11Keyboard keyboard_;
    X11System system_;
    X11Windows windows_;
    posix::PosixFileService files_;
    FltkDialogs dialogs_;
    FltkBar bar_;
};

}  // namespace keystrip::x11
