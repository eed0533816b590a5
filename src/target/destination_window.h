// Finding a button's destination: the first top-level window, front to back,
// whose title matches the destination pattern.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "target/regexp.h"

namespace keystrip {

// The state of the current lookup. The enumeration callback gets no context,
// so the lookup's input and output pass through these; between lookups they
// keep the last lookup's values.
extern std::string DestinationPattern;  // the pattern of the current lookup
extern TRegexp DestinationRegexp;       // compiled once per lookup
extern WindowHandle FoundWindow;        // 0 while no window has matched

// The first top-level window whose title matches pattern (not empty), or 0.
WindowHandle FindDestinationWindow(const std::string& pattern);

// Called once per top-level window with value 0. 1: go on; 0: found, stop.
int DestinationEnumProc(WindowHandle hwnd, std::intptr_t value);

// The window's title; empty for a null handle, a handle that is no longer a
// window, and an untitled window.
std::string GetWindowTitle(WindowHandle hwnd);

}  // namespace keystrip
