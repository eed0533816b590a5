#include "platform/x11/x11_display.h"

#include <X11/Xatom.h>

#include <map>
#include <string>

namespace keystrip::x11 {
namespace {

Display* display = nullptr;
bool opened = false;
int trapDepth = 0;
bool trapFailed = false;

int CollectError(Display*, XErrorEvent*) {
    trapFailed = true;
    return 0;
}

}  // namespace

Display* TheDisplay() {
    if (!opened) {
        opened = true;
        display = XOpenDisplay(nullptr);
    }
    return display;
}

void CloseDisplay() {
    if (display) XCloseDisplay(display);
    display = nullptr;
}

Atom AtomOf(const char* name) {
    static std::map<std::string, Atom> atoms;
    auto found = atoms.find(name);
    if (found != atoms.end()) return found->second;
    Atom atom = XInternAtom(TheDisplay(), name, False);
    atoms.emplace(name, atom);
    return atom;
}

Window RootOfScreen() { return DefaultRootWindow(TheDisplay()); }

ErrorTrap::ErrorTrap() {
    XSync(TheDisplay(), False);
    if (trapDepth++ == 0) trapFailed = false;
    previous_ = XSetErrorHandler(CollectError);
}

ErrorTrap::~ErrorTrap() {
    XSync(TheDisplay(), False);
    XSetErrorHandler(previous_);
    --trapDepth;
}

bool ErrorTrap::Failed() {
    XSync(TheDisplay(), False);
    return trapFailed;
}

std::vector<unsigned long> CardinalProperty(Window window, Atom property, Atom type) {
    std::vector<unsigned long> items;
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    ErrorTrap trap;
    if (XGetWindowProperty(TheDisplay(), window, property, 0, 1 << 16, False, type, &actualType, &format,
                           &count, &remaining, &data) == Success &&
        data) {
        if (actualType == type && format == 32) {
            auto* values = reinterpret_cast<unsigned long*>(data);
            items.assign(values, values + count);
        }
        XFree(data);
    }
    return items;
}

std::string TextProperty(Window window, Atom property, Atom type) {
    std::string text;
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    ErrorTrap trap;
    if (XGetWindowProperty(TheDisplay(), window, property, 0, 1 << 16, False, type, &actualType, &format,
                           &count, &remaining, &data) == Success &&
        data) {
        if (actualType == type && format == 8) text.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return text;
}

void SendRootMessage(Window window, Atom messageType, long d0, long d1, long d2, long d3, long d4) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = messageType;
    event.xclient.format = 32;
    event.xclient.data.l[0] = d0;
    event.xclient.data.l[1] = d1;
    event.xclient.data.l[2] = d2;
    event.xclient.data.l[3] = d3;
    event.xclient.data.l[4] = d4;
    XSendEvent(TheDisplay(), RootOfScreen(), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    XFlush(TheDisplay());
}

}  // namespace keystrip::x11
