// The process's one connection to the X server, shared by every X11 service and
// by FLTK, so that all requests reach the server in the order they were made.
#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <string>
#include <vector>

namespace keystrip::x11 {

// The longest the window manager may take to carry out a request (an
// activation, an Alt+Tab). On a busy machine it can lag seconds behind, for
// instance after spare keys were bound: for every change of the keyboard map
// it reads the map and grabs its key bindings again.
inline constexpr std::chrono::milliseconds kWindowManagerWait{5000};

// The connection, opened on first use from $DISPLAY; null when there is no display.
Display* TheDisplay();
// Closes the connection (at exit, after the services have restored what they changed).
void CloseDisplay();

Atom AtomOf(const char* name);
Window RootOfScreen();

// Collects the X errors of the requests made while it lives (such as a window
// that vanished meanwhile) instead of letting them end the process.
class ErrorTrap {
public:
    ErrorTrap();
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    // Waits for the server to handle the requests so far; true when one failed.
    bool Failed();

private:
    XErrorHandler previous_;
};

// A property of a window: the 32-bit items of a format-32 property (windows, atoms,
// cardinals) or the bytes of a format-8 one. Empty when missing.
std::vector<unsigned long> CardinalProperty(Window window, Atom property, Atom type);
std::string TextProperty(Window window, Atom property, Atom type);

// Sends a client message of format 32 to the root window as the window managers expect it.
void SendRootMessage(Window window, Atom messageType, long d0, long d1 = 0, long d2 = 0, long d3 = 0,
                     long d4 = 0);

}  // namespace keystrip::x11
