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

namespace {

// Reads a property of the given type and element size (8 or 32 bits) and hands
// its items to take; a missing property or one of another type gives nothing.
template <typename Take>
void ReadProperty(Window window, Atom property, Atom type, int format, Take take) {
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    ErrorTrap trap;
    if (XGetWindowProperty(TheDisplay(), window, property, 0, 1 << 16, False, type, &actualType,
                           &actualFormat, &count, &remaining, &data) == Success &&
        data) {
        if (actualType == type && actualFormat == format) take(data, count);
        XFree(data);
    }
}

}  // namespace

std::vector<unsigned long> CardinalProperty(Window window, Atom property, Atom type) {
    std::vector<unsigned long> items;
    ReadProperty(window, property, type, 32, [&](unsigned char* data, unsigned long count) {
        auto* values = reinterpret_cast<unsigned long*>(data);
        items.assign(values, values + count);
    });
    return items;
}

std::string TextProperty(Window window, Atom property, Atom type) {
    std::string text;
    ReadProperty(window, property, type, 8, [&](unsigned char* data, unsigned long count) {
        text.assign(reinterpret_cast<char*>(data), count);
    });
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
